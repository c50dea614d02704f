// The monitor's rows laid out in the chosen form, their fonts, the double click's shrink and the
// hover-hide the window applies from the view settings.
#include "app/monitor/Monitor.h"

#include "app/monitor/FieldOrder.h"
#include "app/monitor/MonitorBlock.h"
#include "app/monitor/MonitorSettingKeys.h"
#include "app/monitor/ViewSettingValues.h"
#include "core/str/StrBuffer.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Label.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
using counter::MonitorBlock;
namespace toolkit = ::s::gui;

// The small size of a shrunk window: the first row and this much around it.
const int32_t kShrinkMargin = 8;
const int32_t kKeepSide = -1;
const int32_t kHoverHideFade = 0;
const int32_t kHoverHideShrink = 1;

// The cell width factors by cell width type; any other type 1.6.
float CellWidthFactor(int32_t type)
{
    switch (type) {
    case kSizeVerySmall:
        return 1.4f;
    case kSizeSmall:
        return 1.5f;
    case kSizeMedium:
        return 1.65f;
    case kSizeLarge:
        return 1.8f;
    case kSizeVeryLarge:
        return 2.0f;
    default:
        return 1.6f;
    }
}

struct FontSizes {
    int32_t header;
    int32_t data;
};

FontSizes FontSizesOf(int32_t sizeType)
{
    switch (sizeType) {
    case kSizeVerySmall:
        return {7, 9};
    case kSizeSmall:
        return {8, 10};
    case kSizeLarge:
        return {10, 13};
    case kSizeVeryLarge:
        return {12, 16};
    default:
        return {8, 11};
    }
}
} // namespace

void Monitor::TakeFirstFieldSize()
{
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        MonitorBlock* field = GetField(i);
        if (!field->IsEnabled() || !field->GetRow())
            continue;
        firstFieldHeight_ = field->GetRow()->GetHeight();
        firstFieldWidth_ = field->GetRow()->GetWidth();
        return;
    }
}

void Monitor::LayoutWindow(int32_t times)
{
    if (!window_)
        return;
    for (int32_t i = 0; i < times; ++i)
        window_->DoLayout();
}

void Monitor::ShrinkWindow()
{
    if (!window_)
        return;
    if (alignment_ == kAlignHorizontalFlow)
        window_->ShrinkHeightToMinimum();
    else
        window_->ShrinkToMinimumSize();
}

void Monitor::StoreLastVisible()
{
    counter::UpdateLastVisible(settings_, SectionPath(key::kGroupLastVisible).c_str(), CountEnabledFields());
}

void Monitor::ApplyLayout(bool force)
{
    if (!container_)
        return;
    Unshrink();
    if (sizeType_ == kSizeCustom)
        SetFontSizes(headerCustomSize_, dataCustomSize_);
    else
        SetFontSizes(FontSizesOf(sizeType_).header, FontSizesOf(sizeType_).data);
    const float factor = CellWidthFactor(cellWidthType_);
    const int32_t kind = container_->GetLayoutKind();
    if (alignment_ == kAlignHorizontal && (force || kind != toolkit::IBox::kRow)) {
        container_->SetHorizontal();
    } else if (alignment_ == kAlignHorizontalFlow && (force || kind != toolkit::IBox::kFlow)) {
        container_->SetFlow();
    } else if (alignment_ == kAlignVertical && (force || kind != toolkit::IBox::kColumn)) {
        container_->SetVertical();
    }
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        MonitorBlock* field = GetField(i);
        field->SetCellAspectFactor(factor);
        field->SetCellSizing(alignment_ != kAlignVertical);
        field->SetFixedCellWidth(alignment_ == kAlignHorizontalFlow);
    }
    switch (cellStyle_) {
    case kCellBoxFlat:
        ApplyBoxCellStyle(true);
        break;
    case kCellFlat:
        ApplyFlatCellStyle(false);
        break;
    case kCellFlatSlim:
        ApplyFlatCellStyle(true);
        break;
    default:
        ApplyBoxCellStyle(false);
        break;
    }
    LayoutWindow(1);
    StoreLastVisible();
}

void Monitor::ApplyBoxCellStyle(bool flat)
{
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->LayoutVertical(flat);
    RelayoutFields();
    TakeFirstFieldSize();
}

void Monitor::ApplyFlatCellStyle(bool slim)
{
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->LayoutHorizontal(slim);
    RelayoutFields();
    TakeFirstFieldSize();
}

// Rows are sized for their widest values, not for the values of the moment.
void Monitor::RelayoutFields()
{
    if (!window_)
        return;
    TakeFirstFieldSize();
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        MonitorBlock* field = GetField(i);
        toolkit::win::Label* value = field->GetValueLabel();
        if (!field->IsEnabled() || !value)
            continue;
        field->GetSavedValueText()->Assign(value->GetText());
        if (field->IsLongValue())
            value->SetFontAttribute2(false);
        value->SetText(field->GetSampleText(), false);
    }
    LayoutWindow(3);
    ShrinkWindow();
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        MonitorBlock* field = GetField(i);
        toolkit::win::Label* value = field->GetValueLabel();
        if (!field->IsEnabled() || !value)
            continue;
        value->SetText(field->GetSavedValueText()->GetText(), true);
        const int32_t type = field->GetDisplayType();
        if (field->IsLongValue() && type != 3 && type != 4)
            value->SetFontAttribute2(true);
    }
    Unshrink();
    ApplyHoverHide();
}

void Monitor::SetFontSizes(int32_t header, int32_t data)
{
    if (header == headerSize_ && data == dataSize_)
        return;
    headerSize_ = header;
    dataSize_ = data;
    SaveFontSettings();
    ApplyFonts();
}

void Monitor::ApplyFonts()
{
    Unshrink();
    if (window_)
        window_->ValidateLayout();
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->SetFonts(headerBold_, headerOutline_, headerSize_, dataBold_, dataOutline_, dataSize_);
    RelayoutFields();
}

void Monitor::ApplyHoverHide()
{
    if (!window_)
        return;
    const bool wide = alignment_ == kAlignHorizontal || alignment_ == kAlignHorizontalFlow;
    const bool tall = alignment_ == kAlignHorizontalFlow || alignment_ == kAlignVertical;
    window_->SetHoverHide(autoHide_, autoHideStyle_ == kAutoHideTransparent ? kHoverHideFade : kHoverHideShrink,
                          autoHideOnlyOnTop_, autoHideSeconds_, wide ? firstFieldWidth_ + kShrinkMargin : kKeepSide,
                          tall ? firstFieldHeight_ + kShrinkMargin : kKeepSide, shiftSuspendsAutoHide_);
}

void Monitor::Shrink()
{
    if (shrunk_ || !window_)
        return;
    if (autoHide_)
        SetAutoHide(false);
    savedWidth_ = window_->GetWidth();
    savedHeight_ = window_->GetHeight();
    window_->SetSize(firstFieldWidth_ + kShrinkMargin, firstFieldHeight_ + kShrinkMargin);
    shrunk_ = true;
}

void Monitor::Unshrink()
{
    if (!shrunk_ || !window_)
        return;
    // Cleared first: switching auto-hide off undoes a shrink itself.
    shrunk_ = false;
    if (autoHide_)
        SetAutoHide(false);
    window_->SetSize(savedWidth_, savedHeight_);
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
