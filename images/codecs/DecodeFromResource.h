#pragma once
#include <cstdint>

namespace s {
namespace archive {
namespace dll {
class IArchive;
}
} // namespace archive

namespace image {
class IEncodedImage;

// Decodes the image from the resource entry of that type name and numeric id: false when the
// entry is missing or its bytes do not decode.
bool DecodeFromResource(IEncodedImage* image, archive::dll::IArchive* resources, const wchar_t* type, uint32_t id);

} // namespace image
} // namespace s
