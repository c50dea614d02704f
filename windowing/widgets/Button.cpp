// The button's pool, setters, native creation and measuring.
#include "windowing/widgets/Button.h"

#include <algorithm>
#include <cwchar>

#include "core/str/StrBuffer.h"
#include "skins/ISkin.h"
#include "skins/drawer/IButton.h"
#include "storage/events/IEventListener.h"
#include "storage/lang/Localizer.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Messages.h"

namespace s {
namespace gui {
namespace win {

Button::Button() : caption_(str::strbuffer::StrBuffer::New()), drawer_(nullptr), drawerOwned_(false)
{
    ResetButton();
}

Button::~Button()
{
    Reset();
    if (caption_)
        caption_->ReleaseToPool();
}

thread::EasyPooler* Button::GetPool()
{
    // The pools of what a button holds come first, so that they outlive the button pool.
    static const bool partsFirst = str::strbuffer::StrBuffer::GetPool() && Font::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<Button, kPoolCapacity>();
}

Button* Button::New()
{
    return static_cast<Button*>(GetPool()->Take());
}

const wchar_t* Button::GetClassName()
{
    return kClassName;
}

base::IObject* Button::NewInstance()
{
    return New();
}

void Button::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Button::Reset()
{
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetButton();
}

void Button::ResetButton()
{
    if (caption_)
        caption_->Assign(L"");
    captionTextId_ = -1;
    normalSetting_.Reset();
    disabledSetting_.Reset();
    checkedSetting_.Reset();
    font_.Reset();
    fontMade_ = false;
    if (drawer_ && drawerOwned_)
        drawer_->ReleaseToPool();
    drawer_ = nullptr;
    drawerOwned_ = false;
    brush_.DeleteObject();
    autoRepeat_ = false;
    pressed_ = false;
    lastPoint_ = {0, 0};
    hoverState_ = 0;
    highlight_ = false;
    toggles_ = false;
    canUncheck_ = false;
    invertLook_ = false;
    drawerFlag_ = false;
    checked_ = false;
    defaultButton_ = false;
    for (col::_array::ArrayP& list : listeners_)
        list.Clear();
}

void Button::SetCaption(const wchar_t* caption)
{
    if (caption_)
        caption_->Assign(caption ? caption : L"");
    if (m_hWnd) {
        ::SetWindowTextW(m_hWnd, GetCaption());
        Measure();
    }
}

const wchar_t* Button::GetCaption()
{
    return caption_ ? caption_->GetText() : L"";
}

void Button::SetCaptionTextId(int32_t id)
{
    captionTextId_ = id;
    if (m_hWnd && id != -1 && window_ && window_->HasLocalizer() && window_->GetLocalizer())
        SetCaption(window_->GetLocalizer()->GetText(id));
}

void Button::SetColorSwatch(int32_t red, int32_t green, int32_t blue)
{
    wchar_t caption[24];
    std::swprintf(caption, 24, L"#Color-%08x", static_cast<unsigned>(ColorFromBytes(red, green, blue)));
    SetCaption(caption);
}

void Button::SetDrawer(drawer::IButton* drawer, bool owned)
{
    if (drawer_ && drawerOwned_ && drawer_ != drawer)
        drawer_->ReleaseToPool();
    drawer_ = drawer;
    drawerOwned_ = drawer && owned;
    if (drawer_) {
        drawer_->ApplyToFontSettings(&normalSetting_, &disabledSetting_);
        drawer_->ApplyToSecondFontSetting(&checkedSetting_);
    }
    Redraw();
}

void Button::SetHighlight(bool highlight)
{
    highlight_ = highlight;
    Redraw();
}

void Button::SetToggleMode(bool toggles, bool canUncheck, bool invertLook, bool drawerFlag)
{
    toggles_ = toggles;
    canUncheck_ = canUncheck;
    invertLook_ = invertLook;
    drawerFlag_ = drawerFlag;
}

void Button::SetAutoRepeat(bool autoRepeat)
{
    autoRepeat_ = autoRepeat;
}

bool Button::IsChecked()
{
    return checked_;
}

void Button::SetChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    Redraw();
}

void Button::SetDefaultButton()
{
    if (m_hWnd)
        SendMessage(kMakeDefault);
}

void Button::ClearDefaultButton()
{
    if (m_hWnd)
        SendMessage(kMakeNotDefault);
}

bool Button::IsDefaultButton()
{
    return defaultButton_;
}

void Button::SetFixedSize(int32_t width, int32_t height)
{
    fixedWidth_ = width < 0 ? kNotSet : width;
    fixedHeight_ = height < 0 ? kNotSet : height;
    if (m_hWnd)
        Measure();
}

void Button::AddClickListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kClick].Append(listener);
}

void Button::AddToggleListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kAfterClick].Append(listener);
}

void Button::AddPressListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kPress].Append(listener);
}

void Button::Tell(ListenerList list, int32_t code)
{
    events::TellListeners(listeners_[list], this, code);
}

void Button::ReleaseFont(IFont* font)
{
    if (thread::IPoolable* pooled = dynamic_cast<thread::IPoolable*>(font))
        pooled->ReleaseToPool();
}

bool Button::IsResizer()
{
    return std::wcscmp(GetCaption(), kResizerCaption) == 0;
}

bool Button::PaintsItself()
{
    return drawer_ || IsResizer();
}

bool Button::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        LeaveSkinAndParent(&skinLink_, this, &drawer_, drawerOwned_);
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    // Measured below with the skin's drawer.
    if (skinLink_.Join(window_, this)) {
        drawer::ISkin* skin = skinLink_.GetCurrentSkin();
        SetDrawer(skin ? skin->GetButtonDrawer() : nullptr, false);
    }
    const RECT empty = {0, 0, 0, 0};
    if (!Create(L"Button", WS_CHILD | WS_TABSTOP | BS_NOTIFY | BS_PUSHBUTTON, empty, NativeWindowOf(parent), kControlId)) {
        ShowWindowCreationFailed();
        skinLink_.Leave(this);
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    if (captionTextId_ != -1 && window_ && window_->HasLocalizer() && window_->GetLocalizer() && caption_)
        caption_->Assign(window_->GetLocalizer()->GetText(captionTextId_));
    ::SetWindowTextW(m_hWnd, GetCaption());
    if (!enabled_)
        EnableWindow(FALSE);
    Measure();
    return true;
}

void Button::OnEvent(base::IObject* source, int32_t)
{
    skinLink_.Follow(source, m_hWnd, [this] { TakeSkinDrawer(); });
}

void Button::TakeSkinDrawer()
{
    drawer::ISkin* skin = skinLink_.GetCurrentSkin();
    SetDrawer(skin ? skin->GetButtonDrawer() : nullptr, false);
    // The new look may want another size.
    Measure();
}

void Button::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (m_hWnd)
        EnableWindow(enabled ? TRUE : FALSE);
}

// The native ideal size need not leave the drawer's insets around the text (Wine's is the bare
// text): a caption drawn into less room than its own would end in an ellipsis.
void Button::FitDrawnCaption(IFont* font, SIZE* size)
{
    const wchar_t* caption = GetCaption();
    // Glyph captions have no text size.
    if (!font || caption[0] == L'#' || caption[0] == L'\0')
        return;
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return;
    HGDIOBJ previous = ::SelectObject(dc, font->GetFontHandle());
    RECT text = {0, 0, 0, 0};
    ::DrawTextW(dc, caption, -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, previous);
    ::ReleaseDC(m_hWnd, dc);
    size->cx = std::max<LONG>(size->cx, text.right - text.left + 2 * kDrawnCaptionInset);
    size->cy = std::max<LONG>(size->cy, text.bottom - text.top + 2 * kDrawnCaptionInset);
}

void Button::Measure()
{
    if (!m_hWnd)
        return;
    SIZE ideal = {0, 0};
    if (drawer_) {
        if (fixedWidth_ >= 0 && fixedHeight_ >= 0) {
            ideal.cx = fixedWidth_;
            ideal.cy = fixedHeight_;
        } else {
            // Measured in the drawer's font, then the control gets its own back.
            const LRESULT kept = SendMessage(WM_GETFONT);
            IFont* font = normalSetting_.CreateFont();
            if (font)
                SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetFontHandle()), TRUE);
            GetIdealSize(&ideal);
            SendMessage(WM_SETFONT, static_cast<WPARAM>(kept), FALSE);
            FitDrawnCaption(font, &ideal);
            ReleaseFont(font);
        }
    } else {
        if (!fontMade_) {
            font_.InheritFrom(&normalSetting_);
            fontMade_ = true;
        }
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetFontHandle()), TRUE);
        GetIdealSize(&ideal);
    }
    minWidth_ = preferredWidth_ = ideal.cx;
    minHeight_ = preferredHeight_ = ideal.cy;
    if (parent_)
        parent_->RequestLayout();
}

} // namespace win
} // namespace gui
} // namespace s
