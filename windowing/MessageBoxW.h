#pragma once
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/IMessageBox.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's boxes, shown through the application's message box (AfxShowMessageBox), the
// one place every box of the process passes.
class MessageBoxW : public IMessageBox, public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_MessageBoxW";

    MessageBoxW();
    ~MessageBoxW() override;

    static thread::EasyPooler* GetPool();
    static MessageBoxW* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    void ShowInfo(const wchar_t* text) override;
    void ShowWarning(const wchar_t* text) override;
    void ShowError(const wchar_t* text) override;
    bool AskYesNo(const wchar_t* text) override;
    bool AskYesNoCancel(const wchar_t* text, bool* yes) override;
    // One of 0, 1 or 2; other values are refused.
    void SetMode(int32_t mode) override;
    int32_t GetMode() override;

private:
    int32_t mode_;
};

// One box each through a pooled MessageBoxW.
void ShowInfoMessage(const wchar_t* text);
void ShowErrorMessage(const wchar_t* text);
bool AskYesNo(const wchar_t* text);
// Yes, No or Cancel on the text, null asking "Do you want to save the changes?": false on
// Cancel, else true with the answer in yes.
bool AskSaveChanges(const wchar_t* text, bool* yes);

// The box of a native window that could not be made ("Window Creation Failed!") and of the
// toolkit's window class that could not be registered ("Window Registration Failed!").
void ShowWindowCreationFailed();
void ShowWindowRegistrationFailed();

} // namespace win
} // namespace gui
} // namespace s
