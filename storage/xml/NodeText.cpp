// Reading and writing the system's XML dialect: elements (self-closing ones too), attributes in
// double quotes, text and comments; values stay in their stored (escaped) form both ways.
#include <windows.h>

#include <climits>
#include <cstdint>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/xml/Node.h"

namespace s {
namespace xml {

namespace {

const uint32_t kCommentNameLength = 3;
const wchar_t kCommentEnd[] = L"-->";

inline bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
}

inline bool EndsName(wchar_t c)
{
    return c == 0 || IsBlank(c) || c == L'/' || c == L'>';
}

// The position of the first c at or after p, or of the end of the text.
const wchar_t* SkipTo(const wchar_t* p, wchar_t c)
{
    while (*p && *p != c)
        ++p;
    return p;
}

const wchar_t* EndOf(const wchar_t* p)
{
    while (*p)
        ++p;
    return p;
}

// A hand-edited file saved in a legacy code page decodes with replacement characters: such
// bytes are not the document the writer made.
bool IsCleanUtf8(col::_array::ArrayU08* bytes)
{
    const uint32_t count = bytes->GetCount();
    if (count == 0)
        return true;
    if (count > static_cast<uint32_t>(INT_MAX))
        return false;
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, static_cast<const char*>(bytes->GetData()),
                               static_cast<int>(count), nullptr, 0) > 0;
}

// Nothing but blanks from p to the end of text (a NUL inside the text counts as something).
bool OnlyBlanksAfter(const wchar_t* p, str::strbuffer::StrBuffer* text)
{
    const wchar_t* end = text->GetText() + text->GetLength();
    for (; p < end; ++p) {
        if (!IsBlank(*p))
            return false;
    }
    return true;
}

} // namespace

const wchar_t* Node::Parse(const wchar_t* text)
{
    if (!text)
        return nullptr;
    bool complete = false;
    return ParseElement(text, 0, &complete);
}

// Every scan stops at the terminating NUL and returns its position; complete tells whether the
// element ended properly. What was complete by then stays in the node (see IXml::Parse).
const wchar_t* Node::ParseElement(const wchar_t* p, uint32_t depth, bool* complete)
{
    *complete = false;
    if (depth >= kMaxDepth)
        return EndOf(p);
    p = SkipTo(p, L'<');
    if (*p == 0)
        return p;
    ++p;
    while (IsBlank(*p))
        ++p;

    if (*p == L'!') {
        uint32_t n = 0;
        while (n < kCommentNameLength && p[n])
            ++n;
        SetName(p, n);
        for (p += n; *p; ++p) {
            if (p[0] == kCommentEnd[0] && p[1] == kCommentEnd[1] && p[2] == kCommentEnd[2]) {
                *complete = true;
                return p + 3;
            }
        }
        return p;
    }

    const wchar_t* name = p;
    while (!EndsName(*p))
        ++p;
    // A name cut off by the end of the text is not read: it may be the start of another.
    if (*p == 0)
        return p;
    SetName(name, static_cast<uint32_t>(p - name));
    // A start tag cut off keeps the attributes complete before the end: the values of a
    // section stand in its start tag, and a file cut there still holds them.
    p = ParseAttributes(&attributes_, p);
    while (*p && *p != L'>' && *p != L'/')
        ++p;
    if (*p == L'/') {
        p = SkipTo(p, L'>');
        if (*p == 0)
            return p;
        *complete = true;
        return p + 1;
    }
    if (*p != L'>')
        return p;
    return ParseContent(p + 1, depth, complete);
}

const wchar_t* Node::ParseContent(const wchar_t* p, uint32_t depth, bool* complete)
{
    for (;;) {
        while (IsBlank(*p))
            ++p;
        if (*p == 0)
            return p;
        if (*p != L'<') {
            // A run keeps its trailing blanks and line ends; its leading ones were skipped.
            const wchar_t* run = p;
            while (*p && *p != L'<')
                ++p;
            if (*p == 0)
                return p;
            AddAttributeRaw(&attributes_, L"", 0, run, static_cast<uint32_t>(p - run));
            continue;
        }
        if (p[1] == L'/') {
            // The end tag closes this element whatever name it bears.
            p = SkipTo(p, L'>');
            if (*p == 0)
                return p;
            *complete = true;
            return p + 1;
        }
        Node* child = New();
        if (!child)
            return EndOf(p);
        bool childComplete = false;
        p = child->ParseElement(p, depth + 1, &childComplete);
        // A child that ends too soon keeps what it read, as this element does.
        if (child->GetName() && !child->IsComment())
            AppendChildNode(child);
        else
            child->ReleaseToPool();
        if (!childComplete)
            return EndOf(p);
    }
}

bool Node::ParseBytes(ArrayU08* bytes)
{
    if (!bytes)
        return false;
    StrBuffer* text = StrBuffer::New();
    if (!text)
        return false;
    text->FromUtf8(reinterpret_cast<const char*>(bytes->GetData()), false,
                   static_cast<int32_t>(bytes->GetCount()));
    // Comments before the root are passed over: a document is its first element.
    bool complete = false;
    const wchar_t* p = ParseElement(text->GetText(), 0, &complete);
    while (IsComment()) {
        Clear();
        if (!complete)
            break;
        p = ParseElement(p, 0, &complete);
    }
    // Anything after the root but blanks was not read, and would not be written back.
    const bool clean = complete && OnlyBlanksAfter(p, text) && IsCleanUtf8(bytes);
    text->ReleaseToPool();
    return clean;
}

StrBuffer* Node::Write(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (out)
        WriteTo(out);
    return out;
}

void Node::WriteTo(StrBuffer* out)
{
    out->AppendChar(L'<');
    out->AppendChars(name_ ? name_ : L"", nameLength_);
    WriteAttributes(&attributes_, out);
    out->AppendChar(L'>');
    if (AttrRecord* text = attributes_.FirstText())
        out->AppendChars(text->value, text->valueLength);
    const uint32_t count = children_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        ChildAt(i)->WriteTo(out);
    out->AppendChar(L'<');
    out->AppendChar(L'/');
    out->AppendChars(name_ ? name_ : L"", nameLength_);
    out->AppendChar(L'>');
}

Node::ArrayU08* Node::WriteBytes(ArrayU08* out, bool append)
{
    StrBuffer* text = Write(nullptr, false);
    if (!text)
        return nullptr;
    out = text->ToUtf8Bytes(out, append);
    text->ReleaseToPool();
    return out;
}

} // namespace xml
} // namespace s
