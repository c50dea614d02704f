#pragma once
#include <cstdint>

#include "storage/events/IEventListener.h"
#include "windowing/component/IComponent.h"

namespace s {
namespace col {
namespace _array {
class ArrayS32;
}
} // namespace col
namespace gui {

class IFont;
namespace drawer {
class IListHeader;
}

// The column header of a report list, painted through the skin's list header drawer with its
// last column reaching to the right edge. Its height is the header's own, not a laid-out one:
// the list-view places the header.
class IListHeader : public IComponent, public events::IEventListener {
public:
    // The header's height in pixels.
    int32_t GetHeight() override = 0;
    // A fixed height; the drawer's no longer applies.
    void SetHeight(int32_t height) override = 0;
    virtual IFont* GetFont() = 0;
    virtual void SetDrawer(drawer::IListHeader* drawer, bool owned) = 0;
    // Column indices in display order, kept by the list.
    virtual col::_array::ArrayS32* GetColumnOrder() = 0;
    // Item widths by item index, as the last paint or refresh found them.
    virtual col::_array::ArrayS32* GetColumnWidths() = 0;
    virtual void RefreshColumnWidths() = 0;
};

} // namespace gui
} // namespace s
