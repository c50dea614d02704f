#pragma once
#include <cstdint>

#include "storage/events/IEventListener.h"
#include "windowing/component/IComponent.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col
namespace image {
class IBufferedImage;
namespace filters {
class IFilter;
}
namespace win {
class BufferedImage;
class BufferedImageSet;
} // namespace win
} // namespace image
namespace gui {

class IImageReceiver;
namespace drawer {
class IImage;
}

// A picture, or an animated sequence of pictures, inside a layout: sized from the picture, the fit
// options and the layout's percentages, painted off-screen over a plain colour, a checkerboard or
// the parent's picture, optionally framed, and draggable with the left button.
class IImage : public IComponent, public events::IEventListener {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_IImage";

    // Shows one picture: copied first unless handed over. Stretch scales it to the client area
    // (keeping its ratio in the sizes when asked); blend draws a picture with transparency over
    // the background. A width or height of 0 or more fixes that client side. Null shows none.
    virtual void SetImage(image::win::BufferedImage* image, bool handOver, bool stretch, bool keepRatio, bool blend,
                          int32_t width, int32_t height) = 0;
    // The same with a set; an owned set goes with the widget or when replaced. An animated set is
    // shown through one fully composed copy made here.
    virtual void SetImageSet(image::win::BufferedImageSet* set, bool owned, bool stretch, bool keepRatio, bool blend,
                             int32_t width, int32_t height) = 0;
    virtual image::win::BufferedImageSet* GetImageSet() = 0;
    virtual bool HasImage() = 0;
    virtual int32_t GetImageWidth() = 0;
    virtual int32_t GetImageHeight() = 0;
    // Shrinks one side of the box to the picture's proportions; nothing without a picture.
    virtual void FitSize(int32_t* width, int32_t* height) = 0;
    virtual int32_t GetImageCount() = 0;
    virtual bool IsAnimated() = 0;

    // Frames change on the widget's timer; only an animated set of several images plays.
    virtual void StartAnimation() = 0;
    virtual void StopAnimation(bool rewind) = 0;
    // Callable from any thread: returns once a running frame step has ended.
    virtual void PauseAnimation(bool suspendPainting) = 0;
    virtual void ResumeAnimation(bool resumePainting) = 0;

    // The filters of one image of the set (by index); false, null or nothing without it.
    virtual bool HasFilters(int32_t index) = 0;
    virtual bool FindFilter(int32_t index, const wchar_t* name, int32_t* position) = 0;
    virtual col::_array::ArrayP* GetFilterList(int32_t index) = 0;
    virtual image::filters::IFilter* GetFilter(int32_t index, int32_t position) = 0;
    virtual bool InsertFilter(int32_t index, int32_t position, image::filters::IFilter* filter) = 0;
    virtual void AddFilter(int32_t index, image::filters::IFilter* filter) = 0;
    virtual void RemoveFilter(int32_t index, int32_t position) = 0;
    virtual void RemoveAllFilters(int32_t index) = 0;
    virtual image::IBufferedImage* ApplyFilters(int32_t index) = 0;
    virtual image::IBufferedImage* GetFilteredImage(int32_t index) = 0;

    // After the set's images changed: its primary image and the widget's sizes anew.
    virtual void RecomputeImageSize() = 0;
    // Hands the shown picture (scaled to the client area, sharpened, with the extra filter when
    // asked) to the receiver and returns its answer; null without a picture.
    virtual base::IObject* RenderImage(IImageReceiver* receiver, bool scaleToClient, bool sharpen,
                                       image::filters::IFilter* extraFilter) = 0;
    // A copy of the shown frame into the target (a new image when null); null without a picture.
    virtual image::IBufferedImage* CopyCurrentImage(bool scaleToClient, image::IBufferedImage* target) = 0;
    virtual void PrintCurrentImage(bool scaleToClient, bool rotateLandscape, bool sharpen, bool fitToPage) = 0;

    // The background: a checkerboard, or (InheritBackground) the parent's picture, or
    // (SetBackgroundColor) a plain colour.
    virtual void SetCheckerboardBackground(bool redraw) = 0;
    // Sizes in percent of the parent's client area or in pixels; each clears the other of its pair.
    virtual void SetWidthPercent(int32_t percent) = 0;
    virtual void SetHeightPercent(int32_t percent) = 0;
    virtual void SetWidthPixels(int32_t pixels) = 0;
    virtual void SetHeightPixels(int32_t pixels) = 0;
    // A one-pixel black frame inside the edge; the client area is 2 pixels smaller each way.
    virtual void SetBorder(bool border) = 0;
    virtual void SetBorderColor(int32_t color) = 0;
    virtual bool HasBorder() = 0;
    // Dragged by the left button when enabled; otherwise the mouse goes through.
    virtual void SetDragEnabled(bool enabled) = 0;
    // An owned drawer goes back to its pool when replaced; null paints with the default one.
    virtual void SetDrawer(drawer::IImage* drawer, bool owned) = 0;
    // While suspended nothing paints and moves wait; false when the state was already so.
    virtual bool SetPaintingSuspended(bool suspended) = 0;
};

} // namespace gui
} // namespace s
