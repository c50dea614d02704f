#pragma once
#include <cstdint>

#include "storage/archive/IEntry.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace archive {
namespace dll {

// One resource of a module. Its name and its type are each a number or a text; a type number is
// held as a ResourceTypeCode.
class IEntry : public archive::IEntry {
public:
    virtual void SetSize(uint32_t n) = 0;
    virtual void SetNameId(uint32_t id) = 0;
    // A value below 0x10000 is a number, anything else a NUL-terminated text.
    virtual void SetName(const wchar_t* name) = 0;
    virtual bool IsNameId() = 0;
    virtual bool IsNameText() = 0;
    virtual uint32_t GetNameId() = 0;
    virtual const wchar_t* GetNameText() = 0;
    virtual str::strbuffer::StrBuffer* GetNameStr() = 0;
    virtual void SetTypeCode(uint32_t code) = 0;
    // A number is a Windows resource-type number and is stored as its code.
    virtual void SetType(const wchar_t* type) = 0;
    virtual bool IsTypeCode() = 0;
    virtual bool IsTypeText() = 0;
    virtual uint32_t GetTypeCode() = 0;
    virtual const wchar_t* GetTypeText() = 0;
    virtual str::strbuffer::StrBuffer* GetTypeStr() = 0;
    virtual uint32_t GetRtType() = 0;
    virtual void SetLanguage(uint16_t primary) = 0;
    virtual uint16_t GetLanguage() = 0;
    virtual void SetSubLanguage(uint16_t sub) = 0;
    virtual uint16_t GetSubLanguage() = 0;
};

} // namespace dll
} // namespace archive
} // namespace s
