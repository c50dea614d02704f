#pragma once
// windows.h first: it renames GetClassName, and every file must see the same name.
#include <windows.h>
#include <winternl.h>

#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
class ArrayU08;
} // namespace _array
} // namespace col
namespace str {
namespace strbuffer {
class StrBuffer;
}
namespace strarray {
class StrArray;
}
} // namespace str

namespace reg {

// One registry key, named by a predefined root and a sub path below it. Names and values are
// NUL-terminated UTF-16 texts. Only SetSubPath and Open report NT statuses; every other failure
// is false, null, an empty list or the caller's default.
class IRegDir : public base::IObject {
public:
    typedef col::_array::ArrayP ArrayP;
    typedef col::_array::ArrayU08 ArrayU08;
    typedef str::strbuffer::StrBuffer StrBuffer;
    typedef str::strarray::StrArray StrArray;

    // The wanted type of ReadValue that accepts every type.
    static const uint32_t kAnyType = 0xFFFFFFFFu;

    // Root name, '\', sub path.
    virtual const wchar_t* GetKeyName() = 0;
    // NT root path, '\', sub path.
    virtual const wchar_t* GetNtPath() = 0;
    // A pooled key object on the sub path up to its last '\' (the root itself when there is none).
    virtual IRegDir* GetParent() = 0;
    // Pooled key objects, one per sub key in the registry's order, in a list that gives them back
    // to their pool when it is released. Empty without a handle.
    virtual ArrayP* ListSubKeys() = 0;
    // Only the sub keys whose names start with the prefix, ignoring case.
    virtual ArrayP* ListSubKeysStartingWith(const wchar_t* prefix) = 0;
    virtual HKEY GetRoot() = 0;
    // Names and NT path follow at the next SetSubPath. A value other than the five predefined
    // roots names no root, and the next SetSubPath opens nothing.
    virtual void SetRoot(HKEY root) = 0;
    virtual const wchar_t* GetSubPath() = 0;
    // Composes the names (trailing '\' dropped) and opens the key; the status of the open.
    virtual NTSTATUS SetSubPath(const wchar_t* path) = 0;
    // The sub path after its last '\', into out (emptied unless append; pooled when null).
    virtual StrBuffer* GetLeafName(StrBuffer* out, bool append) = 0;
    // "HKEY_CURRENT_USER\Software" and the like. A text without a known root names no root: the
    // key name is the text, and the object opens, reads and writes nothing.
    virtual void SetFromFullName(const wchar_t* fullName) = 0;
    virtual NTSTATUS Open(HKEY root, const wchar_t* path) = 0;
    virtual void Close() = 0;
    // Closes and opens a held handle again; false at once when none was held.
    virtual bool Reopen() = 0;
    // Creates the key, and the missing levels above it from the top down; a key that exists is
    // opened for writing.
    virtual void Create() = 0;
    // Deletes every sub key, depth first, and the key itself when deleteSelf is set.
    virtual void DeleteTree(bool deleteSelf) = 0;
    // Renames the key's last level; the object holds no handle afterwards and its names still
    // name the old key.
    virtual void Rename(const wchar_t* newLeafName) = 0;
    virtual void Flush() = 0;
    // Reads the value into the object's value data; false, with type and length 0 when it cannot
    // be read, or with its type and length when it is not of the wanted type.
    virtual bool ReadValue(const wchar_t* name, uint32_t* type, uint32_t* length, uint32_t wantedType) = 0;
    // A pooled list of the value names; empty without a handle.
    virtual StrArray* ListValueNames() = 0;
    // Bytes of value data below the key; the counters, when given, grow by the values and sub
    // keys met.
    virtual uint64_t GetTreeDataSize(bool recurse, uint32_t* valueCount, uint32_t* keyCount, bool withValues) = 0;
    virtual uint32_t GetValueSize(const wchar_t* name) = 0;

    // Typed getters go by the data length alone, whatever the type: 4 bytes for the 8-, 16- and
    // 32-bit numbers, Float and Bool, 8 for the 64-bit numbers and Double. Any other length, or a
    // value that cannot be read, gives the default.
    virtual uint8_t GetUInt8(const wchar_t* name, uint8_t defaultValue) = 0;
    virtual uint16_t GetUInt16(const wchar_t* name, uint16_t defaultValue) = 0;
    virtual uint32_t GetUInt32(const wchar_t* name, uint32_t defaultValue) = 0;
    virtual uint64_t GetUInt64(const wchar_t* name, uint64_t defaultValue) = 0;
    virtual int8_t GetInt8(const wchar_t* name, int8_t defaultValue) = 0;
    virtual int16_t GetInt16(const wchar_t* name, int16_t defaultValue) = 0;
    virtual int32_t GetInt32(const wchar_t* name, int32_t defaultValue) = 0;
    virtual int64_t GetInt64(const wchar_t* name, int64_t defaultValue) = 0;
    virtual float GetFloat(const wchar_t* name, float defaultValue) = 0;
    virtual double GetDouble(const wchar_t* name, double defaultValue) = 0;
    virtual bool GetBool(const wchar_t* name, bool defaultValue) = 0;
    // REG_SZ or REG_EXPAND_SZ text, valid until the next read on this object; the default pointer
    // itself when the value cannot be read or has another type. A REG_EXPAND_SZ value sets
    // expandable and is expanded when expand is set.
    virtual const wchar_t* GetString(const wchar_t* name, const wchar_t* defaultValue, bool* expandable,
                                     bool expand) = 0;
    // A pooled list of the strings of a REG_MULTI_SZ value; empty for any other value.
    virtual StrArray* GetMultiString(const wchar_t* name) = 0;
    // The data of a value of any type, in the given array or a new pooled one; null (the given
    // array untouched) when the value cannot be read.
    virtual ArrayU08* GetBytes(const wchar_t* name, ArrayU08* array) = 0;
    virtual void DeleteValue(const wchar_t* name) = 0;

    // Setters create the key when it does not exist yet and report nothing. The 8-, 16- and
    // 32-bit numbers and Bool are REG_DWORD, the 64-bit numbers, Float and Double REG_BINARY.
    virtual void SetUInt8(const wchar_t* name, uint8_t value) = 0;
    virtual void SetUInt16(const wchar_t* name, uint16_t value) = 0;
    virtual void SetUInt32(const wchar_t* name, uint32_t value) = 0;
    virtual void SetUInt64(const wchar_t* name, uint64_t value) = 0;
    virtual void SetInt8(const wchar_t* name, int8_t value) = 0;
    virtual void SetInt16(const wchar_t* name, int16_t value) = 0;
    virtual void SetInt32(const wchar_t* name, int32_t value) = 0;
    virtual void SetInt64(const wchar_t* name, int64_t value) = 0;
    virtual void SetFloat(const wchar_t* name, float value) = 0;
    virtual void SetDouble(const wchar_t* name, double value) = 0;
    virtual void SetBool(const wchar_t* name, bool value) = 0;
    virtual void SetString(const wchar_t* name, const wchar_t* value) = 0;
    virtual void SetExpandString(const wchar_t* name, const wchar_t* value) = 0;
    // Empty strings are left out: the multi-string form ends at the first one.
    virtual void SetMultiString(const wchar_t* name, StrArray* values) = 0;
    virtual void SetBytes(const wchar_t* name, ArrayU08* bytes) = 0;
};

} // namespace reg
} // namespace s
