// A sheet of all embedded skins, kept under the build folder for a person to look at: each tile
// is a small gadget window painted by the skin's drawers, its frame by the window drawer, a
// field's text line by the text drawer in a font that took the skin's text colours, and a
// two-series graph in the counter drawer's colours.
#include <gtest/gtest.h>

#include <cmath>

#include "SkinTestSupport.h"
#include "skins/drawer/Canvas.h"
#include "skins/drawer/ICounter.h"
#include "skins/drawer/IText.h"
#include "skins/drawer/IWindow.h"
#include "storage/TestFiles.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "support/Screenshot.h"
#include "windowing/paint/Font.h"

using s::archive::dll::win::Archive;
using testing_support::Canvas;

namespace skintest {
namespace {

const int kColumns = 6;
const int kTileWidth = 200;
const int kTileHeight = 64;
const int kGap = 6;

COLORREF FirstColor(s::gui::drawer::ICounter* counter)
{
    return RGB(counter->GetFirstColorRed(), counter->GetFirstColorGreen(), counter->GetFirstColorBlue());
}

COLORREF SecondColor(s::gui::drawer::ICounter* counter)
{
    return RGB(counter->GetSecondColorRed(), counter->GetSecondColorGreen(), counter->GetSecondColorBlue());
}

// One gadget tile at (left, top): the drawers paint from the client origin, which the viewport
// moves onto the tile.
void DrawTile(Canvas& canvas, int left, int top, ISkin* skin, s::gui::win::Font* font)
{
    CDC& dc = canvas.dc;
    SetViewportOrgEx(dc, left, top, nullptr);
    skin->GetWindowDrawer()->DrawFrame(&dc, 0, 0, kTileWidth, kTileHeight);
    // Graph: two series over the lower part of the tile, the second drawn over the first.
    const COLORREF first = FirstColor(skin->GetCounterDrawer());
    const COLORREF second = SecondColor(skin->GetCounterDrawer());
    const int graphTop = 24, graphBottom = kTileHeight - 4;
    for (int x = 0; x < kTileWidth - 8; ++x) {
        const double t = x / 12.0;
        const int a = static_cast<int>((graphBottom - graphTop) * (0.55 + 0.35 * std::sin(t)));
        const int b = static_cast<int>((graphBottom - graphTop) * (0.30 + 0.20 * std::cos(t * 1.7)));
        dc.FillSolidRect(4 + x, graphBottom - a, 1, a, first);
        dc.FillSolidRect(4 + x, graphBottom - b - 1, 1, 2, second);
    }
    // Text line: the skin's name and a value, as a field shows its label and reading.
    s::gui::drawer::IText* text = skin->GetTextDrawer();
    text->ApplyToFonts(font, nullptr, nullptr, nullptr, nullptr);
    text->DrawText(&dc, 6, 4, kTileWidth - 40, 22, skin->GetName(), font);
    text->DrawText(&dc, kTileWidth - 40, 4, kTileWidth - 6, 22, L"42 %", font);
    SetViewportOrgEx(dc, 0, 0, nullptr);
}

TEST(SkinSheet, ShowsEveryEmbeddedSkinForAPersonToReview)
{
    Manager skinner(L"ThinWindow");
    s::file::win::PathWin* path =
        s::file::win::PathWin::CreateFromText(testfiles::BesideTestProgram(L"..\\pulsegrid.exe").c_str());
    Archive* archive = Archive::OpenModule(path);
    path->ReleaseToPool();
    skinner->LoadSkinSetSetting(archive, L"IDR_XML", 150);
    archive->ReleaseToPool();
    const int count = static_cast<int>(skinner->GetSkinCount());
    ASSERT_EQ(84, count);

    const int rows = (count + kColumns - 1) / kColumns;
    Canvas canvas(kGap + kColumns * (kTileWidth + kGap), kGap + rows * (kTileHeight + kGap), RGB(128, 128, 128));
    ASSERT_TRUE(canvas.IsReady());
    s::gui::win::Font* font = s::gui::win::Font::New();
    font->SetBold(true);
    for (int i = 0; i < count; ++i) {
        const int left = kGap + (i % kColumns) * (kTileWidth + kGap);
        const int top = kGap + (i / kColumns) * (kTileHeight + kGap);
        DrawTile(canvas, left, top, skinner->GetSkinAt(static_cast<uint32_t>(i)), font);
    }
    font->ReleaseToPool();

    testing_support::ScreenImage image;
    image.width = canvas.Width();
    image.height = canvas.Height();
    for (COLORREF pixel : canvas.Pixels())
        image.pixels.push_back((GetRValue(pixel) << 16) | (GetGValue(pixel) << 8) | GetBValue(pixel));
    for (int i = 0; i < count; ++i) {
        const int left = kGap + (i % kColumns) * (kTileWidth + kGap);
        const int top = kGap + (i / kColumns) * (kTileHeight + kGap);
        const SkinColorSet colors = ColorsAt(skinner.get(), static_cast<uint32_t>(i));
        EXPECT_EQ(colors.GetColor(SkinColorSet::kWindowFg), canvas.At(left, top + 10)) << i;
        EXPECT_EQ(colors.GetColor(SkinColorSet::kWindowFg), canvas.At(left + kTileWidth - 1, top + 10)) << i;
        EXPECT_EQ(colors.GetColor(SkinColorSet::kWindowBg), canvas.At(left + 3, top + 3)) << i;
    }
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"EmbeddedSkins").empty());
}

} // namespace
} // namespace skintest
