#pragma once
// Until the drawer family lands, the builders are stood in for by a skin that keeps its colours
// itself, so that the skin manager's rules can be tested apart from the drawers.
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "skins/ISkin.h"
#include "skins/SkinColorSet.h"

namespace skintest {

using s::gui::drawer::SkinColorSet;

class StandInSkin : public s::gui::drawer::ISkin {
public:
    StandInSkin() : name_(s::str::strbuffer::StrBuffer::New()) {}
    ~StandInSkin() override { delete name_; }

    const wchar_t* GetClassName() override { return L"skintest_StandInSkin"; }
    s::base::IObject* NewInstance() override { return s::thread::TakeFromPool<StandInSkin>(); }
    void ReleaseToPool() override { s::thread::GiveToPool<StandInSkin>(this); }
    void Reset() override
    {
        name_->Clear();
        colors = SkinColorSet();
    }

    const wchar_t* GetName() override { return name_->GetText(); }
    void SetName(const wchar_t* name) override { name_->Assign(name ? name : L""); }

#define STAND_IN_DRAWER(Kind)                                                                                      \
    s::gui::drawer::I##Kind* Get##Kind##Drawer() override { return nullptr; }                                    \
    void Set##Kind##Drawer(s::gui::drawer::I##Kind*) override {}
    STAND_IN_DRAWER(Window)
    STAND_IN_DRAWER(Button)
    STAND_IN_DRAWER(Text)
    STAND_IN_DRAWER(ScrollBar)
    STAND_IN_DRAWER(CheckBox)
    STAND_IN_DRAWER(RadioButton)
    STAND_IN_DRAWER(Slider)
    STAND_IN_DRAWER(Counter)
    STAND_IN_DRAWER(ListHeader)
    STAND_IN_DRAWER(ListBox)
    STAND_IN_DRAWER(StatusBar)
    STAND_IN_DRAWER(Menu)
    STAND_IN_DRAWER(Combo)
    STAND_IN_DRAWER(GroupBox)
    STAND_IN_DRAWER(TabBox)
#undef STAND_IN_DRAWER

    SkinColorSet colors;
    bool six = false;

private:
    s::str::strbuffer::StrBuffer* name_;
};

} // namespace skintest
