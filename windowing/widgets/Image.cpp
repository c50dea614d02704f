#include "windowing/widgets/Image.h"

#include "core/time/Time.h"
#include "images/FitSize.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "skins/drawer/image/Basic.h"
#include "windowing/component/ComponentNative.h"

namespace s {
namespace gui {
namespace win {

namespace {

Image::MillisClock clock_ = nullptr;

// Pictures added to a set of the widget's own: 32 bits, no delay, drawn whole.
const int32_t kOwnSetDepth = 32;

} // namespace

Image::Image()
    : backImage_(nullptr), naturalWidth_(0), naturalHeight_(0), imageWidth_(0), imageHeight_(0),
      specialBackground_(true), checkerboard_(false), set_(nullptr), setOwned_(true), stretch_(false),
      keepRatio_(true), heightPerWidth_(1.0), widthPerHeight_(1.0), border_(false), borderColor_(0),
      paintingSuspended_(false), dragEnabled_(false), dragging_(false), dragStart_{0, 0}, lastCursor_{0, 0},
      defaultDrawer_(drawer::image::win::Basic::New()), drawer_(nullptr), ownsDrawer_(false), blend_(false),
      paused_(0), currentFrame_(0), nextDelay_(0), currentCombineMode_(0), lastFrameTime_(0), inTimerTick_(0)
{
    background_ = 0;
}

Image::~Image()
{
    Reset();
    if (defaultDrawer_)
        defaultDrawer_->ReleaseToPool();
}

// The pools of what an image holds are made first, so that they outlive the image pool at exit.
thread::EasyPooler* Image::GetPool()
{
    static const bool heldPoolsMade = drawer::image::win::Basic::GetPool() &&
                                      image::win::BufferedImage::GetPool() &&
                                      image::win::BufferedImageSet::GetPool();
    (void)heldPoolsMade;
    return &thread::PoolOf<Image, kPoolCapacity>();
}

Image* Image::New()
{
    return static_cast<Image*>(GetPool()->Take());
}

Image::MillisClock Image::SetClock(MillisClock clock)
{
    MillisClock previous = clock_;
    clock_ = clock;
    return previous;
}

int64_t Image::Now()
{
    return clock_ ? clock_() : time::NowMillis();
}

const wchar_t* Image::GetClassName()
{
    return kClassName;
}

base::IObject* Image::NewInstance()
{
    return New();
}

void Image::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Image::Reset()
{
    StopAnimation(false);
    SetVisible(true, true);
    CreateWindowIn(nullptr);
    ResetComponent();
    background_ = 0;
    specialBackground_ = true;
    checkerboard_ = false;
    {
        thread::ScopedLock hold(lock_);
        ReleaseSet();
        currentFrame_ = 0;
        currentCombineMode_ = 0;
    }
    naturalWidth_ = naturalHeight_ = imageWidth_ = imageHeight_ = 0;
    stretch_ = false;
    keepRatio_ = true;
    heightPerWidth_ = widthPerHeight_ = 1.0;
    border_ = false;
    borderColor_ = 0;
    paintingSuspended_ = false;
    dragEnabled_ = false;
    dragging_ = false;
    ReleaseExplicitDrawer();
    // A widget waiting in the pool keeps no pixels.
    ReleaseBackImage();
}

bool Image::CreateWindowIn(IComponent* parent)
{
    if (!parent) {
        if (parent_ || m_hWnd)
            DetachFromParent();
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
    UpdateNaturalSize();
    return true;
}

void Image::InheritBackground(bool redraw)
{
    specialBackground_ = true;
    checkerboard_ = false;
    inheritBackground_ = true;
    if (redraw && IsShown())
        Redraw();
}

void Image::SetCheckerboardBackground(bool redraw)
{
    specialBackground_ = true;
    checkerboard_ = true;
    inheritBackground_ = false;
    if (redraw && IsShown())
        Redraw();
}

void Image::SetBackgroundColor(int32_t red, int32_t green, int32_t blue, bool redraw)
{
    specialBackground_ = false;
    Component<IImage>::SetBackgroundColor(red, green, blue, redraw);
}

void Image::ResetBackgroundColor(bool redraw)
{
    specialBackground_ = false;
    Component<IImage>::ResetBackgroundColor(redraw);
}

void Image::SetImage(image::win::BufferedImage* picture, bool handOver, bool stretch, bool keepRatio, bool blend,
                     int32_t width, int32_t height)
{
    image::win::BufferedImageSet* set = nullptr;
    if (picture) {
        image::win::BufferedImage* own = picture;
        if (!handOver)
            own = dynamic_cast<image::win::BufferedImage*>(picture->CopyTo(nullptr));
        set = own ? image::win::BufferedImageSet::New() : nullptr;
        if (set)
            set->AddImage(own, kOwnSetDepth, 0, 0);
        else if (own)
            own->ReleaseToPool();
    }
    SetImageSet(set, true, stretch, keepRatio, blend, width, height);
}

void Image::SetImageSet(image::win::BufferedImageSet* set, bool owned, bool stretch, bool keepRatio, bool blend,
                        int32_t width, int32_t height)
{
    const bool wasSuspended = paintingSuspended_;
    SetPaintingSuspended(true);
    StopAnimation(false);
    {
        thread::ScopedLock hold(lock_);
        // Replacing the shown set by itself must not release it.
        if (set != set_)
            ReleaseSet();
        currentFrame_ = 0;
        currentCombineMode_ = 0;
        set_ = set;
        setOwned_ = owned;
        if (set && set->GetCount() > 1) {
            if (set->IsAnimated()) {
                // Composed once here, so that every frame paints as one picture.
                image::win::BufferedImageSet* composed = set->ComposeFrames();
                if (composed) {
                    if (owned)
                        set->ReleaseToPool();
                    set_ = composed;
                    setOwned_ = true;
                }
            } else {
                currentFrame_ = set->GetPrimaryIndex();
            }
        }
    }
    stretch_ = stretch;
    keepRatio_ = keepRatio;
    blend_ = blend;
    if (width >= 0) {
        fixedWidth_ = width + Border();
        widthPercent_ = kNotSet;
    }
    if (height >= 0) {
        fixedHeight_ = height + Border();
        heightPercent_ = kNotSet;
    }
    UpdateNaturalSize();
    if (!wasSuspended)
        SetPaintingSuspended(false);
    Redraw();
}

int32_t Image::GetImageWidth()
{
    return set_ ? set_->GetWidth() : 0;
}

int32_t Image::GetImageHeight()
{
    return set_ ? set_->GetHeight() : 0;
}

void Image::FitSize(int32_t* width, int32_t* height)
{
    if (set_)
        image::FitSizeKeepingAspect(set_, width, height);
}

int32_t Image::GetImageCount()
{
    return set_ ? set_->GetCount() : 0;
}

bool Image::IsAnimated()
{
    return set_ && set_->IsAnimated();
}

void Image::RecomputeImageSize()
{
    if (set_)
        set_->UpdatePrimaryImage();
    UpdateNaturalSize();
}

void Image::UpdateNaturalSize()
{
    if (!m_hWnd)
        return;
    if (set_) {
        imageWidth_ = set_->GetWidth();
        imageHeight_ = set_->GetHeight();
        naturalWidth_ = stretch_ ? 0 : imageWidth_;
        naturalHeight_ = stretch_ ? 0 : imageHeight_;
        // An empty picture has no proportions; the ratios stay neutral rather than divide by 0.
        const bool sized = imageWidth_ > 0 && imageHeight_ > 0;
        heightPerWidth_ = sized ? static_cast<double>(imageHeight_) / imageWidth_ : 1.0;
        widthPerHeight_ = sized ? static_cast<double>(imageWidth_) / imageHeight_ : 1.0;
    } else {
        naturalWidth_ = naturalHeight_ = imageWidth_ = imageHeight_ = 0;
        heightPerWidth_ = widthPerHeight_ = 1.0;
    }
    if (parent_)
        parent_->RequestLayout();
}

void Image::SetWidthPercent(int32_t percent)
{
    widthPercent_ = percent;
    fixedWidth_ = kNotSet;
}

void Image::SetHeightPercent(int32_t percent)
{
    heightPercent_ = percent;
    fixedHeight_ = kNotSet;
}

void Image::SetWidthPixels(int32_t pixels)
{
    fixedWidth_ = pixels;
    widthPercent_ = kNotSet;
}

void Image::SetHeightPixels(int32_t pixels)
{
    fixedHeight_ = pixels;
    heightPercent_ = kNotSet;
}

void Image::SetDrawer(drawer::IImage* drawer, bool owned)
{
    if (drawer != drawer_)
        ReleaseExplicitDrawer();
    drawer_ = drawer;
    ownsDrawer_ = drawer && owned;
    Redraw();
}

bool Image::SetPaintingSuspended(bool suspended)
{
    if (suspended == paintingSuspended_)
        return false;
    paintingSuspended_ = suspended;
    if (suspended) {
        SuspendBounds();
        return true;
    }
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    ResumeBounds();
    return true;
}

void Image::ReleaseSet()
{
    if (set_ && setOwned_)
        set_->ReleaseToPool();
    set_ = nullptr;
    setOwned_ = true;
}

void Image::ReleaseExplicitDrawer()
{
    if (drawer_ && ownsDrawer_)
        drawer_->ReleaseToPool();
    drawer_ = nullptr;
    ownsDrawer_ = false;
}

void Image::ReleaseBackImage()
{
    if (backImage_)
        backImage_->ReleaseToPool();
    backImage_ = nullptr;
}

bool Image::IsOwnThread() const
{
    return !m_hWnd || ::GetWindowThreadProcessId(m_hWnd, nullptr) == ::GetCurrentThreadId();
}

} // namespace win
} // namespace gui
} // namespace s
