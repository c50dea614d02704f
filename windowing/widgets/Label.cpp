// The label's pool, reset, texts, fonts and drawer.
#include "windowing/widgets/Label.h"

#include <cwchar>

#include "core/str/StrBuffer.h"
#include "images/win/BufferedImage.h"
#include "skins/ISkin.h"
#include "skins/drawer/text/Basic.h"
#include "storage/file/ShellServices.h"
#include "storage/lang/Localizer.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"

namespace s {
namespace gui {
namespace win {

namespace {

Label::ShellOpener& Opener()
{
    static Label::ShellOpener opener = &system::win::ShellOpen;
    return opener;
}

} // namespace

Label::Label()
    : text_(str::strbuffer::StrBuffer::New()), keptText_(str::strbuffer::StrBuffer::New()),
      temporaryShowing_(false), textId_(-1), disabledFont_(nullptr), linkFont_(nullptr), hoverFont_(nullptr),
      pressedFont_(nullptr), ownDrawer_(drawer::text::win::Basic::New()), drawer_(nullptr), ownsDrawer_(false),
      link_(false), ownLinkColors_(false), linkColor_(0), hoverLinkColor_(0),
      linkTarget_(str::strbuffer::StrBuffer::New()), hoverState_(kHoverNormal), pressed_(false),
      localizer_(nullptr)
{
    ResetLabel();
}

Label::~Label()
{
    Reset();
    for (str::strbuffer::StrBuffer* text : {text_, keptText_, linkTarget_}) {
        if (text)
            text->ReleaseToPool();
    }
    if (ownDrawer_)
        ownDrawer_->ReleaseToPool();
}

thread::EasyPooler* Label::GetPool()
{
    // The pools of what a label holds come first, so that they outlive the labels this pool
    // still keeps at process exit.
    static const bool partsFirst = str::strbuffer::StrBuffer::GetPool() && Font::GetPool() &&
                                   drawer::text::win::Basic::GetPool() && image::win::BufferedImage::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<Label, kPoolCapacity>();
}

Label* Label::New()
{
    return static_cast<Label*>(GetPool()->Take());
}

Label* Label::Create(int32_t textId, bool wordWrap, int32_t sizeCode)
{
    Label* label = New();
    if (!label)
        return nullptr;
    label->SetTextId(textId);
    label->SetFontAttribute1(wordWrap);
    label->SetFontAttribute2(false);
    label->SetFontPreset(sizeCode);
    return label;
}

Label::ShellOpener Label::SetShellOpener(ShellOpener opener)
{
    const ShellOpener previous = Opener();
    Opener() = opener ? opener : &system::win::ShellOpen;
    return previous;
}

const wchar_t* Label::GetClassName()
{
    return kClassName;
}

base::IObject* Label::NewInstance()
{
    return New();
}

void Label::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Label::Reset()
{
    if (m_hWnd)
        KillTimer(msg::kLabelRestoreTimer);
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetLabel();
}

void Label::ResetLabel()
{
    font_.Reset();
    ReleaseStateFonts();
    StoreDrawer(nullptr, false);
    textId_ = -1;
    for (str::strbuffer::StrBuffer* text : {text_, keptText_, linkTarget_}) {
        if (text)
            text->Assign(L"");
    }
    temporaryShowing_ = false;
    link_ = false;
    ownLinkColors_ = false;
    linkColor_ = hoverLinkColor_ = 0;
    hoverState_ = kHoverNormal;
    pressed_ = false;
    clickListeners_.Clear();
    widthCache_.SetCount(0);
    heightCache_.SetCount(0);
}

void Label::OnEvent(base::IObject* source, int32_t)
{
    if (skinLink_.Follow(source, m_hWnd, [this] { TakeSkinDrawer(); }))
        return;
    if (!localizer_ || source != static_cast<base::IObject*>(localizer_) || textId_ == -1)
        return;
    SetText(localizer_->GetText(textId_), true);
}

drawer::IText* Label::SkinTextDrawer()
{
    drawer::ISkin* skin = skinLink_.GetCurrentSkin();
    return skin ? skin->GetTextDrawer() : nullptr;
}

void Label::TakeSkinDrawer()
{
    SetTextDrawer(SkinTextDrawer(), false);
}

void Label::JoinLocalizer()
{
    if (window_ && window_->HasLocalizer()) {
        localizer_ = window_->GetLocalizer();
        if (localizer_)
            localizer_->AddListener(this);
    }
}

void Label::LeaveLocalizer()
{
    if (localizer_)
        localizer_->RemoveListener(this);
    localizer_ = nullptr;
}

void Label::SetTextId(int32_t textId)
{
    textId_ = textId;
    if (textId != -1 && window_ && window_->HasLocalizer() && window_->GetLocalizer())
        SetText(window_->GetLocalizer()->GetText(textId), true);
    else
        SetText(L"", true);
}

int32_t Label::GetTextId()
{
    return textId_;
}

bool Label::SetText(const wchar_t* text, bool redraw)
{
    HWND window = m_hWnd;
    if (!window)
        return ApplyText(text, redraw);
    TextChange change = {text, redraw};
    return ::SendMessageW(window, msg::kLabelSetText, reinterpret_cast<WPARAM>(&change), ProcessKey()) != 0;
}

const wchar_t* Label::GetText()
{
    return text_ ? text_->GetText() : L"";
}

void Label::ShowTemporaryText(const wchar_t* text, int32_t periodMillis)
{
    HWND window = m_hWnd;
    if (!window)
        return;
    TemporaryText temporary = {text, true, static_cast<UINT>(periodMillis < 0 ? 0 : periodMillis)};
    ::SendMessageW(window, msg::kLabelTemporaryText, reinterpret_cast<WPARAM>(&temporary), ProcessKey());
}

bool Label::ApplyText(const wchar_t* text, bool redraw)
{
    if (!text_)
        return false;
    if (!text)
        text = L"";
    if (std::wcscmp(text, text_->GetText()) == 0)
        return false;
    // The old text goes first, so that nothing of it stays where the new one is shorter.
    if (m_hWnd && text_->GetLength() > 0) {
        text_->Assign(L"");
        if (redraw)
            Redraw();
    }
    text_->Assign(text);
    Measure();
    if (redraw && m_hWnd)
        Redraw();
    return true;
}

void Label::ApplyTemporaryText(const wchar_t* text, UINT periodMillis)
{
    KillTimer(msg::kLabelRestoreTimer);
    if (!temporaryShowing_ && keptText_ && text_) {
        keptText_->Assign(text_->GetText());
        temporaryShowing_ = true;
    }
    ApplyText(text, true);
    SetTimer(msg::kLabelRestoreTimer, periodMillis);
}

void Label::RestoreKeptText()
{
    KillTimer(msg::kLabelRestoreTimer);
    if (!temporaryShowing_ || !keptText_)
        return;
    temporaryShowing_ = false;
    ApplyText(keptText_->GetText(), true);
    keptText_->Assign(L"");
}

IFont* Label::GetFont()
{
    return &font_;
}

template <class Change>
void Label::ChangeFonts(Change change, bool stateFontsToo)
{
    change(&font_);
    if (stateFontsToo) {
        for (Font* font : {disabledFont_, linkFont_, hoverFont_, pressedFont_}) {
            if (font)
                change(font);
        }
    }
    Measure();
}

void Label::SetFontPreset(int32_t code)
{
    ChangeFonts([code](Font* font) { font->SetSizeCode(code); }, true);
}

void Label::SetFontSize(int32_t points)
{
    ChangeFonts([points](Font* font) { font->SetPointSize(points); }, false);
}

void Label::SetFontBold(bool bold)
{
    ChangeFonts([bold](Font* font) { font->SetBold(bold); }, true);
}

void Label::SetFontOutline(int32_t style)
{
    ChangeFonts([style](Font* font) { font->SetTextStyle(style); }, false);
}

void Label::SetFontAttribute1(bool on)
{
    ChangeFonts([on](Font* font) { font->SetWordWrap(on); }, false);
}

void Label::SetFontAttribute2(bool on)
{
    ChangeFonts([on](Font* font) { font->SetEndEllipsis(on); }, true);
}

void Label::SetTextDrawer(drawer::IText* drawer, bool owned)
{
    StoreDrawer(drawer, owned);
    Measure();
    Redraw();
}

void Label::StoreDrawer(drawer::IText* drawer, bool owned)
{
    if (drawer_ && ownsDrawer_ && drawer_ != drawer)
        drawer_->ReleaseToPool();
    drawer_ = drawer;
    ownsDrawer_ = drawer && owned;
    ApplyDrawerToFonts();
}

drawer::IText* Label::GetTextDrawer()
{
    return drawer_ ? drawer_ : ownDrawer_;
}

void Label::ApplyDrawerToFonts()
{
    if (drawer::IText* drawer = GetTextDrawer())
        drawer->ApplyToFonts(&font_, disabledFont_, linkFont_, hoverFont_, pressedFont_);
    if (!ownLinkColors_)
        return;
    const auto paint = [](Font* font, COLORREF color) {
        if (font)
            font->SetColor(GetRValue(color), GetGValue(color), GetBValue(color));
    };
    paint(linkFont_, linkColor_);
    paint(hoverFont_, hoverLinkColor_);
    paint(pressedFont_, hoverLinkColor_);
}

void Label::SetLinkColors(COLORREF normal, COLORREF hover)
{
    ownLinkColors_ = true;
    linkColor_ = normal;
    hoverLinkColor_ = hover;
    ApplyDrawerToFonts();
    Redraw();
}

Font* Label::StateFont(Font** slot)
{
    if (*slot)
        return *slot;
    Font* font = Font::New();
    if (!font)
        return nullptr;
    font->SetSizeCode(font_.GetSizeCode());
    if (font_.IsBold())
        font->SetBold(true);
    *slot = font;
    ApplyDrawerToFonts();
    return font;
}

void Label::ReleaseStateFonts()
{
    for (Font** slot : {&disabledFont_, &linkFont_, &hoverFont_, &pressedFont_}) {
        if (*slot)
            (*slot)->ReleaseToPool();
        *slot = nullptr;
    }
}

IFont* Label::GetDisabledFont()
{
    return StateFont(&disabledFont_);
}

IFont* Label::GetLinkFont()
{
    return StateFont(&linkFont_);
}

IFont* Label::GetHoverFont()
{
    return StateFont(&hoverFont_);
}

IFont* Label::GetPressedFont()
{
    return StateFont(&pressedFont_);
}

IFont* Label::PaintFont()
{
    IFont* font = &font_;
    if (!enabled_)
        font = GetDisabledFont();
    else if (link_)
        font = hoverState_ == kHoverOver ? GetHoverFont()
               : hoverState_ == kHoverPressed ? GetPressedFont()
                                              : GetLinkFont();
    return font ? font : &font_;
}

void Label::SetLink(bool link)
{
    link_ = link;
    if (link) {
        GetLinkFont();
        GetHoverFont();
        GetPressedFont();
    }
}

bool Label::IsLink()
{
    return link_;
}

void Label::SetLinkTarget(const wchar_t* target)
{
    if (linkTarget_)
        linkTarget_->Assign(target ? target : L"");
}

void Label::AddClickListener(events::IEventListener* listener)
{
    if (listener)
        clickListeners_.Append(listener);
}

int32_t Label::GetHoverState()
{
    return hoverState_;
}

void Label::TellClickListeners()
{
    events::TellListeners(clickListeners_, this, kEventClick);
}

void Label::HandleButtonUp(LPARAM lParam)
{
    if (!pressed_)
        return;
    pressed_ = false;
    if (IsInside(lParam)) {
        if (linkTarget_ && linkTarget_->GetLength() > 0)
            Opener()(linkTarget_->GetText());
        TellClickListeners();
    }
    SetHoverState(kHoverNormal);
}

} // namespace win
} // namespace gui
} // namespace s
