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

namespace reg {
namespace win {
class RegDir;
}

// The settings store below one registry key of the current user: a section is a sub key (levels
// separated at '\' only, so "A/B" is one key), a value a registry value of it. Every write goes
// to the registry at once, so Save has nothing to do and auto-save changes nothing. No lock:
// callers that share a store serialise their calls.
class MappedData : public map::IMappedData, public thread::IPoolable {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;

    MappedData();
    ~MappedData() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    // True while a key is attached: the values are in the registry already.
    bool Save() override;
    void SetSection(const wchar_t* section) override;
    // Deletes the section's key with everything below it; the empty section (the store's own
    // key) is never removed.
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
    // REG_SZ or REG_EXPAND_SZ text, valid until the next read or section change on this store.
    const wchar_t* GetString(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                             bool* expandable, bool expand) override;
    const void* GetNullValue(const wchar_t* section, const wchar_t* name, const void* defaultValue) override;
    // A missing section returns the array untouched (one from the pool when none was given); a
    // missing value returns null, and a pooled array taken for it goes back.
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

    // Takes key (a pooled key object) as the store's own key; the empty section is selected.
    // The status of opening the section key on it.
    NTSTATUS AttachKey(win::RegDir* key);
    // The store's own key; null before one is attached.
    win::RegDir* GetBaseKey() { return base_; }

    static thread::EasyPooler* GetPool();
    static MappedData* New();
    // A store from the pool over the key at path below HKEY_CURRENT_USER. The key is not created
    // here: the first value written creates it.
    static MappedData* OpenUserKey(const wchar_t* keyPath);
    // The program's own store, "Software\Zorv\" + title + "\SaveData"; the title is the program's
    // registry name from the language pack.
    static MappedData* OpenProgramSettings(const wchar_t* programTitle);

private:
    MappedData(const MappedData&) = delete;
    MappedData& operator=(const MappedData&) = delete;

    // Points the section key at the section, unless it is on it already.
    void UseSection(const wchar_t* section);
    // Whether the section key's key exists now, opening it afresh.
    bool SectionExists();
    // The section key after a successful selection, else null.
    win::RegDir* ReadSection(const wchar_t* section);
    // The section key after the section was made, else null.
    win::RegDir* WriteSection(const wchar_t* section);
    void ReleaseKeys();

    StrBuffer* scratch_;
    StrBuffer* section_;
    win::RegDir* base_;
    win::RegDir* sectionKey_;
    uint8_t autoSave_;
};

} // namespace reg
} // namespace s
