#include "windowing/paint/FontFields.h"

#include <cstdlib>
#include <cwchar>

#include "measurement/win/OsVersion.h"
#include "windowing/paint/ColorBytes.h"
#include "windowing/paint/ThemeFonts.h"

namespace s {
namespace gui {
namespace win {

namespace {

const wchar_t kDefaultFace[] = L"MS Shell Dlg 2";
const int32_t kBoldWeight = 700;
const int32_t kNormalWeight = 400;
const int32_t kBoldThreshold = 500;

// Every field but the face name.
void WriteDefaults(LOGFONTW& font)
{
    font.lfHeight = -13;
    font.lfWidth = 0;
    font.lfEscapement = 0;
    font.lfOrientation = 0;
    font.lfWeight = kNormalWeight;
    font.lfItalic = 0;
    font.lfUnderline = 0;
    font.lfStrikeOut = 0;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_STRING_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH;
}

// The field holds 31 characters and the terminator; a longer name is cut.
bool CopyFace(LOGFONTW& font, const wchar_t* face)
{
    wchar_t copy[LF_FACESIZE] = {};
    if (face)
        wcsncpy(copy, face, LF_FACESIZE - 1);
    if (wcscmp(copy, font.lfFaceName) == 0)
        return false;
    wcscpy(font.lfFaceName, copy);
    return true;
}

int32_t ScreenPixelsPerInch()
{
    HDC screen = GetDC(nullptr);
    if (!screen)
        return 96;
    const int32_t pixels = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return pixels > 0 ? pixels : 96;
}

template <class T, class U>
bool Assign(T& field, U value)
{
    if (field == static_cast<T>(value))
        return false;
    field = static_cast<T>(value);
    return true;
}

} // namespace

void FontFields::Reset()
{
    if (!system::win::GetOsVersion().done)
        system::win::LoadOsVersion();
    description = LOGFONTW();
    if (!system::win::GetOsVersion().isVistaOrLater || !ThemeFonts::GetCaptionFont(&description))
        wcscpy(description.lfFaceName, kDefaultFace);
    WriteDefaults(description);
    color = 0;
    color2 = 0xEEEEEE;
    color3 = 0xEEEEEE;
    wordWrap = false;
    endEllipsis = false;
    sizeCode = 0;
    for (bool& mark : marks)
        mark = false;
    textStyle = 0;
}

bool FontFields::IsCustomized() const
{
    for (bool mark : marks)
        if (mark)
            return true;
    return false;
}

bool FontFields::SetFaceName(const wchar_t* face)
{
    marks[kFace] = true;
    return CopyFace(description, face);
}

bool FontFields::SetPointSize(int32_t points)
{
    marks[kSize] = true;
    return ApplyPointSize(points);
}

bool FontFields::SetHeight(int32_t height)
{
    marks[kSize] = true;
    return Assign(description.lfHeight, height);
}

bool FontFields::SetWidth(int32_t width)
{
    marks[kSize] = true;
    return Assign(description.lfWidth, width);
}

bool FontFields::SetBold(bool bold)
{
    marks[kBold] = true;
    return Assign(description.lfWeight, bold ? kBoldWeight : kNormalWeight);
}

bool FontFields::SetItalic(bool italic)
{
    marks[kItalic] = true;
    return Assign(description.lfItalic, italic ? 1 : 0);
}

bool FontFields::SetUnderline(bool underline)
{
    marks[kUnderline] = true;
    return Assign(description.lfUnderline, underline ? 1 : 0);
}

bool FontFields::SetStrikeOut(bool strikeOut)
{
    marks[kStrikeOut] = true;
    return Assign(description.lfStrikeOut, strikeOut ? 1 : 0);
}

bool FontFields::SetWeight(int32_t weight)
{
    marks[kWeight] = true;
    return Assign(description.lfWeight, weight);
}

bool FontFields::SetClearType(bool clearType)
{
    marks[kClearType] = true;
    return Assign(description.lfQuality, clearType ? CLEARTYPE_QUALITY : NONANTIALIASED_QUALITY);
}

void FontFields::SetColor(int32_t red, int32_t green, int32_t blue)
{
    marks[kColor] = true;
    color = ComposeColor(red, green, blue);
}

void FontFields::SetColor2(int32_t red, int32_t green, int32_t blue)
{
    marks[kColor2] = true;
    color2 = ComposeColor(red, green, blue);
}

void FontFields::SetColor3(int32_t red, int32_t green, int32_t blue)
{
    marks[kColor3] = true;
    color3 = ComposeColor(red, green, blue);
}

bool FontFields::ApplyPointSize(int32_t points)
{
    // What a font made at this point size on the screen reads back as: the height of the point
    // size in screen pixels, negative (character height), and no width.
    const int32_t height = -std::abs(MulDiv(ScreenPixelsPerInch(), points * 10, 720));
    const bool heightChanged = Assign(description.lfHeight, height);
    const bool widthChanged = Assign(description.lfWidth, 0);
    return heightChanged || widthChanged;
}

bool FontFields::ApplySizeCode(int32_t code)
{
    sizeCode = code;
    const int64_t magnitude = std::llabs(static_cast<int64_t>(code));
    int32_t weight;
    int32_t points;
    if (magnitude < 100) {
        weight = kNormalWeight;
        points = code + 10;
    } else if (magnitude < 1000) {
        weight = kBoldWeight;
        points = code % 100 + 14;
    } else if (code == 100001) {
        weight = kNormalWeight;
        points = 8;
    } else {
        return false;
    }
    bool changed = false;
    if (!marks[kBold])
        changed |= Assign(description.lfWeight, weight);
    if (!marks[kSize])
        changed |= ApplyPointSize(points);
    return changed;
}

bool FontFields::InheritFrom(const Source& source)
{
    bool changed = false;
    if (!marks[kFace])
        changed |= CopyFace(description, source.face);
    if (!marks[kColor])
        color = source.color & 0xFFFFFF;
    if (!marks[kColor2])
        color2 = source.color2 & 0xFFFFFF;
    if (!marks[kColor3])
        color3 = source.color3 & 0xFFFFFF;
    if (!marks[kBold])
        changed |= Assign(description.lfWeight, source.weight >= kBoldThreshold ? kBoldWeight : kNormalWeight);
    if (!marks[kSize]) {
        changed |= Assign(description.lfHeight, source.height);
        changed |= Assign(description.lfWidth, source.width);
    }
    if (!marks[kItalic])
        changed |= Assign(description.lfItalic, source.italic ? 1 : 0);
    if (!marks[kUnderline])
        changed |= Assign(description.lfUnderline, source.underline ? 1 : 0);
    if (!marks[kStrikeOut])
        changed |= Assign(description.lfStrikeOut, source.strikeOut ? 1 : 0);
    if (!marks[kClearType])
        changed |= Assign(description.lfQuality, source.clearType ? CLEARTYPE_QUALITY : NONANTIALIASED_QUALITY);
    return changed;
}

} // namespace win
} // namespace gui
} // namespace s
