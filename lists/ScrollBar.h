#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "lists/IScrollBar.h"
#include "windowing/component/Component.h"
#include "windowing/component/SkinLink.h"

namespace s {
namespace gui {
namespace drawer {
namespace scrollbar {
namespace win {
class Thin;
}
} // namespace scrollbar
} // namespace drawer
namespace scrollbar {
namespace win {
class ScrollInfo;
}
} // namespace scrollbar
namespace win {

// The toolkit's owner-drawn scroll bar (see IScrollBar): a child window of the toolkit class
// painted off-screen through the skin's scroll bar drawer (its own without a skin). Arrows and
// page areas repeat while held: one step at once, one after half a second, then one every
// tenth of a second.
class ScrollBar : public Component<IScrollBar>, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ScrollBar";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr UINT_PTR kFirstRepeatTimer = 1;
    static constexpr UINT_PTR kRepeatTimer = 2;
    static constexpr UINT kFirstRepeatMillis = 500;
    static constexpr UINT kRepeatMillis = 100;
    // The parts as the drawer's hit test numbers them.
    enum Part { kNoPart = -1, kFirstArrow = 0, kPageBefore, kThumb, kPageAfter, kSecondArrow };
    enum PartState { kNormal = 0, kHot, kPressed };

    ScrollBar();
    ~ScrollBar() override;

    static thread::EasyPooler* GetPool();
    static ScrollBar* New();
    // A horizontal (0) or vertical (1) bar as long as its container, as thick as its drawer's
    // bar; null when none could be had.
    static ScrollBar* CreateBar(int32_t orientation);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // A layout of the scrolled Box, or a new skin of the window's skin manager.
    void OnEvent(base::IObject* source, int32_t code) override;

    bool CreateWindowIn(IComponent* parent) override;
    int32_t GetWidth() override { return IsShown() ? width_ : 0; }
    int32_t GetHeight() override { return IsShown() ? height_ : 0; }
    // Stays hidden while its scroll information is disabled; a change redraws the paired bar,
    // whose corner square comes or goes.
    void SetVisible(bool show, bool children) override;

    // IScrollBar
    void SetWidthPercent(int32_t percent) override { widthPercent_ = percent; }
    void SetHeightPercent(int32_t percent) override { heightPercent_ = percent; }
    void SetFixedWidth(int32_t width) override { fixedWidth_ = width; }
    void SetFixedHeight(int32_t height) override { fixedHeight_ = height; }
    int32_t GetThickness() override { return IsHorizontal() ? fixedHeight_ : fixedWidth_; }
    void SetThickness(int32_t thickness) override;
    void SetThicknessPercent(int32_t percent) override;
    int32_t GetLength() override { return IsVertical() ? GetHeight() : GetWidth(); }
    void SetLength(int32_t length) override;
    void SetLengthPercent(int32_t percent) override;
    bool IsHorizontal() override { return orientation_ == 0; }
    bool IsVertical() override { return orientation_ == 1; }
    void SetHorizontal() override;
    void SetVertical() override;
    void SetOrientation(int32_t orientation) override;
    void SetDrawer(drawer::IScrollBar* drawer, bool owned) override;
    void SetScrolledComponent(IComponent* component) override;
    void SetPairedBar(IScrollBar* bar) override { pairedBar_ = bar; }
    scrollbar::IScrollInfo* GetScrollInfo() override;
    void ScrollBy(int32_t delta) override;
    void SetTrackColor(int32_t red, int32_t green, int32_t blue) override;

    // State the tests read.
    int32_t GetActivePart() const { return activePart_; }
    int32_t GetPartState() const { return partState_; }
    bool IsPressed() const { return pressed_; }
    bool IsDraggingThumb() const { return draggingThumb_; }
    IComponent* GetScrolledComponent() const { return scrolledComponent_; }
    drawer::IScrollBar* GetDrawer();

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ScrollBar(const ScrollBar&) = delete;
    ScrollBar& operator=(const ScrollBar&) = delete;

    void ResetBar();
    void StoreThickness(int32_t thickness);
    void TakeSkinDrawer();
    bool HasCorner();
    void Paint();
    // Invalidates and paints at once, so that a held button shows each step.
    void Repaint();
    // The part under a point in screen coordinates.
    int32_t HitTest(POINT screen);
    POINT ScreenPoint(LPARAM lParam);
    void Step(int32_t part);
    void HandleButtonDown(LPARAM lParam);
    void HandleTimer(UINT_PTR id);
    void HandleMouseMove(WPARAM wParam, LPARAM lParam);
    // Ends a press: timers, thumb drag and pressed look.
    void EndPress();
    void Capture();

    bool pressed_;
    int32_t activePart_;
    int32_t partState_;
    bool draggingThumb_;
    int32_t dragStartCoordinate_;
    int32_t dragStartPosition_;
    int32_t orientation_;
    drawer::scrollbar::win::Thin* defaultDrawer_;
    drawer::IScrollBar* skinDrawer_;
    bool skinDrawerOwned_;
    scrollbar::win::ScrollInfo* scrollInfo_;
    IComponent* scrolledComponent_;
    IScrollBar* pairedBar_;
    bool thicknessExplicit_;
    COLORREF trackColor_;
    bool trackColorSet_;
    SkinLink skinLink_;
};

} // namespace win
} // namespace gui
} // namespace s
