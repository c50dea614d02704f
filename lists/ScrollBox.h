#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "lists/IScrollBox.h"
#include "lists/ScrollContainer.h"

namespace s {
namespace gui {
namespace win {

// Components in a content Box moved as one sheet by the owner-drawn bars (see IScrollBox). The
// content Box is the view; its first child is the sheet.
class ScrollBox : public ScrollContainer<IScrollBox> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ScrollBox";
    static constexpr int32_t kPoolCapacity = 1000;

    ScrollBox();
    ~ScrollBox() override;

    static thread::EasyPooler* GetPool();
    static ScrollBox* New();
    // A scroll box with its content Box and both bars, the given percentages of its parent (a
    // negative value leaves the setting alone); null when a part could not be had.
    static ScrollBox* Create(double widthPercent, double heightPercent);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // IScrollBox
    void Assemble(IBox* outer, IBox* content, IScrollBar* verticalBar, IScrollBar* horizontalBar) override;
    IBox* GetContentBox() override;
    void SetActive(bool active) override;
    bool IsActive() override { return active_; }
    void ScrollBy(int32_t dx, int32_t dy) override;
    void SetCenterMode(bool on) override;
    int32_t GetCenterX() override;
    int32_t GetCenterY() override;
    void SetCenter(int32_t x, int32_t y) override;
    void ClearScrolling() override;
    void AddWheelListener(events::IEventListener* listener) override;
    int32_t GetWheelLines() override { return wheelLines_; }
    void SetHandMode(bool on) override { handMode_ = on; }
    bool IsScrollable() override;

    bool IsDragging() const { return dragging_; }

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleWheel(WPARAM wParam, LPARAM lParam) override;
    void AttachBars() override;

private:
    ScrollBox(const ScrollBox&) = delete;
    ScrollBox& operator=(const ScrollBox&) = delete;

    void ResetScrollBox();
    bool ContentHasChildren();
    // In hand mode with something to scroll the box keeps the mouse instead of letting it
    // through.
    bool TakesMouse();
    // The message's point in screen coordinates.
    POINT ScreenPointOf(LPARAM lParam);
    void StartDrag(LPARAM lParam);
    void DragTo(LPARAM lParam);
    void EndDrag(LPARAM lParam);

    bool centerMode_;
    col::_array::ArrayP wheelListeners_;
    bool handMode_;
    bool dragging_;
    POINT dragStart_;
    POINT dragLast_;
};

} // namespace win
} // namespace gui
} // namespace s
