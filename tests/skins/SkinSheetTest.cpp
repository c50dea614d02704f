// A sheet of all embedded skins, kept under the build folder for a person to look at: each tile
// is a small gadget window in the skin's colours with its frame, a field's text line and a
// two-series graph.
#include <gtest/gtest.h>

#include <cmath>

#include "SkinTestSupport.h"
#include "storage/TestFiles.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "support/Screenshot.h"

using s::archive::dll::win::Archive;

namespace skintest {
namespace {

const int kColumns = 6;
const int kTileWidth = 200;
const int kTileHeight = 64;
const int kGap = 6;

// A 32-bit top-down DIB section with a memory device context over it.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    bool ok() const { return bits_ != nullptr; }
    void Fill(int x, int y, int w, int h, COLORREF color)
    {
        RECT r = {x, y, x + w, y + h};
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc_, &r, brush);
        DeleteObject(brush);
    }
    testing_support::ScreenImage Image() const
    {
        GdiFlush();
        testing_support::ScreenImage image;
        image.width = width_;
        image.height = height_;
        image.pixels.assign(bits_, bits_ + width_ * height_);
        for (uint32_t& pixel : image.pixels)
            pixel &= 0xFFFFFF;
        return image;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    uint32_t* bits_ = nullptr;
};

// One gadget tile in the skin's colours.
void DrawTile(Canvas& canvas, HFONT font, int left, int top, const wchar_t* name, const SkinColorSet& colors)
{
    canvas.Fill(left, top, kTileWidth, kTileHeight, colors.GetColor(SkinColorSet::kWindowBg));
    // Graph: two series over the lower part of the tile, the second drawn over the first.
    const int graphTop = top + 24, graphBottom = top + kTileHeight - 4;
    for (int x = 0; x < kTileWidth - 8; ++x) {
        const double t = x / 12.0;
        const int first = static_cast<int>((graphBottom - graphTop) * (0.55 + 0.35 * std::sin(t)));
        const int second = static_cast<int>((graphBottom - graphTop) * (0.30 + 0.20 * std::cos(t * 1.7)));
        canvas.Fill(left + 4 + x, graphBottom - first, 1, first, colors.GetColor(SkinColorSet::kCounter01));
        canvas.Fill(left + 4 + x, graphBottom - second - 1, 1, 2, colors.GetColor(SkinColorSet::kCounter02));
    }
    // Frame: four one-pixel lines.
    const COLORREF frame = colors.GetColor(SkinColorSet::kWindowFg);
    canvas.Fill(left, top, kTileWidth, 1, frame);
    canvas.Fill(left + kTileWidth - 1, top, 1, kTileHeight, frame);
    canvas.Fill(left, top + kTileHeight - 1, kTileWidth, 1, frame);
    canvas.Fill(left, top, 1, kTileHeight - 1, frame);
    // Text line: the skin's name and a value, as a field shows its label and reading.
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    SetBkMode(canvas.dc(), TRANSPARENT);
    SetTextColor(canvas.dc(), colors.GetColor(SkinColorSet::kText));
    RECT text = {left + 6, top + 4, left + kTileWidth - 6, top + 22};
    DrawTextW(canvas.dc(), name, -1, &text, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    DrawTextW(canvas.dc(), L"42 %", -1, &text, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(canvas.dc(), old);
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
    Canvas canvas(kGap + kColumns * (kTileWidth + kGap), kGap + rows * (kTileHeight + kGap));
    ASSERT_TRUE(canvas.ok());
    canvas.Fill(0, 0, kGap + kColumns * (kTileWidth + kGap), kGap + rows * (kTileHeight + kGap), RGB(128, 128, 128));
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
    for (int i = 0; i < count; ++i) {
        const int left = kGap + (i % kColumns) * (kTileWidth + kGap);
        const int top = kGap + (i / kColumns) * (kTileHeight + kGap);
        DrawTile(canvas, font, left, top, skinner->GetSkinNameAt(static_cast<uint32_t>(i))->GetText(),
                 ColorsAt(skinner.get(), static_cast<uint32_t>(i)));
    }
    DeleteObject(font);

    const testing_support::ScreenImage image = canvas.Image();
    for (int i = 0; i < count; ++i) {
        const int left = kGap + (i % kColumns) * (kTileWidth + kGap);
        const int top = kGap + (i / kColumns) * (kTileHeight + kGap);
        const SkinColorSet colors = ColorsAt(skinner.get(), static_cast<uint32_t>(i));
        EXPECT_EQ(colors.GetColor(SkinColorSet::kWindowFg), image.At(left, top + 10)) << i;
        EXPECT_EQ(colors.GetColor(SkinColorSet::kWindowBg), image.At(left + 3, top + 3)) << i;
    }
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"EmbeddedSkins").empty());
}

} // namespace
} // namespace skintest
