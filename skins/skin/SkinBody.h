#pragma once
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "skins/ISkin.h"
#include "skins/drawer/IButton.h"
#include "skins/drawer/ICheckBox.h"
#include "skins/drawer/ICombo.h"
#include "skins/drawer/ICounter.h"
#include "skins/drawer/IGroupBox.h"
#include "skins/drawer/IListBox.h"
#include "skins/drawer/IListHeader.h"
#include "skins/drawer/IMenu.h"
#include "skins/drawer/IRadioButton.h"
#include "skins/drawer/IScrollBar.h"
#include "skins/drawer/ISlider.h"
#include "skins/drawer/IStatusBar.h"
#include "skins/drawer/ITabBox.h"
#include "skins/drawer/IText.h"
#include "skins/drawer/IWindow.h"

namespace s {
namespace gui {
namespace drawer {
namespace skin {

// What both skin classes are: a name and fifteen owned drawers in kind order, in a pool of
// 1,000 per class. They differ only in their class name and in the builder that fills them.
template <class Self>
class SkinBody : public ISkin {
public:
    SkinBody() : name_(str::strbuffer::StrBuffer::New()) {}
    // Deleted with the skin, not given back: a skin the full pool destroys was not reset, and at
    // process exit the drawer pools may already be gone.
    ~SkinBody() override
    {
        delete window_;
        delete button_;
        delete text_;
        delete scrollBar_;
        delete checkBox_;
        delete radioButton_;
        delete slider_;
        delete counter_;
        delete listHeader_;
        delete listBox_;
        delete statusBar_;
        delete menu_;
        delete combo_;
        delete groupBox_;
        delete tabBox_;
        delete name_;
    }

    base::IObject* NewInstance() override { return New(); }
    void ReleaseToPool() override { thread::GiveToPool(static_cast<Self*>(this)); }
    // The name's storage goes; every drawer goes back to its own pool, in kind order.
    void Reset() override
    {
        if (name_)
            name_->FreeAll();
        GiveBack(window_);
        GiveBack(button_);
        GiveBack(text_);
        GiveBack(scrollBar_);
        GiveBack(checkBox_);
        GiveBack(radioButton_);
        GiveBack(slider_);
        GiveBack(counter_);
        GiveBack(listHeader_);
        GiveBack(listBox_);
        GiveBack(statusBar_);
        GiveBack(menu_);
        GiveBack(combo_);
        GiveBack(groupBox_);
        GiveBack(tabBox_);
    }

    const wchar_t* GetName() override { return name_ ? name_->GetText() : L""; }
    void SetName(const wchar_t* name) override
    {
        if (name_)
            name_->Assign(name ? name : L"");
    }

    IWindow* GetWindowDrawer() override { return window_; }
    void SetWindowDrawer(IWindow* drawer) override { window_ = drawer; }
    IButton* GetButtonDrawer() override { return button_; }
    void SetButtonDrawer(IButton* drawer) override { button_ = drawer; }
    IText* GetTextDrawer() override { return text_; }
    void SetTextDrawer(IText* drawer) override { text_ = drawer; }
    IScrollBar* GetScrollBarDrawer() override { return scrollBar_; }
    void SetScrollBarDrawer(IScrollBar* drawer) override { scrollBar_ = drawer; }
    ICheckBox* GetCheckBoxDrawer() override { return checkBox_; }
    void SetCheckBoxDrawer(ICheckBox* drawer) override { checkBox_ = drawer; }
    IRadioButton* GetRadioButtonDrawer() override { return radioButton_; }
    void SetRadioButtonDrawer(IRadioButton* drawer) override { radioButton_ = drawer; }
    ISlider* GetSliderDrawer() override { return slider_; }
    void SetSliderDrawer(ISlider* drawer) override { slider_ = drawer; }
    ICounter* GetCounterDrawer() override { return counter_; }
    void SetCounterDrawer(ICounter* drawer) override { counter_ = drawer; }
    IListHeader* GetListHeaderDrawer() override { return listHeader_; }
    void SetListHeaderDrawer(IListHeader* drawer) override { listHeader_ = drawer; }
    IListBox* GetListBoxDrawer() override { return listBox_; }
    void SetListBoxDrawer(IListBox* drawer) override { listBox_ = drawer; }
    IStatusBar* GetStatusBarDrawer() override { return statusBar_; }
    void SetStatusBarDrawer(IStatusBar* drawer) override { statusBar_ = drawer; }
    IMenu* GetMenuDrawer() override { return menu_; }
    void SetMenuDrawer(IMenu* drawer) override { menu_ = drawer; }
    ICombo* GetComboDrawer() override { return combo_; }
    void SetComboDrawer(ICombo* drawer) override { combo_ = drawer; }
    IGroupBox* GetGroupBoxDrawer() override { return groupBox_; }
    void SetGroupBoxDrawer(IGroupBox* drawer) override { groupBox_ = drawer; }
    ITabBox* GetTabBoxDrawer() override { return tabBox_; }
    void SetTabBoxDrawer(ITabBox* drawer) override { tabBox_ = drawer; }

    static thread::EasyPooler* GetPool() { return &thread::PoolOf<Self>(); }
    // A skin without name or drawers; null when none could be made.
    static Self* New()
    {
        Self* skin = thread::TakeFromPool<Self>();
        if (skin && !skin->name_) {
            skin->ReleaseToPool();
            return nullptr;
        }
        return skin;
    }

private:
    template <class Drawer>
    static void GiveBack(Drawer*& drawer)
    {
        if (drawer) {
            drawer->ReleaseToPool();
            drawer = nullptr;
        }
    }

    str::strbuffer::StrBuffer* name_;
    IWindow* window_ = nullptr;
    IButton* button_ = nullptr;
    IText* text_ = nullptr;
    IScrollBar* scrollBar_ = nullptr;
    ICheckBox* checkBox_ = nullptr;
    IRadioButton* radioButton_ = nullptr;
    ISlider* slider_ = nullptr;
    ICounter* counter_ = nullptr;
    IListHeader* listHeader_ = nullptr;
    IListBox* listBox_ = nullptr;
    IStatusBar* statusBar_ = nullptr;
    IMenu* menu_ = nullptr;
    ICombo* combo_ = nullptr;
    IGroupBox* groupBox_ = nullptr;
    ITabBox* tabBox_ = nullptr;
};

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
