#pragma once
#include <cstddef>
#include <cstdint>
#include <new>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/xml/Attributes.h"
#include "storage/xml/IXml.h"
#include "storage/xml/ShortList.h"
#include "storage/xml/TextRoom.h"

namespace s {
namespace xml {

struct PendingLists;

// An XML element taken from its pool. It owns its children and its records; no lock: one
// thread at a time.
class Node : public IXml, public thread::IPoolable {
public:
    // Elements nested deeper than this are refused by the parser, so that no input can exhaust
    // the stack; the system's documents nest a few levels.
    static const uint32_t kMaxDepth = 256;

    Node();
    ~Node() override;

    // Nodes live in slabs of many (SlabHeap.h); only the pool creates them, without throwing.
    static void* operator new(size_t size, const std::nothrow_t&) noexcept;
    static void operator delete(void* node) noexcept;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    uint32_t GetChildCount() override { return children_.GetCount(); }
    void Clear() override;
    void DebugDump(const wchar_t* indent) override;
    const wchar_t* Parse(const wchar_t* text) override;
    bool ParseBytes(ArrayU08* bytes) override;
    const wchar_t* GetName() override { return name_; }
    uint32_t GetNameLength() const { return nameLength_; }
    void SetName(const wchar_t* name, uint32_t length) override;
    bool NameEquals(const wchar_t* text, uint32_t length) override;
    bool IsComment() override;
    // Null for an index at or beyond the count.
    IXml* GetChild(uint32_t index) override { return index < GetChildCount() ? ChildAt(index) : nullptr; }
    IXml* AddChild(const wchar_t* name, uint32_t length) override;
    IXml* AppendChild(IXml* node) override;
    void RemoveChildAt(uint32_t index) override;
    bool FindChildIndex(const wchar_t* name, uint32_t* index, uint32_t length) override;
    IXml* FindChild(const wchar_t* name, uint32_t length) override;

    void SetUInt64Attribute(const wchar_t* name, uint64_t value) override;
    void SetUInt32Attribute(const wchar_t* name, uint32_t value) override;
    void SetUInt16Attribute(const wchar_t* name, uint16_t value) override;
    void SetUInt8Attribute(const wchar_t* name, uint8_t value) override;
    void SetInt64Attribute(const wchar_t* name, int64_t value) override;
    void SetInt32Attribute(const wchar_t* name, int32_t value) override;
    void SetInt16Attribute(const wchar_t* name, int16_t value) override;
    void SetInt8Attribute(const wchar_t* name, int8_t value) override;
    void SetFloatAttribute(const wchar_t* name, float value) override;
    void SetDoubleAttribute(const wchar_t* name, double value) override;
    void SetAttribute(const wchar_t* name, const wchar_t* value) override;

    void SetUInt64ArrayAttribute(const wchar_t* name, const uint64_t* values, uint32_t count) override;
    void SetUInt32ArrayAttribute(const wchar_t* name, const uint32_t* values, uint32_t count) override;
    void SetUInt16ArrayAttribute(const wchar_t* name, const uint16_t* values, uint32_t count) override;
    void SetUInt8ArrayAttribute(const wchar_t* name, const uint8_t* values, uint32_t count) override;
    void SetInt64ArrayAttribute(const wchar_t* name, const int64_t* values, uint32_t count) override;
    void SetInt32ArrayAttribute(const wchar_t* name, const int32_t* values, uint32_t count) override;
    void SetInt16ArrayAttribute(const wchar_t* name, const int16_t* values, uint32_t count) override;
    void SetInt8ArrayAttribute(const wchar_t* name, const int8_t* values, uint32_t count) override;
    void SetFloatArrayAttribute(const wchar_t* name, const float* values, uint32_t count) override;
    void SetDoubleArrayAttribute(const wchar_t* name, const double* values, uint32_t count) override;

    const wchar_t* GetAttribute(const wchar_t* name, const wchar_t* defaultValue) override;

    bool GetBoolAttribute(const wchar_t* name, bool defaultValue) override;
    int8_t GetInt8Attribute(const wchar_t* name, int8_t defaultValue) override;
    int16_t GetInt16Attribute(const wchar_t* name, int16_t defaultValue) override;
    int32_t GetInt32Attribute(const wchar_t* name, int32_t defaultValue) override;
    int64_t GetInt64Attribute(const wchar_t* name, int64_t defaultValue) override;
    uint8_t GetUInt8Attribute(const wchar_t* name, uint8_t defaultValue) override;
    uint16_t GetUInt16Attribute(const wchar_t* name, uint16_t defaultValue) override;
    uint32_t GetUInt32Attribute(const wchar_t* name, uint32_t defaultValue) override;
    uint64_t GetUInt64Attribute(const wchar_t* name, uint64_t defaultValue) override;

    StrBuffer* CopyAttributeTo(StrBuffer* out, const wchar_t* name, const wchar_t* defaultText,
                               bool append) override;
    StrBuffer* Write(StrBuffer* out, bool append) override;
    ArrayU08* WriteBytes(ArrayU08* out, bool append) override;
    Attributes* GetAttributes() override { return &attributes_; }
    bool LoadFileText(StrBuffer* path) override;
    bool LoadFile(PathWin* path) override;
    bool SaveFileText(StrBuffer* path) override;
    bool SaveFile(PathWin* path) override;

    void ReleaseToPool() override;
    void Reset() override { Clear(); }

    Node* ChildAt(uint32_t index) { return static_cast<Node*>(children_.Get(index)); }
    Node* FindChildNode(const wchar_t* name, uint32_t length);

    static thread::EasyPooler* GetPool();
    // An empty, unnamed node from the pool; give it back with ReleaseToPool.
    static Node* New();

private:
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;

    // Over UTF-16 text or over UTF-8 bytes, which are decoded only where a name or value is
    // copied; the text runs to end, which stands for its NUL. Both return where the scan stopped
    // (end when the text ended first) and set complete when the element ended properly. The
    // records and children read wait in pending until the element ends (PendingItems.h).
    template <class C>
    const C* ParseElement(const C* p, const C* end, uint32_t depth, PendingLists* pending, bool* complete);
    template <class C>
    const C* ParseMarkup(const C* p, const C* end, uint32_t depth, PendingLists* pending, bool* complete);
    template <class C>
    const C* ParseContent(const C* p, const C* end, uint32_t depth, PendingLists* pending, bool* complete);
    // Moves what waits in pending from the marks up into the lists.
    void TakePending(PendingLists* pending, uint32_t records, uint32_t children);
    // The whole text up to all; true when its first element ended properly and only blanks follow.
    template <class C>
    bool ParseDocument(const C* text, const C* all);
    template <class C>
    const C* ParseComment(const C* p, const C* end, bool* complete);
    // The parser's naming, in room for a parse's texts (TextRoom.h).
    void SetNameFrom(const wchar_t* name, uint32_t length) { CopyName(name, length, TextOrigin::kParse); }
    void SetNameFrom(const char* name, uint32_t bytes);
    void CopyName(const wchar_t* name, uint32_t length, TextOrigin origin);
    // Frees the old name and keeps copy, which must come from NewTextRoom.
    void TakeName(wchar_t* copy, uint32_t length);
    // Takes the child; false when no memory was left, and the child is then given back.
    bool AppendChildNode(Node* child);
    // The record of a number or array setter: the scratch text as it stands under the guard.
    void AddScratchRecord(const wchar_t* name, StrBuffer* scratch);
    // Writes a number into the shared scratch text under its lock and adds it as the record.
    template <class Writer>
    void AddNumberRecord(const wchar_t* name, Writer write);

    ShortList children_;
    Attributes attributes_;
    wchar_t* name_;
    uint32_t nameLength_;
};

} // namespace xml
} // namespace s
