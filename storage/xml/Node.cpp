#include "storage/xml/Node.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "core/str/AsciiFold.h"
#include "core/str/StrBuffer.h"
#include "storage/xml/Escape.h"
#include "storage/xml/SlabHeap.h"
#include "storage/xml/TextRoom.h"

namespace s {
namespace xml {

namespace {

bool EqualsFolded(const wchar_t* a, const wchar_t* b)
{
    for (;; ++a, ++b) {
        if (str::ToLowerAscii(*a) != str::ToLowerAscii(*b))
            return false;
        if (*a == 0)
            return true;
    }
}

const uint32_t kNodesPerSlab = 256;

// Never torn down: static trees delete their nodes at exit, after every static object may have gone.
SlabHeap& NodeHeap()
{
    static SlabHeap* heap = new SlabHeap(sizeof(Node), kNodesPerSlab, alignof(Node));
    return *heap;
}

} // namespace

void* Node::operator new(size_t size, const std::nothrow_t&) noexcept
{
    return size == sizeof(Node) ? NodeHeap().Allocate() : nullptr;
}

void Node::operator delete(void* node) noexcept
{
    NodeHeap().Free(node);
}

Node::Node() : name_(nullptr), nameLength_(0) {}

Node::~Node()
{
    // The pools may be gone at exit: children are deleted here, not given back.
    const uint32_t count = children_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        delete ChildAt(i);
    FreeTextRoom(name_);
}

const wchar_t* Node::GetClassName()
{
    return L"s_xml_Node";
}

base::IObject* Node::NewInstance()
{
    return New();
}

void Node::Clear()
{
    FreeTextRoom(name_);
    name_ = nullptr;
    nameLength_ = 0;
    attributes_.RemoveAll();
    // The count is read again each turn, as a cleaner of the library's lists does.
    for (uint32_t i = 0; i < children_.GetCount(); ++i)
        ChildAt(i)->ReleaseToPool();
    children_.Release();
}

void Node::DebugDump(const wchar_t* indent)
{
    const uint32_t count = children_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        ChildAt(i)->DebugDump(indent);
}

void Node::SetName(const wchar_t* name, uint32_t length)
{
    if (length == StrBuffer::kWhole)
        length = name ? static_cast<uint32_t>(std::wcslen(name)) : 0;
    CopyName(name, length, TextOrigin::kSetter);
}

void Node::CopyName(const wchar_t* name, uint32_t length, TextOrigin origin)
{
    wchar_t* copy = NewTextRoom(static_cast<size_t>(length) + 1, origin);
    if (!copy)
        return;
    if (length)
        std::memcpy(copy, name, static_cast<size_t>(length) * sizeof(wchar_t));
    copy[length] = 0;
    TakeName(copy, length);
}

void Node::TakeName(wchar_t* copy, uint32_t length)
{
    FreeTextRoom(name_);
    name_ = copy;
    nameLength_ = length;
}

bool Node::NameEquals(const wchar_t* text, uint32_t length)
{
    if (length == StrBuffer::kWhole)
        return EqualsFolded(text, name_ ? name_ : L"");
    if (!name_ || nameLength_ != length)
        return false;
    for (uint32_t i = 0; i < length; ++i) {
        if (text[i] == 0 || text[i] != name_[i])
            return false;
    }
    return true;
}

bool Node::IsComment()
{
    return name_ && name_[0] == L'!';
}

IXml* Node::AddChild(const wchar_t* name, uint32_t length)
{
    Node* child = New();
    if (!child)
        return nullptr;
    child->SetName(name, length);
    return AppendChildNode(child) ? child : nullptr;
}

IXml* Node::AppendChild(IXml* node)
{
    if (node && !AppendChildNode(static_cast<Node*>(node)))
        return nullptr;
    return node;
}

bool Node::AppendChildNode(Node* child)
{
    if (children_.Append(child))
        return true;
    child->ReleaseToPool();
    return false;
}

void Node::RemoveChildAt(uint32_t index)
{
    if (index < children_.GetCount())
        static_cast<Node*>(children_.TakeAt(index))->ReleaseToPool();
}

bool Node::FindChildIndex(const wchar_t* name, uint32_t* index, uint32_t length)
{
    const uint32_t count = children_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        if (ChildAt(i)->NameEquals(name, length)) {
            if (index)
                *index = i;
            return true;
        }
    }
    return false;
}

IXml* Node::FindChild(const wchar_t* name, uint32_t length)
{
    return FindChildNode(name, length);
}

Node* Node::FindChildNode(const wchar_t* name, uint32_t length)
{
    uint32_t index;
    return FindChildIndex(name, &index, length) ? ChildAt(index) : nullptr;
}

void Node::SetAttribute(const wchar_t* name, const wchar_t* value)
{
    SetAttributeText(&attributes_, name, value);
}

const wchar_t* Node::GetAttribute(const wchar_t* name, const wchar_t* defaultValue)
{
    AttrRecord* record = attributes_.Find(name);
    return record ? record->value : defaultValue;
}

StrBuffer* Node::CopyAttributeTo(StrBuffer* out, const wchar_t* name, const wchar_t* defaultText, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (!out)
        return nullptr;
    AttrRecord* record = attributes_.Find(name);
    if (!record) {
        if (defaultText)
            out->Append(defaultText);
        return out;
    }
    if (record->nameLength == 0)
        UnescapeText(out, record->value, true, record->valueLength);
    else
        UnescapeAttributeValue(out, record->value, true, record->valueLength);
    return out;
}

void Node::ReleaseToPool()
{
    GetPool()->Give(this);
}

thread::EasyPooler* Node::GetPool()
{
    return &thread::PoolOf<Node>();
}

Node* Node::New()
{
    return thread::TakeFromPool<Node>();
}

} // namespace xml
} // namespace s
