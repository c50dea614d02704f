#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "core/col/ArrayP.h"
#include "core/thread/IPoolable.h"
#include "windowing/component/Component.h"

namespace s {
namespace gui {
class IBox;
class ILayoutManager;
class IScrollBar;
namespace win {

class Box;
class ScrollBar;

// The body of both scrollable containers (ListBoxEx, ScrollBox): a child window of the toolkit
// class holding one outer Box, inside it the content beside the vertical bar and above the
// horizontal one. It paints only its margins; the content paints itself. Every layout
// recomputes both bars' scroll information.
template <class Interface>
class ScrollContainer : public Component<Interface>, public thread::IPoolable {
public:
    void OnEvent(base::IObject*, int32_t) override {}

    bool CreateWindowIn(IComponent* parent) override;
    bool IsContainer() override { return true; }
    bool IsEnabled() override { return true; }
    void SetEnabled(bool) override {}
    int32_t GetClientWidth() override { return this->width_ - marginLeft_ - marginRight_; }
    int32_t GetClientHeight() override { return this->height_ - marginTop_ - marginBottom_; }
    void SetClientWidth(int32_t width) override { this->SetWidth(width + marginLeft_ + marginRight_); }
    void SetClientHeight(int32_t height) override { this->SetHeight(height + marginTop_ + marginBottom_); }
    int32_t GetMinWidth() override;
    int32_t GetMinHeight() override;
    int32_t GetMinClientWidth() override;
    int32_t GetMinClientHeight() override;
    int32_t GetMaxWidth() override;
    int32_t GetMaxHeight() override;
    int32_t GetMaxClientWidth() override { return GetMaxWidth() - marginLeft_ - marginRight_; }
    int32_t GetMaxClientHeight() override { return GetMaxHeight() - marginTop_ - marginBottom_; }
    // The content follows a new size at once.
    void SetSize(int32_t width, int32_t height) override;
    void SetBounds(int32_t x, int32_t y, int32_t width, int32_t height) override;
    void SetLayoutSize(int32_t width, int32_t height) override;
    void ResumeBounds() override;
    void SetVisible(bool show, bool children) override;
    void RequestLayout() override { DoLayout(); }
    void AddChild(IComponent* child) override;
    void RemoveChild(IComponent* child, bool recursive) override;
    void RemoveAllChildren(bool recursive) override;
    int32_t GetChildCount() override;
    IComponent* GetChildAt(int32_t index) override;
    col::_array::ArrayP* GetChildren() override { return &children_; }

    void DoLayout() override;
    ILayoutManager* GetLayoutManager() override;
    void SetLayoutManager(ILayoutManager* manager) override { layoutManager_ = manager; }

    // The shared operations of both interfaces.
    void SetWidthPercent(int32_t percent) override;
    void SetHeightPercent(int32_t percent) override;
    void SetFixedWidth(int32_t width) override;
    void SetFixedHeight(int32_t height) override;
    IBox* GetOuterBox() override;
    void SetScrollingDisabled(bool disabled) override;
    int32_t GetVerticalBarThickness() override;
    int32_t GetHorizontalBarThickness() override;
    int32_t GetVisibleVerticalBarThickness() override;
    int32_t GetVisibleHorizontalBarThickness() override;

    ScrollBar* GetVerticalBar() const { return verticalBar_; }
    ScrollBar* GetHorizontalBar() const { return horizontalBar_; }
    IComponent* GetInner() const { return inner_; }
    int32_t GetMarginLeft() const { return marginLeft_; }
    int32_t GetMarginTop() const { return marginTop_; }

protected:
    ScrollContainer();

    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    // The class's own additions to painting and to the wheel.
    virtual void PaintOver(HDC, const RECT&) {}
    virtual LRESULT HandleWheel(WPARAM wParam, LPARAM lParam) = 0;
    // The bars are given the content to scroll once the native tree exists.
    virtual void AttachBars() = 0;

    // Gives back the parts a factory could take before another failed.
    static void ReleaseParts(std::initializer_list<thread::IPoolable*> parts)
    {
        for (thread::IPoolable* part : parts) {
            if (part)
                part->ReleaseToPool();
        }
    }
    // Keeps the four parts and adds the outer Box as the only child.
    void Store(Box* outer, IComponent* inner, IScrollBar* verticalBar, IScrollBar* horizontalBar);
    // The wheel's common start: false (answer 1) when the point is not over the container;
    // the signed line count and the step in pixels.
    bool ReadWheel(WPARAM wParam, LPARAM lParam, int32_t* lines, int32_t* step, POINT* point);
    // The bar under a screen point, shown; null over neither.
    ScrollBar* BarAt(POINT point);
    // The tree's reset: children emptied and given back, the window destroyed, the values of a
    // new container.
    void ResetContainer();
    void PlaceOuterBox();
    void Paint();

    col::_array::ArrayP children_;
    Box* outerBox_;
    IComponent* inner_;
    ScrollBar* verticalBar_;
    ScrollBar* horizontalBar_;
    ILayoutManager* layoutManager_;
    int32_t marginLeft_;
    int32_t marginRight_;
    int32_t marginTop_;
    int32_t marginBottom_;
    bool active_;
    bool scrollingDisabled_;
    int32_t wheelLines_;
    lang::Localizer* localizer_;
    int32_t layoutDepth_;
    // A layout ran while the moves were deferred: the bars measured windows of the old size.
    bool measuredDeferred_;
};

} // namespace win
} // namespace gui
} // namespace s
