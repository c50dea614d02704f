#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/paint/FontFields.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace gui {
namespace win {

// A font description without a GDI font: a value skins and drawers hold, embedded or pooled,
// from which a Font is made on demand.
class FontSetting : public IFontSetting, public thread::IPoolable {
public:
    FontSetting();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static FontSetting* New();

    void SetSizeCode(int32_t code) override;
    int32_t GetSizeCode() override;
    bool IsCustomized() override;
    const wchar_t* GetFaceName() override;
    void SetFaceName(const wchar_t* face) override;
    COLORREF GetColor() override;
    uint8_t GetRed() override;
    uint8_t GetGreen() override;
    uint8_t GetBlue() override;
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
    LOGFONTW* GetLogFont() override;
    IFont* CreateFont() override;

private:
    FontFields fields_;
};

} // namespace win
} // namespace gui
} // namespace s
