#pragma once
#include <cstdint>

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace file {
namespace win {

// Shortcut (.lnk) and Internet shortcut (.url) files through the shell's own objects. Where
// creating an object fails, COM is initialised on the calling thread and the creation tried once
// more; that initialisation stays for the thread.

// Writes a .lnk file at link that starts target with the arguments (may be null), in the target's
// folder. A target that is itself a shortcut is copied to link instead. False when the target is
// missing or the file could not be written.
bool CreateShortcutFile(const wchar_t* target, const wchar_t* link, const wchar_t* arguments);
// The target of a .lnk file, in its long form, in a pooled string (empty when the link cannot be
// read or resolved without asking the user); the caller gives it back.
str::strbuffer::StrBuffer* ResolveShortcutTarget(const wchar_t* link);
// The long form of a short (8.3) path of an existing file or folder, written to out; the result
// is its length, or 0 (out left as it was) when the path cannot be converted.
uint32_t GetLongPathText(const wchar_t* shortPath, str::strbuffer::StrBuffer* out);
// Writes a .url file at path that opens url.
bool CreateUrlShortcutFile(const wchar_t* url, const wchar_t* path);
// The URL stored in a .url file, in a pooled string (empty on failure); the caller gives it back.
str::strbuffer::StrBuffer* ReadUrlShortcutTarget(const wchar_t* path);

} // namespace win
} // namespace file
} // namespace s
