#include "windowing/paint/Font.h"

namespace s {
namespace gui {
namespace win {

namespace {
const int32_t kPoolCapacity = 0;
}

Font::Font() : ownsFont_(false)
{
    Font::Reset();
}

Font::~Font()
{
    if (ownsFont_)
        DeleteObject();
    ownsFont_ = false;
}

const wchar_t* Font::GetClassName()
{
    return L"s_gui_win_Font";
}

base::IObject* Font::NewInstance()
{
    return New();
}

void Font::ReleaseToPool()
{
    thread::GiveToPool<Font, kPoolCapacity>(this);
}

thread::EasyPooler* Font::GetPool()
{
    return &thread::PoolOf<Font, kPoolCapacity>();
}

Font* Font::New()
{
    return thread::TakeFromPool<Font, kPoolCapacity>();
}

void Font::Reset()
{
    fields_.Reset();
    Recreate();
}

void Font::Recreate()
{
    HFONT font = ::CreateFontIndirectW(&fields_.description);
    if (ownsFont_)
        DeleteObject();
    else
        Detach();
    ownsFont_ = true;
    // A refused description leaves no handle: text then draws in the context's current font.
    m_hObject = font;
}

void Font::CopyFields(const FontFields& fields)
{
    fields_ = fields;
    Recreate();
}

int32_t Font::GetTextHeight()
{
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc)
        return 0;
    HGDIOBJ previous = m_hObject ? SelectObject(dc, m_hObject) : nullptr;
    RECT rect = {0, 0, 0, 0};
    DrawTextW(dc, L"TEST", -1, &rect, DT_CALCRECT | DT_NOPREFIX);
    if (previous)
        SelectObject(dc, previous);
    DeleteDC(dc);
    return rect.bottom - rect.top;
}

void Font::SetSizeCode(int32_t code)
{
    RecreateIf(fields_.ApplySizeCode(code));
}

int32_t Font::GetSizeCode()
{
    return fields_.sizeCode;
}

bool Font::IsCustomized()
{
    return fields_.IsCustomized();
}

const wchar_t* Font::GetFaceName()
{
    return fields_.description.lfFaceName;
}

void Font::SetFaceName(const wchar_t* face)
{
    RecreateIf(fields_.SetFaceName(face));
}

COLORREF Font::GetColor()
{
    return fields_.color;
}

void Font::SetColor(int32_t red, int32_t green, int32_t blue)
{
    fields_.SetColor(red, green, blue);
}

COLORREF Font::GetColor2()
{
    return fields_.color2;
}

void Font::SetColor2(int32_t red, int32_t green, int32_t blue)
{
    fields_.SetColor2(red, green, blue);
}

COLORREF Font::GetColor3()
{
    return fields_.color3;
}

void Font::SetColor3(int32_t red, int32_t green, int32_t blue)
{
    fields_.SetColor3(red, green, blue);
}

void Font::SetPointSize(int32_t points)
{
    RecreateIf(fields_.SetPointSize(points));
}

int32_t Font::GetHeight()
{
    return fields_.description.lfHeight;
}

void Font::SetHeight(int32_t height)
{
    RecreateIf(fields_.SetHeight(height));
}

int32_t Font::GetWidth()
{
    return fields_.description.lfWidth;
}

void Font::SetWidth(int32_t width)
{
    RecreateIf(fields_.SetWidth(width));
}

bool Font::IsBold()
{
    return fields_.IsBold();
}

void Font::SetBold(bool bold)
{
    RecreateIf(fields_.SetBold(bold));
}

bool Font::IsItalic()
{
    return fields_.description.lfItalic != 0;
}

void Font::SetItalic(bool italic)
{
    RecreateIf(fields_.SetItalic(italic));
}

bool Font::IsUnderline()
{
    return fields_.description.lfUnderline != 0;
}

void Font::SetUnderline(bool underline)
{
    RecreateIf(fields_.SetUnderline(underline));
}

bool Font::IsStrikeOut()
{
    return fields_.description.lfStrikeOut != 0;
}

void Font::SetStrikeOut(bool strikeOut)
{
    RecreateIf(fields_.SetStrikeOut(strikeOut));
}

int32_t Font::GetWeight()
{
    return fields_.description.lfWeight;
}

void Font::SetWeight(int32_t weight)
{
    RecreateIf(fields_.SetWeight(weight));
}

bool Font::IsWordWrap()
{
    return fields_.wordWrap;
}

void Font::SetWordWrap(bool wordWrap)
{
    fields_.wordWrap = wordWrap;
}

bool Font::IsEndEllipsis()
{
    return fields_.endEllipsis;
}

void Font::SetEndEllipsis(bool endEllipsis)
{
    fields_.endEllipsis = endEllipsis;
}

int32_t Font::GetTextStyle()
{
    return fields_.textStyle;
}

void Font::SetTextStyle(int32_t style)
{
    fields_.textStyle = style;
}

bool Font::IsClearType()
{
    return fields_.IsClearType();
}

void Font::SetClearType(bool clearType)
{
    RecreateIf(fields_.SetClearType(clearType));
}

void Font::InheritFrom(IFontSetting* setting)
{
    if (setting)
        RecreateIf(fields_.InheritFrom(FontFields::SourceOf(setting)));
}

void Font::InheritFromFont(IFont* font)
{
    if (font && font != this)
        RecreateIf(fields_.InheritFrom(FontFields::SourceOf(font)));
}

HFONT Font::GetFontHandle()
{
    return m_hObject;
}

} // namespace win
} // namespace gui
} // namespace s
