#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace lang {
class Localizer;
}
namespace gui {
namespace menuitem {

// One entry of a popup menu: a command with a text (the text of a language-pack id, or a literal
// one), a check mark, a radio mark and a tag of the application's; or a separator.
class MenuItem : public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_menuitem_MenuItem";

    MenuItem();
    ~MenuItem() override;

    static thread::EasyPooler* GetPool();
    static MenuItem* New();
    // An item showing the id's text of the localizer's current language ("" when absent).
    static MenuItem* Create(int32_t textId, lang::Localizer* localizer, int32_t commandId, bool checked);
    // An item showing the text as it is.
    static MenuItem* CreateWithText(const wchar_t* text, int32_t commandId, bool checked);
    static MenuItem* CreateSeparator();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // With a text id, the id's text of the current language, stored and returned; else the
    // stored text.
    const wchar_t* GetText();
    void SetText(const wchar_t* text);
    int32_t GetTextId() { return textId_; }
    // Stores the id and takes its text at once.
    void SetTextId(int32_t textId);
    lang::Localizer* GetLocalizer() { return localizer_; }
    void SetLocalizer(lang::Localizer* localizer) { localizer_ = localizer; }
    int32_t GetCommandId() { return commandId_; }
    void SetCommandId(int32_t commandId) { commandId_ = commandId; }
    bool IsChecked() { return checked_; }
    void SetChecked(bool checked) { checked_ = checked; }
    bool IsRadioChecked() { return radioChecked_; }
    void SetRadioChecked(bool checked) { radioChecked_ = checked; }
    bool IsSeparator() { return separator_; }
    void SetSeparator(bool separator) { separator_ = separator; }
    int64_t GetTag() { return tag_; }
    void SetTag(int64_t tag) { tag_ = tag; }

private:
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    lang::Localizer* localizer_;
    str::strbuffer::StrBuffer text_;
    int32_t textId_;
    int32_t commandId_;
    bool checked_;
    bool radioChecked_;
    bool separator_;
    int64_t tag_;
};

} // namespace menuitem
} // namespace gui
} // namespace s
