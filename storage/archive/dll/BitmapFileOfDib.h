#pragma once
#include <cstdint>

namespace s {
namespace io {
class IOutputStream;
}

namespace archive {
namespace dll {

// A BITMAP resource (a packed device-independent bitmap: header, colour table, pixels) written as
// a .bmp file: the file header that points at its pixels, then the resource's bytes as they
// stand, so that every layout the resource may hold (core headers, bit fields, run-length rows)
// stays readable. False, with nothing written, for bytes whose header or colour table does not
// fit in them; false also when the stream does not take the file.
bool WriteBitmapFileOfDib(const uint8_t* dib, uint32_t count, io::IOutputStream* out);

} // namespace dll
} // namespace archive
} // namespace s
