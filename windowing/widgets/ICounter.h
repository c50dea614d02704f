#pragma once
#include <cstdint>

#include "windowing/component/IContainer.h"

namespace s {
namespace gui {

class IBox;
namespace counter {
class CounterData;
}
namespace drawer {
class ICounter;
}

// The panel behind a field's labels: two value series painted as a meter or a history graph by
// a counter drawer, with a content Box on top that holds the labels.
class ICounter : public IContainer {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_ICounter";

    // The graph modes handed to the drawer.
    static const int32_t kHistoryColumns = 0;
    static const int32_t kLevelBar = 1;
    static const int32_t kCentredColumns = 2;

    virtual IBox* GetContent() = 0;
    // Stores the Box and appends it to the children; its window is made with the counter's.
    virtual void SetContent(IBox* box) = 0;
    // An owned drawer goes back to its pool when replaced; repaints.
    virtual void SetDrawer(drawer::ICounter* drawer, bool owned) = 0;
    // The explicit drawer, else the counter's own default one: never null.
    virtual drawer::ICounter* GetDrawer() = 0;
    virtual void SetGraphMode(int32_t mode) = 0;
    // The graph's inset in the client area; a negative margin counts as none. No repaint.
    virtual void SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    virtual counter::CounterData* GetPrimaryData() = 0;
    virtual counter::CounterData* GetSecondaryData() = 0;
    // Whether the secondary series is drawn.
    virtual void ShowSecondaryData(bool show) = 0;
    // Flips the swap of the two series colours; the new value.
    virtual bool ToggleFlag() = 0;
    // A size in percent of the parent's client size (clearing the pixels), or in pixels.
    virtual void SetWidthPercent(int32_t percent) = 0;
    virtual void SetHeightPercent(int32_t percent) = 0;
    virtual void SetWidthPixels(int32_t pixels) = 0;
    virtual void SetHeightPixels(int32_t pixels) = 0;
    // Gives the back images of the counter and its content Box back; the next paint makes new ones.
    virtual void ReleaseBackImages() = 0;
};

} // namespace gui
} // namespace s
