#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "lists/IListBoxEx.h"
#include "lists/ScrollContainer.h"

namespace s {
namespace gui {
namespace win {

class ListBox2;

// A report list with the toolkit's owner-drawn bars (see IListBoxEx). The list's own native
// bars are hidden; the list scrolls itself by rows, which its scroll information reads back.
class ListBoxEx : public ScrollContainer<IListBoxEx> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ListBoxEx";
    static constexpr int32_t kPoolCapacity = 1000;

    ListBoxEx();
    ~ListBoxEx() override;

    static thread::EasyPooler* GetPool();
    static ListBoxEx* New();
    // A list box with its list and both bars, the given percentages of its parent (a negative
    // value leaves the setting alone); null when a part could not be had.
    static ListBoxEx* Create(double widthPercent, double heightPercent);
    // The same, 100 pixels wide.
    static ListBoxEx* CreateWithHeight(double heightPercent);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // IListBoxEx
    void Assemble(IBox* outer, IListBox2* list, IScrollBar* verticalBar, IScrollBar* horizontalBar) override;
    IListBox2* GetListBox() override;
    void ScrollBy(int32_t dx, int32_t dy) override;
    void SetBorder(bool border) override;

    bool HasBorder() const { return border_; }
    int32_t GetWheelLines() const { return wheelLines_; }

    // Dialog keys move among the controls inside the list box.
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintOver(HDC dc, const RECT& client) override;
    LRESULT HandleWheel(WPARAM wParam, LPARAM lParam) override;
    void AttachBars() override;

private:
    ListBoxEx(const ListBoxEx&) = delete;
    ListBoxEx& operator=(const ListBoxEx&) = delete;

    bool border_;
};

} // namespace win
} // namespace gui
} // namespace s
