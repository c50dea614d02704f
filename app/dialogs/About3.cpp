#include "app/dialogs/About3.h"

#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/TextIds.h"
#include "app/dialogs/DialogLayout.h"
#include "images/win/BufferedImage.h"
#include "storage/file/ShellServices.h"
#include "storage/lang/Localizer.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/Image.h"
#include "windowing/widgets/Label.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {

using namespace dialog_layout;

const int32_t kNoVersionText = -1;
const COLORREF kLinkColor = RGB(0, 170, 0);
const COLORREF kHoverLinkColor = RGB(170, 170, 0);
// The rows: side margins, the caption cell's width and the height of both cells.
const int32_t kRowMargin = 7;
const int32_t kCaptionWidth = 140;
const int32_t kRowHeight = 20;
const int32_t kGap = 6;
const int32_t kTitleSize = 100;
const int32_t kTextSize = 0;
const wchar_t kGlyphClose[] = L"#X";

// A cell of fixed pixels (or the rest of the row) holding one left-aligned label.
win::Box* LabelCell(ILabel* label, int32_t width)
{
    win::Box* cell = win::Box::Create(IBox::kRow, width < 0 ? kFull : kFree, kFree, kLeft, kCentre, 0, 0, 0, 0);
    if (!cell)
        return nullptr;
    if (width >= 0)
        cell->SetWidthPixels(width, false);
    cell->SetHeightPixels(kRowHeight, false);
    if (label)
        cell->AddChild(label);
    return cell;
}

} // namespace

About3::About3()
    : owner_(nullptr), holder_(nullptr), settings_(nullptr), langPack_(nullptr), skinner_(nullptr), window_(nullptr),
      closeButton_(nullptr), glyphButton_(nullptr), addressLink_(nullptr), supportLink_(nullptr),
      supportLinkTextId_(app::kBaseTextId + app::kSupportPageOffset), icon_(nullptr), picture_(nullptr)
{
}

About3::~About3()
{
    Reset();
}

thread::EasyPooler* About3::GetPool()
{
    static const bool heldPoolsMade = win::Window::GetPool() && win::Box::GetPool() && win::Label::GetPool() &&
                                      win::Button::GetPool() && win::Image::GetPool();
    (void)heldPoolsMade;
    return &thread::PoolOf<About3, kPoolCapacity>();
}

About3* About3::New()
{
    return static_cast<About3*>(GetPool()->Take());
}

const wchar_t* About3::GetClassName()
{
    return kClassName;
}

base::IObject* About3::NewInstance()
{
    return New();
}

void About3::ReleaseToPool()
{
    GetPool()->Give(this);
}

void About3::Reset()
{
    ReleaseWindow();
    owner_ = nullptr;
    holder_ = nullptr;
    settings_ = nullptr;
    langPack_ = nullptr;
    skinner_ = nullptr;
    supportLinkTextId_ = app::kBaseTextId + app::kSupportPageOffset;
}

void About3::SetAppWindow(app::win::AppWindow* holder)
{
    holder_ = holder;
    app::win::AppBase* app = holder ? holder->GetApp() : nullptr;
    settings_ = app ? app->GetSettings() : nullptr;
    langPack_ = holder ? holder->GetLangPack() : nullptr;
    skinner_ = holder ? holder->GetSkinner() : nullptr;
    supportLinkTextId_ = BaseTextId() + app::kSupportPageOffset;
}

void About3::SetServices(lang::Localizer* localizer, map::IMappedData* settings, drawer::Skinner* skinner)
{
    holder_ = nullptr;
    langPack_ = localizer;
    settings_ = settings;
    skinner_ = skinner;
    supportLinkTextId_ = BaseTextId() + app::kSupportPageOffset;
}

int32_t About3::BaseTextId()
{
    return holder_ ? holder_->GetBaseTextId() : app::kBaseTextId;
}

void About3::ReleaseWindow()
{
    // The widgets go with the window's content.
    closeButton_ = glyphButton_ = nullptr;
    addressLink_ = supportLink_ = nullptr;
    icon_ = picture_ = nullptr;
    win::Window* window = window_;
    window_ = nullptr;
    if (window)
        window->ReleaseToPool();
}

void About3::Build(IWindow* owner)
{
    ReleaseWindow();
    owner_ = owner;
    window_ = win::Window::New();
    if (!window_)
        return;
    window_->SetSizingBorder(false);
    window_->SetClientEdge(false);
    window_->SetMaximizeBox(false);
    window_->SetMinimizeBox(false);
    if (holder_) {
        window_->SetAppWindow(holder_, false);
    } else {
        window_->SetLocalizer(langPack_);
        if (skinner_)
            window_->SetSkinner(skinner_);
    }
    window_->SetCaptionTextId(kCaptionText, kNoVersionText);

    win::Box* content = win::Box::Create(IBox::kColumn, kFull, kFull, kCentre, kTop, kGap, kGap, 0, kGap);
    if (content) {
        // The skin's own background: its text colours are chosen for it, and the default skin
        // writes white, which a white page would hide.
        window_->AddChild(content);
        AddTo(content, BuildHead());
        AddTo(content, BuildRow(kVersionCaptionText, BaseTextId() + app::kVersionOffset, nullptr));
        AddTo(content, BuildRow(kLastUpdateCaptionText, BaseTextId() + app::kLastUpdateOffset, nullptr));
        AddTo(content, BuildRow(app::kLicenseCaptionText, app::kLicenseText, nullptr));
        AddTo(content, BuildRow(kAddressCaptionText, app::kHomePageText, &addressLink_));
        AddTo(content, BuildSupportRow());
        AddTo(content, BuildButtons());
    }
    for (ILabel* link : {addressLink_, supportLink_}) {
        if (link) {
            link->SetLink(true);
            link->SetLinkColors(kLinkColor, kHoverLinkColor);
        }
    }
    // No link target of their own: the box opens each page itself, once.
    for (ILabel* link : {addressLink_, supportLink_}) {
        if (link)
            link->AddClickListener(this);
    }
    for (IButton* button : {closeButton_, glyphButton_}) {
        if (button)
            button->AddClickListener(this);
    }
    window_->AddCloseListener(this);
    window_->DoLayout();
    window_->ShrinkToMinimumSize();
    window_->MoveInsideScreen();
    window_->SetVisible(true);
    window_->ShrinkToMinimumSize();
    if (owner_)
        owner_->DisableInput(true);
}

win::Box* About3::BuildHead()
{
    win::Box* head = win::Box::Create(IBox::kColumn, kFull, kFree, kCentre, kTop, kGap, kGap, 0, 0);
    if (!head)
        return nullptr;
    AddTo(head, win::Label::Create(BaseTextId() + app::kTitleOffset, false, kTitleSize));
    app::win::AppBase* app = holder_ ? holder_->GetApp() : nullptr;
    icon_ = win::Image::New();
    if (icon_) {
        // Handed over: both are new images of their own.
        icon_->SetImage(app ? app->GetIcon64() : nullptr, true, false, true, true, kFree, kFree);
        head->AddChild(icon_);
    }
    picture_ = win::Image::New();
    if (picture_) {
        picture_->SetImage(app ? app->RenderPicture131() : nullptr, true, false, true, false, kFree, kFree);
        head->AddChild(picture_);
    }
    return head;
}

win::Box* About3::BuildRow(int32_t captionId, int32_t valueId, ILabel** value)
{
    win::Box* row = win::Box::Create(IBox::kRow, kFull, kFree, kLeft, kTop, 0, 0, kRowMargin, 0);
    if (!row)
        return nullptr;
    win::Label* caption = win::Label::Create(captionId, false, kTextSize);
    win::Label* text = win::Label::Create(valueId, false, kTextSize);
    AddTo(row, LabelCell(caption, kCaptionWidth));
    AddTo(row, LabelCell(text, kFree));
    if (value)
        *value = text;
    return row;
}

win::Box* About3::BuildSupportRow()
{
    win::Box* row = win::Box::Create(IBox::kColumn, kFull, kFree, kCentre, kTop, 0, 2, kRowMargin, kGap);
    if (!row)
        return nullptr;
    AddTo(row, win::Label::Create(BaseTextId() + app::kSupportRowOffset, false, kTextSize));
    win::Label* link = win::Label::Create(BaseTextId() + app::kSupportLinkOffset, false, kTextSize);
    supportLink_ = link;
    AddTo(row, link);
    return row;
}

win::Box* About3::BuildButtons()
{
    win::Box* row = win::Box::Create(IBox::kRow, kFull, kFree, kCentre, kTop, kGap, 0, kRowMargin, 0);
    if (!row)
        return nullptr;
    win::Button* close = win::Button::New();
    if (close) {
        close->SetCaptionTextId(kCloseText);
        closeButton_ = close;
        row->AddChild(close);
    }
    win::Button* glyph = win::Button::New();
    if (glyph) {
        glyph->SetCaption(kGlyphClose);
        glyphButton_ = glyph;
        row->AddChild(glyph);
    }
    return row;
}

void About3::OnEvent(base::IObject* source, int32_t code)
{
    if (!source || !window_)
        return;
    if (source == static_cast<base::IObject*>(window_)) {
        if (code == win::kEventClose && owner_)
            owner_->DisableInput(false);
        return;
    }
    if (source == static_cast<base::IObject*>(closeButton_) || source == static_cast<base::IObject*>(glyphButton_)) {
        window_->Close();
        return;
    }
    if (source == static_cast<base::IObject*>(addressLink_)) {
        Open(addressLink_->GetText());
        return;
    }
    if (source == static_cast<base::IObject*>(supportLink_))
        Open(langPack_ ? langPack_->GetText(supportLinkTextId_) : nullptr);
}

// A missing text opens nothing, as a link without a target does.
void About3::Open(const wchar_t* address)
{
    if (address && address[0])
        system::win::ShellOpen(address);
}

} // namespace dialogs
} // namespace gui
} // namespace s
