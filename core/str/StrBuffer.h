#pragma once
#include <cstdint>

#include "core/io/StreamFaces.h"
#include "core/str/IStr.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace str {
namespace strbuffer {

namespace face {
// Settles the text's Clear in the string's own table without adding a slot, so that the stream
// faces keep their Clear (only rewind) apart from it.
template <class Self>
class Text : public IStr {
public:
    void Clear() override { static_cast<Self*>(this)->ClearText(); }
};
} // namespace face

// The one text type: a growable run of UTF-16 code units, taken from its pool and given back.
// The characters are held in a malloc block of capacity + 1 units (room for a terminator),
// which is written only on request. The string is also a seekable byte stream over its
// storage: both faces share one position, in bytes.
class StrBuffer final : public face::Text<StrBuffer>, public io::face::Input, public io::face::Output {
public:
    using face::Text<StrBuffer>::Clear;
    static const uint32_t kWhole = 0xFFFFFFFFu;

    StrBuffer();
    ~StrBuffer() override;

    int32_t CompareTo(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    int32_t CompareToIgnoreCase(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    bool Equals(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    bool EqualsIgnoreCase(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    uint32_t HashCode() override;
    uint32_t HashCodeIgnoreCase() override;
    const wchar_t* GetClassName() override;
    StrBuffer* NewInstance() override;

    void EnsureTerminated() override;
    void EnsureTerminated(SlotRepeat<2>) override;
    uint32_t GetLength() override { return length_; }
    void SetLength(uint32_t n) override { length_ = n; }
    uint32_t GetCapacity() override { return capacity_; }
    void ReserveExact(uint32_t n) override;
    void Grow() override;
    void EnsureCapacity(uint32_t n) override;
    void FreeAll() override;
    wchar_t* GetBuffer() override { return chars_; }
    const wchar_t* GetText() override;

    void PrependChars(const wchar_t* text, uint32_t n) override;
    void AppendChars8(const char* bytes, uint32_t n) override;
    void AppendChars(const wchar_t* text, uint32_t n) override;
    void AppendChar(wchar_t c) override
    {
        if (capacity_ == length_)
            Grow();
        chars_[length_++] = c;
    }
    void PushChar(wchar_t c) override { AppendChar(c); }

    void Reverse() override;
    void ToLower() override;
    void ToUpper() override;
    void Capitalize() override;
    wchar_t CharAt(uint32_t i) override { return chars_[i]; }
    wchar_t CharAtLower(uint32_t i) override;
    wchar_t CharAtUpper(uint32_t i) override;

    bool IndexOfChar(wchar_t c, uint32_t* index, uint32_t start) override;
    bool IndexOfCharIgnoreCase(wchar_t c, uint32_t* index, uint32_t start) override;
    bool IndexOfAnyChar(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t start) override;
    bool IndexOfAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t start) override;
    bool LastIndexOfChar(wchar_t c, uint32_t* index, uint32_t limit) override;
    bool LastIndexOfCharIgnoreCase(wchar_t c, uint32_t* index, uint32_t limit) override;
    bool LastIndexOfAnyChar(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t limit) override;
    bool LastIndexOfAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t limit) override;
    bool IndexOf(const wchar_t* text, uint32_t* index, uint32_t start) override;
    bool IndexOfIgnoreCase(const wchar_t* text, uint32_t* index, uint32_t start) override;
    bool LastIndexOf(const wchar_t* text, uint32_t* index, uint32_t limit) override;
    bool LastIndexOfIgnoreCase(const wchar_t* text, uint32_t* index, uint32_t limit) override;

    bool MatchesAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n) override;
    bool MatchesIgnoreCaseAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n) override;
    bool EndsWith(const wchar_t* text, int32_t n) override;
    bool EndsWithIgnoreCase(const wchar_t* text, int32_t n) override;
    bool StartsWith(const wchar_t* text, int32_t n) override;
    bool StartsWithIgnoreCase(const wchar_t* text, int32_t n) override;

    void TrimEnd() override;
    void TrimEndDownTo(uint32_t minLength) override;
    void TrimEndChars(const wchar_t* set, int32_t count) override;
    void TrimEndCharsDownTo(const wchar_t* set, uint32_t minLength, int32_t count) override;
    void TrimStart() override;
    void TrimStartChars(const wchar_t* set, int32_t count) override;
    int32_t CompareAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n) override;
    int32_t CompareIgnoreCaseAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n) override;

    void ReplaceAll(const wchar_t* pattern, const wchar_t* replacement) override;
    void ReplaceAllIgnoreCase(const wchar_t* pattern, const wchar_t* replacement) override;
    StrBuffer* Clone() override;
    void KeepRange(uint32_t start, uint32_t end) override;
    StrBuffer* Substring(uint32_t start, uint32_t end) override;
    StrBuffer* BeforeLastChar(wchar_t c, uint32_t limit) override;
    StrBuffer* BeforeLastCharIgnoreCase(wchar_t c, uint32_t limit) override;
    StrBuffer* BeforeLastAnyChar(const wchar_t* chars, int32_t count, uint32_t limit) override;
    StrBuffer* BeforeLastAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t limit) override;
    StrBuffer* BeforeLast(const wchar_t* text, uint32_t limit) override;
    StrBuffer* BeforeLastIgnoreCase(const wchar_t* text, uint32_t limit) override;

    StrArray* Split(wchar_t separator) override;
    StrArray* SplitWords(bool dropStopWord) override;

    wchar_t* CharPtrAt(uint32_t i) override { return chars_ + i; }
    StrBuffer* AppendText8(const char* text) override;
    StrBuffer* AppendStr(StrBuffer* other) override;
    StrBuffer* Append(const wchar_t* text) override;
    StrBuffer* AssignStr(StrBuffer* other) override;
    StrBuffer* Assign(const wchar_t* text) override;

    Iterator* GetIterator() override;
    Iterator* GetReverseIterator() override;
    Iterator* GetIteratorAt(uint32_t n) override;
    Iterator* GetReverseIteratorAt(uint32_t n) override;

    wchar_t* CharPtrAt2(uint32_t i) override { return chars_ + i; }

    // Both stream faces and the pool reach the same three operations.
    void ReleaseToPool() override;
    // Back to the state the pool hands out: no block, empty, position 0.
    void Reset() override;

    // Count 0 reads nothing and succeeds; at or past the end: false with done 0.
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;
    // Writes at the position and grows the text to cover it; characters between the old end
    // and a position beyond it read as 0. The length counts whole characters only.
    bool Write(const void* buffer, uint32_t count, uint32_t* done) override;
    bool Flush() override;
    void Truncate() override;
    void Close() override;
    uint64_t GetPosition() override;
    bool IsSeekable() override;
    bool SeekToStart() override;
    int64_t SeekToEnd() override;
    bool SetPosition(uint64_t position) override;
    int64_t SeekFromEnd(uint64_t distance) override;
    bool SeekForward(uint64_t distance) override;
    bool SeekBackward(uint64_t distance) override;

    // Appends the n characters that start at offset in text.
    void AppendCharsFrom(const wchar_t* text, uint32_t n, uint32_t offset);
    // Length 0 and position 0; the block stays. The text's Clear.
    void ClearText()
    {
        length_ = 0;
        position_ = 0;
    }

    // Hex, numbers and digest: StrBufferNumbers.cpp.
    void AppendHex64s(const uint64_t* values, int32_t n) override;
    void AppendHex32s(const uint32_t* values, int32_t n) override;
    void AppendHex16s(const uint16_t* values, int32_t n) override;
    void AppendHexBytes(const uint8_t* values, int32_t n) override;
    void AppendHex64s(const uint64_t* values, int32_t n, SlotRepeat<2>) override;
    void AppendHex32s(const uint32_t* values, int32_t n, SlotRepeat<2>) override;
    void AppendHex16s(const uint16_t* values, int32_t n, SlotRepeat<2>) override;
    void AppendHexBytes(const uint8_t* values, int32_t n, SlotRepeat<2>) override;
    void AppendHex32s(const uint32_t* values, int32_t n, SlotRepeat<3>) override;
    // Each 64-bit item as its two 32-bit halves in memory order, the low half first.
    void AppendHex32Pairs(const uint64_t* values, int32_t n) override;

    // With no digester an MD5 from its pool is used and given back.
    StrBuffer* DigestWith(digest::IDigester* digester, StrBuffer* out, bool append) override;

    int32_t ToInt32() override;
    int32_t ToInt32(SlotRepeat<2>) override;
    int64_t ToInt64() override;
    int64_t ToInt64(SlotRepeat<2>) override;
    int32_t ToInt32(SlotRepeat<3>) override;
    int32_t ToInt32(SlotRepeat<4>) override;
    int32_t ToInt32(SlotRepeat<5>) override;
    int64_t ToInt64(SlotRepeat<3>) override;
    float ToFloat() override;
    // Read at single precision, as the stored settings were always read.
    double ToDouble() override;
    bool IsHex() override;
    uint32_t HexDigitAt(uint32_t i) override;
    // Two hex characters per byte; a trailing odd character is ignored, a non-digit counts as 0.
    ArrayU08* HexToBytes(ArrayU08* out, bool append) override;
    bool IsInteger() override;

    StrBuffer* AppendInt64(int64_t value) override;
    StrBuffer* AppendUInt32(uint32_t value) override;
    StrBuffer* AppendUInt16(uint16_t value) override;
    StrBuffer* AppendUInt8(uint8_t value) override;
    StrBuffer* AppendInt64(int64_t value, SlotRepeat<2>) override;
    StrBuffer* AppendInt32(int32_t value) override;
    StrBuffer* AppendInt16(int16_t value) override;
    StrBuffer* AppendInt8(int8_t value) override;
    StrBuffer* AppendFloat(float value) override;
    StrBuffer* AppendDouble(double value) override;

    // The assigns format in the one shared scratch text under its lock; any thread may call them.
    StrBuffer* AssignInt64(int64_t value) override;
    StrBuffer* AssignUInt32(uint32_t value) override;
    StrBuffer* AssignUInt16(uint16_t value) override;
    StrBuffer* AssignUInt8(uint8_t value) override;
    StrBuffer* AssignInt64(int64_t value, SlotRepeat<2>) override;
    StrBuffer* AssignInt32(int32_t value) override;
    StrBuffer* AssignInt16(int16_t value) override;
    StrBuffer* AssignInt8(int8_t value) override;
    StrBuffer* AssignFloat(float value) override;
    StrBuffer* AssignDouble(double value) override;

    // The process-wide scratch text of the number assigns (its object) and the lock that guards
    // it; made on first use, freed at process exit.
    static thread::ObjLocker& FormatScratch();

    // Encodings: StrBufferEncodings.cpp. The byte side is an array from the pool when none is
    // given (the caller owns it), else the given one, emptied first unless append. The Z forms
    // end the bytes with one counted 0 byte; the others leave an uncounted 0 byte after them.
    ArrayU08* ToUtf8BytesZ(ArrayU08* out, bool append) override;
    ArrayU08* ToUtf8Bytes(ArrayU08* out, bool append) override;
    // count -1: the bytes are NUL-terminated. Returns the characters added.
    int32_t FromUtf8(const char* bytes, bool append, int32_t count) override;
    ArrayU08* ToCodePageBytesZ(CodePage* cp, ArrayU08* out, bool append) override;
    ArrayU08* ToCodePageBytes(CodePage* cp, ArrayU08* out, bool append) override;
    // For the installed UTF-16 and UTF-16BE records, count -1 means a NUL-terminated wide text.
    int32_t FromCodePage(CodePage* cp, const char* bytes, bool append, int32_t count) override;
    ArrayU08* ToOemBytesZ(ArrayU08* out, bool append) override;
    ArrayU08* ToOemBytes(ArrayU08* out, bool append) override;
    int32_t FromOem(const char* bytes, bool append, int32_t count) override;

    // Pooled strings made in one call: StrBufferBuilders.cpp. The caller gives them back.
    static StrBuffer* FromText(const wchar_t* text);
    static StrBuffer* Concat3(const wchar_t* first, const wchar_t* second, const wchar_t* third);
    static StrBuffer* Concat4(const wchar_t* first, const wchar_t* second, const wchar_t* third,
                              const wchar_t* fourth);

    // A backward search's limit that means "from the end".
    static const uint32_t kFromEnd = 0xFFFFFF;
    // Space, LF, ideographic space, TAB, CR, and a terminator.
    static const wchar_t WhiteSpace[6];
    // The words that SplitWords may drop at the end of a text; filled on its first call.
    static StrArray& StopWords();

    static thread::EasyPooler* GetPool();
    // An empty string from the pool; give it back with ReleaseToPool.
    static StrBuffer* New();
    // The target of an operation that writes text: the given string, emptied unless append, or
    // with none given a string from the pool, which the caller then owns and gives back.
    static StrBuffer* PrepareTarget(StrBuffer* target, bool append);

private:
    StrBuffer(const StrBuffer&) = delete;
    StrBuffer& operator=(const StrBuffer&) = delete;

    void Reallocate(uint32_t capacity);
    // Room for need characters by the growth rule; returns text, moved with the block when it
    // pointed into it.
    const wchar_t* MakeRoom(uint32_t need, const wchar_t* text);
    void AssignChars(const wchar_t* text, uint32_t n);
    void ReplaceEvery(const wchar_t* pattern, const wchar_t* replacement, bool ignoreCase);

    wchar_t* chars_;
    uint32_t length_;
    uint32_t capacity_;
    uint32_t position_;
};

} // namespace strbuffer
} // namespace str
} // namespace s
