#pragma once
#include <cstdint>

#include "windowing/paint/Font.h"

namespace s {
namespace gui {
namespace win {

// The caption-font operations of a widget interface (see ICaptionFont) forwarded to the widget's
// font: getters plainly, setters followed by the widget's measuring.
template <class Interface>
class CaptionFontForwards : public Interface {
public:
    const wchar_t* GetFaceName() override { return CaptionFont()->GetFaceName(); }
    void SetFaceName(const wchar_t* face) override
    {
        CaptionFont()->SetFaceName(face);
        CaptionFontChanged();
    }
    void SetSizeCode(int32_t code) override
    {
        CaptionFont()->SetSizeCode(code);
        CaptionFontChanged();
    }
    COLORREF GetTextColor() override { return CaptionFont()->GetColor(); }
    void SetTextColor(int32_t red, int32_t green, int32_t blue) override
    {
        CaptionFont()->SetColor(red, green, blue);
        CaptionFontChanged();
    }
    void SetPointSize(int32_t points) override
    {
        CaptionFont()->SetPointSize(points);
        CaptionFontChanged();
    }
    int32_t GetFontHeight() override { return CaptionFont()->GetHeight(); }
    void SetFontHeight(int32_t height) override
    {
        CaptionFont()->SetHeight(height);
        CaptionFontChanged();
    }
    int32_t GetFontWidth() override { return CaptionFont()->GetWidth(); }
    void SetFontWidth(int32_t width) override
    {
        CaptionFont()->SetWidth(width);
        CaptionFontChanged();
    }
    bool IsBold() override { return CaptionFont()->IsBold(); }
    void SetBold(bool bold) override
    {
        CaptionFont()->SetBold(bold);
        CaptionFontChanged();
    }
    bool IsItalic() override { return CaptionFont()->IsItalic(); }
    void SetItalic(bool italic) override
    {
        CaptionFont()->SetItalic(italic);
        CaptionFontChanged();
    }
    bool IsUnderline() override { return CaptionFont()->IsUnderline(); }
    void SetUnderline(bool underline) override
    {
        CaptionFont()->SetUnderline(underline);
        CaptionFontChanged();
    }
    bool IsStrikeOut() override { return CaptionFont()->IsStrikeOut(); }
    void SetStrikeOut(bool strikeOut) override
    {
        CaptionFont()->SetStrikeOut(strikeOut);
        CaptionFontChanged();
    }
    int32_t GetWeight() override { return CaptionFont()->GetWeight(); }
    void SetWeight(int32_t weight) override
    {
        CaptionFont()->SetWeight(weight);
        CaptionFontChanged();
    }

protected:
    virtual Font* CaptionFont() = 0;
    // Measures the widget again with the changed font.
    virtual void CaptionFontChanged() = 0;
};

} // namespace win
} // namespace gui
} // namespace s
