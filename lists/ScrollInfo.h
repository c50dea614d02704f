#pragma once
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "lists/IScrollInfo.h"

namespace s {
namespace gui {
namespace win {
class ListBox2;
}
namespace scrollbar {
namespace win {

// One axis of a scrolled component (see IScrollInfo). A report list scrolls itself by whole rows
// through its list-view, which this object asks to scroll and reads back; any other component
// has its first child moved by offsets. With an owner bar the bar shows the state; without one
// the component window's own scroll bar does.
class ScrollInfo : public IScrollInfo, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_scrollbar_win_ScrollInfo";
    static constexpr int32_t kPoolCapacity = 1000;
    // An arrow's step in pixels.
    static constexpr int32_t kLineStep = 60;
    static constexpr int32_t kDefaultLineHeight = 15;

    ScrollInfo();

    static thread::EasyPooler* GetPool();
    static ScrollInfo* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    bool IsHorizontal() override { return axis_ == kHorizontal; }
    bool IsVertical() override { return axis_ == kVertical; }
    void SetHorizontal() override { axis_ = kHorizontal; }
    void SetVertical() override { axis_ = kVertical; }
    void SetAxis(int32_t axis) override { axis_ = axis; }
    uint8_t* GetScrollable() override { return &scrollable_; }
    void SetScrollable(bool scrollable) override { scrollable_ = scrollable ? 1 : 0; }
    bool IsScrolling() override { return scrollable_ && !disabled_; }
    int32_t GetThickness() override;
    int32_t GetVisibleThickness() override { return IsScrolling() ? GetThickness() : 0; }
    bool IsCenterMode() override { return centerMode_ != 0; }
    void SetCenterMode(bool on) override { centerMode_ = on ? 1 : 0; }
    int32_t GetRecomputeDepth() override { return recomputeDepth_; }
    void SetRecomputeDepth(int32_t depth) override { recomputeDepth_ = depth; }
    int32_t* GetPosition() override { return &position_; }
    void SetPosition(int32_t position) override { position_ = position; }
    int32_t* GetRange() override { return &range_; }
    void SetRange(int32_t range) override { range_ = range; }
    int32_t* GetPage() override { return &page_; }
    void SetPage(int32_t page) override { page_ = page; }
    int32_t* GetCenter() override { return &center_; }
    void SetCenter(int32_t center) override { center_ = center; }
    int32_t* GetAppliedOffset() override { return &appliedOffset_; }
    void SetAppliedOffset(int32_t offset) override { appliedOffset_ = offset; }
    void Recompute(IComponent* component) override;
    void ScrollBy(IComponent* component, int32_t delta) override;
    void LineBack(IComponent* component) override { ScrollBy(component, -kLineStep); }
    void LineForward(IComponent* component) override { ScrollBy(component, kLineStep); }
    void PageBack(IComponent* component) override { ScrollBy(component, -page_); }
    void PageForward(IComponent* component) override { ScrollBy(component, page_); }
    void ScrollToTrack(IComponent* component) override;
    void Clear(IComponent* component) override;
    bool IsActive() override { return active_ != 0; }
    void SetActive(IComponent* component, bool active) override;
    bool IsDisabled() override { return disabled_ != 0; }
    void SetDisabled(IComponent* component, bool disabled) override;
    void SetOwner(IScrollBar* bar) override { owner_ = bar; }

    int32_t GetLineHeight() const { return lineHeight_; }

private:
    ScrollInfo(const ScrollInfo&) = delete;
    ScrollInfo& operator=(const ScrollInfo&) = delete;

    void MeasureList(gui::win::ListBox2* list);
    void MeasureContent(IComponent* component);
    void ScrollList(gui::win::ListBox2* list, int32_t delta, int32_t oldPosition);
    // Moves the component's first child along the axis; false without a child.
    bool MoveContent(IComponent* component, int32_t shift);
    // Shows or hides the owner bar, or the component window's own scroll bar of this axis.
    void ShowBar(IComponent* component, bool show);
    int32_t NativeBar() const;

    int32_t axis_;
    uint8_t scrollable_;
    uint8_t disabled_;
    uint8_t centerMode_;
    int32_t recomputeDepth_;
    int32_t position_;
    int32_t range_;
    int32_t page_;
    int32_t center_;
    int32_t appliedOffset_;
    uint8_t active_;
    IScrollBar* owner_;
    int32_t lineHeight_;
};

} // namespace win
} // namespace scrollbar
} // namespace gui
} // namespace s
