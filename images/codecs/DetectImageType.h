#pragma once
#include <cstdint>

#include "images/codecs/ImageKind.h"

namespace s {
namespace image {

// Recognises an image file by its first 100 bytes. True with the kind set; false with a null
// kind for a missing path, a folder, a file of 100 bytes or less, a failed read or unknown bytes.
bool DetectImageType(const wchar_t* path, ImageKind* kind);

// The same tests on bytes already read: the first 100 bytes of a file of fileSize bytes.
ImageKind DetectImageKind(const uint8_t* first100, int64_t fileSize);

} // namespace image
} // namespace s
