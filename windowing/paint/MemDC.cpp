#include "windowing/paint/MemDC.h"

#include "images/win/BufferedImage.h"
#include "mfc/Wnd.h"

namespace s {
namespace gui {
namespace win {

MemDC::MemDC() : ownsImage_(false), image_(nullptr), previous_(nullptr) {}

MemDC::~MemDC()
{
    Reset();
    DeleteDC();
}

thread::EasyPooler* MemDC::GetPool()
{
    return &thread::PoolOf<MemDC, kPoolCapacity>();
}

MemDC* MemDC::Create(CWnd* window, image::win::BufferedImage* image, bool ownsImage)
{
    MemDC* memory = thread::TakeFromPool<MemDC, kPoolCapacity>();
    if (!memory)
        return nullptr;
    const HWND handle = window ? window->GetSafeHwnd() : nullptr;
    HDC windowDc = GetDC(handle);
    if (windowDc) {
        memory->m_hDC = ::CreateCompatibleDC(windowDc);
        ReleaseDC(handle, windowDc);
    }
    if (!memory->m_hDC) {
        memory->ReleaseToPool();
        return nullptr;
    }
    memory->image_ = image;
    if (image && image->GetBitmapHandle())
        memory->previous_ = memory->SelectObject(image->GetBitmapHandle());
    memory->ownsImage_ = image && ownsImage;
    return memory;
}

const wchar_t* MemDC::GetClassName()
{
    return kClassName;
}

base::IObject* MemDC::NewInstance()
{
    return thread::TakeFromPool<MemDC, kPoolCapacity>();
}

void MemDC::ReleaseToPool()
{
    Reset();
    GetPool()->Give(this);
}

void MemDC::Reset()
{
    if (previous_)
        SelectObject(previous_);
    previous_ = nullptr;
    if (image_ && ownsImage_)
        image_->ReleaseToPool();
    image_ = nullptr;
    ownsImage_ = false;
}

} // namespace win
} // namespace gui
} // namespace s
