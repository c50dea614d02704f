#pragma once
#include <cstdint>

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace image {
namespace win {
class BufferedImage;
}

// Whether a location names an icon in a module: the last ".dll," (else the last ".exe,"), case
// ignored. True with the module path (up to and including the extension) assigned to modulePath
// and the decimal index after the comma; false for any other text, which is a file path.
bool SplitModuleIconLocation(const wchar_t* location, str::strbuffer::StrBuffer* modulePath, int64_t* index);

// The picture of a location, the entry that best fits 16 x 16 at 32 bits per pixel: an icon of a
// module's icon group by its place among the module's groups ("C:\x\y.dll,3") or an image file.
// A new image from the pool, not scaled, or null when nothing loads.
win::BufferedImage* LoadSmallIconImage(const wchar_t* location);

} // namespace image
} // namespace s
