#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace col {
namespace _array {
class ArrayU08;
}
} // namespace col
namespace digest {
class IDigester;
}
namespace system {
namespace codepage {
class CodePage;
}
} // namespace system

namespace str {
namespace strbuffer {
class StrBuffer;
class Iterator;
} // namespace strbuffer
namespace strarray {
class StrArray;
}

// Some operations occupy more than one slot of the table and run the same code in each. C++
// needs a distinct signature per slot, so every repeat takes a tag of its ordinal; ordinary
// callers never name one and always reach the first slot.
template <int Ordinal>
struct SlotRepeat {
};

// The string interface, slot by slot in the order of the table that every string shares.
class IStr : public base::IObject {
public:
    typedef strbuffer::StrBuffer StrBuffer;
    typedef strbuffer::Iterator Iterator;
    typedef col::_array::ArrayU08 ArrayU08;
    typedef system::codepage::CodePage CodePage;
    typedef strarray::StrArray StrArray;

    // Storage.
    virtual void EnsureTerminated() = 0;
    virtual void EnsureTerminated(SlotRepeat<2>) = 0;
    virtual uint32_t GetLength() = 0;
    // Stores n as the length and nothing else: the caller has made room for n characters.
    virtual void SetLength(uint32_t n) = 0;
    virtual uint32_t GetCapacity() = 0;
    virtual void ReserveExact(uint32_t n) = 0;
    virtual void Grow() = 0;
    virtual void EnsureCapacity(uint32_t n) = 0;
    // Empties the text and rewinds the stream position; the block stays.
    virtual void Clear() = 0;
    virtual void FreeAll() = 0;
    virtual wchar_t* GetBuffer() = 0;
    // Never null: a static empty text while the string is empty, else the terminated block.
    virtual const wchar_t* GetText() = 0;

    // Characters and case.
    virtual void Reverse() = 0;
    virtual void ToLower() = 0;
    virtual void ToUpper() = 0;
    virtual void Capitalize() = 0;
    virtual wchar_t CharAt(uint32_t i) = 0;
    virtual wchar_t CharAtLower(uint32_t i) = 0;
    virtual wchar_t CharAtUpper(uint32_t i) = 0;

    // Search.
    virtual bool IndexOfChar(wchar_t c, uint32_t* index, uint32_t start) = 0;
    virtual bool IndexOfCharIgnoreCase(wchar_t c, uint32_t* index, uint32_t start) = 0;
    virtual bool IndexOfAnyChar(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t start) = 0;
    virtual bool IndexOfAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t* index,
                                          uint32_t start) = 0;
    virtual bool LastIndexOfChar(wchar_t c, uint32_t* index, uint32_t limit) = 0;
    virtual bool LastIndexOfCharIgnoreCase(wchar_t c, uint32_t* index, uint32_t limit) = 0;
    virtual bool LastIndexOfAnyChar(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t limit) = 0;
    virtual bool LastIndexOfAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t* index,
                                              uint32_t limit) = 0;
    virtual bool IndexOf(const wchar_t* text, uint32_t* index, uint32_t start) = 0;
    virtual bool IndexOfIgnoreCase(const wchar_t* text, uint32_t* index, uint32_t start) = 0;
    virtual bool LastIndexOf(const wchar_t* text, uint32_t* index, uint32_t limit) = 0;
    virtual bool LastIndexOfIgnoreCase(const wchar_t* text, uint32_t* index, uint32_t limit) = 0;

    // Matching.
    virtual bool MatchesAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n) = 0;
    virtual bool MatchesIgnoreCaseAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n) = 0;
    virtual bool EndsWith(const wchar_t* text, int32_t n) = 0;
    virtual bool EndsWithIgnoreCase(const wchar_t* text, int32_t n) = 0;
    virtual bool StartsWith(const wchar_t* text, int32_t n) = 0;
    virtual bool StartsWithIgnoreCase(const wchar_t* text, int32_t n) = 0;

    // Trimming and comparing at an index.
    virtual void TrimEnd() = 0;
    virtual void TrimEndDownTo(uint32_t minLength) = 0;
    virtual void TrimEndChars(const wchar_t* set, int32_t count) = 0;
    virtual void TrimEndCharsDownTo(const wchar_t* set, uint32_t minLength, int32_t count) = 0;
    virtual void TrimStart() = 0;
    virtual void TrimStartChars(const wchar_t* set, int32_t count) = 0;
    virtual int32_t CompareAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n) = 0;
    virtual int32_t CompareIgnoreCaseAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n) = 0;

    // Character appends. A count of -1 means the whole NUL-terminated text.
    virtual void PrependChars(const wchar_t* text, uint32_t n) = 0;
    // Each byte becomes the code unit of the same value (0xE9 gives U+00E9).
    virtual void AppendChars8(const char* bytes, uint32_t n) = 0;
    virtual void AppendChars(const wchar_t* text, uint32_t n) = 0;
    virtual void AppendChar(wchar_t c) = 0;
    virtual void PushChar(wchar_t c) = 0;

    // Hex appenders.
    virtual void AppendHex64s(const uint64_t* values, int32_t n) = 0;
    virtual void AppendHex32s(const uint32_t* values, int32_t n) = 0;
    virtual void AppendHex16s(const uint16_t* values, int32_t n) = 0;
    virtual void AppendHexBytes(const uint8_t* values, int32_t n) = 0;
    virtual void AppendHex64s(const uint64_t* values, int32_t n, SlotRepeat<2>) = 0;
    virtual void AppendHex32s(const uint32_t* values, int32_t n, SlotRepeat<2>) = 0;
    virtual void AppendHex16s(const uint16_t* values, int32_t n, SlotRepeat<2>) = 0;
    virtual void AppendHexBytes(const uint8_t* values, int32_t n, SlotRepeat<2>) = 0;
    virtual void AppendHex32s(const uint32_t* values, int32_t n, SlotRepeat<3>) = 0;
    virtual void AppendHex32Pairs(const uint64_t* values, int32_t n) = 0;

    // Pieces.
    virtual void ReplaceAll(const wchar_t* pattern, const wchar_t* replacement) = 0;
    virtual void ReplaceAllIgnoreCase(const wchar_t* pattern, const wchar_t* replacement) = 0;
    // A string from the pool holding a copy of the text in a block of exactly its length.
    virtual StrBuffer* Clone() = 0;
    virtual void KeepRange(uint32_t start, uint32_t end) = 0;
    virtual StrBuffer* Substring(uint32_t start, uint32_t end) = 0;
    virtual StrBuffer* BeforeLastChar(wchar_t c, uint32_t limit) = 0;
    virtual StrBuffer* BeforeLastCharIgnoreCase(wchar_t c, uint32_t limit) = 0;
    virtual StrBuffer* BeforeLastAnyChar(const wchar_t* chars, int32_t count, uint32_t limit) = 0;
    virtual StrBuffer* BeforeLastAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t limit) = 0;
    virtual StrBuffer* BeforeLast(const wchar_t* text, uint32_t limit) = 0;
    virtual StrBuffer* BeforeLastIgnoreCase(const wchar_t* text, uint32_t limit) = 0;

    // Digest.
    virtual StrBuffer* DigestWith(digest::IDigester* digester, StrBuffer* out, bool append) = 0;

    // Encodings.
    virtual ArrayU08* ToUtf8BytesZ(ArrayU08* out, bool append) = 0;
    virtual ArrayU08* ToUtf8Bytes(ArrayU08* out, bool append) = 0;
    virtual int32_t FromUtf8(const char* bytes, bool append, int32_t count) = 0;
    virtual ArrayU08* ToCodePageBytesZ(CodePage* cp, ArrayU08* out, bool append) = 0;
    virtual ArrayU08* ToCodePageBytes(CodePage* cp, ArrayU08* out, bool append) = 0;
    virtual int32_t FromCodePage(CodePage* cp, const char* bytes, bool append, int32_t count) = 0;
    virtual ArrayU08* ToOemBytesZ(ArrayU08* out, bool append) = 0;
    virtual ArrayU08* ToOemBytes(ArrayU08* out, bool append) = 0;
    virtual int32_t FromOem(const char* bytes, bool append, int32_t count) = 0;

    // Number reading.
    virtual int32_t ToInt32() = 0;
    virtual int32_t ToInt32(SlotRepeat<2>) = 0;
    virtual int64_t ToInt64() = 0;
    virtual int64_t ToInt64(SlotRepeat<2>) = 0;
    virtual int32_t ToInt32(SlotRepeat<3>) = 0;
    virtual int32_t ToInt32(SlotRepeat<4>) = 0;
    virtual int32_t ToInt32(SlotRepeat<5>) = 0;
    virtual int64_t ToInt64(SlotRepeat<3>) = 0;
    virtual float ToFloat() = 0;
    virtual double ToDouble() = 0;
    virtual bool IsHex() = 0;
    virtual uint32_t HexDigitAt(uint32_t i) = 0;
    virtual ArrayU08* HexToBytes(ArrayU08* out, bool append) = 0;
    virtual bool IsInteger() = 0;

    // Splitting.
    virtual StrArray* Split(wchar_t separator) = 0;
    virtual StrArray* SplitWords(bool dropStopWord) = 0;

    // Text appends.
    // The address of character i; no bound check.
    virtual wchar_t* CharPtrAt(uint32_t i) = 0;
    virtual StrBuffer* AppendText8(const char* text) = 0;

    // Number appends.
    virtual StrBuffer* AppendInt64(int64_t value) = 0;
    virtual StrBuffer* AppendUInt32(uint32_t value) = 0;
    virtual StrBuffer* AppendUInt16(uint16_t value) = 0;
    virtual StrBuffer* AppendUInt8(uint8_t value) = 0;
    virtual StrBuffer* AppendInt64(int64_t value, SlotRepeat<2>) = 0;
    virtual StrBuffer* AppendInt32(int32_t value) = 0;
    virtual StrBuffer* AppendInt16(int16_t value) = 0;
    virtual StrBuffer* AppendInt8(int8_t value) = 0;
    virtual StrBuffer* AppendFloat(float value) = 0;
    virtual StrBuffer* AppendDouble(double value) = 0;

    // Text appends; each returns this string, so calls chain.
    virtual StrBuffer* AppendStr(StrBuffer* other) = 0;
    virtual StrBuffer* Append(const wchar_t* text) = 0;

    // Number assigns.
    virtual StrBuffer* AssignInt64(int64_t value) = 0;
    virtual StrBuffer* AssignUInt32(uint32_t value) = 0;
    virtual StrBuffer* AssignUInt16(uint16_t value) = 0;
    virtual StrBuffer* AssignUInt8(uint8_t value) = 0;
    virtual StrBuffer* AssignInt64(int64_t value, SlotRepeat<2>) = 0;
    virtual StrBuffer* AssignInt32(int32_t value) = 0;
    virtual StrBuffer* AssignInt16(int16_t value) = 0;
    virtual StrBuffer* AssignInt8(int8_t value) = 0;
    virtual StrBuffer* AssignFloat(float value) = 0;
    virtual StrBuffer* AssignDouble(double value) = 0;

    // Text assigns; the stream position is left where it is.
    virtual StrBuffer* AssignStr(StrBuffer* other) = 0;
    virtual StrBuffer* Assign(const wchar_t* text) = 0;

    // Iterators over the characters; the string must not change while one walks it.
    virtual Iterator* GetIterator() = 0;
    virtual Iterator* GetReverseIterator() = 0;
    virtual Iterator* GetIteratorAt(uint32_t n) = 0;
    virtual Iterator* GetReverseIteratorAt(uint32_t n) = 0;

    virtual wchar_t* CharPtrAt2(uint32_t i) = 0;
};

} // namespace str
} // namespace s
