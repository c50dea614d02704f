#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace gui {

class IFont;

// The description of a font without a GDI font: what skins, drawers and settings hold. Its
// setters mark the same attributes as those of IFont and change only the description.
class IFontSetting : public base::IObject {
public:
    virtual void SetSizeCode(int32_t code) = 0;
    virtual int32_t GetSizeCode() = 0;
    virtual bool IsCustomized() = 0;
    virtual const wchar_t* GetFaceName() = 0;
    virtual void SetFaceName(const wchar_t* face) = 0;
    virtual COLORREF GetColor() = 0;
    virtual uint8_t GetRed() = 0;
    virtual uint8_t GetGreen() = 0;
    virtual uint8_t GetBlue() = 0;
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
    // The description itself.
    virtual LOGFONTW* GetLogFont() = 0;
    // A font from the font pool with this setting's description, colours, layout, size code,
    // explicit marks and style, its GDI font made; the caller gives it back. Null when none
    // could be had.
    virtual IFont* CreateFont() = 0;
};

} // namespace gui
} // namespace s
