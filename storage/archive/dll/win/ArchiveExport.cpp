// The archive's exports: icon and cursor groups, bitmaps, and every resource into a folder tree.
#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/archive/ResourceTypeCode.h"
#include "storage/archive/cur/Archive.h"
#include "storage/archive/dll/BitmapFileOfDib.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/dll/win/Entry.h"
#include "storage/archive/icon/Archive.h"
#include "storage/file/FileOutputStream.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "storage/file/SafeFileName.h"

namespace s {
namespace archive {
namespace dll {
namespace win {

namespace {

using col::_array::ArrayU08;
using str::strbuffer::StrBuffer;

enum class Writer { Bytes, Accelerators, Bitmap, Dialog, CursorGroup, IconGroup, Menu, StringTable, Version, None };

struct ExportKind {
    // The sub-folder; empty for a file in the folder itself, null for the code in decimal.
    const wchar_t* folder;
    const wchar_t* extension;
    Writer writer;
};

// By type code. Single icon and cursor images are written only inside their groups.
const ExportKind kKinds[] = {
    {L"ACCELERATOR", L".txt", Writer::Accelerators}, {L"ANICURSOR", L"", Writer::Bytes},
    {L"ANIICON", L"", Writer::Bytes},                {L"BITMAP", L".bmp", Writer::Bitmap},
    {nullptr, L"", Writer::None},                    {L"DIALOG", L".txt", Writer::Dialog},
    {L"DLGINCLUDE", L"", Writer::Bytes},             {L"FONT", L"", Writer::Bytes},
    {L"FONTDIR", L"", Writer::Bytes},                {L"CURSOR", L".cur", Writer::CursorGroup},
    {L"ICON", L".ico", Writer::IconGroup},           {L"HTML", L".html", Writer::Bytes},
    {nullptr, L"", Writer::None},                    {L"MANIFEST", L".xml", Writer::Bytes},
    {L"MENU", L".txt", Writer::Menu},                {L"MESSAGETABLE", L"", Writer::Bytes},
    {L"PLUGPLAY", L"", Writer::Bytes},               {L"RCDATA", L"", Writer::Bytes},
    {L"STRING", L".txt", Writer::StringTable},       {L"", L".txt", Writer::Version},
    {L"VXD", L"", Writer::Bytes},
};
// A code beyond the table, or a type that is a text.
const ExportKind kOtherKind = {nullptr, L"", Writer::Bytes};
const wchar_t kVersionFileName[] = L"VERSION";

const ExportKind& KindOf(Entry* entry)
{
    if (entry->IsTypeCode() && entry->GetTypeCode() < sizeof kKinds / sizeof kKinds[0])
        return kKinds[entry->GetTypeCode()];
    return kOtherKind;
}

bool IsGroupOf(Entry* entry, uint32_t groupType)
{
    return entry->IsTypeCode() && entry->GetTypeCode() == groupType;
}

} // namespace

bool Archive::ExportGroup(uint32_t index, io::IOutputStream* out, icon::Archive* images, uint32_t groupType)
{
    if (!out || !images || index >= GetEntryCount() || !IsGroupOf(EntryAt(index), groupType))
        return false;
    Entry* group = EntryAt(index);
    const bool loaded = group->IsNameId() ? images->LoadGroupById(this, group->GetNameId())
                                          : images->LoadGroupByName(this, group->GetNameText());
    return loaded && images->WriteIco(out);
}

bool Archive::ExportIconGroup(uint32_t index, io::IOutputStream* out)
{
    file::Pooled<icon::Archive> icons;
    return ExportGroup(index, out, icons.get(), kTypeGroupIcon);
}

bool Archive::ExportCursorGroup(uint32_t index, io::IOutputStream* out)
{
    file::Pooled<cur::Archive> cursors;
    return ExportGroup(index, out, cursors.get(), kTypeGroupCursor);
}

bool Archive::ExportBitmap(uint32_t index, io::IOutputStream* out)
{
    file::Pooled<ArrayU08> bytes;
    return out && bytes && ReadEntryBytes(index, bytes.get()) &&
           WriteBitmapFileOfDib(static_cast<const uint8_t*>(bytes->GetData()), bytes->GetCount(), out);
}

bool Archive::ExportEntry(uint32_t index, file::win::PathWin* path)
{
    file::win::FileOutputStream* out = path->OpenOutputStream(false);
    if (!out)
        return false;
    bool written = false;
    switch (KindOf(EntryAt(index)).writer) {
    case Writer::Bytes:
        written = ReadEntry(EntryAt(index), out);
        break;
    case Writer::Accelerators:
        written = AcceleratorsToText(index, out);
        break;
    case Writer::Bitmap:
        written = ExportBitmap(index, out);
        break;
    case Writer::Dialog:
        written = DialogToText(index, out);
        break;
    case Writer::CursorGroup:
        written = ExportCursorGroup(index, out);
        break;
    case Writer::IconGroup:
        written = ExportIconGroup(index, out);
        break;
    case Writer::Menu:
        written = MenuToText(index, out);
        break;
    case Writer::StringTable:
        written = StringTableToText(index, out);
        break;
    case Writer::Version:
        written = VersionToText(index, out);
        break;
    case Writer::None:
        break;
    }
    // Bytes still buffered count too: a file that did not reach the disk whole is no export.
    written = out->DisposeReporting() && written;
    if (!written)
        path->Delete(false, false);
    return written;
}

void Archive::ExportAll(file::IPath* folder)
{
    if (!folder || !IsOpen())
        return;
    if (!folder->Exists())
        folder->CreateDirectory(false);
    file::Pooled<StrBuffer> text(folder->GetFullPathSlashStr(nullptr, false));
    file::Pooled<file::win::PathWin> path;
    if (!text || !path)
        return;
    // Cut back to the text itself, which ends in one "\" however the folder was written.
    const uint32_t folderLength = text->GetLength();
    for (uint32_t i = 0; i < GetEntryCount(); ++i) {
        Entry* entry = EntryAt(i);
        const ExportKind& kind = KindOf(entry);
        text->SetLength(folderLength);
        // Names come from the file: each becomes one plain file name, never a way out of the folder.
        if (entry->IsTypeText())
            text->Append(file::SafeFileName(entry->GetTypeText()).c_str());
        else if (kind.folder)
            text->Append(kind.folder);
        else
            text->AppendUInt32(entry->GetTypeCode());
        if (text->GetLength() > folderLength) {
            path->SetFromStr(text.get());
            if (kind.writer != Writer::None && !path->Exists())
                path->CreateDirectory(false);
            path->Clear();
            text->AppendChar(L'\\');
        }
        if (kind.writer == Writer::None)
            continue;
        if (kind.writer == Writer::Version)
            text->Append(kVersionFileName);
        else if (entry->IsNameId())
            text->AppendUInt32(entry->GetNameId());
        else
            text->Append(file::SafeFileName(entry->GetNameText()).c_str());
        text->Append(kind.extension);
        path->SetFromStr(text.get());
        if (!path->Exists())
            ExportEntry(i, path.get());
        path->Clear();
    }
}

} // namespace win
} // namespace dll
} // namespace archive
} // namespace s
