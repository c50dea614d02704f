#pragma once
#include <cstdint>

namespace s {
namespace archive {

// The archives' own numbering of Windows resource types, alphabetical by name.
enum ResourceTypeCode : uint32_t {
    kTypeAccelerator = 0,
    kTypeAniCursor = 1,
    kTypeAniIcon = 2,
    kTypeBitmap = 3,
    kTypeCursor = 4,
    kTypeDialog = 5,
    kTypeDlgInclude = 6,
    kTypeFont = 7,
    kTypeFontDir = 8,
    kTypeGroupCursor = 9,
    kTypeGroupIcon = 10,
    kTypeHtml = 11,
    kTypeIcon = 12,
    kTypeManifest = 13,
    kTypeMenu = 14,
    kTypeMessageTable = 15,
    kTypePlugPlay = 16,
    kTypeRcData = 17,
    kTypeString = 18,
    kTypeVersion = 19,
    kTypeVxd = 20,
};

// A Windows resource-type number (RT_...) as a code; a number outside the table passes through.
uint32_t RtTypeToCode(uint32_t rtType);
// The Windows resource-type number of a code; a code outside the table passes through.
uint32_t CodeToRtType(uint32_t code);

} // namespace archive
} // namespace s
