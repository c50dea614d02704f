#include "images/settings/boxes/BgGroupBox.h"

#include "images/settings/boxes/ColorPicker.h"
#include "images/settings/boxes/PanelCaptions.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/Spacer.h"
#include "windowing/widgets/TextField.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

using s::gui::IBox;
using s::gui::win::Box;
using s::gui::win::GroupBox;
using s::gui::win::RadioButton;

namespace {

const int32_t kRowGap = 5;
const int32_t kChoiceGap = 10;

} // namespace

BgGroupBox::BgGroupBox()
    : well_(ColorPicker::New()), window_(nullptr), group_(nullptr), keepButton_(nullptr), fillButton_(nullptr),
      keepTransparency_(true), keepTransparencyEnabled_(true)
{
}

BgGroupBox::~BgGroupBox()
{
    delete well_;
}

void BgGroupBox::Reset()
{
    if (well_)
        well_->Reset();
    listeners_.FreeAll();
    window_ = nullptr;
    group_ = nullptr;
    keepButton_ = nullptr;
    fillButton_ = nullptr;
    keepTransparency_ = true;
    keepTransparencyEnabled_ = true;
}

void BgGroupBox::SetWindow(s::gui::IWindow* window)
{
    window_ = window;
    if (well_)
        well_->SetWindow(window);
}

void BgGroupBox::AddListener(s::gui::events::IEventListener* listener)
{
    listeners_.Append(listener);
}

void BgGroupBox::SetKeepTransparencyEnabled(bool enabled)
{
    keepTransparencyEnabled_ = enabled;
    if (keepButton_)
        keepButton_->SetEnabled(enabled);
}

s::gui::IComponent* BgGroupBox::Build()
{
    RadioButton* fill = RadioButton::New();
    RadioButton* keep = RadioButton::New();
    GroupBox* group = GroupBox::CreateWithBox(L"", 100, IBox::kColumn, 0, kRowGap);
    Box* row = Box::Create(IBox::kRow, 100, -1, 0, 1, 0, 0, 0, 0);
    s::gui::win::Spacer* gap = s::gui::win::Spacer::Create(s::gui::ISpacer::kHorizontal, -1, false);
    s::gui::IComponent* wellRow = well_ ? well_->Build() : nullptr;
    if (!fill || !keep || !group || !row || !gap || !wellRow) {
        if (fill)
            fill->ReleaseToPool();
        if (keep)
            keep->ReleaseToPool();
        if (group)
            group->ReleaseToPool();
        if (row)
            row->ReleaseToPool();
        if (gap)
            gap->ReleaseToPool();
        if (wellRow)
            static_cast<Box*>(wellRow)->ReleaseToPool();
        return nullptr;
    }
    SetPanelCaption(fill, window_, kTextFillColor, L"Fill Color");
    SetPanelCaption(keep, window_, kTextKeepTransparency, L"Keep Transparency");
    SetPanelCaption(group, window_, kTextBackground, L"Background");
    fill->SetChecked(!keepTransparency_, false);
    keep->SetChecked(keepTransparency_, false);
    gap->SetMinWidth(kChoiceGap);
    group->AddChild(keep);
    row->AddChild(fill);
    row->AddChild(gap);
    row->AddChild(wellRow);
    group->AddChild(row);
    group_ = group;
    keepButton_ = keep;
    fillButton_ = fill;
    keep->SetEnabled(keepTransparencyEnabled_);
    keep->AddCheckListener(this);
    fill->AddCheckListener(this);
    fill->AddEnabledWhileCheckedTarget(well_->GetButton());
    fill->AddEnabledWhileCheckedTarget(well_->GetTextField());
    (keepTransparency_ ? keep : fill)->SetChecked(true, true);
    well_->AddListener(this);
    return group;
}

void BgGroupBox::OnEvent(base::IObject* source, int32_t)
{
    if (source == static_cast<base::IObject*>(well_)) {
        s::gui::events::TellListeners(listeners_, this, 0);
    } else if (keepButton_ && source == static_cast<base::IObject*>(keepButton_)) {
        fillButton_->SetChecked(false, true);
        keepTransparency_ = true;
    } else if (fillButton_ && source == static_cast<base::IObject*>(fillButton_)) {
        keepButton_->SetChecked(false, true);
        keepTransparency_ = false;
    }
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
