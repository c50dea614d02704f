#pragma once
#include <cstdint>
#include <initializer_list>

#include "core/thread/IPoolable.h"
#include "core/thread/PooledClass.h"
#include "images/settings/IEncodeSettingBox.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
class ICheckBox;
class IRadioButton;
class ISlider;
class ITextField;
namespace win {
class Box;
class GroupBox;
} // namespace win
} // namespace gui

namespace image {
class IEncodeSetting;
class EncodeSettingBase;

namespace gui {
namespace boxes {

class BgGroupBox;

// What the five option panels share: the window, the last root, the setting, the title and the
// background group that heads every panel.
class ConfigBoxBase : public s::gui::events::IEventListener, public IEncodeSettingBox, public thread::IPoolable {
public:
    explicit ConfigBoxBase(const wchar_t* title);
    ~ConfigBoxBase() override;

    void OnEvent(base::IObject*, int32_t) override {}

    void SetWindow(s::gui::IWindow* window) override;
    // The column of the background group and the format's groups; null without a setting.
    s::gui::IComponent* Build() override;
    const wchar_t* GetTitle() override;
    void SetTitle(const wchar_t* title) override;

    // Not owned: the setting keeps the panel, and the panel its setting.
    void SetSetting(EncodeSettingBase* setting) { setting_ = setting; }
    EncodeSettingBase* GetSetting() { return setting_; }
    s::gui::IComponent* GetRoot() { return root_; }
    BgGroupBox* GetBackground() { return background_; }
    // The group's choice and the well's colour.
    bool KeepsTransparency();
    void ApplyBackgroundTo(EncodeSettingBase* setting);
    // The choices into the setting, which is of the panel's format: what ApplyConfigBox takes.
    virtual void ApplyToSetting(EncodeSettingBase* setting) = 0;

protected:
    // Between the controls of a format group.
    static constexpr int32_t kControlGap = 5;

    // The format's groups, added to the root in order; false when a widget cannot be had.
    virtual bool BuildGroups(s::gui::win::Box* root) = 0;
    // The setting's own transparency choice; the JPEG panel has none.
    virtual bool HasTransparencyChoice() = 0;
    virtual bool SettingKeepsTransparency() = 0;
    // The format's control pointers let go.
    virtual void ForgetControls() = 0;

    // Back to the format's title and no window, root or setting, the group reset.
    void ResetPanel();

    s::gui::IWindow* GetWindow() { return window_; }
    // A group of the format: caption by text id or in English, its content a column.
    s::gui::win::GroupBox* NewGroup(int32_t textId, const wchar_t* english, int32_t vGap);
    s::gui::IRadioButton* NewRadioButton(int32_t textId, const wchar_t* english);
    // A check box; a negative text id keeps the caption literal in every language.
    s::gui::ICheckBox* NewCheckBox(int32_t textId, const wchar_t* english, bool checked);
    // Adds the children that could be made, in order, so that they go with the tree; false when
    // one of them is missing.
    static bool AddAll(s::gui::IComponent* parent, std::initializer_list<s::gui::IComponent*> children);

private:
    ConfigBoxBase(const ConfigBoxBase&) = delete;
    ConfigBoxBase& operator=(const ConfigBoxBase&) = delete;

    s::gui::IWindow* window_;
    s::gui::IComponent* root_;
    EncodeSettingBase* setting_;
    const wchar_t* defaultTitle_;
    str::strbuffer::StrBuffer* title_;
    BgGroupBox* background_;
};

// One format's panel over its setting class: the pool side, the setting as its own class, applied
// by the panel's ApplyTo. Keep is the setting's transparency member; null for a format that has
// none, whose group then offers no choice.
template <class Self, class SettingClass, bool SettingClass::*Keep = nullptr>
class FormatConfigBox : public thread::PooledClass<Self, ConfigBoxBase> {
public:
    void Reset() override { this->ResetPanel(); }
    void ApplyToSetting(EncodeSettingBase* setting) override
    {
        static_cast<Self*>(this)->ApplyTo(static_cast<SettingClass*>(setting));
    }

protected:
    explicit FormatConfigBox(const wchar_t* title) : thread::PooledClass<Self, ConfigBoxBase>(title) {}

    bool HasTransparencyChoice() override { return Keep != nullptr; }
    bool SettingKeepsTransparency() override
    {
        if constexpr (Keep != nullptr)
            return Setting()->*Keep;
        else
            return false;
    }
    SettingClass* Setting() { return static_cast<SettingClass*>(this->GetSetting()); }
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
