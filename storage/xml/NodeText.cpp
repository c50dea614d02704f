// Reading and writing the system's XML dialect: elements (self-closing ones too), attributes in
// double quotes, text and comments; values stay in their stored (escaped) form both ways.
#include <windows.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "core/str/Utf8Codec.h"
#include "storage/xml/AttrFactory.h"
#include "storage/xml/AttributeScan.h"
#include "storage/xml/ElementWriter.h"
#include "storage/xml/MarkupChars.h"
#include "storage/xml/Node.h"
#include "storage/xml/PendingItems.h"
#include "storage/xml/TextRoom.h"
#include "storage/xml/TextSink.h"

namespace s {
namespace xml {

namespace {

const uint32_t kCommentNameLength = 3;

template <class C>
inline bool EndsName(C c)
{
    return IsBlank(c) || c == '/' || c == '>';
}

// The position of the first c at or after p, or end.
template <class C>
const C* SkipTo(const C* p, const C* end, C c)
{
    while (p < end && *p != c)
        ++p;
    return p;
}

// Keeps a record aside with its element's others; one that finds no room goes back.
inline void Keep(PendingItems* records, AttrRecord* record)
{
    if (record && !records->Push(record))
        AttrFactory::GiveBack(record);
}

// A run of element text kept aside with the element's other records.
template <class C>
inline void AddTextRun(PendingItems* records, const C* run, uint32_t length)
{
    static const C kNoName[] = {0};
    Keep(records, ScannedRecord(kNoName, 0, run, length));
}

// The bytes of the first kCommentNameLength UTF-16 units at p, in well-formed UTF-8, decoded
// into name (*units of them). A character of two units may end past them: the scan for the
// comment's end then starts after it, which finds what a scan from its second unit finds.
uint32_t CommentNameBytes(const char* p, const char* end, wchar_t* name, uint32_t* units)
{
    const char* q = p;
    wchar_t decoded[kCommentNameLength + 1];
    uint32_t n = 0;
    while (n < kCommentNameLength && q < end) {
        const uint8_t lead = static_cast<uint8_t>(*q);
        const uint32_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (static_cast<uint32_t>(end - q) < length)
            break;
        n += str::DecodeUtf8(q, length, decoded + n);
        q += length;
    }
    *units = n < kCommentNameLength ? n : kCommentNameLength;
    for (uint32_t i = 0; i < *units; ++i)
        name[i] = decoded[i];
    return static_cast<uint32_t>(q - p);
}

uint32_t CommentNameUnits(const wchar_t* p, const wchar_t* end, wchar_t* name, uint32_t* units)
{
    uint32_t n = 0;
    while (n < kCommentNameLength && p + n < end) {
        name[n] = p[n];
        ++n;
    }
    *units = n;
    return n;
}

inline uint32_t CommentNameUnits(const char* p, const char* end, wchar_t* name, uint32_t* units)
{
    return CommentNameBytes(p, end, name, units);
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

// Nothing but blanks from p to end (a NUL counts as something).
template <class C>
bool OnlyBlanks(const C* p, const C* end)
{
    for (; p < end; ++p) {
        if (!IsBlank(*p))
            return false;
    }
    return true;
}

} // namespace

void Node::SetNameFrom(const char* name, uint32_t bytes)
{
    const uint32_t length = str::Utf16Units(name, bytes);
    wchar_t* copy = NewTextRoom(static_cast<size_t>(length) + 1, TextOrigin::kParse);
    if (!copy)
        return;
    copy[str::DecodeUtf8(name, bytes, copy)] = 0;
    TakeName(copy, length);
}

const wchar_t* Node::Parse(const wchar_t* text)
{
    if (!text)
        return nullptr;
    PendingLists pending;
    bool complete = false;
    return ParseElement(text, text + std::wcslen(text), 0, &pending, &complete);
}

// Every scan stops at end and returns it; complete tells whether the element ended properly.
// What was complete by then stays in the node (see IXml::Parse): the records and children read
// so far join its lists however the element ended.
template <class C>
const C* Node::ParseElement(const C* p, const C* end, uint32_t depth, PendingLists* pending, bool* complete)
{
    const uint32_t records = pending->records.Mark();
    const uint32_t children = pending->children.Mark();
    p = ParseMarkup(p, end, depth, pending, complete);
    TakePending(pending, records, children);
    return p;
}

void Node::TakePending(PendingLists* pending, uint32_t records, uint32_t children)
{
    attributes_.AppendRun(pending->records.From(records), pending->records.CountFrom(records));
    pending->records.PopTo(records);
    void* const* nodes = pending->children.From(children);
    const uint32_t count = pending->children.CountFrom(children);
    if (!children_.AppendRun(nodes, count)) {
        for (uint32_t i = 0; i < count; ++i)
            static_cast<Node*>(nodes[i])->ReleaseToPool();
    }
    pending->children.PopTo(children);
}

template <class C>
const C* Node::ParseMarkup(const C* p, const C* end, uint32_t depth, PendingLists* pending, bool* complete)
{
    *complete = false;
    if (depth >= kMaxDepth)
        return end;
    p = SkipTo(p, end, C('<'));
    if (p == end)
        return p;
    ++p;
    while (p < end && IsBlank(*p))
        ++p;

    if (p < end && *p == '!')
        return ParseComment(p, end, complete);

    const C* name = p;
    while (p < end && !EndsName(*p))
        ++p;
    // A name cut off by the end of the text is not read: it may be the start of another.
    if (p == end)
        return p;
    SetNameFrom(name, static_cast<uint32_t>(p - name));
    // A start tag cut off keeps the attributes complete before the end: the values of a
    // section stand in its start tag, and a file cut there still holds them.
    p = ScanAttributes(p, end, [pending](AttrRecord* record) { Keep(&pending->records, record); });
    while (p < end && *p != '>' && *p != '/')
        ++p;
    if (p < end && *p == '/') {
        p = SkipTo(p, end, C('>'));
        if (p == end)
            return p;
        *complete = true;
        return p + 1;
    }
    if (p == end)
        return p;
    return ParseContent(p + 1, end, depth, pending, complete);
}

template <class C>
const C* Node::ParseComment(const C* p, const C* end, bool* complete)
{
    wchar_t name[kCommentNameLength] = {};
    uint32_t units = 0;
    p += CommentNameUnits(p, end, name, &units);
    SetName(name, units);
    for (; p < end; ++p) {
        if (*p == '-' && end - p >= 3 && p[1] == '-' && p[2] == '>') {
            *complete = true;
            return p + 3;
        }
    }
    return p;
}

template <class C>
const C* Node::ParseContent(const C* p, const C* end, uint32_t depth, PendingLists* pending, bool* complete)
{
    for (;;) {
        while (p < end && IsBlank(*p))
            ++p;
        if (p == end)
            return p;
        if (*p != '<') {
            // A run keeps its trailing blanks and line ends; its leading ones were skipped.
            const C* run = p;
            p = SkipTo(p, end, C('<'));
            if (p == end)
                return p;
            AddTextRun(&pending->records, run, static_cast<uint32_t>(p - run));
            continue;
        }
        if (end - p >= 2 && p[1] == '/') {
            // The end tag closes this element whatever name it bears.
            p = SkipTo(p, end, C('>'));
            if (p == end)
                return p;
            *complete = true;
            return p + 1;
        }
        Node* child = New();
        if (!child)
            return end;
        bool childComplete = false;
        p = child->ParseElement(p, end, depth + 1, pending, &childComplete);
        // A child that ends too soon keeps what it read, as this element does.
        if (!child->GetName() || child->IsComment() || !pending->children.Push(child))
            child->ReleaseToPool();
        if (!childComplete)
            return end;
    }
}

// A document is its first element: comments before it are passed over. Anything after it but
// blanks was not read, and would not be written back, so such a text does not count as read.
template <class C>
bool Node::ParseDocument(const C* text, const C* all)
{
    const C* end = text;
    while (end < all && *end)
        ++end;
    PendingLists pending;
    bool complete = false;
    const C* p = ParseElement(text, end, 0, &pending, &complete);
    while (IsComment()) {
        Clear();
        if (!complete)
            break;
        p = ParseElement(p, end, 0, &pending, &complete);
    }
    return complete && OnlyBlanks(p, all);
}

// Well-formed bytes are read where they lie, decoded only into the names and values: no UTF-16
// copy of the whole document.
bool Node::ParseBytes(ArrayU08* bytes)
{
    if (!bytes)
        return false;
    const uint32_t count = bytes->GetCount();
    const char* data = count ? static_cast<const char*>(bytes->GetData()) : "";
    if (str::IsWellFormedUtf8(data, count))
        return ParseDocument(data, data + count);
    // The system's replacement of malformed bytes depends on the bytes around them, up to the
    // end of the text: such a document (a hand-edited file in a legacy code page) is decoded whole.
    StrBuffer* text = StrBuffer::New();
    if (!text)
        return false;
    text->FromUtf8(data, false, static_cast<int32_t>(count));
    const bool read = ParseDocument(text->GetText(), text->GetText() + text->GetLength());
    text->ReleaseToPool();
    return read && IsCleanUtf8(bytes);
}

StrBuffer* Node::Write(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (out) {
        TextSink sink(out);
        WriteElement(this, &sink);
    }
    return out;
}

// Straight from the records into room sized by a first walk: no UTF-16 copy of the whole
// document, and one block of exactly its size.
Node::ArrayU08* Node::WriteBytes(ArrayU08* out, bool append)
{
    if (!out)
        out = ArrayU08::New();
    else if (!append)
        out->SetCount(0);
    if (!out)
        return nullptr;
    Utf8SizeSink size;
    WriteElement(this, &size);
    const uint32_t count = out->GetCount();
    // A zero byte follows the bytes, uncounted, as after every conversion to UTF-8.
    const uint64_t need = count + size.Bytes() + 1;
    if (need >= UINT32_MAX)
        return out;
    if (append)
        out->EnsureCapacity(static_cast<uint32_t>(need));
    else
        out->ReserveExact(static_cast<uint32_t>(need));
    if (out->GetCapacity() < need)
        return out;
    Utf8Sink bytes(static_cast<char*>(out->GetData()) + count);
    WriteElement(this, &bytes);
    *bytes.End() = 0;
    out->SetCount(static_cast<uint32_t>(bytes.End() - static_cast<char*>(out->GetData())));
    return out;
}

} // namespace xml
} // namespace s
