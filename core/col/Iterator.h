#pragma once
#include <cstdint>

#include "core/col/IteratorBase.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace col {
namespace _array {

class ArrayBase;

// A pooled cursor over an array's storage. It steps by adding the element size to a raw
// address, so the array must not be reallocated while it is walked.
class Iterator : public IteratorBase, public thread::IPoolable {
public:
    Iterator();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    int32_t GetIndex() override;
    void SetIndex(int32_t index) override;
    bool HasNext() override;
    bool HasPrevious() override;
    void SkipForward(uint32_t n) override;
    void SkipBackward(uint32_t n) override;
    void* Next() override;
    void* Previous() override;
    void Release() override;
    void Reset() override;
    void ReleaseToPool() override;

    static thread::EasyPooler* GetPool();
    // An iterator from the pool over array, its cursor on byte offset and index as given.
    static Iterator* New(ArrayBase* array, uint32_t offset, int32_t index);

private:
    uint32_t ElementSize() const;

    int32_t index_;
    ArrayBase* collection_;
    uint8_t* cursor_;
};

} // namespace _array
} // namespace col
} // namespace s
