#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace gui {

class IFontSetting;

// A live font: a description, the GDI font made from it, three colours, line layout, a text
// effect style and a record of which attributes were chosen explicitly. Inheritance fills in
// only the attributes not chosen here, so a widget's own choices survive a change of skin.
// Colours are composed from the low byte of each component.
class IFont : public base::IObject {
public:
    // Pixel height of "TEST" in this font; 0 when no device context could be made.
    virtual int32_t GetTextHeight() = 0;
    virtual void SetSizeCode(int32_t code) = 0;
    virtual int32_t GetSizeCode() = 0;
    virtual bool IsCustomized() = 0;
    virtual const wchar_t* GetFaceName() = 0;
    virtual void SetFaceName(const wchar_t* face) = 0;
    virtual COLORREF GetColor() = 0;
    virtual void SetColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual COLORREF GetColor2() = 0;
    virtual void SetColor2(int32_t red, int32_t green, int32_t blue) = 0;
    virtual COLORREF GetColor3() = 0;
    virtual void SetColor3(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetPointSize(int32_t points) = 0;
    virtual int32_t GetHeight() = 0;
    virtual void SetHeight(int32_t height) = 0;
    virtual int32_t GetWidth() = 0;
    virtual void SetWidth(int32_t width) = 0;
    virtual bool IsBold() = 0;
    virtual void SetBold(bool bold) = 0;
    virtual bool IsItalic() = 0;
    virtual void SetItalic(bool italic) = 0;
    virtual bool IsUnderline() = 0;
    virtual void SetUnderline(bool underline) = 0;
    virtual bool IsStrikeOut() = 0;
    virtual void SetStrikeOut(bool strikeOut) = 0;
    virtual int32_t GetWeight() = 0;
    virtual void SetWeight(int32_t weight) = 0;
    virtual bool IsWordWrap() = 0;
    virtual void SetWordWrap(bool wordWrap) = 0;
    virtual bool IsEndEllipsis() = 0;
    virtual void SetEndEllipsis(bool endEllipsis) = 0;
    virtual int32_t GetTextStyle() = 0;
    virtual void SetTextStyle(int32_t style) = 0;
    virtual bool IsClearType() = 0;
    virtual void SetClearType(bool clearType) = 0;
    virtual void InheritFrom(IFontSetting* setting) = 0;
    virtual void InheritFromFont(IFont* font) = 0;
    // The GDI font to select for drawing; null when GDI refused the description.
    virtual HFONT GetFontHandle() = 0;
};

} // namespace gui
} // namespace s
