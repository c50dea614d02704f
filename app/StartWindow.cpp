#include "app/StartWindow.h"

#include <windows.h>

#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/TextIds.h"
#include "core/str/StrBuffer.h"
#include "storage/lang/Localizer.h"
#include "windowing/Window.h"
#include "windowing/widgets/Label.h"

namespace s {
namespace app {
namespace win {

namespace {

const int32_t kNoVersionText = -1;

} // namespace

StartWindow::StartWindow() : window_(nullptr), holder_(nullptr), smallIcon_(nullptr), bigIcon_(nullptr) {}

StartWindow::~StartWindow()
{
    Release();
}

bool StartWindow::Open(AppWindow* holder)
{
    Release();
    if (!holder)
        return false;
    window_ = gui::win::Window::New();
    if (!window_)
        return false;
    if (!window_->IsReady()) {
        Release();
        return false;
    }
    holder_ = holder;
    // The title alone: another start of the program finds this frame by a title that begins
    // with the frame's text.
    window_->SetLocalizer(holder->GetLangPack());
    window_->SetCaptionTextId(holder->GetBaseTextId() + kTitleOffset, kNoVersionText);
    // The holder's current skin paints the window and later choices of skin reach it.
    window_->SetSkinner(holder->GetSkinner());
    if (holder->HasPosition())
        SetWindowPos(window_->GetSafeHwnd(), nullptr, holder->GetX(), holder->GetY(), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetProgramIcons();
    AddTitleLabel(holder);
    window_->AddCloseListener(this);
    window_->SetVisible(true);
    return true;
}

void StartWindow::WaitUntilClosed()
{
    if (window_)
        window_->WaitUntilClosed();
}

void StartWindow::Release()
{
    if (window_) {
        window_->ReleaseToPool();
        window_ = nullptr;
    }
    holder_ = nullptr;
    // Only once the frame that showed them is gone.
    if (smallIcon_)
        DestroyIcon(smallIcon_);
    if (bigIcon_)
        DestroyIcon(bigIcon_);
    smallIcon_ = nullptr;
    bigIcon_ = nullptr;
}

void StartWindow::SetProgramIcons()
{
    HINSTANCE program = GetModuleHandleW(nullptr);
    smallIcon_ = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(AppBase::kIconGroupId), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_DEFAULTCOLOR));
    bigIcon_ = static_cast<HICON>(LoadImageW(program, MAKEINTRESOURCEW(AppBase::kIconGroupId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                                             LR_DEFAULTCOLOR));
    HWND frame = window_->GetSafeHwnd();
    if (smallIcon_)
        SendMessageW(frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    if (bigIcon_)
        SendMessageW(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
}

// The program's title and version, in the skin's text colours, with the window shrunk to them.
void StartWindow::AddTitleLabel(AppWindow* holder)
{
    lang::Localizer* pack = holder->GetLangPack();
    gui::win::Label* label = gui::win::Label::New();
    if (!pack || !label)
        return;
    str::strbuffer::StrBuffer* text = str::strbuffer::StrBuffer::New();
    if (text) {
        text->AppendChars(pack->GetText(holder->GetBaseTextId() + kTitleOffset), static_cast<uint32_t>(-1));
        text->AppendChars(L" ", static_cast<uint32_t>(-1));
        text->AppendChars(pack->GetText(holder->GetBaseTextId() + kVersionOffset), static_cast<uint32_t>(-1));
        label->SetText(text->GetText(), false);
        text->ReleaseToPool();
    }
    // Made in the skinned window, the label takes the skin's text drawer and follows it.
    window_->AddChild(label);
    window_->ShrinkToMinimumSize();
}

void StartWindow::OnEvent(base::IObject*, int32_t code)
{
    if (code != gui::win::kEventClose || !window_ || !holder_)
        return;
    HWND frame = window_->GetSafeHwnd();
    RECT place = {};
    if (!frame || IsIconic(frame) || !GetWindowRect(frame, &place))
        return;
    if (!holder_->HasX() || holder_->GetX() != place.left)
        holder_->SetX(place.left);
    if (!holder_->HasY() || holder_->GetY() != place.top)
        holder_->SetY(place.top);
}

} // namespace win
} // namespace app
} // namespace s
