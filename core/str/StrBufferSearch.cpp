// The operations of the string that look into a text and cut or rewrite it.
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "core/str/AsciiFold.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace str {
namespace strbuffer {

namespace {

const uint32_t kWhiteSpaceCount = 5;

inline uint32_t TextLength(const wchar_t* text)
{
    return text ? static_cast<uint32_t>(std::wcslen(text)) : 0;
}

inline uint32_t SetCount(const wchar_t* set, int32_t count)
{
    return count == -1 ? TextLength(set) : (count < 0 ? 0u : static_cast<uint32_t>(count));
}

inline bool SameUnit(wchar_t a, wchar_t b, bool ignoreCase)
{
    return ignoreCase ? ToLowerAscii(a) == ToLowerAscii(b) : a == b;
}

inline bool InSet(wchar_t c, const wchar_t* set, uint32_t count, bool ignoreCase)
{
    for (uint32_t i = 0; i < count; ++i) {
        if (SameUnit(c, set[i], ignoreCase))
            return true;
    }
    return false;
}

// The end of a backward search: the length for "from the end" or any limit beyond it, else the
// limit. Limits are signed, so one of 2^31 or more searches nothing (-1).
inline int64_t BackwardTop(uint32_t limit, uint32_t length)
{
    if (static_cast<int32_t>(limit) < 0)
        return -1;
    return (limit == StrBuffer::kFromEnd || limit > length) ? length : limit;
}

template <class Match>
bool ScanForward(const wchar_t* chars, uint32_t length, uint32_t start, uint32_t* index, Match match)
{
    for (uint32_t i = start; i < length; ++i) {
        if (match(chars[i])) {
            *index = i;
            return true;
        }
    }
    return false;
}

template <class Match>
bool ScanBackward(const wchar_t* chars, uint32_t length, uint32_t limit, uint32_t* index, Match match)
{
    for (int64_t i = BackwardTop(limit, length) - 1; i >= 0; --i) {
        if (match(chars[i])) {
            *index = static_cast<uint32_t>(i);
            return true;
        }
    }
    return false;
}

// A test for membership in a set of count characters (count > 0).
inline auto InSetOf(const wchar_t* set, int32_t count, bool ignoreCase)
{
    return [set, count, ignoreCase](wchar_t c) { return InSet(c, set, static_cast<uint32_t>(count), ignoreCase); };
}

// Word characters of SplitWords: the Latin-1 range and CJK punctuation count only as letters,
// digits, '+', '-' and '%'; every other character belongs to words.
bool IsWordChar(wchar_t c)
{
    switch (c) {
    case 0x3000:
    case 0x3001:
    case 0x3002:
    case 0x300C:
    case 0x300D:
    case 0x3010:
    case 0x3011:
    case 0xFF08:
    case 0xFF09:
        return false;
    default:
        break;
    }
    if (c >= 0x100)
        return true;
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'+' ||
           c == L'-' || c == L'%';
}

bool HoldsEqualIgnoreCase(strarray::StrArray& words, StrBuffer* word)
{
    const uint32_t count = words.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        if (words.Get(i)->EqualsIgnoreCase(word))
            return true;
    }
    return false;
}

void AddDistinct(strarray::StrArray* words, StrBuffer* word)
{
    if (HoldsEqualIgnoreCase(*words, word))
        word->ReleaseToPool();
    else
        words->Add(word);
}

} // namespace

const wchar_t StrBuffer::WhiteSpace[6] = {0x0020, 0x000A, 0x3000, 0x0009, 0x000D, 0};

strarray::StrArray& StrBuffer::StopWords()
{
    // Filled once, whichever threads ask first; lives to the end of the process, and its
    // destructor deletes the strings itself.
    static strarray::StrArray* const words = [] {
        static strarray::StrArray list;
        list.AddText(L"the")->AddText(L"of")->AddText(L"and");
        return &list;
    }();
    return *words;
}

void StrBuffer::Reverse()
{
    for (uint32_t i = 0, j = length_; i < length_ / 2; ++i) {
        --j;
        const wchar_t c = chars_[i];
        chars_[i] = chars_[j];
        chars_[j] = c;
    }
}

void StrBuffer::ToLower()
{
    for (uint32_t i = 0; i < length_; ++i)
        chars_[i] = ToLowerAscii(chars_[i]);
}

void StrBuffer::ToUpper()
{
    for (uint32_t i = 0; i < length_; ++i)
        chars_[i] = ToUpperAscii(chars_[i]);
}

void StrBuffer::Capitalize()
{
    ToLower();
    if (length_ != 0)
        chars_[0] = ToUpperAscii(chars_[0]);
}

wchar_t StrBuffer::CharAtLower(uint32_t i)
{
    return ToLowerAscii(chars_[i]);
}

wchar_t StrBuffer::CharAtUpper(uint32_t i)
{
    return ToUpperAscii(chars_[i]);
}

bool StrBuffer::IndexOfChar(wchar_t c, uint32_t* index, uint32_t start)
{
    return ScanForward(chars_, length_, start, index, [c](wchar_t x) { return x == c; });
}

bool StrBuffer::IndexOfCharIgnoreCase(wchar_t c, uint32_t* index, uint32_t start)
{
    const wchar_t folded = ToLowerAscii(c);
    return ScanForward(chars_, length_, start, index, [folded](wchar_t x) { return ToLowerAscii(x) == folded; });
}

bool StrBuffer::IndexOfAnyChar(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t start)
{
    return count > 0 && ScanForward(chars_, length_, start, index, InSetOf(chars, count, false));
}

bool StrBuffer::IndexOfAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t start)
{
    return count > 0 && ScanForward(chars_, length_, start, index, InSetOf(chars, count, true));
}

bool StrBuffer::LastIndexOfChar(wchar_t c, uint32_t* index, uint32_t limit)
{
    return ScanBackward(chars_, length_, limit, index, [c](wchar_t x) { return x == c; });
}

bool StrBuffer::LastIndexOfCharIgnoreCase(wchar_t c, uint32_t* index, uint32_t limit)
{
    const wchar_t folded = ToLowerAscii(c);
    return ScanBackward(chars_, length_, limit, index, [folded](wchar_t x) { return ToLowerAscii(x) == folded; });
}

bool StrBuffer::LastIndexOfAnyChar(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t limit)
{
    return count > 0 && ScanBackward(chars_, length_, limit, index, InSetOf(chars, count, false));
}

bool StrBuffer::LastIndexOfAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t* index, uint32_t limit)
{
    return count > 0 && ScanBackward(chars_, length_, limit, index, InSetOf(chars, count, true));
}

bool StrBuffer::IndexOf(const wchar_t* text, uint32_t* index, uint32_t start)
{
    if (length_ == 0 || start > length_)
        return false;
    EnsureTerminated();
    const wchar_t* found = std::wcsstr(chars_ + start, text);
    if (!found)
        return false;
    *index = static_cast<uint32_t>(found - chars_);
    return true;
}

bool StrBuffer::IndexOfIgnoreCase(const wchar_t* text, uint32_t* index, uint32_t start)
{
    const uint32_t n = TextLength(text);
    if (n == 0)
        return false;
    uint32_t at = 0;
    for (uint32_t from = start; IndexOfCharIgnoreCase(text[0], &at, from); from = at + 1) {
        if (MatchesIgnoreCaseAt(at, text, 0, static_cast<int32_t>(n))) {
            *index = at;
            return true;
        }
    }
    return false;
}

namespace {

// The last occurrence that fits below the limit: the first character found backward, then the
// whole text tried at each hit.
bool LastText(StrBuffer* str, const wchar_t* text, uint32_t* index, uint32_t limit, bool ignoreCase)
{
    const uint32_t n = TextLength(text);
    const int64_t top = BackwardTop(limit, str->GetLength());
    if (str->GetLength() == 0 || top < n)
        return false;
    const uint32_t room = static_cast<uint32_t>(top - n);
    if (n == 0) {
        *index = room;
        return true;
    }
    uint32_t at = 0;
    for (uint32_t below = room + 1; below != 0; below = at) {
        const bool hit = ignoreCase ? str->LastIndexOfCharIgnoreCase(text[0], &at, below)
                                    : str->LastIndexOfChar(text[0], &at, below);
        if (!hit)
            return false;
        if (ignoreCase ? str->MatchesIgnoreCaseAt(at, text, 0, static_cast<int32_t>(n))
                       : str->MatchesAt(at, text, 0, static_cast<int32_t>(n))) {
            *index = at;
            return true;
        }
    }
    return false;
}

} // namespace

bool StrBuffer::LastIndexOf(const wchar_t* text, uint32_t* index, uint32_t limit)
{
    return LastText(this, text, index, limit, false);
}

bool StrBuffer::LastIndexOfIgnoreCase(const wchar_t* text, uint32_t* index, uint32_t limit)
{
    return LastText(this, text, index, limit, true);
}

namespace {

// The n units of the string at index against the text from textIndex. A whole text (n = -1) must
// end the string exactly; its length counts from its start, so its terminator ends the match
// early rather than letting the comparison run past it.
bool MatchUnits(const wchar_t* chars, uint32_t length, uint32_t index, const wchar_t* text, uint32_t textIndex,
                int32_t n, bool ignoreCase)
{
    const bool whole = n == -1;
    const uint64_t count = whole ? TextLength(text) : static_cast<uint32_t>(n);
    if (whole && index + count != length)
        return false;
    if (length < index + count)
        return false;
    const wchar_t* from = text + textIndex;
    for (uint32_t i = 0; i < count; ++i) {
        if (whole && from[i] == 0)
            return false;
        if (!SameUnit(chars[index + i], from[i], ignoreCase))
            return false;
    }
    return true;
}

} // namespace

bool StrBuffer::MatchesAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n)
{
    return MatchUnits(chars_, length_, index, text, textIndex, n, false);
}

bool StrBuffer::MatchesIgnoreCaseAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n)
{
    return MatchUnits(chars_, length_, index, text, textIndex, n, true);
}

namespace {

inline uint32_t PrefixCount(const wchar_t* text, int32_t n)
{
    // A whole text (-1) counts its own length, for a prefix as for a suffix.
    return n == -1 ? TextLength(text) : static_cast<uint32_t>(n);
}

} // namespace

bool StrBuffer::EndsWith(const wchar_t* text, int32_t n)
{
    const uint32_t count = PrefixCount(text, n);
    return length_ >= count && MatchesAt(length_ - count, text, 0, static_cast<int32_t>(count));
}

bool StrBuffer::EndsWithIgnoreCase(const wchar_t* text, int32_t n)
{
    const uint32_t count = PrefixCount(text, n);
    return length_ >= count && MatchesIgnoreCaseAt(length_ - count, text, 0, static_cast<int32_t>(count));
}

bool StrBuffer::StartsWith(const wchar_t* text, int32_t n)
{
    const uint32_t count = PrefixCount(text, n);
    return length_ >= count && MatchesAt(0, text, 0, static_cast<int32_t>(count));
}

bool StrBuffer::StartsWithIgnoreCase(const wchar_t* text, int32_t n)
{
    const uint32_t count = PrefixCount(text, n);
    return length_ >= count && MatchesIgnoreCaseAt(0, text, 0, static_cast<int32_t>(count));
}

void StrBuffer::TrimEnd()
{
    TrimEndChars(WhiteSpace, kWhiteSpaceCount);
}

void StrBuffer::TrimEndDownTo(uint32_t minLength)
{
    TrimEndCharsDownTo(WhiteSpace, minLength, kWhiteSpaceCount);
}

void StrBuffer::TrimEndChars(const wchar_t* set, int32_t count)
{
    const uint32_t n = SetCount(set, count);
    while (length_ > 0 && InSet(chars_[length_ - 1], set, n, false))
        --length_;
}

void StrBuffer::TrimEndCharsDownTo(const wchar_t* set, uint32_t minLength, int32_t count)
{
    if (minLength >= length_)
        return;
    const uint32_t n = SetCount(set, count);
    while (length_ > minLength && InSet(chars_[length_ - 1], set, n, false))
        --length_;
}

void StrBuffer::TrimStart()
{
    TrimStartChars(WhiteSpace, kWhiteSpaceCount);
}

void StrBuffer::TrimStartChars(const wchar_t* set, int32_t count)
{
    const uint32_t n = SetCount(set, count);
    uint32_t lead = 0;
    while (lead < length_ && InSet(chars_[lead], set, n, false))
        ++lead;
    if (lead == 0)
        return;
    std::memmove(chars_, chars_ + lead, (length_ - lead) * sizeof(wchar_t));
    length_ -= lead;
}

namespace {

// Two terminated texts unit by unit, unsigned: 0 when they end together, else -1 or 1.
int32_t CompareWhole(const wchar_t* a, const wchar_t* b, bool ignoreCase)
{
    for (;; ++a, ++b) {
        const uint16_t x = static_cast<uint16_t>(ignoreCase ? ToLowerAscii(*a) : *a);
        const uint16_t y = static_cast<uint16_t>(ignoreCase ? ToLowerAscii(*b) : *b);
        if (x != y)
            return x < y ? -1 : 1;
        if (x == 0)
            return 0;
    }
}

int32_t CompareFoldedUnits(const wchar_t* a, const wchar_t* b, uint32_t n)
{
    for (uint32_t i = 0; i < n; ++i) {
        const int32_t x = static_cast<uint16_t>(ToLowerAscii(a[i]));
        const int32_t y = static_cast<uint16_t>(ToLowerAscii(b[i]));
        if (x != y)
            return x - y;
        if (x == 0)
            break;
    }
    return 0;
}

} // namespace

int32_t StrBuffer::CompareAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n)
{
    if (index >= length_)
        return -1;
    EnsureTerminated();
    if (n == -1)
        return CompareWhole(chars_ + index, text + textIndex, false);
    return std::wcsncmp(chars_ + index, text + textIndex, static_cast<uint32_t>(n));
}

int32_t StrBuffer::CompareIgnoreCaseAt(uint32_t index, const wchar_t* text, uint32_t textIndex, int32_t n)
{
    if (index >= length_)
        return -1;
    EnsureTerminated();
    if (n == -1)
        return CompareWhole(chars_ + index, text + textIndex, true);
    return CompareFoldedUnits(chars_ + index, text + textIndex, static_cast<uint32_t>(n));
}

namespace {

inline bool FindFrom(StrBuffer* text, const wchar_t* pattern, uint32_t start, uint32_t* at, bool ignoreCase)
{
    return ignoreCase ? text->IndexOfIgnoreCase(pattern, at, start) : text->IndexOf(pattern, at, start);
}

} // namespace

void StrBuffer::ReplaceAll(const wchar_t* pattern, const wchar_t* replacement)
{
    ReplaceEvery(pattern, replacement, false);
}

void StrBuffer::ReplaceAllIgnoreCase(const wchar_t* pattern, const wchar_t* replacement)
{
    ReplaceEvery(pattern, replacement, true);
}

void StrBuffer::ReplaceEvery(const wchar_t* pattern, const wchar_t* replacement, bool ignoreCase)
{
    const uint32_t n = TextLength(pattern);
    const uint32_t r = TextLength(replacement);
    uint32_t at = 0;
    if (n == 0 || length_ < n || !FindFrom(this, pattern, 0, &at, ignoreCase))
        return;
    // Each search starts after the previous occurrence, in text not yet rewritten: in place the
    // writes stay behind the reads, and the growing case builds its result aside.
    if (r == n) {
        for (;;) {
            std::memcpy(chars_ + at, replacement, r * sizeof(wchar_t));
            const uint32_t read = at + n;
            if (length_ - read < n || !FindFrom(this, pattern, read, &at, ignoreCase))
                return;
        }
    }
    if (r < n) {
        uint32_t write = at;
        std::memcpy(chars_ + write, replacement, r * sizeof(wchar_t));
        write += r;
        uint32_t read = at + n;
        while (length_ - read >= n && FindFrom(this, pattern, read, &at, ignoreCase)) {
            std::memmove(chars_ + write, chars_ + read, (at - read) * sizeof(wchar_t));
            write += at - read;
            std::memcpy(chars_ + write, replacement, r * sizeof(wchar_t));
            write += r;
            read = at + n;
        }
        std::memmove(chars_ + write, chars_ + read, (length_ - read) * sizeof(wchar_t));
        length_ = write + (length_ - read);
        return;
    }
    StrBuffer* built = New();
    if (!built)
        return;
    built->AppendCharsFrom(chars_, at, 0);
    built->AppendChars(replacement, r);
    uint32_t read = at + n;
    while (length_ - read >= n && FindFrom(this, pattern, read, &at, ignoreCase)) {
        built->AppendCharsFrom(chars_, at - read, read);
        built->AppendChars(replacement, r);
        read = at + n;
    }
    built->AppendCharsFrom(chars_, length_ - read, read);
    wchar_t* const block = chars_;
    const uint32_t capacity = capacity_;
    chars_ = built->chars_;
    length_ = built->length_;
    capacity_ = built->capacity_;
    built->chars_ = block;
    built->length_ = 0;
    built->capacity_ = capacity;
    built->ReleaseToPool();
}

void StrBuffer::KeepRange(uint32_t start, uint32_t end)
{
    if (end > length_)
        end = length_;
    if (start > 0)
        std::memmove(chars_, chars_ + start, (end - start) * sizeof(wchar_t));
    length_ = end - start;
}

StrBuffer* StrBuffer::Substring(uint32_t start, uint32_t end)
{
    if (end > length_)
        end = length_;
    StrBuffer* piece = New();
    if (piece && start < end)
        piece->AssignChars(chars_ + start, end - start);
    return piece;
}

namespace {

inline StrBuffer* BeforeFound(StrBuffer* text, bool found, uint32_t at)
{
    if (found)
        return text->Substring(0, at);
    StrBuffer* empty = StrBuffer::New();
    return empty ? empty->Assign(L"") : nullptr;
}

} // namespace

StrBuffer* StrBuffer::BeforeLastChar(wchar_t c, uint32_t limit)
{
    uint32_t at = 0;
    const bool found = LastIndexOfChar(c, &at, limit);
    return BeforeFound(this, found, at);
}

StrBuffer* StrBuffer::BeforeLastCharIgnoreCase(wchar_t c, uint32_t limit)
{
    uint32_t at = 0;
    const bool found = LastIndexOfCharIgnoreCase(c, &at, limit);
    return BeforeFound(this, found, at);
}

StrBuffer* StrBuffer::BeforeLastAnyChar(const wchar_t* chars, int32_t count, uint32_t limit)
{
    uint32_t at = 0;
    const bool found = LastIndexOfAnyChar(chars, count, &at, limit);
    return BeforeFound(this, found, at);
}

StrBuffer* StrBuffer::BeforeLastAnyCharIgnoreCase(const wchar_t* chars, int32_t count, uint32_t limit)
{
    uint32_t at = 0;
    const bool found = LastIndexOfAnyCharIgnoreCase(chars, count, &at, limit);
    return BeforeFound(this, found, at);
}

StrBuffer* StrBuffer::BeforeLast(const wchar_t* text, uint32_t limit)
{
    uint32_t at = 0;
    const bool found = LastIndexOf(text, &at, limit);
    return BeforeFound(this, found, at);
}

StrBuffer* StrBuffer::BeforeLastIgnoreCase(const wchar_t* text, uint32_t limit)
{
    uint32_t at = 0;
    const bool found = LastIndexOfIgnoreCase(text, &at, limit);
    return BeforeFound(this, found, at);
}

strarray::StrArray* StrBuffer::Split(wchar_t separator)
{
    strarray::StrArray* pieces = strarray::StrArray::New();
    if (!pieces)
        return nullptr;
    uint32_t start = 0, at = 0;
    while (IndexOfChar(separator, &at, start)) {
        if (at != start)
            pieces->Add(Substring(start, at));
        start = at + 1;
    }
    if (start != length_)
        pieces->Add(Substring(start, kWhole));
    return pieces;
}

strarray::StrArray* StrBuffer::SplitWords(bool dropStopWord)
{
    strarray::StrArray& stopWords = StopWords();
    strarray::StrArray* words = strarray::StrArray::New();
    if (!words)
        return nullptr;
    bool inWord = false;
    uint32_t start = 0;
    for (uint32_t i = 0; i < length_; ++i) {
        const bool word = IsWordChar(chars_[i]);
        if (word && !inWord) {
            start = i;
            inWord = true;
        } else if (!word && inWord) {
            AddDistinct(words, Substring(start, i));
            inWord = false;
        }
    }
    if (inWord) {
        // Only the word that ends the text is tested against the stop words.
        StrBuffer* last = Substring(start, length_);
        if (dropStopWord && HoldsEqualIgnoreCase(stopWords, last))
            last->ReleaseToPool();
        else
            AddDistinct(words, last);
    }
    return words;
}

} // namespace strbuffer
} // namespace str
} // namespace s
