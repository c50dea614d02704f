#pragma once
#include <cstdint>

#include "core/col/IteratorBase.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace str {
namespace strbuffer {

class StrBuffer;

// A pooled cursor over the characters of a string. It points into the string's block, so the
// string must not change while it is walked.
class Iterator : public col::IteratorBase, public thread::IPoolable {
public:
    Iterator();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    int32_t GetIndex() override;
    void SetIndex(int32_t index) override;
    // index < length - 1, signed: true at -1 on a non-empty string.
    bool HasNext() override;
    bool HasPrevious() override;
    void SkipForward(uint32_t n) override;
    void SkipBackward(uint32_t n) override;
    // The address of the character, not its value.
    void* Next() override;
    void* Previous() override;
    void Release() override;
    void Reset() override;
    void ReleaseToPool() override;

    static thread::EasyPooler* GetPool();
    // An iterator from the pool over string, with its pointer and index as given.
    static Iterator* New(StrBuffer* string, wchar_t* pointer, int32_t index);

private:
    int32_t index_;
    StrBuffer* string_;
    wchar_t* pointer_;
};

} // namespace strbuffer
} // namespace str
} // namespace s
