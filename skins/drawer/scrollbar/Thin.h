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
    enum { kPartCount = 6 };

    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    int32_t GetBarWidth() override { return barWidth_; }
    void SetBarWidth(int32_t width) override { barWidth_ = width; }
    void SetForegroundColor(int32_t red, int32_t green, int32_t blue) override;
    void SetTrackColor(int32_t red, int32_t green, int32_t blue) override { track_ = ComposeColor(red, green, blue); }

    int32_t GetBorderStyle() const { return borderStyle_; }
    COLORREF GetForegroundColor() const { return foreground_; }
    COLORREF GetTrackColor() const { return track_; }
    const RECT& GetPart(int32_t index) const { return parts_[index]; }
    button::win::Thin* GetArrowButtonDrawer() { return arrowButton_; }
    border::win::Thin* GetBorderDrawer() { return border_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

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
