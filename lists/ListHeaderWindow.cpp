// The header's messages: off-screen painting, hover and pressed looks, the stretched last
// column's clicks and cursor, the height of its layout and its reflected colour.
#include <windows.h>
#include <commctrl.h>

#include "lists/AsyncKeys.h"
#include "lists/ListHeader.h"
#include "skins/drawer/IListHeader.h"
#include "windowing/Messages.h"
#include "windowing/component/OffScreenPaint.h"
#include "windowing/component/ReflectedColor.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

namespace {

POINT ClientPoint(LPARAM lParam)
{
    return POINT{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
}

} // namespace

POINT ListHeader::CursorInWindow()
{
    POINT cursor;
    RECT window;
    if (!m_hWnd || !::GetCursorPos(&cursor) || !::GetWindowRect(m_hWnd, &window))
        return POINT{-32767, -32767};
    return POINT{cursor.x - window.left, cursor.y - window.top};
}

int32_t ListHeader::LastColumn()
{
    const uint32_t count = columnOrder_.GetCount();
    return count > 0 ? columnOrder_.Get(count - 1) : -1;
}

bool ListHeader::LastColumnRect(RECT* rect)
{
    const int32_t last = LastColumn();
    return last >= 0 && GetItemRect(last, rect);
}

bool ListHeader::ItemRect(int32_t index, int32_t count, int32_t clientRight, RECT* rect)
{
    HDITEMW item = {};
    item.mask = HDI_ORDER;
    if (!GetItem(index, &item) || !GetItemRect(index, rect))
        return false;
    if (item.iOrder == count - 1 && rect->right < clientRight)
        rect->right = clientRight;
    return true;
}

int32_t ListHeader::ItemAt(POINT client)
{
    RECT bounds;
    ::GetClientRect(m_hWnd, &bounds);
    const int32_t count = GetItemCount();
    for (int32_t j = 0; j < count; ++j) {
        RECT rect;
        if (ItemRect(j, count, bounds.right, &rect) && ::PtInRect(&rect, client))
            return j;
    }
    return -1;
}

void ListHeader::Paint()
{
    OffScreenPaint paint(this, inheritBackground_, background_);
    MemDC* canvas = paint.GetCanvas();
    if (!canvas)
        return;
    const RECT& client = paint.GetClient();
    if (inheritBackground_)
        drawer_->FillBackground(canvas, client.left, client.top, client.right, client.bottom, 0, 0, 0, 0);
    else
        drawer_->FillBackground(canvas, client.left, client.top, client.right, client.bottom, 1,
                                GetRValue(background_), GetGValue(background_), GetBValue(background_));
    // The looks are sampled here; mouse moves and the leaving mouse ask for the next paint.
    const POINT cursor = CursorInWindow();
    const bool buttonDown = IsKeyHeld(VK_LBUTTON);
    const int32_t count = GetItemCount();
    for (int32_t j = 0; j < count; ++j) {
        wchar_t caption[kCaptionBuffer] = {};
        HDITEMW item = {};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_ORDER;
        item.pszText = caption;
        item.cchTextMax = kCaptionBuffer;
        RECT rect;
        if (!GetItem(j, &item) || !GetItemRect(j, &rect))
            continue;
        if (item.iOrder == count - 1 && rect.right < client.right)
            rect.right = client.right;
        int32_t state = 0;
        if (::PtInRect(&rect, cursor))
            state = buttonDown ? 2 : 1;
        StoreWidth(j, rect.right - rect.left);
        drawer_->DrawItem(canvas, rect.left, rect.top, rect.right, rect.bottom, state, caption, &font_);
    }
    // While a column is dragged the control's own drag feedback stays on screen.
    if (!screenCopySuspended_)
        paint.CopyToScreen();
}

void ListHeader::TrackHover(POINT client)
{
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track = {};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_hWnd;
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    const int32_t item = ItemAt(client);
    if (item == hotItem_)
        return;
    hotItem_ = item;
    if (drawer_)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool ListHeader::HandleLayout(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = CHeaderCtrl::DefWindowProc(HDM_LAYOUT, wParam, lParam);
    HDLAYOUT* layout = reinterpret_cast<HDLAYOUT*>(lParam);
    if (!layout || !layout->pwpos || !layout->prc)
        return true;
    if (heightFixed_ || drawer_) {
        layout->pwpos->cy = headerHeight_;
        layout->prc->top = headerHeight_;
    } else {
        headerHeight_ = layout->pwpos->cy;
    }
    *result = 0;
    return true;
}

void ListHeader::HandleButtonUp(POINT client)
{
    RECT last;
    const bool inExtension = LastColumnRect(&last) && client.y >= last.top && client.y < last.bottom &&
                             client.x >= last.right;
    if (inExtension && pressedRightOfLastColumn_) {
        // The list takes it as a click on the last column's header.
        NMLISTVIEW click = {};
        click.hdr.hwndFrom = m_hWnd;
        click.hdr.code = LVN_COLUMNCLICK;
        click.iItem = -1;
        click.iSubItem = LastColumn();
        if (HWND list = NativeWindowOf(parent_))
            ::SendMessageW(list, msg::kReflectColumnClick, 0, reinterpret_cast<LPARAM>(&click));
    }
    pressedRightOfLastColumn_ = false;
}

bool ListHeader::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        if (!drawer_)
            return false;
        Paint();
        return true;
    case WM_ERASEBKGND:
        if (!drawer_)
            return false;
        *result = 1;
        return true;
    case WM_NCHITTEST: {
        RECT last;
        cursorLeftOfLastColumn_ = LastColumnRect(&last) && CursorInWindow().x < last.left;
        return false;
    }
    case WM_SETCURSOR:
        if (cursorLeftOfLastColumn_)
            return false;
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
        *result = 1;
        return true;
    case WM_MOUSEMOVE:
        TrackHover(ClientPoint(lParam));
        return false;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        hotItem_ = -1;
        if (drawer_)
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return false;
    case WM_LBUTTONDOWN: {
        const POINT client = ClientPoint(lParam);
        RECT last;
        if (LastColumnRect(&last) && client.y >= last.top && client.y < last.bottom && client.x >= last.right)
            pressedRightOfLastColumn_ = true;
        // The pressed look.
        if (drawer_)
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return false;
    }
    case WM_LBUTTONUP:
        HandleButtonUp(ClientPoint(lParam));
        if (drawer_)
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return false;
    case WM_LBUTTONDBLCLK: {
        RECT last;
        // No divider double click sizes the stretched last column.
        if (!LastColumnRect(&last) || ClientPoint(lParam).x >= last.left)
            return true;
        return false;
    }
    case HDM_LAYOUT:
        return HandleLayout(wParam, lParam, result);
    case msg::kReflectCtlColor:
        *result = AnswerReflectedColor(&ctlColorBrush_, reinterpret_cast<HDC>(wParam), inheritBackground_, parent_,
                                       background_, font_.GetColor());
        return true;
    case msg::kReflectHeaderBeginDrag:
        screenCopySuspended_ = true;
        return false;
    case msg::kReflectHeaderEndDrag:
        screenCopySuspended_ = false;
        if (drawer_)
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return false;
    case msg::kSkinChanged:
        TakeSkinDrawer();
        return true;
    default:
        return Component<IListHeader, CHeaderCtrl>::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s
