#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/border/Thin.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/scrollbar/IThin.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace scrollbar {
namespace win {

// An owner-drawn scroll bar's look: its metrics and colours, with the button drawer of its
// arrows and thumb and the border drawer of its frame, which it owns.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    // The parts of the last layout: first arrow, track before the thumb, thumb, track after it,
    // second arrow, corner square.
    enum { kFirstArrow = 0, kTrackBefore, kThumb, kTrackAfter, kSecondArrow, kCorner, kPartCount };
    // The thumb is never shorter than this.
    static const int32_t kMinimumThumb = 11;

    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    int32_t HitTest(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    uint8_t horizontal, int32_t range, int32_t page, int32_t position, uint8_t corner) override;
    int32_t PositionFromDrag(int32_t distance, int32_t startPosition, int32_t left, int32_t top, int32_t right,
                             int32_t bottom, uint8_t horizontal, int32_t range, int32_t page, uint8_t corner) override;
    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t horizontal, int32_t range,
              int32_t page, int32_t position, int32_t firstArrowState, int32_t thumbState, int32_t secondArrowState,
              uint8_t corner, uint8_t ownTrackColor, int32_t red, int32_t green, int32_t blue) override;
    int32_t GetBarWidth() override { return barWidth_; }
    void SetBarWidth(int32_t width) override { barWidth_ = width; }
    void SetForegroundColor(int32_t red, int32_t green, int32_t blue) override;
    void SetTrackColor(int32_t red, int32_t green, int32_t blue) override { track_ = ComposeColor(red, green, blue); }

    int32_t GetBorderStyle() const { return borderStyle_; }
    COLORREF GetForegroundColor() const { return foreground_; }
    COLORREF GetTrackColor() const { return track_; }
    // A part of the last layout; an empty rectangle for an index outside 0..5.
    const RECT& GetPart(int32_t index) const;
    button::win::Thin* GetArrowButtonDrawer() { return arrowButton_; }
    border::win::Thin* GetBorderDrawer() { return border_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    // Writes the six parts for the bar and its numbers.
    void Layout(int32_t left, int32_t top, int32_t right, int32_t bottom, bool horizontal, int32_t range, int32_t page,
                int32_t position, bool corner);

    int32_t borderStyle_;
    button::win::Thin* arrowButton_;
    border::win::Thin* border_;
    RECT parts_[kPartCount];
    COLORREF foreground_;
    COLORREF track_;
    int32_t barWidth_;
};

} // namespace win
} // namespace scrollbar
} // namespace drawer
} // namespace gui
} // namespace s
