#include "storage/file/ModulePath.h"

#include <vector>

#include "storage/file/PathWin.h"

namespace s {
namespace file {
namespace win {

namespace {

// The longest path the system gives a module (the long form's limit).
const DWORD kLongestModulePath = 32768;

} // namespace

PathWin* GetModulePath(HMODULE module)
{
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = GetModuleFileNameW(module, buffer.data(), size);
        if (length == 0)
            return nullptr;
        // A result that fills the buffer may have been cut: ask again with more room.
        if (length < size - 1)
            break;
        if (size >= kLongestModulePath)
            return nullptr;
        buffer.resize(size * 2);
    }
    return PathWin::CreateFromText(buffer.data());
}

} // namespace win
} // namespace file
} // namespace s
