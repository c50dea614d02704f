#pragma once
#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace gui {
namespace drawer {

class IWindow;
class IButton;
class IText;
class IScrollBar;
class ICheckBox;
class IRadioButton;
class ISlider;
class ICounter;
class IListHeader;
class IListBox;
class IStatusBar;
class IMenu;
class ICombo;
class IGroupBox;
class ITabBox;

// A named set of fifteen drawers, one per kind of control. The skin owns its drawers: a setter
// only stores the reference (it neither gives back nor checks the one it replaces), a getter
// lends it out, and the skin's reset gives every drawer back to its pool.
class ISkin : public base::IObject, public thread::IPoolable {
public:
    virtual const wchar_t* GetName() = 0;
    // Copies the text; null stands for the empty name.
    virtual void SetName(const wchar_t* name) = 0;

    virtual IWindow* GetWindowDrawer() = 0;
    virtual void SetWindowDrawer(IWindow* drawer) = 0;
    virtual IButton* GetButtonDrawer() = 0;
    virtual void SetButtonDrawer(IButton* drawer) = 0;
    virtual IText* GetTextDrawer() = 0;
    virtual void SetTextDrawer(IText* drawer) = 0;
    virtual IScrollBar* GetScrollBarDrawer() = 0;
    virtual void SetScrollBarDrawer(IScrollBar* drawer) = 0;
    virtual ICheckBox* GetCheckBoxDrawer() = 0;
    virtual void SetCheckBoxDrawer(ICheckBox* drawer) = 0;
    virtual IRadioButton* GetRadioButtonDrawer() = 0;
    virtual void SetRadioButtonDrawer(IRadioButton* drawer) = 0;
    virtual ISlider* GetSliderDrawer() = 0;
    virtual void SetSliderDrawer(ISlider* drawer) = 0;
    virtual ICounter* GetCounterDrawer() = 0;
    virtual void SetCounterDrawer(ICounter* drawer) = 0;
    virtual IListHeader* GetListHeaderDrawer() = 0;
    virtual void SetListHeaderDrawer(IListHeader* drawer) = 0;
    virtual IListBox* GetListBoxDrawer() = 0;
    virtual void SetListBoxDrawer(IListBox* drawer) = 0;
    virtual IStatusBar* GetStatusBarDrawer() = 0;
    virtual void SetStatusBarDrawer(IStatusBar* drawer) = 0;
    virtual IMenu* GetMenuDrawer() = 0;
    virtual void SetMenuDrawer(IMenu* drawer) = 0;
    virtual ICombo* GetComboDrawer() = 0;
    virtual void SetComboDrawer(ICombo* drawer) = 0;
    virtual IGroupBox* GetGroupBoxDrawer() = 0;
    virtual void SetGroupBoxDrawer(IGroupBox* drawer) = 0;
    virtual ITabBox* GetTabBoxDrawer() = 0;
    virtual void SetTabBoxDrawer(ITabBox* drawer) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
