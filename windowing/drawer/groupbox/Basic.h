#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/groupbox/Captioned.h"
#include "windowing/drawer/groupbox/IBasic.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

// A group box's look without a skin: a one-pixel frame with rounded corners, open at the top
// where the caption stands, with the text drawer of its caption fonts, which it owns.
class Basic : public PooledDrawer<Basic, Captioned<IBasic>> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_drawer_groupbox_win_Basic";

    Basic();

    const wchar_t* GetClassName() override { return kClassName; }
    void Reset() override;

    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption, IFont* font,
              int32_t captionWidth, int32_t captionHeight) override;

private:
    Basic(const Basic&) = delete;
    Basic& operator=(const Basic&) = delete;
};

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
