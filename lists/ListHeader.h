#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "lists/IListHeader.h"
#include "mfc/Brush.h"
#include "mfc/HeaderCtrl.h"
#include "windowing/component/Component.h"
#include "windowing/component/SkinLink.h"
#include "windowing/paint/Font.h"

namespace s {
namespace lang {
class Localizer;
}
namespace gui {
namespace win {

// The report list's column header (see IListHeader). It makes no window: it subclasses the
// header control of the list's list-view. With a skin drawer it paints every item off-screen,
// hot under the cursor and pressed while the left button is down, and stretches the last
// column in display order to the right edge, where clicks sort by that column and neither the
// sizing cursor nor the divider's double click acts. Without a drawer the control paints itself.
class ListHeader : public Component<IListHeader, CHeaderCtrl>, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ListHeader";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr int32_t kDefaultHeight = 22;
    // The longest caption read back from the control, with its terminator.
    static constexpr int32_t kCaptionBuffer = 255;

    ListHeader();
    ~ListHeader() override;

    static thread::EasyPooler* GetPool();
    static ListHeader* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // A new current skin of the window's skin manager.
    void OnEvent(base::IObject* source, int32_t code) override;

    // Subclasses the list-view's header control; false when there is none or it is taken.
    bool AttachControl(HWND control);
    HWND GetControl() const { return m_hWnd; }
    // Joins the window of the list (the parent) and its skin; null lets go of the control,
    // which stays the list-view's.
    bool CreateWindowIn(IComponent* parent) override;
    bool IsEnabled() override { return true; }
    int32_t GetMinWidth() override { return minWidth_; }
    int32_t GetMinHeight() override { return minHeight_; }
    int32_t GetMaxWidth() override { return std::max(minWidth_, preferredWidth_); }
    int32_t GetMaxHeight() override { return std::max(minHeight_, preferredHeight_); }
    void SetLayoutSize(int32_t width, int32_t height) override;
    void Redraw() override;

    // IListHeader
    // 0 while the control is hidden (a list without a header) or not attached.
    int32_t GetHeight() override;
    void SetHeight(int32_t height) override;
    IFont* GetFont() override { return &font_; }
    void SetDrawer(drawer::IListHeader* drawer, bool owned) override;
    col::_array::ArrayS32* GetColumnOrder() override { return &columnOrder_; }
    col::_array::ArrayS32* GetColumnWidths() override { return &columnWidths_; }
    void RefreshColumnWidths() override;

    // State the tests read.
    drawer::IListHeader* GetDrawer() const { return drawer_; }
    bool IsHeightFixed() const { return heightFixed_; }
    bool IsScreenCopySuspended() const { return screenCopySuspended_; }
    // The item under the cursor at the last mouse move, -1 for none.
    int32_t GetHotItem() const { return hotItem_; }

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ListHeader(const ListHeader&) = delete;
    ListHeader& operator=(const ListHeader&) = delete;

    void ResetHeader();
    void TakeSkinDrawer();
    // The list-view lays out again, so that a new height reaches the header and the rows.
    void RelayoutList();
    void Paint();
    // An item's rectangle, the last in display order reaching at least to the right edge.
    bool ItemRect(int32_t index, int32_t count, int32_t clientRight, RECT* rect);
    int32_t ItemAt(POINT client);
    // The last column's rectangle in display order; false without columns.
    bool LastColumnRect(RECT* rect);
    int32_t LastColumn();
    POINT CursorInWindow();
    void StoreWidth(int32_t index, int32_t width);
    void TrackHover(POINT client);
    bool HandleLayout(WPARAM wParam, LPARAM lParam, LRESULT* result);
    void HandleButtonUp(POINT client);

    Font font_;
    CBrush ctlColorBrush_;
    int32_t headerHeight_;
    bool heightFixed_;
    drawer::IListHeader* drawer_;
    bool drawerOwned_;
    col::_array::ArrayS32 columnOrder_;
    col::_array::ArrayS32 columnWidths_;
    bool cursorLeftOfLastColumn_;
    bool pressedRightOfLastColumn_;
    bool screenCopySuspended_;
    int32_t hotItem_;
    bool trackingLeave_;
    SkinLink skinLink_;
    lang::Localizer* localizer_;
};

} // namespace win
} // namespace gui
} // namespace s
