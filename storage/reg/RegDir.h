#pragma once
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/reg/IRegDir.h"

namespace s {
namespace reg {
namespace win {

// A registry key reached through the NT native calls by its NT path. Opening, reads and listings
// ask only for read access, so keys the user may read but not change (most of
// HKEY_LOCAL_MACHINE) read as they are; a write, deletion or rename opens the key again with the
// access it needs. A root other than the five predefined ones names no key: such an object opens
// and creates nothing. Pooled; one thread at a time.
class RegDir final : public IRegDir, public thread::IPoolable {
public:
    RegDir();
    ~RegDir() override;

    const wchar_t* GetClassName() override;
    RegDir* NewInstance() override;
    void ReleaseToPool() override;
    // Closes the key and names HKEY_LOCAL_MACHINE with an empty sub path; opens nothing.
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static RegDir* New();
    // A pooled key object opened on root and path (whether the key exists or not).
    static RegDir* OpenNew(HKEY root, const wchar_t* path);

    const wchar_t* GetKeyName() override;
    const wchar_t* GetNtPath() override;
    RegDir* GetParent() override;
    ArrayP* ListSubKeys() override;
    ArrayP* ListSubKeysStartingWith(const wchar_t* prefix) override;
    HKEY GetRoot() override { return root_; }
    void SetRoot(HKEY root) override;
    const wchar_t* GetSubPath() override;
    NTSTATUS SetSubPath(const wchar_t* path) override;
    StrBuffer* GetLeafName(StrBuffer* out, bool append) override;
    void SetFromFullName(const wchar_t* fullName) override;
    NTSTATUS Open(HKEY root, const wchar_t* path) override;
    void Close() override;
    bool Reopen() override;
    void Create() override;
    void DeleteTree(bool deleteSelf) override;
    void Rename(const wchar_t* newLeafName) override;
    void Flush() override;
    bool ReadValue(const wchar_t* name, uint32_t* type, uint32_t* length, uint32_t wantedType) override;
    StrArray* ListValueNames() override;
    uint64_t GetTreeDataSize(bool recurse, uint32_t* valueCount, uint32_t* keyCount, bool withValues) override;
    uint32_t GetValueSize(const wchar_t* name) override;

    uint8_t GetUInt8(const wchar_t* name, uint8_t defaultValue) override;
    uint16_t GetUInt16(const wchar_t* name, uint16_t defaultValue) override;
    uint32_t GetUInt32(const wchar_t* name, uint32_t defaultValue) override;
    uint64_t GetUInt64(const wchar_t* name, uint64_t defaultValue) override;
    int8_t GetInt8(const wchar_t* name, int8_t defaultValue) override;
    int16_t GetInt16(const wchar_t* name, int16_t defaultValue) override;
    int32_t GetInt32(const wchar_t* name, int32_t defaultValue) override;
    int64_t GetInt64(const wchar_t* name, int64_t defaultValue) override;
    float GetFloat(const wchar_t* name, float defaultValue) override;
    double GetDouble(const wchar_t* name, double defaultValue) override;
    bool GetBool(const wchar_t* name, bool defaultValue) override;
    const wchar_t* GetString(const wchar_t* name, const wchar_t* defaultValue, bool* expandable,
                             bool expand) override;
    StrArray* GetMultiString(const wchar_t* name) override;
    ArrayU08* GetBytes(const wchar_t* name, ArrayU08* array) override;
    void DeleteValue(const wchar_t* name) override;

    void SetUInt8(const wchar_t* name, uint8_t value) override;
    void SetUInt16(const wchar_t* name, uint16_t value) override;
    void SetUInt32(const wchar_t* name, uint32_t value) override;
    void SetUInt64(const wchar_t* name, uint64_t value) override;
    void SetInt8(const wchar_t* name, int8_t value) override;
    void SetInt16(const wchar_t* name, int16_t value) override;
    void SetInt32(const wchar_t* name, int32_t value) override;
    void SetInt64(const wchar_t* name, int64_t value) override;
    void SetFloat(const wchar_t* name, float value) override;
    void SetDouble(const wchar_t* name, double value) override;
    void SetBool(const wchar_t* name, bool value) override;
    void SetString(const wchar_t* name, const wchar_t* value) override;
    void SetExpandString(const wchar_t* name, const wchar_t* value) override;
    void SetMultiString(const wchar_t* name, StrArray* values) override;
    void SetBytes(const wchar_t* name, ArrayU08* bytes) override;

    // Whether a handle on the key is held now.
    bool IsOpen() const { return key_ != nullptr; }
    // The held handle, still owned by the object; null when none is held.
    HANDLE GetHandle() const { return key_; }

private:
    RegDir(const RegDir&) = delete;
    RegDir& operator=(const RegDir&) = delete;

    // The lazy open of reads and listings; true when a handle is held afterwards.
    bool OpenIfNeeded();
    // A handle with at least the wanted access: the held one, or a new one that replaces it only
    // once open, so that a refused write leaves a read handle as it was.
    bool OpenWith(ACCESS_MASK wanted);
    // NtCreateKey for writing; the new handle replaces the held one when it succeeds.
    bool CreateForWriting();
    // Holds a handle just opened with access in place of the one held, when the call succeeded.
    bool TakeHandle(NTSTATUS status, HANDLE opened, ACCESS_MASK access);
    // Points the counted value name at name; false for a name too long to count.
    bool SetValueName(const wchar_t* name);
    // Reads exactly size data bytes into out; false for any other length.
    bool ReadFixed(const wchar_t* name, void* out, uint32_t size);
    void WriteValue(const wchar_t* name, uint32_t type, const void* data, uint32_t size);
    ArrayP* ListKeys(const wchar_t* prefix);

    ArrayU08* valueData_;
    ArrayU08* expansion_;
    UNICODE_STRING valueName_;
    HANDLE key_;
    // What key_ was opened with; 0 without a handle.
    ACCESS_MASK access_;
    bool usable_;
    HKEY root_;
    StrBuffer* rootName_;
    StrBuffer* ntRoot_;
    StrBuffer* subPath_;
    StrBuffer* fullName_;
    StrBuffer* ntPath_;
    UNICODE_STRING ntPathCounted_;
    OBJECT_ATTRIBUTES attributes_;
    // Whether the attributes name a key: not before the first SetSubPath since construction or
    // reset, so that such an object opens nothing.
    bool named_;
};

} // namespace win
} // namespace reg
} // namespace s
