#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/Font.h"
#include "windowing/paint/FontFields.h"
#include "windowing/paint/IFont.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace gui {
namespace win {

// A font description together with the GDI font made from it. Every setter that changes the
// description replaces the GDI font at once, so a widget that selects the font afterwards draws
// with the new attributes. Fonts are never kept idle: one given back is destroyed.
class Font : public IFont, public thread::IPoolable, public CFont {
public:
    Font();
    ~Font() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // The defaults, no marks, and a new GDI font.
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static Font* New();

    int32_t GetTextHeight() override;
    void SetSizeCode(int32_t code) override;
    int32_t GetSizeCode() override;
    bool IsCustomized() override;
    const wchar_t* GetFaceName() override;
    void SetFaceName(const wchar_t* face) override;
    COLORREF GetColor() override;
    void SetColor(int32_t red, int32_t green, int32_t blue) override;
    COLORREF GetColor2() override;
    void SetColor2(int32_t red, int32_t green, int32_t blue) override;
    COLORREF GetColor3() override;
    void SetColor3(int32_t red, int32_t green, int32_t blue) override;
    void SetPointSize(int32_t points) override;
    int32_t GetHeight() override;
    void SetHeight(int32_t height) override;
    int32_t GetWidth() override;
    void SetWidth(int32_t width) override;
    bool IsBold() override;
    void SetBold(bool bold) override;
    bool IsItalic() override;
    void SetItalic(bool italic) override;
    bool IsUnderline() override;
    void SetUnderline(bool underline) override;
    bool IsStrikeOut() override;
    void SetStrikeOut(bool strikeOut) override;
    int32_t GetWeight() override;
    void SetWeight(int32_t weight) override;
    bool IsWordWrap() override;
    void SetWordWrap(bool wordWrap) override;
    bool IsEndEllipsis() override;
    void SetEndEllipsis(bool endEllipsis) override;
    int32_t GetTextStyle() override;
    void SetTextStyle(int32_t style) override;
    bool IsClearType() override;
    void SetClearType(bool clearType) override;
    void InheritFrom(IFontSetting* setting) override;
    void InheritFromFont(IFont* font) override;
    HFONT GetFontHandle() override;

    const LOGFONTW& GetLogFont() const { return fields_.description; }
    // Takes over every field of a setting and makes the GDI font from it.
    void CopyFields(const FontFields& fields);

private:
    // Replaces the GDI font by one made from the description.
    void Recreate();
    void RecreateIf(bool changed)
    {
        if (changed)
            Recreate();
    }

    FontFields fields_;
    bool ownsFont_;
};

} // namespace win
} // namespace gui
} // namespace s
