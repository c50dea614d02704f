#include "lists/ExplorerDropTarget.h"

#include "core/str/StrArray.h"
#include "storage/events/IEventListener.h"
#include "windowing/DropFileList.h"

namespace s {
namespace gui {
namespace win {

ExplorerDropTarget::ExplorerDropTarget() : droppedPaths_(str::strarray::StrArray::New()), listener_(nullptr) {}

ExplorerDropTarget::~ExplorerDropTarget()
{
    Revoke();
    if (droppedPaths_)
        droppedPaths_->ReleaseToPool();
}

thread::EasyPooler* ExplorerDropTarget::GetPool()
{
    return &thread::PoolOf<ExplorerDropTarget>();
}

ExplorerDropTarget* ExplorerDropTarget::New()
{
    return thread::TakeFromPool<ExplorerDropTarget>();
}

const wchar_t* ExplorerDropTarget::GetClassName()
{
    return kClassName;
}

base::IObject* ExplorerDropTarget::NewInstance()
{
    return New();
}

void ExplorerDropTarget::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ExplorerDropTarget::Reset()
{
    Revoke();
    if (droppedPaths_)
        droppedPaths_->Clear();
    listener_ = nullptr;
}

void ExplorerDropTarget::Tell(int32_t code)
{
    if (listener_)
        listener_->OnEvent(this, code);
}

DROPEFFECT ExplorerDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, POINT)
{
    Tell(kEntered);
    return DROPEFFECT_LINK;
}

DROPEFFECT ExplorerDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, POINT)
{
    Tell(kOver);
    return DROPEFFECT_LINK;
}

BOOL ExplorerDropTarget::OnDrop(CWnd*, COleDataObject* data, DROPEFFECT, POINT)
{
    if (droppedPaths_)
        droppedPaths_->Clear();
    // Data without files still ends the drop: the listener then finds no paths.
    HGLOBAL block = data ? data->GetGlobalData(CF_HDROP) : nullptr;
    if (block) {
        ReadDropFileList(block, droppedPaths_);
        GlobalFree(block);
    }
    Tell(kDropped);
    return DROPEFFECT_LINK;
}

void ExplorerDropTarget::OnDragLeave(CWnd*)
{
    Tell(kLeft);
}

} // namespace win
} // namespace gui
} // namespace s
