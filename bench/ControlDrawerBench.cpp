// Times the control drawers as every paint uses them, each into one 400 x 300 image: 1,000 list
// items through DrawItem, 1,000 button faces with a glyph caption and 1,000 scroll bars, against
// a plain baseline in the same run: as many FillSolidRect and DrawTextW calls, of the same texts,
// into the same image.
#include "BenchClock.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "images/win/BufferedImage.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/listbox/Basic.h"
#include "skins/drawer/scrollbar/Thin.h"
#include "windowing/paint/Font.h"
#include "windowing/paint/MemDC.h"

using s::gui::win::MemDC;

namespace {

const int kCount = 1000;
const int kWidth = 400;
const int kHeight = 300;
const int kRow = 18;

void Report(const char* what, double ours, double baseline)
{
    std::printf("%-58s %8.2f ms, baseline %8.2f ms, ratio %.2f\n", what, ours * 1e3, baseline * 1e3,
                ours / baseline);
}

// As many fills and text lines per call as the drawer makes.
double Baseline(MemDC* memory, s::gui::win::Font* font, int fillsPerCall, const wchar_t* text, int textsPerCall = 1)
{
    return Best([&] {
        HGDIOBJ previous = memory->SelectObject(font->GetFontHandle());
        for (int i = 0; i < kCount; ++i) {
            const int y = (i * kRow) % (kHeight - kRow);
            for (int f = 0; f < fillsPerCall; ++f)
                memory->FillSolidRect(f % 20, y, kWidth - f % 20, kRow, RGB(f, 100, 200));
            for (int t = 0; text && t < textsPerCall; ++t) {
                RECT rect = {40, y, kWidth - 4, y + kRow};
                DrawTextW(memory->GetSafeHdc(), text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            }
        }
        memory->SelectObject(previous);
        GdiFlush();
    });
}

void ListItems(MemDC* memory, s::image::win::BufferedImage* image, s::gui::win::Font* font)
{
    s::gui::drawer::listbox::win::Basic* drawer = s::gui::drawer::listbox::win::Basic::CreateWithSystemColors();
    s::image::win::BufferedImage* icon = s::image::win::NewBufferedImage(16, 16);
    const wchar_t* text = L"Processor load (core 3)";
    const double ours = Best([&] {
        for (int i = 0; i < kCount; ++i) {
            const int y = (i * kRow) % (kHeight - kRow);
            SetViewportOrgEx(memory->GetSafeHdc(), 0, y, nullptr);
            drawer->DrawItem(memory, image, 0, 0, kWidth, kRow, 0, i % 3 == 0, 0, 1, i % 2, -1, 0, 0, 0, 0, text,
                             font, font, 1, icon, 1, 2, 0, 1, 1, 1, nullptr, nullptr, nullptr, nullptr, 1, 0, 0, 0, 0,
                             0);
        }
        SetViewportOrgEx(memory->GetSafeHdc(), 0, 0, nullptr);
        GdiFlush();
    });
    // Background, a third selected, the check box's frame, inside and tick (nine), the expander's
    // five bars: sixteen fills; the text measured and drawn. The icon's blend and the flush
    // before it are the drawer's own.
    Report("1,000 list items (check box, icon, tree) vs fills and text", ours, Baseline(memory, font, 16, text, 2));
    icon->ReleaseToPool();
    drawer->ReleaseToPool();
}

void GlyphButtons(MemDC* memory, s::gui::win::Font* font)
{
    s::gui::drawer::button::win::Thin* drawer = s::gui::drawer::button::win::Thin::New();
    const double ours = Best([&] {
        for (int i = 0; i < kCount; ++i) {
            const int x = (i * 24) % (kWidth - 24);
            const int y = (i / 16 * 24) % (kHeight - 24);
            drawer->Draw(memory, x, y, x + 22, y + 22, i % 3, L"#Play", true, font, true, false, false);
        }
        GdiFlush();
    });
    // A frame of four edges (twelve fills when raised) and the glyph's eight columns.
    Report("1,000 framed glyph buttons (#Play, 22 x 22) vs fills", ours, Baseline(memory, font, 15, nullptr));
    drawer->ReleaseToPool();
}

void ScrollBars(MemDC* memory, s::gui::win::Font* font)
{
    s::gui::drawer::scrollbar::win::Thin* drawer = s::gui::drawer::scrollbar::win::Thin::New();
    const double ours = Best([&] {
        for (int i = 0; i < kCount; ++i) {
            const int x = (i * 15) % (kWidth - 15);
            drawer->Draw(memory, x, 0, x + 15, kHeight, 0, 100000, 500, (i * 97) % 99500, 0, i % 3, 0, 1, 0, 0, 0, 0);
        }
        GdiFlush();
    });
    // The frame, three framed buttons with their glyphs, two tracks: about forty fills.
    Report("1,000 scroll bars (15 x 300, corner square) vs fills", ours, Baseline(memory, font, 40, nullptr));
    drawer->ReleaseToPool();
}

} // namespace

int main()
{
    s::image::win::BufferedImage* image = s::image::win::NewBufferedImage(kWidth, kHeight);
    MemDC* memory = image ? MemDC::Create(nullptr, image, false) : nullptr;
    s::gui::win::Font* font = s::gui::win::Font::New();
    if (!memory || !font) {
        std::printf("no memory device context\n");
        return 1;
    }
    ListItems(memory, image, font);
    GlyphButtons(memory, font);
    ScrollBars(memory, font);
    font->ReleaseToPool();
    memory->ReleaseToPool();
    image->ReleaseToPool();
    return 0;
}
