#include "images/settings/boxes/ColorPicker.h"

#include "images/settings/boxes/PanelCaptions.h"
#include "windowing/box/Box.h"
#include "windowing/dialogs/ColorPicker.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/Spacer.h"
#include "windowing/widgets/TextField.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

using s::gui::IBox;
using s::gui::ISpacer;
using s::gui::win::Box;

namespace {

const int32_t kFieldMinWidth = 60;
const int32_t kSwatchMinWidth = 20;
const int32_t kGap = 10;

s::gui::IComponent* GapOf(int32_t width)
{
    s::gui::win::Spacer* spacer = s::gui::win::Spacer::Create(ISpacer::kHorizontal, -1, false);
    if (spacer)
        spacer->SetMinWidth(width);
    return spacer;
}

} // namespace

ColorPicker::ColorPicker()
    : window_(nullptr), root_(nullptr), swatch_(nullptr), button_(nullptr), field_(nullptr), color_(kWhite),
      dialog_(s::gui::dialogs::win::ColorPicker::New())
{
}

ColorPicker::~ColorPicker()
{
    Reset();
    delete dialog_;
}

void ColorPicker::Reset()
{
    window_ = nullptr;
    root_ = nullptr;
    swatch_ = nullptr;
    button_ = nullptr;
    field_ = nullptr;
    color_ = kWhite;
    if (dialog_)
        dialog_->Reset();
    listeners_.FreeAll();
}

void ColorPicker::AddListener(s::gui::events::IEventListener* listener)
{
    listeners_.Append(listener);
}

void ColorPicker::FormatHex(uint32_t color, wchar_t (&text)[7])
{
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    for (int i = 0; i < 6; ++i)
        text[i] = kDigits[color >> (20 - 4 * i) & 0xF];
    text[6] = L'\0';
}

bool ColorPicker::ParseHex(const wchar_t* text, uint32_t* color)
{
    uint32_t value = 0;
    int32_t length = 0;
    for (; text && text[length]; ++length) {
        const wchar_t c = text[length];
        uint32_t digit;
        if (c >= L'0' && c <= L'9')
            digit = static_cast<uint32_t>(c - L'0');
        else if (c >= L'a' && c <= L'f')
            digit = static_cast<uint32_t>(c - L'a' + 10);
        else if (c >= L'A' && c <= L'F')
            digit = static_cast<uint32_t>(c - L'A' + 10);
        else
            return false;
        if (length == 6)
            return false;
        value = value << 4 | digit;
    }
    if (length != 6)
        return false;
    *color = value;
    return true;
}

s::gui::IComponent* ColorPicker::Build()
{
    s::gui::win::Button* button = s::gui::win::Button::New();
    Box* frame = Box::Create(IBox::kRow, 100, 100, 0, 0, 0, 0, 0, 0);
    Box* swatch = Box::Create(IBox::kRow, 100, 100, 0, 0, 0, 0, 0, 0);
    s::gui::win::TextField* field = s::gui::win::TextField::New();
    s::gui::win::Label* hash = s::gui::win::Label::New();
    Box* row = Box::Create(IBox::kRow, -1, -1, 0, 1, 0, 0, 0, 0);
    if (!button || !frame || !swatch || !field || !hash || !row) {
        // Not one of them reached a tree yet: all go back.
        if (button)
            button->ReleaseToPool();
        for (Box* box : {frame, swatch, row}) {
            if (box)
                box->ReleaseToPool();
        }
        if (field)
            field->ReleaseToPool();
        if (hash)
            hash->ReleaseToPool();
        return nullptr;
    }
    SetPanelCaption(button, window_, kTextChangeColor, L" Change Color ");
    button->SetEnabled(false);
    frame->SetMargins(1);
    frame->SetMinWidth(kSwatchMinWidth);
    frame->SetBackgroundBlack();
    swatch->SetBackgroundWhite();
    frame->AddChild(swatch);
    field->SetText(L"FFFFFF", false);
    field->SetMinWidth(kFieldMinWidth);
    field->SetEnabled(false);
    hash->SetText(L"# ", false);
    row->AddChild(hash);
    row->AddChild(field);
    row->AddChild(GapOf(kGap));
    row->AddChild(frame);
    row->AddChild(GapOf(kGap));
    row->AddChild(button);
    root_ = row;
    swatch_ = swatch;
    button_ = button;
    field_ = field;
    if (color_ != kWhite)
        ShowColor();
    field->AddListener(this);
    button->AddClickListener(this);
    return row;
}

void ColorPicker::PaintSwatch()
{
    if (swatch_)
        swatch_->SetBackgroundColor(RedByte(color_), GreenByte(color_), BlueByte(color_), true);
}

void ColorPicker::ShowColor()
{
    if (field_) {
        wchar_t text[7];
        FormatHex(color_, text);
        field_->SetText(text, false);
    }
    PaintSwatch();
}

void ColorPicker::TellListeners()
{
    s::gui::events::TellListeners(listeners_, this, 0);
}

void ColorPicker::OnEvent(base::IObject* source, int32_t)
{
    if (button_ && source == static_cast<base::IObject*>(button_)) {
        ChooseInDialog();
        return;
    }
    if (field_ && source == static_cast<base::IObject*>(field_)) {
        uint32_t typed = 0;
        // Anything but six hex digits is left as typed, the colour as it was.
        if (!ParseHex(field_->GetText(), &typed) || typed == color_)
            return;
        color_ = typed;
        PaintSwatch();
        TellListeners();
    }
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
