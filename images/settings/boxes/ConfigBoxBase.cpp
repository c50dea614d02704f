#include "images/settings/boxes/ConfigBoxBase.h"

#include "core/str/StrBuffer.h"
#include "images/settings/EncodeSettingBase.h"
#include "images/settings/boxes/BgGroupBox.h"
#include "images/settings/boxes/ColorPicker.h"
#include "images/settings/boxes/PanelCaptions.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/RadioButton.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

using s::gui::IBox;
using s::gui::win::Box;
using s::gui::win::GroupBox;
using str::strbuffer::StrBuffer;

namespace {

const int32_t kGroupGap = 10;
const int32_t kControlHGap = 10;

} // namespace

ConfigBoxBase::ConfigBoxBase(const wchar_t* title)
    : window_(nullptr), root_(nullptr), setting_(nullptr), defaultTitle_(title), title_(new StrBuffer()),
      background_(BgGroupBox::New())
{
    title_->Assign(title);
}

ConfigBoxBase::~ConfigBoxBase()
{
    delete title_;
    delete background_;
}

void ConfigBoxBase::ResetPanel()
{
    window_ = nullptr;
    root_ = nullptr;
    setting_ = nullptr;
    title_->Assign(defaultTitle_);
    if (background_)
        background_->Reset();
    ForgetControls();
}

void ConfigBoxBase::SetWindow(s::gui::IWindow* window)
{
    window_ = window;
    if (background_)
        background_->SetWindow(window);
}

const wchar_t* ConfigBoxBase::GetTitle()
{
    return title_->GetText();
}

void ConfigBoxBase::SetTitle(const wchar_t* title)
{
    title_->Assign(title ? title : L"");
}

bool ConfigBoxBase::KeepsTransparency()
{
    return background_ && background_->GetKeepTransparency();
}

void ConfigBoxBase::ApplyBackgroundTo(EncodeSettingBase* setting)
{
    const uint32_t color = background_ && background_->GetColorPicker() ? background_->GetColorPicker()->GetColor()
                                                                        : ColorPicker::kWhite;
    setting->BgRed = ColorPicker::RedByte(color);
    setting->BgGreen = ColorPicker::GreenByte(color);
    setting->BgBlue = ColorPicker::BlueByte(color);
}

s::gui::IComponent* ConfigBoxBase::Build()
{
    // A panel that no setting made has nothing to show.
    if (!setting_ || !background_)
        return nullptr;
    Box* root = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, kGroupGap, 0, 0);
    if (!root)
        return nullptr;
    s::gui::IComponent* background = background_->Build();
    if (background)
        root->AddChild(background);
    if (!background || !BuildGroups(root)) {
        root->ReleaseToPool();
        return nullptr;
    }
    if (HasTransparencyChoice()) {
        const bool keep = SettingKeepsTransparency();
        background_->SetKeepTransparency(keep);
        background_->GetKeepButton()->SetChecked(keep, true);
        background_->GetFillButton()->SetChecked(!keep, true);
    }
    // Every format has its background colour, the JPEG one too: shown, it is what the panel
    // gives back.
    ColorPicker* well = background_->GetColorPicker();
    well->SetColor(ColorPicker::FromBytes(setting_->BgRed, setting_->BgGreen, setting_->BgBlue));
    well->ShowColor();
    root_ = root;
    return root;
}

GroupBox* ConfigBoxBase::NewGroup(int32_t textId, const wchar_t* english, int32_t vGap)
{
    GroupBox* group = GroupBox::CreateWithBox(L"", 100, IBox::kColumn, kControlHGap, vGap);
    if (group)
        SetPanelCaption(group, window_, textId, english);
    return group;
}

s::gui::IRadioButton* ConfigBoxBase::NewRadioButton(int32_t textId, const wchar_t* english)
{
    s::gui::win::RadioButton* button = s::gui::win::RadioButton::New();
    if (button)
        SetPanelCaption(button, window_, textId, english);
    return button;
}

s::gui::ICheckBox* ConfigBoxBase::NewCheckBox(int32_t textId, const wchar_t* english, bool checked)
{
    s::gui::win::CheckBox* box = s::gui::win::CheckBox::New();
    if (!box)
        return nullptr;
    if (textId >= 0)
        SetPanelCaption(box, window_, textId, english);
    else
        box->SetCaption(english);
    box->SetCheckedQuietly(checked);
    return box;
}

bool ConfigBoxBase::AddAll(s::gui::IComponent* parent, std::initializer_list<s::gui::IComponent*> children)
{
    bool whole = parent != nullptr;
    for (s::gui::IComponent* child : children) {
        if (child && parent)
            parent->AddChild(child);
        whole = whole && child;
    }
    return whole;
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
