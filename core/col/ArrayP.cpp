#include "core/col/ArrayP.h"

#include "core/base/Cleaner.h"

namespace s {
namespace col {
namespace _array {

ArrayP::~ArrayP()
{
    ArrayP::FreeAll();
}

namespace {
// Built once, whichever threads ask first; owns its five arrays until process exit.
struct SampleArrays {
    cleaner::CleanerIObject owner;
    ArrayP list;
    SampleArrays()
    {
        list.SetCleaner(&owner);
        for (int i = 0; i < 5; ++i)
            list.Append(static_cast<base::IObject*>(new ArrayP()));
    }
};
} // namespace

const void* ArrayP::GetDefaultElement()
{
    static SampleArrays samples;
    return samples.list.GetSlots();
}

void ArrayP::FreeAll()
{
    if (cleaner_) {
        // The count is read again each turn: a cleaner may reach back into this array.
        for (uint32_t i = 0; i < count_; ++i)
            cleaner_->Destroy(GetSlots() + i);
        Clear();
    }
    ArrayBase::FreeAll();
}

void ArrayP::Reset()
{
    FreeAll();
    cleaner_ = nullptr;
}

ArrayP* ArrayP::NewWithCleaner(base::IDestructor* cleaner)
{
    ArrayP* array = New();
    if (array)
        array->cleaner_ = cleaner;
    return array;
}

void ArrayP::InsertAt(uint32_t index, void* pointer)
{
    if (index == count_) {
        Append(pointer);
        return;
    }
    OpenGapAt(index);
    Set(index, pointer);
}

void* ArrayP::RemoveValue(void* pointer)
{
    int32_t index;
    if (!IndexOf(pointer, &index))
        return nullptr;
    return RemoveAt(static_cast<uint32_t>(index));
}

void ArrayP::DisposeAt(uint32_t index)
{
    void* removed = RemoveAt(index);
    if (cleaner_)
        cleaner_->Destroy(&removed);
}

} // namespace _array
} // namespace col
} // namespace s
