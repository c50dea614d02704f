#include "images/codecs/ImageKind.h"

namespace s {
namespace image {

const wchar_t* const kKindJpg = L"jpg";
const wchar_t* const kKindGif = L"gif";
const wchar_t* const kKindPng = L"png";
const wchar_t* const kKindBmp = L"bmp";
const wchar_t* const kKindTiff = L"tiff";
const wchar_t* const kKindIco = L"ico";

} // namespace image
} // namespace s
