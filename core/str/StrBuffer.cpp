#include "core/str/StrBuffer.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <typeinfo>

#include "core/col/ArrayBase.h"
#include "core/str/AsciiFold.h"
#include "core/str/Iterator.h"

namespace s {
namespace str {
namespace strbuffer {

namespace {

const wchar_t kEmptyText[1] = {0};
// The byte position is 32-bit; a write may not carry it past this.
const uint64_t kMaxStreamBytes = 0xFFFFFFFCull;

// Only the ASCII letters fold; every other code unit stands for itself.
inline uint16_t FoldAscii(wchar_t c)
{
    return static_cast<uint16_t>(ToLowerAscii(c));
}

inline uint32_t HashStep(uint32_t h, uint16_t unit)
{
    h <<= 1;
    if (h & 0x80000000u)
        h |= 1u;
    return h ^ unit;
}

inline size_t BlockBytes(uint32_t capacity)
{
    return static_cast<size_t>(capacity) * sizeof(wchar_t) + sizeof(wchar_t);
}

inline uint32_t WholeLength(const wchar_t* text, uint32_t n)
{
    if (n != StrBuffer::kWhole)
        return n;
    return text ? static_cast<uint32_t>(std::wcslen(text)) : 0;
}

// The other operand as a string, or null. StrBuffer is final, so an exact type test stands in
// for the slower general cast on this hot path.
inline StrBuffer* AsStr(base::IComparable* other)
{
    if (!other || typeid(*other) != typeid(StrBuffer))
        return nullptr;
    return static_cast<StrBuffer*>(other);
}

// The folded comparison of the first n units: the first difference, or 0.
inline int32_t CompareFolded(const wchar_t* a, const wchar_t* b, uint32_t n, bool stopAtNul)
{
    for (uint32_t i = 0; i < n; ++i) {
        const uint16_t x = FoldAscii(a[i]), y = FoldAscii(b[i]);
        if (x != y)
            return static_cast<int32_t>(x) - static_cast<int32_t>(y);
        if (stopAtNul && a[i] == 0)
            break;
    }
    return 0;
}

inline int32_t CompareLengths(uint32_t a, uint32_t b)
{
    return a == b ? 0 : (a < b ? -1 : 1);
}

} // namespace

StrBuffer::StrBuffer() : chars_(nullptr), length_(0), capacity_(0), position_(0) {}

StrBuffer::~StrBuffer()
{
    StrBuffer::FreeAll();
}

int32_t StrBuffer::CompareTo(base::IComparable* other, base::IComparator*)
{
    StrBuffer* that = AsStr(other);
    if (!that)
        return base::IComparable::CompareTo(other, nullptr);
    const uint32_t common = length_ < that->length_ ? length_ : that->length_;
    // Byte order of the little-endian storage, so U+0100 (00 01) sorts before U+00FF (FF 00).
    if (common) {
        const int result = std::memcmp(chars_, that->chars_, common * sizeof(wchar_t));
        if (result != 0)
            return result;
    }
    return CompareLengths(length_, that->length_);
}

int32_t StrBuffer::CompareToIgnoreCase(base::IComparable* other, base::IComparator*)
{
    StrBuffer* that = AsStr(other);
    if (!that)
        return base::IComparable::CompareToIgnoreCase(other, nullptr);
    const uint32_t common = length_ < that->length_ ? length_ : that->length_;
    const int32_t result = CompareFolded(chars_, that->chars_, common, true);
    return result != 0 ? result : CompareLengths(length_, that->length_);
}

bool StrBuffer::Equals(base::IComparable* other, base::IComparator* comparator)
{
    if (comparator)
        return comparator->Compare(static_cast<base::IComparable*>(this), other) == 0;
    StrBuffer* that = AsStr(other);
    if (!that || length_ != that->length_)
        return false;
    return length_ == 0 || std::memcmp(chars_, that->chars_, length_ * sizeof(wchar_t)) == 0;
}

bool StrBuffer::EqualsIgnoreCase(base::IComparable* other, base::IComparator* comparator)
{
    if (comparator)
        return comparator->CompareIgnoreCase(static_cast<base::IComparable*>(this), other) == 0;
    StrBuffer* that = AsStr(other);
    if (!that || length_ != that->length_)
        return false;
    return CompareFolded(chars_, that->chars_, length_, false) == 0;
}

uint32_t StrBuffer::HashCode()
{
    uint32_t h = 0;
    for (uint32_t i = 0; i < length_; ++i)
        h = HashStep(h, static_cast<uint16_t>(chars_[i]));
    return h;
}

uint32_t StrBuffer::HashCodeIgnoreCase()
{
    uint32_t h = 0;
    for (uint32_t i = 0; i < length_; ++i)
        h = HashStep(h, FoldAscii(chars_[i]));
    return h;
}

const wchar_t* StrBuffer::GetClassName()
{
    return L"s_str_strbuffer_StrBuffer";
}

StrBuffer* StrBuffer::NewInstance()
{
    return New();
}

void StrBuffer::EnsureTerminated()
{
    if (length_ != 0 && chars_[length_] != 0)
        chars_[length_] = 0;
}

void StrBuffer::EnsureTerminated(SlotRepeat<2>)
{
    EnsureTerminated();
}

void StrBuffer::Reallocate(uint32_t capacity)
{
    // realloc carries the characters over; allocation failure is not survivable here.
    void* block = std::realloc(chars_, BlockBytes(capacity));
    if (!block)
        std::abort();
    chars_ = static_cast<wchar_t*>(block);
    capacity_ = capacity;
}

void StrBuffer::ReserveExact(uint32_t n)
{
    if (capacity_ < n)
        Reallocate(n);
}

void StrBuffer::Grow()
{
    const uint32_t next = col::_array::ArrayBase::GrowthStep(capacity_);
    if (next > capacity_)
        Reallocate(next);
}

void StrBuffer::EnsureCapacity(uint32_t n)
{
    if (capacity_ >= n)
        return;
    uint32_t target = capacity_;
    do {
        const uint32_t step = col::_array::ArrayBase::GrowthStep(target);
        target = step > target ? step : n;
    } while (target < n);
    Reallocate(target);
}

void StrBuffer::FreeAll()
{
    std::free(chars_);
    chars_ = nullptr;
    capacity_ = 0;
    length_ = 0;
    position_ = 0;
}

const wchar_t* StrBuffer::GetText()
{
    if (length_ == 0)
        return kEmptyText;
    EnsureTerminated();
    return chars_;
}

const wchar_t* StrBuffer::MakeRoom(uint32_t need, const wchar_t* text)
{
    // A text taken from this very string moves with the block.
    const bool inside = chars_ && text >= chars_ && text <= chars_ + capacity_;
    const size_t offset = inside ? static_cast<size_t>(text - chars_) : 0;
    EnsureCapacity(need);
    return inside ? chars_ + offset : text;
}

void StrBuffer::AppendChars(const wchar_t* text, uint32_t n)
{
    n = WholeLength(text, n);
    if (n == 1) {
        AppendChar(*text);
        return;
    }
    if (n == 0)
        return;
    if (capacity_ < length_ + n)
        text = MakeRoom(length_ + n, text);
    std::memmove(chars_ + length_, text, n * sizeof(wchar_t));
    length_ += n;
}

void StrBuffer::AppendCharsFrom(const wchar_t* text, uint32_t n, uint32_t offset)
{
    AppendChars(text + offset, n);
}

void StrBuffer::PrependChars(const wchar_t* text, uint32_t n)
{
    n = WholeLength(text, n);
    if (n == 0)
        return;
    const bool inside = chars_ && text >= chars_ && text <= chars_ + capacity_;
    const size_t offset = inside ? static_cast<size_t>(text - chars_) : 0;
    if (n == 1) {
        const wchar_t c = *text;
        if (capacity_ == length_)
            Grow();
        std::memmove(chars_ + 1, chars_, length_ * sizeof(wchar_t));
        chars_[0] = c;
        ++length_;
        return;
    }
    if (capacity_ < length_ + n)
        EnsureCapacity(length_ + n);
    std::memmove(chars_ + n, chars_, length_ * sizeof(wchar_t));
    // A text from this string has moved up with the rest.
    const wchar_t* source = inside ? chars_ + offset + n : text;
    std::memmove(chars_, source, n * sizeof(wchar_t));
    length_ += n;
}

void StrBuffer::AppendChars8(const char* bytes, uint32_t n)
{
    if (n == kWhole)
        n = bytes ? static_cast<uint32_t>(std::strlen(bytes)) : 0;
    if (n == 1) {
        AppendChar(static_cast<wchar_t>(static_cast<unsigned char>(*bytes)));
        return;
    }
    if (n == 0)
        return;
    if (capacity_ < length_ + n)
        EnsureCapacity(length_ + n);
    const unsigned char* from = reinterpret_cast<const unsigned char*>(bytes);
    wchar_t* to = chars_ + length_;
    for (uint32_t i = 0; i < n; ++i)
        to[i] = static_cast<wchar_t>(from[i]);
    length_ += n;
}

StrBuffer* StrBuffer::Clone()
{
    StrBuffer* copy = New();
    if (copy)
        copy->AssignChars(chars_, length_);
    return copy;
}

StrBuffer* StrBuffer::AppendText8(const char* text)
{
    AppendChars8(text, kWhole);
    return this;
}

StrBuffer* StrBuffer::AppendStr(StrBuffer* other)
{
    if (other)
        AppendChars(other->chars_, other->length_);
    return this;
}

StrBuffer* StrBuffer::Append(const wchar_t* text)
{
    AppendChars(text, kWhole);
    return this;
}

void StrBuffer::AssignChars(const wchar_t* text, uint32_t n)
{
    length_ = 0;
    if (n == 0)
        return;
    if (capacity_ < n) {
        // Nothing to keep: a fresh block of exactly the text's length.
        std::free(chars_);
        chars_ = static_cast<wchar_t*>(std::malloc(BlockBytes(n)));
        if (!chars_)
            std::abort();
        capacity_ = n;
    }
    // The text may be a part of this very string.
    std::memmove(chars_, text, n * sizeof(wchar_t));
    length_ = n;
}

StrBuffer* StrBuffer::AssignStr(StrBuffer* other)
{
    if (other != this)
        AssignChars(other ? other->chars_ : nullptr, other ? other->length_ : 0);
    return this;
}

StrBuffer* StrBuffer::Assign(const wchar_t* text)
{
    AssignChars(text, WholeLength(text, kWhole));
    return this;
}

Iterator* StrBuffer::GetIterator()
{
    return Iterator::New(this, chars_, -1);
}

Iterator* StrBuffer::GetReverseIterator()
{
    return Iterator::New(this, chars_ + length_, static_cast<int32_t>(length_));
}

Iterator* StrBuffer::GetIteratorAt(uint32_t n)
{
    // -1 stands for the end: nothing is left to walk forwards.
    if (n > length_)
        n = length_;
    return Iterator::New(this, chars_ + n, static_cast<int32_t>(n) - 1);
}

Iterator* StrBuffer::GetReverseIteratorAt(uint32_t n)
{
    // -1 stands for the start: nothing is left to walk backwards.
    if (n > length_)
        n = length_;
    return Iterator::New(this, chars_ + (length_ - n), static_cast<int32_t>(length_ - n));
}

void StrBuffer::ReleaseToPool()
{
    GetPool()->Give(this);
}

void StrBuffer::Reset()
{
    FreeAll();
}

bool StrBuffer::Read(void* buffer, uint32_t count, uint32_t* done)
{
    uint32_t ignored;
    if (!done)
        done = &ignored;
    *done = 0;
    if (count == 0)
        return true;
    const uint64_t size = static_cast<uint64_t>(length_) * sizeof(wchar_t);
    if (position_ >= size)
        return false;
    const uint32_t n = size - position_ < count ? static_cast<uint32_t>(size - position_) : count;
    std::memcpy(buffer, reinterpret_cast<const uint8_t*>(chars_) + position_, n);
    position_ += n;
    *done = n;
    return true;
}

bool StrBuffer::Write(const void* buffer, uint32_t count, uint32_t* done)
{
    uint32_t ignored;
    if (!done)
        done = &ignored;
    *done = 0;
    if (count == 0)
        return true;
    const uint64_t end = static_cast<uint64_t>(position_) + count;
    if (end > kMaxStreamBytes)
        return false;
    const uint32_t need = static_cast<uint32_t>(end / sizeof(wchar_t)) + 1;
    if (capacity_ < need)
        EnsureCapacity(need);
    uint8_t* bytes = reinterpret_cast<uint8_t*>(chars_);
    const uint32_t used = length_ * static_cast<uint32_t>(sizeof(wchar_t));
    if (position_ > used)
        std::memset(bytes + used, 0, position_ - used);
    std::memcpy(bytes + position_, buffer, count);
    position_ = static_cast<uint32_t>(end);
    *done = count;
    if (length_ < position_ / sizeof(wchar_t))
        length_ = position_ / static_cast<uint32_t>(sizeof(wchar_t));
    return true;
}

bool StrBuffer::Flush()
{
    return true;
}

void StrBuffer::Truncate() {}

void StrBuffer::Close()
{
    position_ = 0;
}

uint64_t StrBuffer::GetPosition()
{
    return position_;
}

bool StrBuffer::IsSeekable()
{
    return true;
}

bool StrBuffer::SeekToStart()
{
    position_ = 0;
    return true;
}

int64_t StrBuffer::SeekToEnd()
{
    position_ = length_ * static_cast<uint32_t>(sizeof(wchar_t));
    return position_;
}

bool StrBuffer::SetPosition(uint64_t position)
{
    position_ = static_cast<uint32_t>(position);
    return true;
}

int64_t StrBuffer::SeekFromEnd(uint64_t distance)
{
    position_ = length_ * static_cast<uint32_t>(sizeof(wchar_t)) - static_cast<uint32_t>(distance);
    return position_;
}

bool StrBuffer::SeekForward(uint64_t distance)
{
    position_ += static_cast<uint32_t>(distance);
    return true;
}

bool StrBuffer::SeekBackward(uint64_t distance)
{
    position_ -= static_cast<uint32_t>(distance);
    return true;
}

thread::EasyPooler* StrBuffer::GetPool()
{
    return &thread::PoolOf<StrBuffer>();
}

StrBuffer* StrBuffer::New()
{
    return thread::TakeFromPool<StrBuffer>();
}

StrBuffer* StrBuffer::PrepareTarget(StrBuffer* target, bool append)
{
    if (!target)
        return New();
    if (!append)
        target->ClearText();
    return target;
}

} // namespace strbuffer
} // namespace str
} // namespace s
