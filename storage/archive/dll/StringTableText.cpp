#include "storage/archive/dll/StringTableText.h"

#include "core/str/StrBuffer.h"
#include "storage/archive/dll/ResourceReader.h"

namespace s {
namespace archive {
namespace dll {

using str::strbuffer::StrBuffer;

StrBuffer* StringTableText(const uint8_t* bytes, uint32_t count, StrBuffer* target, bool append)
{
    StrBuffer* out = StrBuffer::PrepareTarget(target, append);
    if (!out || !bytes)
        return out;
    ResourceReader reader(bytes, count);
    while (reader.Has(2)) {
        const uint16_t length = reader.Word();
        const bool fits = reader.Has(2 * uint64_t(length));
        if (length > 0 && fits) {
            out->AppendChar(L'"');
            for (uint16_t i = 0; i < length; ++i)
                out->AppendChar(static_cast<wchar_t>(reader.Word()));
            out->AppendChar(L'"');
        }
        out->Append(L"\r\n");
        if (!fits)
            break;
    }
    return out;
}

} // namespace dll
} // namespace archive
} // namespace s
