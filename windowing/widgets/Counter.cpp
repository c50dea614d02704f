#include "windowing/widgets/Counter.h"

#include <algorithm>

#include "images/win/BufferedImage.h"
#include "mfc/PaintDC.h"
#include "skins/ISkin.h"
#include "skins/drawer/counter/Basic.h"
#include "windowing/box/Box.h"
#include "windowing/component/ChildList.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/component/CopyParentBackground.h"
#include "windowing/layout/LayoutPile.h"
#include "windowing/paint/CounterData.h"
#include "windowing/paint/MemDC.h"

namespace s {
namespace gui {
namespace win {

namespace {

// The content Box: a column filling the counter, centred and top-aligned.
const int32_t kContentKind = IBox::kColumn;
const int32_t kContentPercent = 100;
const int32_t kCentre = 1;
const int32_t kTop = 0;

} // namespace

Counter::Counter()
    : defaultDrawer_(nullptr), drawer_(nullptr), ownsDrawer_(false), swapColors_(false), graphMode_(kHistoryColumns), marginLeft_(0), marginTop_(0),
      marginRight_(0), marginBottom_(0), primary_(counter::CounterData::New()),
      secondary_(counter::CounterData::New()), showSecondary_(false)
{
    drawer::counter::win::Basic* basic = drawer::counter::win::Basic::New();
    if (basic)
        basic->SetFirstColor(0, 0, 0);
    defaultDrawer_ = basic;
    hiddenY_ = kHiddenCounterY;
}

Counter::~Counter()
{
    Reset();
    if (defaultDrawer_)
        defaultDrawer_->ReleaseToPool();
    if (primary_)
        primary_->ReleaseToPool();
    if (secondary_)
        secondary_->ReleaseToPool();
}

// The pools of what a counter holds are made first, so that they outlive the counter pool at exit.
thread::EasyPooler* Counter::GetPool()
{
    static const bool heldPoolsMade = counter::CounterData::GetPool() &&
                                      drawer::counter::win::Basic::GetPool() && Box::GetPool() &&
                                      image::win::BufferedImage::GetPool();
    (void)heldPoolsMade;
    return &thread::PoolOf<Counter, kPoolCapacity>();
}

Counter* Counter::Create(double widthPercent)
{
    Counter* counter = static_cast<Counter*>(GetPool()->Take());
    if (!counter)
        return nullptr;
    Box* content = Box::Create(kContentKind, kContentPercent, kContentPercent, kCentre, kTop, -1, -1, -1, -1);
    if (content)
        counter->SetContent(content);
    if (widthPercent >= 0)
        counter->SetWidthPercent(static_cast<int32_t>(widthPercent));
    return counter;
}

const wchar_t* Counter::GetClassName()
{
    return kClassName;
}

base::IObject* Counter::NewInstance()
{
    return static_cast<Counter*>(GetPool()->Take());
}

void Counter::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Counter::Reset()
{
    SetVisible(true, true);
    RemoveAllChildrenFrom(&children_, true);
    CreateWindowIn(nullptr);
    ResetComponent();
    hiddenY_ = kHiddenCounterY;
    ReleaseExplicitDrawer();
    layoutManager_ = nullptr;
    content_ = nullptr;
    graphMode_ = kHistoryColumns;
    marginLeft_ = marginTop_ = marginRight_ = marginBottom_ = 0;
    if (primary_)
        primary_->Reset();
    if (secondary_)
        secondary_->Reset();
    showSecondary_ = false;
    swapColors_ = false;
    ReleaseBackBuffer();
}

bool Counter::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        const bool skinned = skinLink_.Leave(this);
        if (parent_ || m_hWnd)
            DetachFromParent();
        // The skin's drawer is not kept: its manager may give it back once nobody follows.
        if (skinned && !ownsDrawer_)
            drawer_ = nullptr;
        return true;
    }
    if (m_hWnd)
        return true;
    AttachTo(parent);
    if (!CreateToolkitChild(this, NativeWindowOf(parent), 0)) {
        parent_ = nullptr;
        window_ = nullptr;
        return false;
    }
    if (skinLink_.Join(window_, this)) {
        ReleaseExplicitDrawer();
        drawer_ = SkinCounterDrawer();
    }
    // The content's window is made by the counter's own procedure, on this thread, as its child.
    if (content_)
        RequestChildCreation(m_hWnd, content_);
    DoLayout();
    return true;
}

void Counter::OnEvent(base::IObject* source, int32_t)
{
    skinLink_.Follow(source, m_hWnd, [this] { SetDrawer(SkinCounterDrawer(), false); });
}

drawer::ICounter* Counter::SkinCounterDrawer()
{
    drawer::ISkin* skin = skinLink_.GetCurrentSkin();
    return skin ? skin->GetCounterDrawer() : nullptr;
}

void Counter::AddChild(IComponent* child)
{
    if (content_)
        content_->AddChild(child);
}

void Counter::DoLayout()
{
    minWidth_ = minHeight_ = preferredWidth_ = preferredHeight_ = 0;
    if (content_)
        layout::LayoutPile(this, 0, 0, 0, &minWidth_, &minHeight_, &preferredWidth_, &preferredHeight_);
}

void Counter::SetContent(IBox* box)
{
    content_ = box;
    if (box)
        children_.Append(static_cast<IComponent*>(box));
}

void Counter::SetDrawer(drawer::ICounter* drawer, bool owned)
{
    // The same drawer handed again (a skin whose colours changed) is only painted again.
    if (drawer != drawer_)
        ReleaseExplicitDrawer();
    drawer_ = drawer;
    ownsDrawer_ = drawer && owned;
    Redraw();
}

drawer::ICounter* Counter::GetDrawer()
{
    return drawer_ ? drawer_ : defaultDrawer_;
}

void Counter::SetMargins(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    // Callers pass -1 for "the default", which is none.
    marginLeft_ = std::max(left, 0);
    marginTop_ = std::max(top, 0);
    marginRight_ = std::max(right, 0);
    marginBottom_ = std::max(bottom, 0);
}

bool Counter::ToggleFlag()
{
    swapColors_ = !swapColors_;
    return swapColors_;
}

void Counter::SetWidthPercent(int32_t percent)
{
    widthPercent_ = percent;
    fixedWidth_ = kNotSet;
}

void Counter::SetHeightPercent(int32_t percent)
{
    heightPercent_ = percent;
    fixedHeight_ = kNotSet;
}

void Counter::ReleaseBackImages()
{
    ReleaseBackBuffer();
    if (content_)
        content_->ReleaseBackImage();
}

RECT Counter::GraphRect(int32_t width, int32_t height) const
{
    return RECT{marginLeft_, marginTop_, width - marginRight_, height - marginBottom_};
}

bool Counter::HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam)
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
        // Clicks go to what lies beneath the graph.
        *result = ::DefWindowProcW(m_hWnd, message, wParam, lParam);
        if (*result == HTCLIENT)
            *result = HTTRANSPARENT;
        return true;
    case msg::kSkinChanged:
        SetDrawer(SkinCounterDrawer(), false);
        return true;
    case WM_MOUSEWHEEL: {
        const HWND content = content_ ? NativeWindowOf(content_) : nullptr;
        *result = content ? ::SendMessageW(content, message, wParam, lParam) : 0;
        return true;
    }
    default:
        return Component<ICounter>::HandleMessage(result, message, wParam, lParam);
    }
}

void Counter::Paint()
{
    if (!m_hWnd)
        return;
    // Every paint covers the whole counter.
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    CPaintDC dc(this);
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    const int32_t width = client.right;
    const int32_t height = client.bottom;
    if (width <= 0 || height <= 0)
        return;
    if (backBuffer_ && (backBuffer_->GetCapacityWidth() != width || backBuffer_->GetCapacityHeight() != height))
        ReleaseBackBuffer();
    if (!backBuffer_)
        backBuffer_ = image::win::NewBufferedImage(width, height);
    // Compatible with the screen: another context of this window in the middle of its paint
    // would empty what the paint copies (seen under Wine).
    MemDC* memory = backBuffer_ ? MemDC::Create(nullptr, backBuffer_, false) : nullptr;
    if (memory) {
        if (inheritBackground_)
            CaptureParentBackground(memory);
        else
            memory->FillSolidRect(client, background_);
    }
    const RECT graph = GraphRect(width, height);
    if (drawer::ICounter* drawer = GetDrawer())
        drawer->DrawGraph(memory, graph.left, graph.top, graph.right, graph.bottom, graphMode_, primary_,
                          showSecondary_ ? secondary_ : nullptr, swapColors_);
    // The content paints itself over the graph; a counter without one copies everything.
    if (content_) {
        const int32_t left = content_->GetX();
        const int32_t top = content_->GetY();
        const RECT area = {left, top, left + content_->GetWidth(), top + content_->GetHeight()};
        dc.ExcludeClipRect(area);
    }
    dc.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
    if (memory)
        memory->ReleaseToPool();
}

void Counter::CaptureParentBackground(CDC* target)
{
    CopyParentBackground(this, target);
}


void Counter::ReleaseExplicitDrawer()
{
    if (drawer_ && ownsDrawer_)
        drawer_->ReleaseToPool();
    drawer_ = nullptr;
    ownsDrawer_ = false;
}

} // namespace win
} // namespace gui
} // namespace s
