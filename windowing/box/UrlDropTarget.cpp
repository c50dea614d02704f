#include "windowing/box/UrlDropTarget.h"

#include <string>

#include "core/str/StrBuffer.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace gui {
namespace win {

namespace {

// Registered once per process; the narrow format is made too, as browsers offer both.
CLIPFORMAT RegisterUrlFormats()
{
    ::RegisterClipboardFormatW(L"UniformResourceLocator");
    return static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(L"UniformResourceLocatorW"));
}

// The text of a block, read only within the block's own size: a block without a closing NUL
// ends at its last whole character.
std::wstring TextOfBlock(HGLOBAL block)
{
    std::wstring text;
    const SIZE_T characters = ::GlobalSize(block) / sizeof(wchar_t);
    const wchar_t* data = static_cast<const wchar_t*>(::GlobalLock(block));
    if (!data)
        return text;
    SIZE_T length = 0;
    while (length < characters && data[length] != L'\0')
        ++length;
    text.assign(data, length);
    ::GlobalUnlock(block);
    return text;
}

} // namespace

UrlDropTarget::UrlDropTarget() : url_(str::strbuffer::StrBuffer::New()), owner_(nullptr)
{
    GetUrlFormat();
}

UrlDropTarget::~UrlDropTarget()
{
    Reset();
    if (url_)
        url_->ReleaseToPool();
}

thread::EasyPooler* UrlDropTarget::GetPool()
{
    static const bool partsFirst = str::strbuffer::StrBuffer::GetPool() != nullptr;
    (void)partsFirst;
    return &thread::PoolOf<UrlDropTarget, kPoolCapacity>();
}

UrlDropTarget* UrlDropTarget::New()
{
    return static_cast<UrlDropTarget*>(GetPool()->Take());
}

const wchar_t* UrlDropTarget::GetClassName()
{
    return kClassName;
}

base::IObject* UrlDropTarget::NewInstance()
{
    return New();
}

void UrlDropTarget::ReleaseToPool()
{
    GetPool()->Give(this);
}

void UrlDropTarget::Reset()
{
    Revoke();
    if (url_)
        url_->Assign(L"");
    owner_ = nullptr;
}

const wchar_t* UrlDropTarget::GetUrl()
{
    return url_ ? url_->GetText() : L"";
}

CLIPFORMAT UrlDropTarget::GetUrlFormat()
{
    static const CLIPFORMAT format = RegisterUrlFormats();
    return format;
}

DROPEFFECT UrlDropTarget::EffectFor(COleDataObject* data)
{
    return data && data->IsDataAvailable(GetUrlFormat()) ? DROPEFFECT_LINK : DROPEFFECT_NONE;
}

DROPEFFECT UrlDropTarget::OnDragEnter(CWnd*, COleDataObject* data, DWORD, POINT)
{
    return EffectFor(data);
}

DROPEFFECT UrlDropTarget::OnDragOver(CWnd*, COleDataObject* data, DWORD, POINT)
{
    return EffectFor(data);
}

BOOL UrlDropTarget::OnDrop(CWnd*, COleDataObject* data, DROPEFFECT, POINT)
{
    if (url_)
        url_->Assign(L"");
    HGLOBAL block = data ? data->GetGlobalData(GetUrlFormat()) : nullptr;
    // Nothing to read: the drop is over all the same.
    if (!block)
        return TRUE;
    const std::wstring text = TextOfBlock(block);
    ::GlobalFree(block);
    if (url_)
        url_->Assign(text.c_str());
    if (owner_)
        owner_->OnEvent(this, kEventDropped);
    return TRUE;
}

} // namespace win
} // namespace gui
} // namespace s
