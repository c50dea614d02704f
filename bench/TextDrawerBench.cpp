// The value-text draw of every refresh: a short text through the text drawer in styles 0 and 1
// into a memory context, beside plain DrawTextW of the same text in the same run; and one font
// attribute setter (which re-creates the GDI font) beside one CreateFontIndirectW.
#include "BenchClock.h"

#include <cstdint>
#include <cstdio>

#include "mfc/DC.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/Font.h"

using s::gui::drawer::text::win::Basic;
using s::gui::win::Font;

namespace {

const int32_t kDraws = 20000;
const int32_t kFonts = 5000;
const wchar_t kText[] = L"42.5 %";

// A small 32-bit memory context of a value label's size.
struct Target {
    CDC dc;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    Target()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = 80;
        info.bmiHeader.biHeight = -20;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc.Attach(CreateCompatibleDC(nullptr));
        previous = SelectObject(dc, bitmap);
    }
    ~Target()
    {
        SelectObject(dc, previous);
        DeleteDC(dc.Detach());
        DeleteObject(bitmap);
    }
};

void ValueTextDraw()
{
    Target target;
    Basic* drawer = Basic::New();
    Font* font = Font::New();
    font->SetColor(230, 230, 230);
    const double plain = Best([&] {
        for (int32_t i = 0; i < kDraws; ++i) {
            SetBkMode(target.dc, TRANSPARENT);
            SetTextColor(target.dc, font->GetColor());
            HGDIOBJ old = SelectObject(target.dc, font->GetFontHandle());
            RECT rect = {0, 0, 80, 20};
            DrawTextW(target.dc, kText, 6, &rect, DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(target.dc, old);
        }
    });
    for (int32_t style : {0, 1}) {
        font->SetTextStyle(style);
        const double ours = Best([&] {
            for (int32_t i = 0; i < kDraws; ++i)
                drawer->DrawText(&target.dc, 0, 0, 80, 20, kText, font);
        });
        std::printf("value text, style %d: drawer %8.3f us, DrawTextW %8.3f us, ratio %.2f\n", style,
                    ours / kDraws * 1e6, plain / kDraws * 1e6, ours / plain);
    }
    font->ReleaseToPool();
    drawer->ReleaseToPool();
}

void FontSetter()
{
    Font* font = Font::New();
    const double ours = Best([&] {
        for (int32_t i = 0; i < kFonts; ++i)
            font->SetBold((i & 1) != 0);
    });
    LOGFONTW description = font->GetLogFont();
    const double plain = Best([&] {
        for (int32_t i = 0; i < kFonts; ++i) {
            description.lfWeight = (i & 1) ? 700 : 400;
            DeleteObject(CreateFontIndirectW(&description));
        }
    });
    std::printf("font setter SetBold: setter %8.3f us, CreateFontIndirectW %8.3f us, ratio %.2f\n",
                ours / kFonts * 1e6, plain / kFonts * 1e6, ours / plain);
    font->ReleaseToPool();
}

} // namespace

int main()
{
    ValueTextDraw();
    FontSetter();
    return 0;
}
