#pragma once

namespace s {
namespace image {

// What a file's first bytes say it holds: one of the constants below, compared by address.
typedef const wchar_t* ImageKind;

extern const wchar_t* const kKindJpg;
extern const wchar_t* const kKindGif;
extern const wchar_t* const kKindPng;
extern const wchar_t* const kKindBmp;
extern const wchar_t* const kKindTiff;
extern const wchar_t* const kKindIco;

} // namespace image
} // namespace s
