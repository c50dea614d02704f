#pragma once

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

// The sample image of a skin: folder followed by the skin's name and ".gif". Characters a file
// name cannot hold (path separators, ":*?\"<>|", control characters) become "_", as do trailing
// dots and blanks and a name that would be a device, so an imported skin's name never writes
// outside the folder. The folder text ends with a separator.
void SkinImagePath(const wchar_t* folder, const wchar_t* skinName, str::strbuffer::StrBuffer* out);
// Makes the folder, with its missing parents; true when it exists afterwards.
bool PrepareSkinImageFolder(const wchar_t* folder);

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
