#include "storage/archive/dll/MenuText.h"

#include <vector>

#include "core/str/StrBuffer.h"
#include "storage/archive/dll/ResourceReader.h"

namespace s {
namespace archive {
namespace dll {

using str::strbuffer::StrBuffer;

namespace {

const uint32_t kHeaderBytes = 4;
// The option word and the id, or the option word and a text's terminator.
const uint32_t kLeastItemBytes = 4;
const uint16_t kPopup = 0x10;
const uint16_t kLastOfLevel = 0x80;
// Markers of the level stack: a popup that was the last item of its own level ends with its
// last child; one that was not leaves its parent open.
const uint8_t kOpenParent = 0;
const uint8_t kLastPopup = 1;

// No real menu nests this deep; a hostile one nesting thousands of popups would otherwise write
// tabs quadratic in its size.
const uint32_t kMostTabs = 64;

void AppendTabs(StrBuffer* out, uint32_t depth)
{
    for (uint32_t i = 0; i < depth && i < kMostTabs; ++i)
        out->AppendChar(L'\t');
}

} // namespace

StrBuffer* MenuText(const uint8_t* bytes, uint32_t count, StrBuffer* target, bool append)
{
    StrBuffer* out = StrBuffer::PrepareTarget(target, append);
    if (!out || !bytes)
        return out;
    ResourceReader reader(bytes, count);
    if (!reader.Has(kHeaderBytes) || reader.WordAt(0) != 0 || reader.WordAt(2) != 0)
        return out;
    reader.Skip(kHeaderBytes);
    uint32_t depth = 0;
    std::vector<uint8_t> levels;
    while (reader.Has(kLeastItemBytes)) {
        const uint16_t option = reader.Word();
        const bool popup = (option & kPopup) != 0;
        const uint16_t id = popup ? 0 : reader.Word();
        AppendTabs(out, depth);
        uint32_t length = 0;
        bool ended = false;
        while (reader.Has(2)) {
            const wchar_t c = static_cast<wchar_t>(reader.Word());
            if (c == 0) {
                ended = true;
                break;
            }
            out->AppendChar(c);
            ++length;
        }
        if (length > 0 || !ended)
            out->Append(L"\r\n");
        else if (!popup)
            out->Append(L"---------------\r\n");
        if (id != 0) {
            AppendTabs(out, depth);
            out->Append(L"(ID: ")->AppendUInt16(id)->Append(L")\r\n");
        }
        if (popup && length == 0)
            continue;
        if (option & kLastOfLevel) {
            if (popup) {
                levels.push_back(kLastPopup);
                ++depth;
                continue;
            }
            while (!levels.empty() && levels.back() == kLastPopup) {
                levels.pop_back();
                depth = depth > 0 ? depth - 1 : 0;
            }
            if (!levels.empty()) {
                levels.pop_back();
                depth = depth > 0 ? depth - 1 : 0;
            }
        } else if (popup) {
            levels.push_back(kOpenParent);
            ++depth;
        }
    }
    return out;
}

} // namespace dll
} // namespace archive
} // namespace s
