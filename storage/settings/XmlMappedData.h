#pragma once
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/settings/IMappedData.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace file {
namespace win {
class PathWin;
}
} // namespace file

namespace xml {

class Node;

// The settings store over one XML file: the root element, one nested element per section level
// (separated at '/' and '\'), each value an attribute of its section's element, the value with
// the empty name the element's text. No lock: callers that share a store serialise their calls.
// The store writes only what it reads back: a setter with a name the file cannot hold (see
// IsWritableName), an empty level or a section deeper than the reader takes stores nothing.
class MappedData : public map::IMappedData, public thread::IPoolable {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;
    typedef file::win::PathWin PathWin;

    MappedData();
    ~MappedData() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    bool Save() override;
    void SetSection(const wchar_t* section) override;
    void RemoveSection(const wchar_t* section) override;
    bool SelectSection(const wchar_t* section) override;
    bool HasValue(const wchar_t* section, const wchar_t* name) override;

    uint8_t GetUInt8(const wchar_t* section, const wchar_t* name, uint8_t defaultValue) override;
    uint16_t GetUInt16(const wchar_t* section, const wchar_t* name, uint16_t defaultValue) override;
    uint32_t GetUInt32(const wchar_t* section, const wchar_t* name, uint32_t defaultValue) override;
    uint64_t GetUInt64(const wchar_t* section, const wchar_t* name, uint64_t defaultValue) override;
    int8_t GetInt8(const wchar_t* section, const wchar_t* name, int8_t defaultValue) override;
    int16_t GetInt16(const wchar_t* section, const wchar_t* name, int16_t defaultValue) override;
    int32_t GetInt32(const wchar_t* section, const wchar_t* name, int32_t defaultValue) override;
    int64_t GetInt64(const wchar_t* section, const wchar_t* name, int64_t defaultValue) override;
    float GetFloat(const wchar_t* section, const wchar_t* name, float defaultValue) override;
    double GetDouble(const wchar_t* section, const wchar_t* name, double defaultValue) override;
    bool GetBool(const wchar_t* section, const wchar_t* name, bool defaultValue) override;
    const wchar_t* GetString(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                             bool* expandable, bool expand) override;
    const void* GetNullValue(const wchar_t* section, const wchar_t* name, const void* defaultValue) override;
    ArrayU08* GetBytes(const wchar_t* section, const wchar_t* name, ArrayU08* out) override;
    void RemoveValue(const wchar_t* section, const wchar_t* name) override;

    void SetUInt8(const wchar_t* section, const wchar_t* name, uint8_t value) override;
    void SetUInt16(const wchar_t* section, const wchar_t* name, uint16_t value) override;
    void SetUInt32(const wchar_t* section, const wchar_t* name, uint32_t value) override;
    void SetUInt64(const wchar_t* section, const wchar_t* name, uint64_t value) override;
    void SetInt8(const wchar_t* section, const wchar_t* name, int8_t value) override;
    void SetInt16(const wchar_t* section, const wchar_t* name, int16_t value) override;
    void SetInt32(const wchar_t* section, const wchar_t* name, int32_t value) override;
    void SetInt64(const wchar_t* section, const wchar_t* name, int64_t value) override;
    void SetFloat(const wchar_t* section, const wchar_t* name, float value) override;
    void SetDouble(const wchar_t* section, const wchar_t* name, double value) override;
    void SetBool(const wchar_t* section, const wchar_t* name, bool value) override;
    void SetString(const wchar_t* section, const wchar_t* name, const wchar_t* value) override;
    void SetExpandString(const wchar_t* section, const wchar_t* name, const wchar_t* value) override;
    void SaveIfAutoSave(const wchar_t* section, const wchar_t* name, const void* value) override;
    void SetBytes(const wchar_t* section, const wchar_t* name, ArrayU08* value) override;
    bool GetAutoSave() override { return autoSave_ != 0; }
    void SetAutoSave(bool on) override { autoSave_ = on ? 1 : 0; }

    void ReleaseToPool() override;
    void Reset() override;

    // Attaches path, which the store owns from now on (the previous one goes back to its pool).
    // With load set and the file present, the document read from it replaces the current one.
    // A file read only in part, or cut off, gives what stands complete in it; one that holds
    // no root element leaves the document as it was. True when a document was loaded.
    // A file another writer holds for a moment is waited for a short while. A present file
    // that could not be read whole or cleanly (damage after its root element, bytes that are
    // not UTF-8) is kept as "<file>.bak" by the next save, before anything replaces it.
    bool SetFile(PathWin* path, bool load);
    // Makes root the document (owned from now on; null for none) and the current element, the
    // previous document given back and no file attached: a store over a document read from
    // elsewhere, such as a resource.
    void SetDocument(Node* root);
    // The document; the current section's element (null after a failed selection).
    Node* GetDocument() { return document_; }
    Node* GetCurrent() { return current_; }

    static thread::EasyPooler* GetPool();
    static MappedData* New();
    // A store from the pool over the file at the text, loaded when it exists (a damaged one
    // gives what stands complete in it), else an empty "savedata" root. Nothing is written
    // until Save.
    static MappedData* OpenFile(const wchar_t* pathText);

private:
    MappedData(const MappedData&) = delete;
    MappedData& operator=(const MappedData&) = delete;

    // The walk of SetSection (create set) and SelectSection.
    bool Walk(const wchar_t* section, bool create);
    template <class T>
    T GetWith(const wchar_t* section, const wchar_t* name, T (Node::*getter)(const wchar_t*, T), T defaultValue);
    // Makes the section, removes the first record of name, appends the new one and saves when
    // auto-save is on.
    template <class T, class V>
    void SetWith(const wchar_t* section, const wchar_t* name, void (Node::*setter)(const wchar_t*, T), V value);

    // Copies the file that was not read whole to its ".bak" sibling; false when that fails.
    bool KeepUnreadFile();

    PathWin* path_;
    StrBuffer* scratch_;
    StrBuffer* section_;
    Node* document_;
    Node* current_;
    uint8_t autoSave_;
    // Set while the attached file holds more than the store could read from it.
    bool keepUnreadFile_;
};

} // namespace xml
} // namespace s
