#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ObjLocker.h"
#include "windowing/component/Component.h"
#include "windowing/widgets/IImage.h"

namespace s {
namespace image {
namespace win {
class BufferedImage;
class BufferedImageSet;
} // namespace win
} // namespace image
namespace gui {
namespace win {

class MemDC;

// The toolkit's picture widget (see IImage): a native child window of the toolkit class that
// paints its shown frame through its image drawer into a back image that only grows, and steps
// an animated set on timer 1. Its lock guards the set and the frame state between the timer,
// painting and callers on other threads.
class Image : public Component<IImage>, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_Image";
    static const int32_t kPoolCapacity = 1000;
    static const UINT_PTR kFrameTimer = 1;
    static const UINT kFrameTimerMillis = 25;
    // The checkerboard: white squares of this side on this grey.
    static const int32_t kCheckerSquare = 5;
    static const COLORREF kCheckerGrey = 0xCCCCCC;
    static const COLORREF kCheckerWhite = 0xFFFFFF;

    Image();
    ~Image() override;

    static thread::EasyPooler* GetPool();
    static Image* New();

    // The animation's clock, milliseconds since 1970 (replaceable for tests); null puts the
    // system's back. Returns the one it replaces.
    typedef int64_t (*MillisClock)();
    static MillisClock SetClock(MillisClock clock);
    static int64_t Now();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;
    void OnEvent(base::IObject*, int32_t) override {}

    // IComponent
    bool CreateWindowIn(IComponent* parent) override;
    // Nothing before the native window exists (a null window would repaint the desktop).
    void Redraw() override
    {
        if (m_hWnd)
            Component<IImage>::Redraw();
    }
    int32_t GetClientWidth() override { return width_ - Border(); }
    int32_t GetClientHeight() override { return height_ - Border(); }
    void SetClientWidth(int32_t width) override { SetWidth(width + Border()); }
    void SetClientHeight(int32_t height) override { SetHeight(height + Border()); }
    int32_t GetMinWidth() override;
    int32_t GetMinHeight() override;
    int32_t GetMinClientWidth() override;
    int32_t GetMinClientHeight() override;
    int32_t GetMaxWidth() override;
    int32_t GetMaxHeight() override;
    int32_t GetMaxClientWidth() override;
    int32_t GetMaxClientHeight() override;
    void InheritBackground(bool redraw) override;
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue, bool redraw) override;
    void ResetBackgroundColor(bool redraw) override;

    // IImage
    void SetImage(image::win::BufferedImage* image, bool handOver, bool stretch, bool keepRatio, bool blend,
                  int32_t width, int32_t height) override;
    void SetImageSet(image::win::BufferedImageSet* set, bool owned, bool stretch, bool keepRatio, bool blend,
                     int32_t width, int32_t height) override;
    image::win::BufferedImageSet* GetImageSet() override { return set_; }
    bool HasImage() override { return set_ != nullptr; }
    int32_t GetImageWidth() override;
    int32_t GetImageHeight() override;
    void FitSize(int32_t* width, int32_t* height) override;
    int32_t GetImageCount() override;
    bool IsAnimated() override;
    void StartAnimation() override;
    void StopAnimation(bool rewind) override;
    void PauseAnimation(bool suspendPainting) override;
    void ResumeAnimation(bool resumePainting) override;
    bool HasFilters(int32_t index) override;
    bool FindFilter(int32_t index, const wchar_t* name, int32_t* position) override;
    col::_array::ArrayP* GetFilterList(int32_t index) override;
    image::filters::IFilter* GetFilter(int32_t index, int32_t position) override;
    bool InsertFilter(int32_t index, int32_t position, image::filters::IFilter* filter) override;
    void AddFilter(int32_t index, image::filters::IFilter* filter) override;
    void RemoveFilter(int32_t index, int32_t position) override;
    void RemoveAllFilters(int32_t index) override;
    image::IBufferedImage* ApplyFilters(int32_t index) override;
    image::IBufferedImage* GetFilteredImage(int32_t index) override;
    void RecomputeImageSize() override;
    base::IObject* RenderImage(IImageReceiver* receiver, bool scaleToClient, bool sharpen,
                               image::filters::IFilter* extraFilter) override;
    image::IBufferedImage* CopyCurrentImage(bool scaleToClient, image::IBufferedImage* target) override;
    void PrintCurrentImage(bool scaleToClient, bool rotateLandscape, bool sharpen, bool fitToPage) override;
    void SetCheckerboardBackground(bool redraw) override;
    void SetWidthPercent(int32_t percent) override;
    void SetHeightPercent(int32_t percent) override;
    void SetWidthPixels(int32_t pixels) override;
    void SetHeightPixels(int32_t pixels) override;
    void SetBorder(bool border) override { border_ = border; }
    void SetBorderColor(int32_t color) override { borderColor_ = color; }
    bool HasBorder() override { return border_; }
    void SetDragEnabled(bool enabled) override { dragEnabled_ = enabled; }
    void SetDrawer(drawer::IImage* drawer, bool owned) override;
    bool SetPaintingSuspended(bool suspended) override;

    // Grows the back image to cover a client area of width x height (by 1.2 a step, never
    // shrinking); false when it cannot be had.
    bool EnsureBackImage(int32_t width, int32_t height);
    image::win::BufferedImage* GetBackImage() const { return backImage_; }
    int32_t GetCurrentFrame() const { return currentFrame_; }
    int32_t GetNextDelay() const { return nextDelay_; }
    bool IsPaintingSuspended() const { return paintingSuspended_; }
    bool IsDragging() const { return dragging_; }
    // One step of the frame timer at the time given: the next frame once the current one has
    // shown its delay, the lateness taken off the next delay. True when the frame changed.
    bool StepFrame(int64_t now);

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    int32_t Border() const { return border_ ? 2 : 0; }
    // Stretching with the ratio kept and the other side set by the layout: this side follows it.
    bool WidthFollowsHeight() const;
    bool HeightFollowsWidth() const;
    void UpdateNaturalSize();
    void Paint();
    void PaintBackground(MemDC* memory, int32_t width, int32_t height);
    void OnMouseMove(LPARAM lParam);
    // Runs the frame timer's start or end on the widget's own thread.
    void SetFrameTimer(bool on);
    void ReleaseSet();
    void ReleaseExplicitDrawer();
    void ReleaseBackImage();
    // The shown frame (its filtered image when it has filters), scaled to the client area when
    // asked; under the lock. Null without one.
    image::IBufferedImage* ShownFrame(bool scaleToClient);
    bool IsOwnThread() const;

    image::win::BufferedImage* backImage_;
    int32_t naturalWidth_;
    int32_t naturalHeight_;
    int32_t imageWidth_;
    int32_t imageHeight_;
    bool specialBackground_;
    bool checkerboard_;
    image::win::BufferedImageSet* set_;
    // An animated set is shown through its composed copy, which the widget always owns.
    bool setOwned_;
    bool stretch_;
    bool keepRatio_;
    double heightPerWidth_;
    double widthPerHeight_;
    bool border_;
    int32_t borderColor_;
    bool paintingSuspended_;
    bool dragEnabled_;
    bool dragging_;
    POINT dragStart_;
    POINT lastCursor_;
    drawer::IImage* defaultDrawer_;
    drawer::IImage* drawer_;
    bool ownsDrawer_;
    bool blend_;
    thread::ObjLocker lock_;
    volatile LONG paused_;
    int32_t currentFrame_;
    int32_t nextDelay_;
    int32_t currentCombineMode_;
    int64_t lastFrameTime_;
    volatile LONG inTimerTick_;
};

} // namespace win
} // namespace gui
} // namespace s
