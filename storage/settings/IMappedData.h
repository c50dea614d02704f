#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace col {
namespace _array {
class ArrayU08;
}
} // namespace col

namespace map {

// A settings store: named, typed values grouped in sections, read with a default and written
// one by one. A section is a path of names; the empty section is the top of the store. Value
// names are looked up ignoring ASCII case.
class IMappedData : public base::IObject {
public:
    typedef col::_array::ArrayU08 ArrayU08;

    // Writes the whole store out; false when it has nowhere to go or the write failed, in which
    // case what was stored before is left as it was.
    virtual bool Save() = 0;
    // Selects the section for writing, making every missing level.
    virtual void SetSection(const wchar_t* section) = 0;
    virtual void RemoveSection(const wchar_t* section) = 0;
    // Selects the section for reading; false when a level is missing. Nothing is made.
    virtual bool SelectSection(const wchar_t* section) = 0;
    virtual bool HasValue(const wchar_t* section, const wchar_t* name) = 0;

    virtual uint8_t GetUInt8(const wchar_t* section, const wchar_t* name, uint8_t defaultValue) = 0;
    virtual uint16_t GetUInt16(const wchar_t* section, const wchar_t* name, uint16_t defaultValue) = 0;
    virtual uint32_t GetUInt32(const wchar_t* section, const wchar_t* name, uint32_t defaultValue) = 0;
    virtual uint64_t GetUInt64(const wchar_t* section, const wchar_t* name, uint64_t defaultValue) = 0;
    virtual int8_t GetInt8(const wchar_t* section, const wchar_t* name, int8_t defaultValue) = 0;
    virtual int16_t GetInt16(const wchar_t* section, const wchar_t* name, int16_t defaultValue) = 0;
    virtual int32_t GetInt32(const wchar_t* section, const wchar_t* name, int32_t defaultValue) = 0;
    virtual int64_t GetInt64(const wchar_t* section, const wchar_t* name, int64_t defaultValue) = 0;
    virtual float GetFloat(const wchar_t* section, const wchar_t* name, float defaultValue) = 0;
    virtual double GetDouble(const wchar_t* section, const wchar_t* name, double defaultValue) = 0;
    virtual bool GetBool(const wchar_t* section, const wchar_t* name, bool defaultValue) = 0;
    // The text, valid until the next text or bytes read from the same store; the default itself
    // when the section is missing. A given expandable flag is cleared first.
    virtual const wchar_t* GetString(const wchar_t* section, const wchar_t* name, const wchar_t* defaultValue,
                                     bool* expandable, bool expand) = 0;
    virtual const void* GetNullValue(const wchar_t* section, const wchar_t* name, const void* defaultValue) = 0;
    // The bytes into out (a new array from the pool when null); out untouched when the section
    // is missing, emptied when the value is.
    virtual ArrayU08* GetBytes(const wchar_t* section, const wchar_t* name, ArrayU08* out) = 0;
    virtual void RemoveValue(const wchar_t* section, const wchar_t* name) = 0;

    virtual void SetUInt8(const wchar_t* section, const wchar_t* name, uint8_t value) = 0;
    virtual void SetUInt16(const wchar_t* section, const wchar_t* name, uint16_t value) = 0;
    virtual void SetUInt32(const wchar_t* section, const wchar_t* name, uint32_t value) = 0;
    virtual void SetUInt64(const wchar_t* section, const wchar_t* name, uint64_t value) = 0;
    virtual void SetInt8(const wchar_t* section, const wchar_t* name, int8_t value) = 0;
    virtual void SetInt16(const wchar_t* section, const wchar_t* name, int16_t value) = 0;
    virtual void SetInt32(const wchar_t* section, const wchar_t* name, int32_t value) = 0;
    virtual void SetInt64(const wchar_t* section, const wchar_t* name, int64_t value) = 0;
    virtual void SetFloat(const wchar_t* section, const wchar_t* name, float value) = 0;
    virtual void SetDouble(const wchar_t* section, const wchar_t* name, double value) = 0;
    virtual void SetBool(const wchar_t* section, const wchar_t* name, bool value) = 0;
    virtual void SetString(const wchar_t* section, const wchar_t* name, const wchar_t* value) = 0;
    virtual void SetExpandString(const wchar_t* section, const wchar_t* name, const wchar_t* value) = 0;
    // Saves when auto-save is on; the arguments are not used.
    virtual void SaveIfAutoSave(const wchar_t* section, const wchar_t* name, const void* value) = 0;
    virtual void SetBytes(const wchar_t* section, const wchar_t* name, ArrayU08* value) = 0;
    virtual bool GetAutoSave() = 0;
    virtual void SetAutoSave(bool on) = 0;
};

} // namespace map
} // namespace s
