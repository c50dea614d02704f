#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace map {
class IMappedData;
}
namespace gui {
namespace drawer {

// The fifteen named colours a skin is made from, red, green and blue as bytes, in the order of
// the skin-set XML. The builders take them in another order (compDisabled before compFg): the
// conversions below are the one place that knows both.
class SkinColorSet {
public:
    enum Index : uint32_t {
        kWindowBg,
        kWindowFg,
        kCompFg,
        kCompDisabled,
        kGroupBorder,
        kText,
        kTextOutLineSpecific,
        kSliderBg,
        kListHeaderBg,
        kListHeaderFont,
        kListBg,
        kListFont,
        kListAlternate,
        kCounter01,
        kCounter02,
        kCount
    };
    // Three components per colour in builder order.
    static const uint32_t kBuilderValues = kCount * 3;

    SkinColorSet();

    // The element name of the colour ("windowBg" ...); null beyond the fifteen.
    static const wchar_t* NameOf(uint32_t index);
    // The colour at builder position; the same index for every colour but compFg and compDisabled.
    static uint32_t FromBuilderPosition(uint32_t position);

    // Components keep their low byte, as everywhere a colour is stored.
    void Set(uint32_t index, int32_t red, int32_t green, int32_t blue);
    void SetColor(uint32_t index, COLORREF color);
    COLORREF GetColor(uint32_t index) const;
    uint8_t GetRed(uint32_t index) const { return rgb_[index][0]; }
    uint8_t GetGreen(uint32_t index) const { return rgb_[index][1]; }
    uint8_t GetBlue(uint32_t index) const { return rgb_[index][2]; }
    bool Equals(const SkinColorSet& other) const;

    // The 45 values as the builders take them, and back.
    void ToBuilderOrder(int32_t* values) const;
    void FromBuilderOrder(const int32_t* values);

    // Reads the colour elements of one skin entry (section "P\T_i"), each missing component
    // taking its default: groupBorder that of compFg, the text outline 238 around dark text
    // (average below 78) and 51 otherwise, every other one 0.
    void ReadEntry(map::IMappedData* store, const wchar_t* entrySection);
    // Writes the fifteen colour elements of one entry in element order, R, G then B.
    void WriteEntry(map::IMappedData* store, const wchar_t* entrySection) const;

private:
    uint8_t rgb_[kCount][3];
};

} // namespace drawer
} // namespace gui
} // namespace s
