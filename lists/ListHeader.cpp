// The header's pool, reset, attachment to the list-view's header control, drawer and height.
#include "lists/ListHeader.h"

#include <algorithm>

#include "images/win/BufferedImage.h"
#include "skins/ISkin.h"
#include "skins/drawer/IListHeader.h"
#include "storage/lang/Localizer.h"
#include "windowing/Messages.h"

namespace s {
namespace gui {
namespace win {

ListHeader::ListHeader() : drawer_(nullptr), drawerOwned_(false), localizer_(nullptr)
{
    ResetHeader();
}

ListHeader::~ListHeader()
{
    Reset();
}

thread::EasyPooler* ListHeader::GetPool()
{
    static const bool partsFirst = Font::GetPool() && image::win::BufferedImage::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<ListHeader, kPoolCapacity>();
}

ListHeader* ListHeader::New()
{
    return static_cast<ListHeader*>(GetPool()->Take());
}

const wchar_t* ListHeader::GetClassName()
{
    return kClassName;
}

base::IObject* ListHeader::NewInstance()
{
    return New();
}

void ListHeader::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ListHeader::Reset()
{
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetHeader();
}

void ListHeader::ResetHeader()
{
    background_ = RGB(255, 255, 255);
    inheritBackground_ = true;
    font_.Reset();
    ctlColorBrush_.DeleteObject();
    headerHeight_ = kDefaultHeight;
    heightFixed_ = false;
    if (drawerOwned_ && drawer_)
        drawer_->ReleaseToPool();
    drawer_ = nullptr;
    drawerOwned_ = false;
    columnOrder_.FreeAll();
    columnWidths_.FreeAll();
    cursorLeftOfLastColumn_ = true;
    pressedRightOfLastColumn_ = false;
    screenCopySuspended_ = false;
    hotItem_ = -1;
    trackingLeave_ = false;
}

bool ListHeader::AttachControl(HWND control)
{
    if (m_hWnd)
        return m_hWnd == control;
    return control && SubclassWindow(control);
}

bool ListHeader::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (m_hWnd)
            UnsubclassWindow();
        if (!parent_)
            return true;
        parent_ = nullptr;
        if (localizer_)
            localizer_->RemoveListener(this);
        localizer_ = nullptr;
        const bool skinned = skinLink_.Leave(this);
        // The skin's drawer is not kept: its manager may give it back once nobody follows.
        if (skinned && !drawerOwned_)
            drawer_ = nullptr;
        window_ = nullptr;
        return true;
    }
    AttachTo(parent);
    if (window_ && window_->HasLocalizer()) {
        localizer_ = window_->GetLocalizer();
        if (localizer_)
            localizer_->AddListener(this);
    }
    if (skinLink_.Join(window_, this))
        TakeSkinDrawer();
    return m_hWnd != nullptr;
}

void ListHeader::OnEvent(base::IObject* source, int32_t)
{
    skinLink_.Follow(source, m_hWnd, [this] { TakeSkinDrawer(); });
}

void ListHeader::TakeSkinDrawer()
{
    drawer::ISkin* skin = skinLink_.GetCurrentSkin();
    SetDrawer(skin ? skin->GetListHeaderDrawer() : nullptr, false);
}

void ListHeader::SetDrawer(drawer::IListHeader* drawer, bool owned)
{
    if (drawerOwned_ && drawer_ && drawer_ != drawer)
        drawer_->ReleaseToPool();
    drawer_ = drawer;
    drawerOwned_ = drawer && owned;
    if (drawer) {
        drawer->ApplyToFonts(&font_);
        if (!heightFixed_)
            headerHeight_ = drawer->GetHeight();
    }
    RelayoutList();
    Redraw();
}

int32_t ListHeader::GetHeight()
{
    if (!m_hWnd || !(::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & WS_VISIBLE))
        return 0;
    return headerHeight_;
}

void ListHeader::SetHeight(int32_t height)
{
    headerHeight_ = height;
    heightFixed_ = true;
    RelayoutList();
}

void ListHeader::RelayoutList()
{
    HWND list = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    RECT bounds;
    if (!list || !::GetWindowRect(list, &bounds))
        return;
    // The list-view lays out its header only when its size changes: one pixel less and back.
    const int32_t width = bounds.right - bounds.left;
    const int32_t height = bounds.bottom - bounds.top;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    ::SetWindowPos(list, nullptr, 0, 0, width, height + 1, flags);
    ::SetWindowPos(list, nullptr, 0, 0, width, height, flags & ~static_cast<UINT>(SWP_NOREDRAW));
}

void ListHeader::SetLayoutSize(int32_t width, int32_t height)
{
    SetSize(std::min(width, GetMaxWidth()), std::min(height, GetMaxHeight()));
}

void ListHeader::Redraw()
{
    if (m_hWnd)
        RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void ListHeader::StoreWidth(int32_t index, int32_t width)
{
    if (index < static_cast<int32_t>(columnWidths_.GetCount()))
        columnWidths_.Set(static_cast<uint32_t>(index), width);
    else
        columnWidths_.Append(width);
}

void ListHeader::RefreshColumnWidths()
{
    const int32_t count = GetItemCount();
    for (int32_t i = 0; i < count; ++i) {
        RECT rect = {};
        GetItemRect(i, &rect);
        StoreWidth(i, rect.right - rect.left);
    }
}

} // namespace win
} // namespace gui
} // namespace s
