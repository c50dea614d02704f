#include "windowing/DropFileList.h"

#include <shlobj.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"

using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace win {

namespace {

// The units from start up to the list's closing empty path, or 0 when it is not closed inside
// the block.
template <class Unit>
SIZE_T ListUnits(const Unit* start, SIZE_T available)
{
    bool atPathStart = true;
    for (SIZE_T i = 0; i < available; ++i) {
        if (start[i] == 0) {
            if (atPathStart)
                return i + 1;
            atPathStart = true;
        } else {
            atPathStart = false;
        }
    }
    return 0;
}

StrBuffer* WidePath(const wchar_t* text, SIZE_T length)
{
    StrBuffer* path = StrBuffer::New();
    if (path)
        path->AppendChars(text, static_cast<uint32_t>(length));
    return path;
}

StrBuffer* AnsiPath(const char* text, SIZE_T length)
{
    StrBuffer* path = StrBuffer::New();
    if (!path)
        return nullptr;
    const int units = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0);
    if (units > 0) {
        path->EnsureCapacity(static_cast<uint32_t>(units) + 1);
        const int made = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), path->GetBuffer(), units);
        path->SetLength(made > 0 ? static_cast<uint32_t>(made) : 0);
    }
    return path;
}

template <class Unit, class Make>
uint32_t AppendPaths(const Unit* list, SIZE_T available, str::strarray::StrArray* paths, Make make)
{
    const SIZE_T units = ListUnits(list, available);
    uint32_t added = 0;
    for (SIZE_T i = 0; i + 1 < units;) {
        SIZE_T length = 0;
        while (list[i + length] != 0)
            ++length;
        if (StrBuffer* path = make(list + i, length)) {
            paths->Add(path);
            ++added;
        }
        i += length + 1;
    }
    return added;
}

} // namespace

uint32_t ReadDropFileList(HGLOBAL block, str::strarray::StrArray* paths)
{
    if (!block || !paths)
        return 0;
    const SIZE_T size = GlobalSize(block);
    const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
    if (!bytes)
        return 0;
    uint32_t added = 0;
    if (size >= sizeof(DROPFILES)) {
        const auto* header = reinterpret_cast<const DROPFILES*>(bytes);
        const SIZE_T offset = header->pFiles;
        if (offset >= sizeof(DROPFILES) && offset < size) {
            if (header->fWide) {
                added = AppendPaths(reinterpret_cast<const wchar_t*>(bytes + offset), (size - offset) / sizeof(wchar_t),
                                    paths, &WidePath);
            } else {
                added = AppendPaths(reinterpret_cast<const char*>(bytes + offset), size - offset, paths, &AnsiPath);
            }
        }
    }
    GlobalUnlock(block);
    return added;
}

} // namespace win
} // namespace gui
} // namespace s
