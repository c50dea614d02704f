#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/events/IEventListener.h"
#include "windowing/box/IBox.h"
#include "windowing/component/Component.h"
#include "windowing/component/ContentContainer.h"
#include "windowing/component/SkinLink.h"
#include "windowing/paint/IRedrawable.h"
#include "windowing/widgets/ICounter.h"

class CDC;

namespace s {
namespace image {
namespace win {
class BufferedImage;
}
} // namespace image
namespace gui {
namespace win {

// A field's meter or history graph (see ICounter): a native child window that paints its two
// series through its drawer into a back image kept while its size stays, and copies it to the
// screen in one transfer around its content Box. The labels on the Box paint their background
// from that image, so the graph shows behind the text. Mouse input goes through it, except the
// wheel, which it hands to the content Box. A counter can listen to its own series (IRedrawable).
// In a window with a skin manager it paints with the current skin's counter drawer and follows
// each new skin until its native window goes.
class Counter : public ContentContainer<Component<ICounter>, IBox>, public thread::IPoolable, public IRedrawable,
                public events::IEventListener {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_Counter";
    static const int32_t kPoolCapacity = 1000;
    // Where a hidden counter waits.
    static const int32_t kHiddenCounterY = 10000;

    Counter();
    ~Counter() override;

    static thread::EasyPooler* GetPool();
    // A counter from the pool with a vertical content Box filling it, centred and top-aligned;
    // a width percent of 0 or more is set (truncated). Null when none could be made.
    static Counter* Create(double widthPercent);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // A new current skin of the window's skin manager: its counter drawer is taken on the
    // counter's own thread.
    void OnEvent(base::IObject* source, int32_t code) override;

    // IComponent
    bool CreateWindowIn(IComponent* parent) override;
    void Redraw() override { Component<ICounter>::Redraw(); }
    void RequestLayout() override { DoLayout(); }
    // A child goes into the content Box.
    void AddChild(IComponent* child) override;

    // IContainer: the content Box piled over the whole client area.
    void DoLayout() override;

    // ICounter
    IBox* GetContent() override { return content_; }
    void SetContent(IBox* box) override;
    void SetDrawer(drawer::ICounter* drawer, bool owned) override;
    drawer::ICounter* GetDrawer() override;
    void SetGraphMode(int32_t mode) override { graphMode_ = mode; }
    void SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    counter::CounterData* GetPrimaryData() override { return primary_; }
    counter::CounterData* GetSecondaryData() override { return secondary_; }
    void ShowSecondaryData(bool show) override { showSecondary_ = show; }
    bool ToggleFlag() override;
    void SetWidthPercent(int32_t percent) override;
    void SetHeightPercent(int32_t percent) override;
    void SetWidthPixels(int32_t pixels) override { fixedWidth_ = pixels; }
    void SetHeightPixels(int32_t pixels) override { fixedHeight_ = pixels; }
    void ReleaseBackImages() override;

    image::win::BufferedImage* GetBackImage() const { return backBuffer_; }
    int32_t GetGraphMode() const { return graphMode_; }
    bool IsSwapped() const { return swapColors_; }
    bool IsSecondaryShown() const { return showSecondary_; }
    // The graph rectangle in a client area of the given size: the client less the margins.
    RECT GraphRect(int32_t width, int32_t height) const;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Counter(const Counter&) = delete;
    Counter& operator=(const Counter&) = delete;

    void Paint();
    void CaptureParentBackground(CDC* target);
    void ReleaseExplicitDrawer();
    // The joined manager's current counter drawer; null without a current skin.
    drawer::ICounter* SkinCounterDrawer();

    drawer::ICounter* defaultDrawer_;
    drawer::ICounter* drawer_;
    bool ownsDrawer_;
    bool swapColors_;
    int32_t graphMode_;
    int32_t marginLeft_;
    int32_t marginTop_;
    int32_t marginRight_;
    int32_t marginBottom_;
    counter::CounterData* primary_;
    counter::CounterData* secondary_;
    bool showSecondary_;
    SkinLink skinLink_;
};

} // namespace win
} // namespace gui
} // namespace s
