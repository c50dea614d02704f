#include "windowing/widgets/TextField.h"

#include <algorithm>
#include <vector>

#include "core/str/StrBuffer.h"
#include "storage/events/IEventListener.h"
#include "windowing/Messages.h"
#include "windowing/MessageBoxW.h"

namespace s {
namespace gui {
namespace win {

TextField::TextField() : text_(str::strbuffer::StrBuffer::New())
{
    ResetTextField();
}

TextField::~TextField()
{
    Reset();
    if (text_)
        text_->ReleaseToPool();
}

thread::EasyPooler* TextField::GetPool()
{
    // The pools of what a field holds come first, so that they outlive the fields this pool
    // still keeps at process exit.
    static const bool partsFirst = str::strbuffer::StrBuffer::GetPool() && Font::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<TextField, kPoolCapacity>();
}

TextField* TextField::New()
{
    return static_cast<TextField*>(GetPool()->Take());
}

const wchar_t* TextField::GetClassName()
{
    return kClassName;
}

base::IObject* TextField::NewInstance()
{
    return New();
}

void TextField::ReleaseToPool()
{
    GetPool()->Give(this);
}

void TextField::Reset()
{
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetTextField();
}

void TextField::ResetTextField()
{
    // An input field is white unless told otherwise.
    background_ = GetSysColor(COLOR_WINDOW);
    inheritBackground_ = false;
    if (text_)
        text_->Assign(L"");
    font_.Reset();
    brush_.DeleteObject();
    editable_ = true;
    notifyChanges_ = true;
    quiet_ = false;
    password_ = false;
    specialBackground_ = false;
    explicitMinWidth_ = kNotSet;
    for (col::_array::ArrayP& list : listeners_)
        list.Clear();
}

void TextField::SetText(const wchar_t* text, bool notify)
{
    if (!text)
        text = L"";
    if (text_)
        text_->Assign(text);
    if (!m_hWnd) {
        if (notify)
            Tell(kChange, kEventChanged);
        return;
    }
    // The control tells its change on the way (reflected to this field); the flag decides
    // whether anybody hears of it.
    const bool notifyBefore = notifyChanges_;
    const bool quietBefore = quiet_;
    notifyChanges_ = notify;
    quiet_ = !notify;
    ::SetWindowTextW(m_hWnd, text);
    notifyChanges_ = notifyBefore;
    quiet_ = quietBefore;
}

const wchar_t* TextField::GetText()
{
    if (!text_)
        return L"";
    if (m_hWnd) {
        const int length = ::GetWindowTextLengthW(m_hWnd);
        std::vector<wchar_t> buffer(static_cast<size_t>(std::max(length, 0)) + 1, L'\0');
        ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
        text_->Assign(buffer.data());
    }
    return text_->GetText();
}

void TextField::SetNotifyChanges(bool notify)
{
    notifyChanges_ = notify;
}

bool TextField::IsNotifyChanges()
{
    return notifyChanges_;
}

void TextField::SetMinWidth(int32_t width)
{
    explicitMinWidth_ = width < 0 ? kNotSet : width;
    if (parent_)
        parent_->RequestLayout();
}

int32_t TextField::GetMinWidth()
{
    const int32_t content = Component<ITextField, CEdit>::GetMinWidth();
    if (!IsShown() || fixedWidth_ >= 0)
        return content;
    return std::max(content, explicitMinWidth_);
}

int32_t TextField::GetMaxWidth()
{
    const int32_t content = Component<ITextField, CEdit>::GetMaxWidth();
    if (!IsShown() || fixedWidth_ >= 0)
        return content;
    // An explicit minimum wider than the content is also the widest the field wants to be.
    return std::max(content, explicitMinWidth_);
}

void TextField::AddListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kChange].Append(listener);
}

void TextField::AddEnterListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kEnter].Append(listener);
}

void TextField::AddFocusLostListener(events::IEventListener* listener)
{
    if (listener)
        listeners_[kFocusLost].Append(listener);
}

void TextField::Tell(ListenerList list, int32_t code)
{
    events::TellListeners(listeners_[list], this, code);
}

void TextField::SetPassword(bool password)
{
    password_ = password;
    if (m_hWnd) {
        SetPasswordChar(password ? L'*' : 0);
        Invalidate();
    }
}

bool TextField::IsPassword()
{
    return password_;
}

void TextField::SetSpecialBackground(bool special)
{
    specialBackground_ = special;
    Redraw();
}

IFont* TextField::GetFont()
{
    return &font_;
}

void TextField::SelectAll()
{
    if (m_hWnd)
        SendMessage(msg::kSelectAllText);
}

void TextField::SelectAllNow()
{
    if (!m_hWnd)
        return;
    SetFocus();
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
}

bool TextField::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        DetachFromParent();
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    const RECT empty = {0, 0, 0, 0};
    if (!Create(WS_CHILD | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, empty, NativeWindowOf(parent), kControlId)) {
        ShowWindowCreationFailed();
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    // The stored state, without telling anybody of the text the field starts with.
    quiet_ = true;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetFontHandle()), TRUE);
    ::SetWindowTextW(m_hWnd, text_ ? text_->GetText() : L"");
    if (!enabled_)
        EnableWindow(FALSE);
    if (!editable_)
        SetReadOnly(TRUE);
    SetPasswordChar(password_ ? L'*' : 0);
    quiet_ = false;
    minWidth_ = preferredWidth_ = kContentWidth;
    minHeight_ = preferredHeight_ = kContentHeight;
    parent_->RequestLayout();
    return true;
}

void TextField::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (m_hWnd)
        EnableWindow(enabled ? TRUE : FALSE);
}

bool TextField::IsEditable()
{
    return editable_;
}

void TextField::SetEditable(bool editable)
{
    if (editable == editable_)
        return;
    if (m_hWnd)
        SetReadOnly(editable ? FALSE : TRUE);
    editable_ = editable;
}

BOOL TextField::PreTranslateMessage(MSG* message)
{
    if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
        Tell(kEnter, kEventEnter);
        return TRUE;
    }
    return CEdit::PreTranslateMessage(message);
}

LRESULT TextField::AnswerColor(HDC dc)
{
    brush_.DeleteObject();
    COLORREF color = GetSysColor(COLOR_BTNFACE);
    if (specialBackground_) {
        if (!parent_) {
            brush_.CreateStockObject(NULL_BRUSH);
            ::SetBkMode(dc, TRANSPARENT);
            ::SetTextColor(dc, font_.GetColor());
            return reinterpret_cast<LRESULT>(brush_.GetSafeHandle());
        }
        color = parent_->GetEffectiveBackgroundColor();
    } else if (enabled_ && editable_) {
        color = background_;
    }
    brush_.CreateSolidBrush(color);
    ::SetBkColor(dc, color);
    ::SetTextColor(dc, font_.GetColor());
    return reinterpret_cast<LRESULT>(brush_.GetSafeHandle());
}

void TextField::TypeCharacter(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Drawn once after the character instead of at every step of the control's own update.
    SendMessage(WM_SETREDRAW, FALSE);
    DefWindowProc(message, wParam, lParam);
    ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
    SendMessage(WM_SETREDRAW, TRUE);
    Redraw();
}

bool TextField::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
        *result = TRUE;
        return true;
    case WM_CHAR:
        TypeCharacter(message, wParam, lParam);
        return true;
    case msg::kSelectAllText:
        SelectAllNow();
        return true;
    case msg::kReflectCtlColor:
        *result = AnswerColor(reinterpret_cast<HDC>(wParam));
        return true;
    case msg::kReflectEditChange:
        if (notifyChanges_ && !quiet_)
            Tell(kChange, kEventChanged);
        return true;
    case msg::kReflectKillFocus:
        Tell(kFocusLost, kEventFocusLost);
        return true;
    default:
        return Component<ITextField, CEdit>::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s
