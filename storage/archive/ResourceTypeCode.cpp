#include "storage/archive/ResourceTypeCode.h"

namespace s {
namespace archive {

namespace {

// The RT number of each code, in code order.
const uint32_t kRtTypeOfCode[] = {
    9,  // ACCELERATOR
    21, // ANICURSOR
    22, // ANIICON
    2,  // BITMAP
    1,  // CURSOR
    5,  // DIALOG
    17, // DLGINCLUDE
    8,  // FONT
    7,  // FONTDIR
    12, // GROUP_CURSOR
    14, // GROUP_ICON
    23, // HTML
    3,  // ICON
    24, // MANIFEST
    4,  // MENU
    11, // MESSAGETABLE
    19, // PLUGPLAY
    10, // RCDATA
    6,  // STRING
    16, // VERSION
    20, // VXD
};
const uint32_t kCodeCount = sizeof kRtTypeOfCode / sizeof kRtTypeOfCode[0];

} // namespace

uint32_t RtTypeToCode(uint32_t rtType)
{
    for (uint32_t code = 0; code < kCodeCount; ++code) {
        if (kRtTypeOfCode[code] == rtType)
            return code;
    }
    return rtType;
}

uint32_t CodeToRtType(uint32_t code)
{
    return code < kCodeCount ? kRtTypeOfCode[code] : code;
}

} // namespace archive
} // namespace s
