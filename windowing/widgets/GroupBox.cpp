// The group box's pool, setters, content and sizes.
#include "windowing/widgets/GroupBox.h"

#include <algorithm>
#include <iterator>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "images/win/BufferedImage.h"
#include "windowing/box/Box.h"
#include "windowing/component/ChildList.h"
#include "windowing/drawer/groupbox/Basic.h"
#include "windowing/layout/LayoutPile.h"

namespace s {
namespace gui {
namespace win {

GroupBox::GroupBox()
    : defaultDrawer_(drawer::groupbox::win::Basic::New()), noFiles_(str::strarray::StrArray::New()), inLayout_(false)
{
    ResetGroupBox();
}

GroupBox::~GroupBox()
{
    Reset();
    if (noFiles_)
        noFiles_->ReleaseToPool();
    if (defaultDrawer_)
        defaultDrawer_->ReleaseToPool();
}

thread::EasyPooler* GroupBox::GetPool()
{
    static const bool partsFirst = str::strbuffer::StrBuffer::GetPool() && str::strarray::StrArray::GetPool() &&
                                   Font::GetPool() && drawer::groupbox::win::Basic::GetPool() &&
                                   image::win::BufferedImage::GetPool();
    (void)partsFirst;
    return &thread::PoolOf<GroupBox, kPoolCapacity>();
}

GroupBox* GroupBox::New()
{
    return static_cast<GroupBox*>(GetPool()->Take());
}

GroupBox* GroupBox::CreateWithBox(const wchar_t* caption, double widthPercent, int32_t layoutKind, int32_t hGap,
                                  int32_t vGap)
{
    GroupBox* group = New();
    Box* box = Box::GetPool() ? static_cast<Box*>(Box::GetPool()->Take()) : nullptr;
    if (!group || !box) {
        if (group)
            group->ReleaseToPool();
        if (box)
            box->ReleaseToPool();
        return nullptr;
    }
    switch (layoutKind) {
    case IBox::kRow:
        box->SetHorizontal();
        break;
    case IBox::kColumn:
        box->SetVertical();
        break;
    case IBox::kFlow:
        box->SetFlow();
        break;
    case IBox::kPile:
        box->SetPile();
        break;
    default:
        break;
    }
    box->SetWidthPercent(100, true);
    box->SetHeightPercent(100, true);
    box->SetHAlignLeft();
    box->SetVAlignTop();
    if (hGap > 0)
        box->SetHGap(hGap);
    if (vGap > 0)
        box->SetVGap(vGap);
    box->SetHMargins(kContentHMargins);
    box->SetVMargins(kContentVMargins);
    group->SetContent(box);
    group->SetCaption(caption);
    group->SetEnabled(true);
    if (widthPercent >= 0)
        group->SetWidthPercent(static_cast<int32_t>(widthPercent));
    return group;
}

const wchar_t* GroupBox::GetClassName()
{
    return kClassName;
}

base::IObject* GroupBox::NewInstance()
{
    return New();
}

void GroupBox::ReleaseToPool()
{
    GetPool()->Give(this);
}

void GroupBox::Reset()
{
    content_ = nullptr;
    SetVisible(true, true);
    RemoveAllChildrenFrom(&children_, true);
    children_.FreeAll();
    CreateWindowIn(nullptr);
    ResetComponent();
    ResetGroupBox();
}

void GroupBox::ResetGroupBox()
{
    // Hidden, it waits below the window's area, as its content Box does.
    hiddenY_ = -kHiddenY;
    content_ = nullptr;
    ReleaseBackBuffer();
    layoutManager_ = nullptr;
    contentMinWidth_ = contentMinHeight_ = contentMaxWidth_ = contentMaxHeight_ = 0;
    ResetCaptioned();
    captionWidth_ = captionHeight_ = 0;
    frameColor_ = drawer::groupbox::win::Basic::kFrame;
    if (defaultDrawer_)
        defaultDrawer_->Reset();
    insetLeft_ = insetRight_ = insetTop_ = insetBottom_ = 0;
    acceptFiles_ = false;
    fileDropListeners_.Clear();
    furtherListeners_.Clear();
    inLayout_ = false;
}

void GroupBox::SetWidthPercent(int32_t percent)
{
    widthPercent_ = percent;
    fixedWidth_ = kNotSet;
}

void GroupBox::SetHeightPercent(int32_t percent)
{
    heightPercent_ = percent;
    fixedHeight_ = kNotSet;
}

void GroupBox::SetWidthPixels(int32_t pixels)
{
    fixedWidth_ = pixels;
    widthPercent_ = kNotSet;
}

void GroupBox::SetHeightPixels(int32_t pixels)
{
    fixedHeight_ = pixels;
    heightPercent_ = kNotSet;
}

void GroupBox::SetFrameColor(int32_t red, int32_t green, int32_t blue)
{
    frameColor_ = ColorFromBytes(red, green, blue);
    GetDrawer()->SetFrameColor(red, green, blue);
    Redraw();
}

void GroupBox::AddListener(events::IEventListener* listener)
{
    if (listener)
        furtherListeners_.Append(listener);
}

void GroupBox::SetContent(IComponent* content)
{
    content_ = content;
    if (!content)
        return;
    if (acceptFiles_) {
        if (IBox* box = dynamic_cast<IBox*>(content)) {
            box->SetAcceptFiles(true);
            box->AddFileDropListener(this);
        }
    }
    children_.Append(content);
    if (m_hWnd) {
        CreateContentWindow();
        Measure();
    }
}

void GroupBox::CreateContentWindow()
{
    RequestChildCreation(m_hWnd, content_);
    OffsetContent();
}

void GroupBox::OffsetContent()
{
    if (content_ && (insetLeft_ != 0 || insetTop_ != 0))
        content_->SetOffset(insetLeft_, insetTop_);
}

void GroupBox::SetAcceptFiles(bool accept)
{
    if (accept == acceptFiles_)
        return;
    acceptFiles_ = accept;
    if (IBox* box = dynamic_cast<IBox*>(content_)) {
        box->SetAcceptFiles(accept);
        box->AddFileDropListener(this);
    }
}

void GroupBox::AddFileDropListener(events::IEventListener* listener)
{
    if (listener)
        fileDropListeners_.Append(listener);
}

str::strarray::StrArray* GroupBox::GetDroppedFiles()
{
    IBox* box = dynamic_cast<IBox*>(content_);
    return box ? box->GetDroppedFiles() : noFiles_;
}

drawer::IGroupBox* GroupBox::GetDrawer()
{
    return drawer_ ? drawer_ : defaultDrawer_;
}

void GroupBox::DoLayout()
{
    contentMinWidth_ = contentMinHeight_ = contentMaxWidth_ = contentMaxHeight_ = 0;
    if (!content_ || inLayout_)
        return;
    // The content asks for a new layout while it is laid out; that request is this one.
    inLayout_ = true;
    layout::LayoutPile(this, 0, 0, 0, &contentMinWidth_, &contentMinHeight_, &contentMaxWidth_, &contentMaxHeight_);
    inLayout_ = false;
}

// A content that now needs another size changes the group box's own limits, which its parent
// then lays out anew.
void GroupBox::RequestLayout()
{
    if (inLayout_)
        return;
    const int32_t before[] = {contentMinWidth_, contentMinHeight_, contentMaxWidth_, contentMaxHeight_};
    DoLayout();
    const int32_t after[] = {contentMinWidth_, contentMinHeight_, contentMaxWidth_, contentMaxHeight_};
    if (parent_ && !std::equal(std::begin(before), std::end(before), std::begin(after)))
        parent_->RequestLayout();
}

int32_t GroupBox::GetMinWidth()
{
    if (!IsShown())
        return 0;
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    return std::max(captionWidth_ + kCaptionAllowance, insetLeft_ + insetRight_ + contentMinWidth_);
}

int32_t GroupBox::GetMinHeight()
{
    if (!IsShown())
        return 0;
    return fixedHeight_ >= 0 ? fixedHeight_ : insetTop_ + insetBottom_ + contentMinHeight_;
}

int32_t GroupBox::GetMinClientWidth()
{
    return fixedWidth_ >= 0 ? fixedWidth_ : contentMinWidth_;
}

int32_t GroupBox::GetMinClientHeight()
{
    return fixedHeight_ >= 0 ? fixedHeight_ : contentMinHeight_;
}

int32_t GroupBox::GetMaxWidth()
{
    if (!IsShown())
        return 0;
    if (fixedWidth_ >= 0)
        return fixedWidth_;
    if (widthPercent_ < 0 || !parent_)
        return insetLeft_ + insetRight_ + std::max(contentMinWidth_, contentMaxWidth_);
    return static_cast<int32_t>(static_cast<int64_t>(parent_->GetClientWidth()) * widthPercent_ / 100);
}

int32_t GroupBox::GetMaxHeight()
{
    if (!IsShown())
        return 0;
    if (fixedHeight_ >= 0)
        return fixedHeight_;
    if (heightPercent_ < 0 || !parent_)
        return insetTop_ + insetBottom_ + std::max(contentMinHeight_, contentMaxHeight_);
    return static_cast<int32_t>(static_cast<int64_t>(parent_->GetClientHeight()) * heightPercent_ / 100);
}

void GroupBox::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (m_hWnd) {
        EnableWindow(enabled ? TRUE : FALSE);
        Redraw();
    }
}

void GroupBox::AddChild(IComponent* child)
{
    // Without a content there is nowhere to put it.
    if (!content_ || !child)
        return;
    content_->AddChild(child);
    if (m_hWnd)
        Measure();
}

} // namespace win
} // namespace gui
} // namespace s
