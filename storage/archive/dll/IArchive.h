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

    // Every resource below the folder (made when missing): one sub-folder per type, the version
    // text in the folder itself; icon and cursor groups as .ico and .cur files, bitmaps as .bmp,
    // accelerators, dialogs, menus, string tables and the version as text, anything else as its
    // bytes. Files and folders that exist already stay as they are; a file that could not be
    // written whole is deleted.
    virtual void ExportAll(file::IPath* folder) = 0;
    // The GROUP_ICON (GROUP_CURSOR) resource at the index as a whole .ico (.cur) file, its images
    // from the module's ICON (CURSOR) resources; images the module lacks are left out. False when
    // the entry is no such group, its bytes cannot be read or the stream does not take the file.
    virtual bool ExportIconGroup(uint32_t index, io::IOutputStream* out) = 0;
    virtual bool ExportCursorGroup(uint32_t index, io::IOutputStream* out) = 0;
    // The BITMAP resource at the index as a .bmp file; false when its bytes cannot be read, hold
    // no bitmap header and colour table, or the stream does not take them.
    virtual bool ExportBitmap(uint32_t index, io::IOutputStream* out) = 0;
    // The VERSION, STRING, ACCELERATOR and MENU resource at the index as readable UTF-8 text,
    // lines ended by CR LF; bytes that are not what the type holds give as much text as they
    // allow, or none. False when the index is beyond the entries, the resource cannot be read or
    // the stream does not take the text.
    virtual bool VersionToText(uint32_t index, io::IOutputStream* out) = 0;
    virtual bool StringTableToText(uint32_t index, io::IOutputStream* out) = 0;
    virtual bool AcceleratorsToText(uint32_t index, io::IOutputStream* out) = 0;
    virtual bool MenuToText(uint32_t index, io::IOutputStream* out) = 0;
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
