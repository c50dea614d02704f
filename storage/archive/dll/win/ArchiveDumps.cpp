// The archive's text dumps: a resource's bytes read, turned into readable text, written as UTF-8.
#include "core/col/Arrays.h"
#include "core/io/StreamCopy.h"
#include "core/str/StrBuffer.h"
#include "storage/archive/dll/AcceleratorText.h"
#include "storage/archive/dll/DialogTemplateText.h"
#include "storage/archive/dll/MenuText.h"
#include "storage/archive/dll/StringTableText.h"
#include "storage/archive/dll/VersionText.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/dll/win/Entry.h"
#include "storage/file/Pooled.h"

namespace s {
namespace archive {
namespace dll {
namespace win {

using col::_array::ArrayU08;
using str::strbuffer::StrBuffer;

bool Archive::ReadEntryBytes(uint32_t index, ArrayU08* bytes)
{
    if (!bytes || index >= GetEntryCount())
        return false;
    bytes->SetCount(0);
    bytes->SeekToStart();
    const bool read = ReadEntry(EntryAt(index), bytes);
    bytes->SeekToStart();
    return read;
}

bool Archive::WriteTextDump(uint32_t index, io::IOutputStream* out, TextDump dump)
{
    file::Pooled<ArrayU08> bytes;
    if (!out || !bytes || !ReadEntryBytes(index, bytes.get()))
        return false;
    file::Pooled<StrBuffer> text(dump(static_cast<const uint8_t*>(bytes->GetData()), bytes->GetCount(), nullptr, false));
    file::Pooled<ArrayU08> utf8(text ? text->ToUtf8Bytes(nullptr, false) : nullptr);
    if (!utf8)
        return false;
    utf8->SeekToStart();
    // A stream that refuses the text is a failed dump, not a written one.
    return io::CopyStreamYielding(out, utf8.get());
}

bool Archive::VersionToText(uint32_t index, io::IOutputStream* out)
{
    return WriteTextDump(index, out, &VersionText);
}

bool Archive::StringTableToText(uint32_t index, io::IOutputStream* out)
{
    return WriteTextDump(index, out, &StringTableText);
}

bool Archive::AcceleratorsToText(uint32_t index, io::IOutputStream* out)
{
    return WriteTextDump(index, out, &AcceleratorText);
}

bool Archive::MenuToText(uint32_t index, io::IOutputStream* out)
{
    return WriteTextDump(index, out, &MenuText);
}

bool Archive::DialogToText(uint32_t index, io::IOutputStream* out)
{
    return WriteTextDump(index, out, &DialogTemplateText);
}

} // namespace win
} // namespace dll
} // namespace archive
} // namespace s
