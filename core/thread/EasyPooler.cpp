#include "core/thread/EasyPooler.h"

#include "core/col/ArrayP.h"

namespace s {
namespace thread {

EasyPooler::EasyPooler(int32_t capacity, CreateCallback create, DestroyCallback destroy, ResetCallback reset)
    : freeList_(new col::_array::ArrayP()), capacity_(capacity), create_(create), destroy_(destroy), reset_(reset)
{
}

EasyPooler::~EasyPooler()
{
    const uint32_t count = freeList_->GetCount();
    for (uint32_t i = 0; i < count; ++i)
        destroy_(freeList_->Get(i));
    delete freeList_;
}

const wchar_t* EasyPooler::GetClassName()
{
    return L"s_thread_EasyPooler";
}

base::IObject* EasyPooler::NewInstance()
{
    return new (std::nothrow) EasyPooler(capacity_, create_, destroy_, reset_);
}

void* EasyPooler::Generate()
{
    return Take();
}

void EasyPooler::Destroy(void** slot)
{
    if (*slot) {
        Give(*slot);
        *slot = nullptr;
    }
}

void* EasyPooler::Take()
{
    {
        ScopedLock hold(locker_);
        const uint32_t count = freeList_->GetCount();
        if (count > 0)
            return freeList_->RemoveAt(count - 1);
    }
    return create_();
}

void EasyPooler::Give(void* object)
{
    if (!object)
        return;
    {
        ScopedLock hold(locker_);
        if (freeList_->GetCount() < static_cast<uint32_t>(capacity_)) {
            reset_(object);
            freeList_->Append(object);
            return;
        }
    }
    destroy_(object);
}

uint32_t EasyPooler::GetIdleCount()
{
    ScopedLock hold(locker_);
    return freeList_->GetCount();
}

} // namespace thread
} // namespace s
