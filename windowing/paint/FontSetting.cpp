#include "windowing/paint/FontSetting.h"

#include "windowing/paint/ColorBytes.h"
#include "windowing/paint/Font.h"

namespace s {
namespace gui {
namespace win {

FontSetting::FontSetting() {}

const wchar_t* FontSetting::GetClassName()
{
    return L"s_gui_win_FontSetting";
}

base::IObject* FontSetting::NewInstance()
{
    return New();
}

void FontSetting::ReleaseToPool()
{
    thread::GiveToPool(this);
}

thread::EasyPooler* FontSetting::GetPool()
{
    return &thread::PoolOf<FontSetting>();
}

FontSetting* FontSetting::New()
{
    return thread::TakeFromPool<FontSetting>();
}

void FontSetting::Reset()
{
    fields_.Reset();
}

void FontSetting::SetSizeCode(int32_t code)
{
    fields_.ApplySizeCode(code);
}

int32_t FontSetting::GetSizeCode()
{
    return fields_.sizeCode;
}

bool FontSetting::IsCustomized()
{
    return fields_.IsCustomized();
}

const wchar_t* FontSetting::GetFaceName()
{
    return fields_.description.lfFaceName;
}

void FontSetting::SetFaceName(const wchar_t* face)
{
    fields_.SetFaceName(face);
}

COLORREF FontSetting::GetColor()
{
    return fields_.color;
}

uint8_t FontSetting::GetRed()
{
    return RedOf(fields_.color);
}

uint8_t FontSetting::GetGreen()
{
    return GreenOf(fields_.color);
}

uint8_t FontSetting::GetBlue()
{
    return BlueOf(fields_.color);
}

void FontSetting::SetColor(int32_t red, int32_t green, int32_t blue)
{
    fields_.SetColor(red, green, blue);
}

COLORREF FontSetting::GetColor2()
{
    return fields_.color2;
}

void FontSetting::SetColor2(int32_t red, int32_t green, int32_t blue)
{
    fields_.SetColor2(red, green, blue);
}

COLORREF FontSetting::GetColor3()
{
    return fields_.color3;
}

void FontSetting::SetColor3(int32_t red, int32_t green, int32_t blue)
{
    fields_.SetColor3(red, green, blue);
}

void FontSetting::SetPointSize(int32_t points)
{
    fields_.SetPointSize(points);
}

int32_t FontSetting::GetHeight()
{
    return fields_.description.lfHeight;
}

void FontSetting::SetHeight(int32_t height)
{
    fields_.SetHeight(height);
}

int32_t FontSetting::GetWidth()
{
    return fields_.description.lfWidth;
}

void FontSetting::SetWidth(int32_t width)
{
    fields_.SetWidth(width);
}

bool FontSetting::IsBold()
{
    return fields_.IsBold();
}

void FontSetting::SetBold(bool bold)
{
    fields_.SetBold(bold);
}

bool FontSetting::IsItalic()
{
    return fields_.description.lfItalic != 0;
}

void FontSetting::SetItalic(bool italic)
{
    fields_.SetItalic(italic);
}

bool FontSetting::IsUnderline()
{
    return fields_.description.lfUnderline != 0;
}

void FontSetting::SetUnderline(bool underline)
{
    fields_.SetUnderline(underline);
}

bool FontSetting::IsStrikeOut()
{
    return fields_.description.lfStrikeOut != 0;
}

void FontSetting::SetStrikeOut(bool strikeOut)
{
    fields_.SetStrikeOut(strikeOut);
}

int32_t FontSetting::GetWeight()
{
    return fields_.description.lfWeight;
}

void FontSetting::SetWeight(int32_t weight)
{
    fields_.SetWeight(weight);
}

bool FontSetting::IsWordWrap()
{
    return fields_.wordWrap;
}

void FontSetting::SetWordWrap(bool wordWrap)
{
    fields_.wordWrap = wordWrap;
}

bool FontSetting::IsEndEllipsis()
{
    return fields_.endEllipsis;
}

void FontSetting::SetEndEllipsis(bool endEllipsis)
{
    fields_.endEllipsis = endEllipsis;
}

int32_t FontSetting::GetTextStyle()
{
    return fields_.textStyle;
}

void FontSetting::SetTextStyle(int32_t style)
{
    fields_.textStyle = style;
}

bool FontSetting::IsClearType()
{
    return fields_.IsClearType();
}

void FontSetting::SetClearType(bool clearType)
{
    fields_.SetClearType(clearType);
}

void FontSetting::InheritFrom(IFontSetting* setting)
{
    if (setting && setting != this)
        fields_.InheritFrom(FontFields::SourceOf(setting));
}

LOGFONTW* FontSetting::GetLogFont()
{
    return &fields_.description;
}

IFont* FontSetting::CreateFont()
{
    Font* font = Font::New();
    if (font)
        font->CopyFields(fields_);
    return font;
}

} // namespace win
} // namespace gui
} // namespace s
