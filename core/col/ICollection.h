#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace digest {
class IDigester;
}

namespace col {

// The element operations of a typed array. Indices and counts are elements; a count of
// 0xFFFFFFFF means "up to the last element" where an operation says so. Nothing is validated:
// callers keep their indices within the count.
class ICollection : public base::IObject {
public:
    virtual const wchar_t* GetName() = 0;
    virtual void CopyTo(ICollection* target, uint32_t destIndex, uint32_t sourceIndex, uint32_t n) = 0;
    virtual void CopyFrom(ICollection* source, uint32_t sourceIndex, uint32_t destIndex, uint32_t n) = 0;
    virtual uint32_t GetCount() = 0;
    virtual void SetCount(uint32_t n) = 0;
    virtual uint32_t GetByteOffset(uint32_t index) = 0;
    virtual void CopyOut(void* dest, uint32_t destIndex, uint32_t sourceIndex, uint32_t n) = 0;
    virtual void WriteAt(const void* source, uint32_t n, uint32_t sourceIndex, uint32_t destIndex) = 0;
    virtual void AppendRaw(const void* source, uint32_t n, uint32_t sourceIndex) = 0;
    virtual void PrependRaw(const void* source, uint32_t n, uint32_t sourceIndex) = 0;
    virtual void InsertRaw(uint32_t index, const void* source, uint32_t n, uint32_t sourceIndex) = 0;
    virtual void DropLast(uint32_t n) = 0;
    virtual void DropFirst(uint32_t n) = 0;
    virtual void RemoveRange(uint32_t index, uint32_t n) = 0;
    virtual void PopLast(void* dest, uint32_t n, uint32_t destIndex) = 0;
    virtual void PopFirst(void* dest, uint32_t n, uint32_t destIndex) = 0;
    virtual void TakeRange(uint32_t index, void* dest, uint32_t n, uint32_t destIndex) = 0;
    virtual int32_t CompareRaw(uint32_t index, const void* buffer, uint32_t bufferCount, uint32_t bufferIndex,
                               uint32_t n) = 0;
    virtual void Clear() = 0;
    virtual void FreeAll() = 0;
    virtual void Swap(uint32_t i, uint32_t j) = 0;
    virtual void Reverse() = 0;
    virtual int32_t GetCollectionKind() = 0;
    virtual const void* GetDefaultElement() = 0;
    // Text forms. Each writes into target, or with none into a string from the pool that the
    // caller then owns; without append the target is emptied first. Returns the string written.
    // One element, given by its address.
    virtual str::strbuffer::StrBuffer* AppendElementText(str::strbuffer::StrBuffer* target, const void* element) = 0;
    virtual str::strbuffer::StrBuffer* AppendElementHex(str::strbuffer::StrBuffer* target, const void* element) = 0;
    // The class name, then the elements in brackets, separated by single spaces.
    virtual str::strbuffer::StrBuffer* ToText(str::strbuffer::StrBuffer* target, bool append) = 0;
    // An element named after the class, with the count as its length and the hex form as content.
    virtual str::strbuffer::StrBuffer* ToXml(str::strbuffer::StrBuffer* target, bool append) = 0;
    // The digest of the element bytes as lower-case hex; with no digester an MD5 from its pool.
    virtual str::strbuffer::StrBuffer* DigestWith(digest::IDigester* digester, str::strbuffer::StrBuffer* target,
                                                  bool append) = 0;
    // Every element as fixed-width lower-case hex, no separator.
    virtual str::strbuffer::StrBuffer* ToHex(str::strbuffer::StrBuffer* target, bool append) = 0;
    virtual base::IComparator* GetComparator() = 0;
    virtual void SwapWithTemp(uint32_t i, uint32_t j, void* temporary) = 0;
};

} // namespace col
} // namespace s
