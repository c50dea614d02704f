#pragma once
#include <windows.h>

#include <cstdint>

#include "windowing/component/IContainer.h"

namespace s {
namespace str {
namespace strarray {
class StrArray;
}
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace drawer {
class IWindow;
}
namespace events {
class IEventListener;
}

// The toolkit's general container: children laid out as a row, a column, a flow or a pile with
// alignments, gaps and margins, a size in percent of the parent or in pixels, double-buffered
// painting, and events for drops, wheel turns, clicks, layout, bounds and painting.
class IBox : public IContainer {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_IBox";

    // The layout kinds.
    static constexpr int32_t kRow = 0;
    static constexpr int32_t kColumn = 1;
    static constexpr int32_t kFlow = 2;
    static constexpr int32_t kPile = 3;

    // The event codes a Box tells its listeners.
    static constexpr int32_t kEventFilesDropped = 1;
    static constexpr int32_t kEventWheel = 2;
    static constexpr int32_t kEventLayout = 3;
    static constexpr int32_t kEventBounds = 4;
    static constexpr int32_t kEventPaint = 5;
    static constexpr int32_t kEventClick = 6;
    static constexpr int32_t kEventUrlDropped = 7;

    virtual void SetHGap(int32_t gap) = 0;
    virtual void SetVGap(int32_t gap) = 0;
    // The margins between the Box's edges and its children.
    virtual void SetMarginLeft(int32_t margin) = 0;
    virtual void SetMarginRight(int32_t margin) = 0;
    virtual void SetMarginTop(int32_t margin) = 0;
    virtual void SetMarginBottom(int32_t margin) = 0;
    virtual void SetHMargins(int32_t margin) = 0;
    virtual void SetVMargins(int32_t margin) = 0;
    virtual void SetMargins(int32_t margin) = 0;
    virtual void SetVAlignTop() = 0;
    virtual void SetVAlignCenter() = 0;
    virtual void SetVAlignBottom() = 0;
    virtual void SetHAlignLeft() = 0;
    virtual void SetHAlignCenter() = 0;
    virtual void SetHAlignRight() = 0;
    virtual int32_t GetLayoutKind() = 0;
    virtual void SetHorizontal() = 0;
    virtual void SetVertical() = 0;
    virtual void SetFlow() = 0;
    virtual void SetPile() = 0;
    // 100 percent of the parent's client area both ways.
    virtual void SetFullSize() = 0;
    // A size in percent of the parent's client size or in pixels; one excludes the other. With
    // relayout the parent lays out again.
    virtual void SetWidthPercent(int32_t percent, bool relayout) = 0;
    virtual void SetHeightPercent(int32_t percent, bool relayout) = 0;
    virtual void SetWidthPixels(int32_t pixels, bool relayout) = 0;
    virtual void SetHeightPixels(int32_t pixels, bool relayout) = 0;
    // An explicit minimum width, raising what the children need.
    virtual void SetMinWidth(int32_t width) = 0;
    // A width the content of a cell should have at least (a field row's name and value keep
    // room beside each other); -1 none. Kept apart from the explicit minimum, which its owner
    // sets, and raising the Box's minimum width in the same way.
    virtual void SetSizeHint(int32_t width) = 0;
    virtual int32_t GetSizeHint() = 0;
    virtual void SetAcceptFiles(bool accept) = 0;
    virtual void AddFileDropListener(events::IEventListener* listener) = 0;
    // The paths of the last drop.
    virtual str::strarray::StrArray* GetDroppedFiles() = 0;
    virtual void SetAcceptUrls(bool accept) = 0;
    virtual void AddUrlDropListener(events::IEventListener* listener) = 0;
    // The text of the last dropped web address.
    virtual str::strbuffer::StrBuffer* GetDroppedUrl() = 0;
    virtual void AddWheelListener(events::IEventListener* listener) = 0;
    // Signed lines of the last wheel turn, negative towards the user.
    virtual int32_t GetWheelLines() = 0;
    // While set, the minimum (and minimum client) size of that axis is 0.
    virtual void SetIgnoreMinWidth(bool ignore) = 0;
    virtual void SetIgnoreMinHeight(bool ignore) = 0;
    // Paints over the background; owned drawers go back to their pool when replaced.
    virtual void SetDrawer(drawer::IWindow* drawer, bool owned) = 0;
    virtual void AddLayoutListener(events::IEventListener* listener) = 0;
    // Shows child n and hides every other.
    virtual void ShowOnlyChildVisible(int32_t index) = 0;
    // Shows child n as the one page; the others are hidden, moved away and locked.
    virtual void ShowOnlyChild(int32_t index) = 0;
    virtual void AddBoundsListener(events::IEventListener* listener) = 0;
    virtual void AddPaintListener(events::IEventListener* listener) = 0;
    // The device context of the paint in progress, for paint listeners.
    virtual HDC GetPaintDC() = 0;
    // Called by a paint listener that painted the whole Box itself.
    virtual void MarkPainted() = 0;
    // Mouse-transparent Boxes let clicks through to what lies below them.
    virtual void SetMouseTransparent(bool transparent) = 0;
    virtual void SetHoverColor(int32_t red, int32_t green, int32_t blue) = 0;
    // While locked, SetVisible changes nothing.
    virtual void SetPageLock(bool locked) = 0;
    // Also makes the Box take clicks (no longer mouse-transparent).
    virtual void AddClickListener(events::IEventListener* listener) = 0;
    // Gives the Box's own back image back to its pool; the next paint makes a new one.
    virtual void ReleaseBackImage() = 0;
};

} // namespace gui
} // namespace s
