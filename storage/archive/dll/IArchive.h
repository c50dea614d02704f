#pragma once
#include <cstdint>

#include "storage/archive/IArchive.h"

namespace s {
namespace archive {
namespace dll {

// The resources of an executable or DLL file. A name or type argument below 0x10000 is a number
// (a type number is a Windows resource-type number, a type code a ResourceTypeCode), anything
// else a NUL-terminated text. Each find writes the lowest matching index and returns true, or
// returns false and leaves the index alone.
class IArchive : public archive::IArchive {
public:
    virtual bool FindByName(const wchar_t* name, uint32_t* index) = 0;
    virtual bool FindById(uint32_t id, uint32_t* index) = 0;
    virtual bool FindByNameIgnoreCase(const wchar_t* name, uint32_t* index) = 0;
    // The n-th entry (from 0) whose type is the code.
    virtual bool FindNthOfType(uint32_t typeCode, uint32_t n, uint32_t* index) = 0;
    virtual bool FindByTypeNameAndName(const wchar_t* type, const wchar_t* name, uint32_t* index) = 0;
    virtual bool FindByTypeNameAndId(const wchar_t* type, uint32_t id, uint32_t* index) = 0;
    virtual bool FindByTypeAndName(uint32_t typeCode, const wchar_t* name, uint32_t* index) = 0;
    virtual bool FindByTypeAndId(uint32_t typeCode, uint32_t id, uint32_t* index) = 0;
    virtual bool FindByTypeNameAndNameIgnoreCase(const wchar_t* type, const wchar_t* name, uint32_t* index) = 0;
    virtual bool FindByTypeAndNameIgnoreCase(uint32_t typeCode, const wchar_t* name, uint32_t* index) = 0;

    // The DIALOG resource at the index as readable UTF-8 text, lines ended by CR LF; bytes that
    // are no dialog template give no text. False when the index is beyond the entries, the
    // resource cannot be read or the stream does not take the text.
    virtual bool DialogToText(uint32_t index, io::IOutputStream* out) = 0;

    // Writes one resource into the module file (null data and count 0 delete it) and reads the
    // module again. False when the file could not be updated; the resources then stay as they were.
    virtual bool UpdateResource(const void* data, uint32_t count, const wchar_t* type, const wchar_t* name,
                                uint16_t language) = 0;
};

} // namespace dll
} // namespace archive
} // namespace s
