#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace gui {
namespace win {

// What a Font and a FontSetting both are, apart from the GDI font: the description, colours,
// line layout, size code, explicit marks and text style, with the rules that change them. The
// operations that change the description say so, so that a Font knows when to re-create.
struct FontFields {
    // The explicit marks, one per attribute group, in this order.
    enum Mark {
        kFace,
        kColor,
        kColor2,
        kColor3,
        kSize, // height, width and point size share it
        kBold,
        kItalic,
        kUnderline,
        kStrikeOut,
        kWeight,
        kClearType,
        kMarkCount
    };

    // The attributes inheritance reads from a source, whatever kind of font it is.
    struct Source {
        const wchar_t* face;
        COLORREF color;
        COLORREF color2;
        COLORREF color3;
        int32_t weight;
        int32_t height;
        int32_t width;
        bool italic;
        bool underline;
        bool strikeOut;
        bool clearType;
    };

    LOGFONTW description;
    COLORREF color;
    COLORREF color2;
    COLORREF color3;
    bool wordWrap;
    bool endEllipsis;
    int32_t sizeCode;
    bool marks[kMarkCount];
    int32_t textStyle;

    FontFields() { Reset(); }

    // The defaults, with the theme's caption face where the system has one.
    void Reset();
    bool IsCustomized() const;

    // Each of these marks its group; true when the description changed.
    bool SetFaceName(const wchar_t* face);
    bool SetPointSize(int32_t points);
    bool SetHeight(int32_t height);
    bool SetWidth(int32_t width);
    bool SetBold(bool bold);
    bool SetItalic(bool italic);
    bool SetUnderline(bool underline);
    bool SetStrikeOut(bool strikeOut);
    bool SetWeight(int32_t weight);
    bool SetClearType(bool clearType);
    void SetColor(int32_t red, int32_t green, int32_t blue);
    void SetColor2(int32_t red, int32_t green, int32_t blue);
    void SetColor3(int32_t red, int32_t green, int32_t blue);

    // Stores the code and applies its weight and point size where not chosen explicitly.
    bool ApplySizeCode(int32_t code);
    // Takes every group not marked here from the source; the marks stay as they are.
    bool InheritFrom(const Source& source);

    bool IsBold() const { return description.lfWeight >= 500; }
    bool IsClearType() const { return description.lfQuality == CLEARTYPE_QUALITY; }

    // The source values of any font or setting, read through its getters.
    template <class Font>
    static Source SourceOf(Font* font)
    {
        Source source = {font->GetFaceName(),  font->GetColor(),   font->GetColor2(),   font->GetColor3(),
                         font->GetWeight(),    font->GetHeight(),  font->GetWidth(),    font->IsItalic(),
                         font->IsUnderline(),  font->IsStrikeOut(), font->IsClearType()};
        return source;
    }

private:
    // Height and width of a point size on the screen, unmarked.
    bool ApplyPointSize(int32_t points);
};

} // namespace win
} // namespace gui
} // namespace s
