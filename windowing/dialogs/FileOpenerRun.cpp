// The run of the file dialog front: the owner held still, the dialog shown, the choice read back.
#include <windows.h>

#include <memory>
#include <string>

#include "windowing/IWindow.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/dialogs/FileDialogEx.h"
#include "windowing/dialogs/FileOpener.h"

namespace s {
namespace gui {
namespace dialogs {
namespace win {

namespace {

// The owner disabled and off the top for the life of the dialog, restored however it ends.
class HeldOwner {
public:
    explicit HeldOwner(IWindow* owner) : owner_(owner), wasTopMost_(false)
    {
        if (!owner_)
            return;
        owner_->SetModalState(true);
        wasTopMost_ = owner_->IsTopMost();
        // A topmost owner would hide the dialog behind it.
        if (wasTopMost_)
            owner_->SetTopMost(false);
    }
    ~HeldOwner()
    {
        if (!owner_)
            return;
        owner_->SetModalState(false);
        if (wasTopMost_)
            owner_->SetTopMost(true);
    }

private:
    HeldOwner(const HeldOwner&) = delete;
    HeldOwner& operator=(const HeldOwner&) = delete;

    IWindow* owner_;
    bool wasTopMost_;
};

const wchar_t* OrNull(const wchar_t* text)
{
    return text && *text ? text : nullptr;
}

} // namespace

bool FileOpener::Run(IWindow* owner)
{
    paths_.Clear();
    path_.Clear();
    HWND parent = gui::win::NativeWindowOf(owner);
    // An owner whose frame is gone leaves the dialog without one.
    if (parent && !IsWindow(parent))
        parent = nullptr;
    HeldOwner held(owner);

    // The dialog reads the list up to "||".
    std::wstring filter(filter_.GetText());
    if (!filter.empty())
        filter += L'|';
    DWORD flags = OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!followLinks_)
        flags |= OFN_NODEREFERENCELINKS;
    const bool multiple = openMode_ && multiSelect_;
    if (multiple)
        flags |= OFN_ALLOWMULTISELECT;

    FileDialogEx dialog(openMode_, OrNull(defaultExtension_.GetText()), OrNull(fileName_.GetText()), flags,
                        OrNull(filter.c_str()), nullptr);
    dialog.m_ofn.hwndOwner = parent;
    if (initialFolder_.GetLength() > 0)
        dialog.m_ofn.lpstrInitialDir = initialFolder_.GetText();
    std::unique_ptr<wchar_t[]> buffer;
    if (multiple) {
        // The name is not shown in this mode: the buffer starts empty.
        buffer.reset(new wchar_t[kMultiSelectBufferLength]());
        dialog.m_ofn.lpstrFile = buffer.get();
        dialog.m_ofn.nMaxFile = kMultiSelectCapacity;
    }
    if (dialog.DoModal() != IDOK)
        return false;

    if (multiple) {
        POSITION position = dialog.GetStartPosition();
        while (position) {
            const std::wstring path = dialog.GetNextPathName(position);
            if (path.empty())
                break;
            if (paths_.GetCount() == 0)
                path_.Assign(path.c_str());
            paths_.AddText(path.c_str());
        }
    } else {
        const std::wstring path = dialog.GetPathName();
        path_.Assign(path.c_str());
        paths_.AddText(path.c_str());
    }
    return paths_.GetCount() > 0;
}

} // namespace win
} // namespace dialogs
} // namespace gui
} // namespace s
