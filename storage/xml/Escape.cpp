#include "storage/xml/Escape.h"

#include <cwchar>

#include "core/str/StrBuffer.h"

namespace s {
namespace xml {

namespace {

typedef str::strbuffer::StrBuffer StrBuffer;

// One table per kind of value serves both ways: the characters it escapes are exactly those
// its reader decodes.
struct Entity {
    const wchar_t* name;
    uint32_t length;
    wchar_t character;
    // The character came from a numeric reference and is kept when it ends a text run.
    bool kept;
};

const Entity kAttributeEntities[] = {
    {L"&amp;", 5, L'&', false},   {L"&lt;", 4, L'<', false},   {L"&quot;", 6, L'"', false},
    {L"&#13;", 5, L'\r', false}, {L"&#10;", 5, L'\n', false},
};

const Entity kTextEntities[] = {
    {L"&amp;", 5, L'&', false},   {L"&lt;", 4, L'<', false},  {L"&gt;", 4, L'>', false},
    {L"&#160;", 6, L' ', true}, {L"&#13;", 5, L'\r', true}, {L"&#10;", 5, L'\n', true},
};

// The stored form of c by the table, or null when c stands for itself.
template <size_t N>
const Entity* EscapeOf(wchar_t c, const Entity (&table)[N])
{
    for (const Entity& entity : table) {
        if (entity.character == c)
            return &entity;
    }
    return nullptr;
}

template <size_t N>
void EscapeWith(StrBuffer* out, const wchar_t* text, const Entity (&table)[N])
{
    out->Clear();
    if (!text)
        return;
    const wchar_t* run = text;
    const wchar_t* p = text;
    for (; *p; ++p) {
        const Entity* escaped = EscapeOf(*p, table);
        if (!escaped)
            continue;
        out->AppendChars(run, static_cast<uint32_t>(p - run));
        out->AppendChars(escaped->name, escaped->length);
        run = p + 1;
    }
    out->AppendChars(run, static_cast<uint32_t>(p - run));
}

// Empties out or, when appending, makes room for the stored text after its content.
void PrepareOut(StrBuffer* out, const wchar_t* stored, bool append, uint32_t length)
{
    if (length == StrBuffer::kWhole)
        length = stored ? static_cast<uint32_t>(std::wcslen(stored)) : 0;
    if (append) {
        out->EnsureCapacity(out->GetLength() + length);
    } else {
        out->Clear();
        if (out->GetCapacity() < length)
            out->ReserveExact(length);
    }
}

// Copies stored into out with the entities of the table decoded; every other "&" stands for
// itself. Returns the length of out after the last kept character reference (0 when none).
template <size_t N>
uint32_t DecodeInto(StrBuffer* out, const wchar_t* stored, const Entity (&table)[N], uint32_t keepLength)
{
    const wchar_t* run = stored;
    const wchar_t* p = stored;
    while (*p) {
        if (*p != L'&') {
            ++p;
            continue;
        }
        const Entity* found = nullptr;
        for (const Entity& entity : table) {
            if (std::wcsncmp(p, entity.name, entity.length) == 0) {
                found = &entity;
                break;
            }
        }
        if (!found) {
            ++p;
            continue;
        }
        out->AppendChars(run, static_cast<uint32_t>(p - run));
        out->AppendChar(found->character);
        if (found->kept)
            keepLength = out->GetLength();
        p += found->length;
        run = p;
    }
    out->AppendChars(run, static_cast<uint32_t>(p - run));
    return keepLength;
}

inline bool IsLeadingBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
}

inline bool IsTrailingSpace(wchar_t c)
{
    return c == L' ' || c == L'\n' || c == 0x3000 || c == L'\t' || c == L'\r';
}

} // namespace

void EscapeAttributeValue(StrBuffer* out, const wchar_t* text)
{
    EscapeWith(out, text, kAttributeEntities);
}

void EscapeText(StrBuffer* out, const wchar_t* text)
{
    EscapeWith(out, text, kTextEntities);
}

void UnescapeAttributeValue(StrBuffer* out, const wchar_t* stored, bool append, uint32_t length)
{
    PrepareOut(out, stored, append, length);
    if (stored)
        DecodeInto(out, stored, kAttributeEntities, 0);
}

void UnescapeText(StrBuffer* out, const wchar_t* stored, bool append, uint32_t length)
{
    PrepareOut(out, stored, append, length);
    if (!stored)
        return;
    while (IsLeadingBlank(*stored))
        ++stored;
    // What out held before an append is the caller's, never trimmed away.
    const uint32_t keep = DecodeInto(out, stored, kTextEntities, out->GetLength());
    uint32_t n = out->GetLength();
    while (n > keep && IsTrailingSpace(*out->CharPtrAt(n - 1)))
        --n;
    out->SetLength(n);
}

} // namespace xml
} // namespace s
