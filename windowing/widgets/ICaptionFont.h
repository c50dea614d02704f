#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace gui {

// The caption font of a check box, radio button or group box; each setter measures the widget
// again.
class ICaptionFont {
public:
    virtual ~ICaptionFont() = default;

    virtual const wchar_t* GetFaceName() = 0;
    virtual void SetFaceName(const wchar_t* face) = 0;
    virtual void SetSizeCode(int32_t code) = 0;
    virtual COLORREF GetTextColor() = 0;
    virtual void SetTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetPointSize(int32_t points) = 0;
    virtual int32_t GetFontHeight() = 0;
    virtual void SetFontHeight(int32_t height) = 0;
    virtual int32_t GetFontWidth() = 0;
    virtual void SetFontWidth(int32_t width) = 0;
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
};

} // namespace gui
} // namespace s
