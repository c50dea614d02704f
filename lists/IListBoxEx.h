#pragma once
#include "lists/IScrollContainer.h"

namespace s {
namespace gui {

class IListBox2;
class IScrollBar;

// A report list with the toolkit's owner-drawn scroll bars in place of the list-view's own.
class IListBoxEx : public IScrollContainer {
public:
    virtual void Assemble(IBox* outer, IListBox2* list, IScrollBar* verticalBar, IScrollBar* horizontalBar) = 0;
    virtual IListBox2* GetListBox() = 0;
    // A black one-pixel frame, the list one pixel inside it.
    virtual void SetBorder(bool border) = 0;
};

} // namespace gui
} // namespace s
