#pragma once
#include "core/col/TypedArray.h"

namespace s {
namespace col {
namespace _array {

// A list of pointers that owns its elements exactly while it holds a cleaner.
class ArrayP : public TypedArray<ArrayP, void*, comp::CompP> {
public:
    static constexpr const wchar_t* kClassName = L"s_col__array_ArrayP";

    ArrayP() : cleaner_(nullptr) {}
    ~ArrayP() override;

    // Five empty arrays in a process-wide list, the same slot on every call.
    const void* GetDefaultElement() override;
    void FreeAll() override;
    void Reset() override;

    static ArrayP* NewWithCleaner(base::IDestructor* cleaner);

    void** GetSlots() const { return reinterpret_cast<void**>(data_); }
    void InsertAt(uint32_t index, void* pointer);
    // Removes the first equal pointer and returns it; null when there is none.
    void* RemoveValue(void* pointer);
    // Removes the element and disposes of it through the cleaner, when there is one.
    void DisposeAt(uint32_t index);

    base::IDestructor* GetCleaner() const { return cleaner_; }
    void SetCleaner(base::IDestructor* cleaner) { cleaner_ = cleaner; }

private:
    base::IDestructor* cleaner_;
};

} // namespace _array
} // namespace col
} // namespace s
