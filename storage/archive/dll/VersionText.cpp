#include "storage/archive/dll/VersionText.h"

#include "core/str/StrBuffer.h"
#include "storage/archive/dll/ResourceReader.h"

namespace s {
namespace archive {
namespace dll {

using str::strbuffer::StrBuffer;

namespace {

// The signature of the fixed file information.
const uint8_t kSignature[] = {0xBD, 0x04, 0xEF, 0xFE};
// From the signature: the string block's key, and the least the block holds up to its table.
const uint32_t kBlockKeyOffset = 58;
const uint32_t kLeastBlockBytes = 86;
const wchar_t kBlockKey[] = L"StringFileInfo";
const uint32_t kBlockKeyLength = 14;
// From the signature to the string table, before it is brought down to its 8-byte boundary.
const uint32_t kTableOffset = 93;
const uint32_t kTableAlignment = 8;
// Past the table's length, value length and type words to its key.
const uint32_t kTableKeyOffset = 6;
// A string's length and value length words come before its type word.
const uint32_t kTypeOffset = 4;
const uint32_t kStringAlignment = 4;
// What the walk needs left before it reads another string.
const uint32_t kLeastStringBytes = 10;
const uint8_t kTextType = 1;

// Where the text at `at` ends: the position of its NUL. False when the bytes end first; a
// character at q is read only while q + 2 is below the count.
bool FindTextEnd(const ResourceReader& reader, uint64_t at, uint64_t* end)
{
    for (uint64_t q = at; q + 2 < reader.Count(); q += 2) {
        if (reader.WordAt(q) == 0) {
            *end = q;
            return true;
        }
    }
    return false;
}

void AppendText(StrBuffer* out, const ResourceReader& reader, uint64_t from, uint64_t end)
{
    for (uint64_t q = from; q < end; q += 2)
        out->AppendChar(static_cast<wchar_t>(reader.WordAt(q)));
}

bool FindSignature(const ResourceReader& reader, uint64_t* at)
{
    for (uint64_t i = 0; i + sizeof kSignature < reader.Count(); ++i) {
        bool match = true;
        for (uint32_t k = 0; k < sizeof kSignature && match; ++k)
            match = reader.ByteAt(i + k) == kSignature[k];
        if (match) {
            *at = i;
            return true;
        }
    }
    return false;
}

bool IsStringBlock(const ResourceReader& reader, uint64_t signature)
{
    if (reader.Count() <= signature + kLeastBlockBytes)
        return false;
    for (uint32_t k = 0; k < kBlockKeyLength; ++k) {
        if (reader.ByteAt(signature + kBlockKeyOffset + 2 * k) != kBlockKey[k])
            return false;
    }
    return true;
}

} // namespace

StrBuffer* VersionText(const uint8_t* bytes, uint32_t count, StrBuffer* target, bool append)
{
    StrBuffer* out = StrBuffer::PrepareTarget(target, append);
    if (!out || !bytes)
        return out;
    ResourceReader reader(bytes, count);
    uint64_t signature = 0;
    if (count <= sizeof kSignature || !FindSignature(reader, &signature) || !IsStringBlock(reader, signature))
        return out;
    const uint64_t table = (signature + kTableOffset) & ~uint64_t(kTableAlignment - 1);
    if (!reader.HasAt(table, 2))
        return out;
    const uint64_t tableEnd = table + reader.WordAt(table);
    uint64_t keyEnd = 0;
    if (!FindTextEnd(reader, table + kTableKeyOffset, &keyEnd))
        return out;
    uint64_t position = keyEnd + 2;
    while (tableEnd > position + kLeastStringBytes && count > position + kLeastStringBytes) {
        const uint64_t type = ResourceReader::AlignUp(position, kStringAlignment) + kTypeOffset;
        uint64_t nameEnd = 0;
        uint64_t valueEnd = 0;
        if (!reader.HasAt(type, 2) || !FindTextEnd(reader, type + 2, &nameEnd))
            break;
        const uint64_t value = ResourceReader::AlignUp(nameEnd + 2, kStringAlignment);
        if (!FindTextEnd(reader, value, &valueEnd))
            break;
        if ((reader.WordAt(type) & 0xFF) == kTextType) {
            AppendText(out, reader, type + 2, nameEnd);
            out->Append(L": ");
            AppendText(out, reader, value, valueEnd);
            out->Append(L"\r\n");
        }
        position = valueEnd + 2;
    }
    return out;
}

} // namespace dll
} // namespace archive
} // namespace s
