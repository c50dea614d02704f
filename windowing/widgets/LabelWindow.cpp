// The label's native window: creation, measuring, painting, messages and the link's mouse.
#include <windows.h>

#include <algorithm>

#include "core/str/StrBuffer.h"
#include "images/win/BufferedImage.h"
#include "mfc/ClientDC.h"
#include "mfc/PaintDC.h"
#include "skins/drawer/IText.h"
#include "storage/lang/Localizer.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/component/CopyParentBackground.h"
#include "windowing/paint/MemDC.h"
#include "windowing/widgets/Label.h"

namespace s {
namespace gui {
namespace win {

bool Label::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (!parent_ && !m_hWnd)
            return true;
        LeaveLocalizer();
        const bool skinned = skinLink_.Leave(this);
        DetachFromParent();
        // The skin's drawer is not kept: its manager may give it back once nobody follows.
        if (skinned && !ownsDrawer_)
            StoreDrawer(nullptr, false);
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    if (!CreateToolkitChild(this, NativeWindowOf(parent), WS_EX_TRANSPARENT)) {
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    JoinLocalizer();
    // Measured below with the skin's drawer.
    if (skinLink_.Join(window_, this))
        StoreDrawer(SkinTextDrawer(), false);
    if (textId_ != -1 && localizer_ && text_)
        text_->Assign(localizer_->GetText(textId_));
    // Hidden until the layout first places it.
    Measure();
    return true;
}

void Label::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (m_hWnd)
        ::EnableWindow(m_hWnd, enabled ? TRUE : FALSE);
    // The disabled font may measure differently.
    Measure();
    Redraw();
}

void Label::Measure()
{
    widthCache_.SetCount(0);
    heightCache_.SetCount(0);
    if (!m_hWnd)
        return;
    CClientDC dc(this);
    minWidth_ = minHeight_ = preferredWidth_ = preferredHeight_ = 0;
    if (drawer::IText* drawer = GetTextDrawer()) {
        IFont* font = enabled_ ? &font_ : GetDisabledFont();
        drawer->GetTextSizeLimits(&dc, GetText(), font ? font : &font_, &minWidth_, &minHeight_, &preferredWidth_,
                                  &preferredHeight_);
    }
    if (parent_)
        parent_->RequestLayout();
}

void Label::SetLayoutSize(int32_t width, int32_t)
{
    width = std::max(width, 0);
    drawer::IText* drawer = GetTextDrawer();
    int32_t measuredWidth = 0;
    int32_t measuredHeight = 0;
    const bool cached = width < kCachedWidthLimit;
    if (cached && static_cast<int32_t>(heightCache_.GetCount()) > width && heightCache_.Get(width) != -1) {
        measuredWidth = widthCache_.Get(width);
        measuredHeight = heightCache_.Get(width);
    } else {
        if (drawer) {
            CClientDC dc(this);
            // The enabled state's font, also while disabled: the size stays when the state changes.
            drawer->MeasureText(&dc, 0, 0, width, 0, GetText(), &font_, &measuredWidth, &measuredHeight);
        }
        if (cached) {
            const int32_t count = static_cast<int32_t>(heightCache_.GetCount());
            if (count < width + 1) {
                widthCache_.SetCount(width + 1);
                heightCache_.SetCount(width + 1);
                for (int32_t i = count; i <= width; ++i) {
                    widthCache_.Set(i, -1);
                    heightCache_.Set(i, -1);
                }
            }
            widthCache_.Set(width, measuredWidth);
            heightCache_.Set(width, measuredHeight);
        }
    }
    SetSize(measuredWidth, measuredHeight);
}

void Label::Paint()
{
    CPaintDC dc(this);
    if (!visible_)
        return;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int32_t width = client.right - client.left;
    const int32_t height = client.bottom - client.top;
    // A label of no size paints nothing and makes no image.
    if (width <= 0 || height <= 0 || !dc.GetSafeHdc())
        return;
    image::win::BufferedImage* image = image::win::BufferedImage::New();
    if (!image)
        return;
    if (!image->Create(width, height)) {
        image->ReleaseToPool();
        return;
    }
    MemDC* memory = MemDC::Create(this, image, true);
    if (!memory) {
        image->ReleaseToPool();
        return;
    }
    if (!inheritBackground_ || !CopyParentBackground(this, memory))
        memory->FillSolidRect(client, GetEffectiveBackgroundColor());
    if (drawer::IText* drawer = GetTextDrawer())
        drawer->DrawText(memory, client.left, client.top, client.right, client.bottom, GetText(), PaintFont());
    dc.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
    memory->ReleaseToPool();
}

bool Label::IsInside(LPARAM lParam)
{
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    // Signed: a captured mouse reports points left of and above the window.
    const int32_t x = static_cast<int16_t>(LOWORD(lParam));
    const int32_t y = static_cast<int16_t>(HIWORD(lParam));
    // The right and bottom edges count as inside.
    return 0 <= x && x <= client.right && 0 <= y && y <= client.bottom;
}

void Label::SetHoverState(int32_t state)
{
    if (state == hoverState_)
        return;
    hoverState_ = state;
    if (m_hWnd) {
        Invalidate(FALSE);
        UpdateWindow();
    }
}

void Label::HandleMouseMove(WPARAM wParam, LPARAM lParam)
{
    const bool inside = IsInside(lParam);
    if (pressed_) {
        SetHoverState(inside ? kHoverPressed : kHoverNormal);
        return;
    }
    if (inside) {
        // A button held down from elsewhere does not make the link hover.
        if (wParam & MK_LBUTTON)
            return;
        SetHoverState(kHoverOver);
        if (::GetCapture() != m_hWnd)
            SetCapture();
        return;
    }
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    SetHoverState(kHoverNormal);
}

void Label::HandleButtonDown(LPARAM lParam)
{
    if (!IsInside(lParam))
        return;
    pressed_ = true;
    SetHoverState(kHoverPressed);
}

bool Label::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        Paint();
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_NCHITTEST:
        *result = DefWindowProc(message, wParam, lParam);
        if (!link_ && *result == HTCLIENT)
            *result = HTTRANSPARENT;
        return true;
    case WM_TIMER:
        if (wParam == msg::kLabelRestoreTimer)
            RestoreKeptText();
        return false;
    case WM_MOUSEMOVE:
        if (link_)
            HandleMouseMove(wParam, lParam);
        return false;
    case WM_LBUTTONDOWN:
        if (link_)
            HandleButtonDown(lParam);
        return false;
    case WM_LBUTTONUP:
        HandleButtonUp(lParam);
        return false;
    case msg::kLabelSetText: {
        const TextChange* change = reinterpret_cast<const TextChange*>(wParam);
        if (change && FromThisProcess(lParam))
            *result = ApplyText(change->text, change->redraw) ? 1 : 0;
        return true;
    }
    case msg::kSkinChanged:
        TakeSkinDrawer();
        return true;
    case msg::kLabelTemporaryText: {
        const TemporaryText* temporary = reinterpret_cast<const TemporaryText*>(wParam);
        if (temporary && FromThisProcess(lParam)) {
            ApplyTemporaryText(temporary->text, temporary->periodMillis);
            *result = 1;
        }
        return true;
    }
    default:
        return Component<ILabel>::HandleMessage(result, message, wParam, lParam);
    }
}

} // namespace win
} // namespace gui
} // namespace s
