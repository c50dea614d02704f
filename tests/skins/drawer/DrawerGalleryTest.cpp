// A window showing the text drawer's eight effect styles and every border type and variant, kept
// as a screenshot ("drawer-gallery.png" in the screenshot folder) for a person to look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/Screenshot.h"
#include "support/TestWindowClass.h"
#include "skins/drawer/border/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/Font.h"

namespace {

using s::gui::drawer::border::win::Thin;
using s::gui::drawer::text::win::Basic;
using s::gui::win::Font;

const wchar_t kClassName[] = L"PulsegridDrawerGallery";
const int kWidth = 600;
const int kHeight = 400;
// Mid-toned, so that both the white and the black passes of the styles show.
const COLORREF kWindowBg = RGB(0x5A, 0x6B, 0x80);
const int kBorderTop = 250;
// The base colour the borders are drawn in.
const int kRed = 120, kGreen = 160, kBlue = 200;

const wchar_t* const kStyleNames[8] = {L"0 plain",  L"1 outline", L"2 embossed", L"3 shadow",
                                        L"4 raised", L"5 sunken",  L"6 engraved", L"7 outline 3"};

void PaintGallery(HDC target)
{
    CDC dc;
    dc.Attach(target);
    dc.FillSolidRect(0, 0, kWidth, kHeight, kWindowBg);

    Basic* text = Basic::New();
    Font* font = Font::New();
    font->SetSizeCode(4);
    font->SetColor(235, 240, 245);
    font->SetColor2(20, 90, 160);
    font->SetColor3(170, 40, 40);
    for (int style = 0; style < 8; ++style) {
        font->SetTextStyle(style);
        const int x = 12 + (style % 2) * 290;
        const int y = 10 + (style / 2) * 36;
        const std::wstring caption = std::wstring(L"Style ") + kStyleNames[style];
        text->DrawText(&dc, x, y, x + 280, y + 32, caption.c_str(), font);
    }
    font->SetTextStyle(0);
    font->SetSizeCode(0);
    text->DrawText(&dc, 12, 162, kWidth - 12, 184, L"CPU 42 % & RAM 3.2 GB (\"&\" drawn literally)", font);
    text->DrawText(&dc, 12, 192, kWidth - 12, 214, L"Borders: types 0 raised, 1 plain, 2 sunken, 3 open bottom,", font);
    text->DrawText(&dc, 12, 214, kWidth - 12, 236, L"each in variants 0, 1 and 2; shaded above, flat below", font);

    Thin* border = Thin::New();
    for (int shaded = 1; shaded >= 0; --shaded) {
        border->SetShaded(static_cast<uint8_t>(shaded));
        for (int type = 0; type < 4; ++type) {
            for (int variant = 0; variant < 3; ++variant) {
                const int x = 12 + (type * 3 + variant) * 48;
                const int y = kBorderTop + (1 - shaded) * 64;
                dc.FillSolidRect(x + 2, y + 2, 36, 36, RGB(kRed / 2, kGreen / 2, kBlue / 2));
                border->Draw(&dc, x, y, x + 40, y + 40, type, variant, kRed, kGreen, kBlue);
            }
        }
    }
    border->ReleaseToPool();
    font->ReleaseToPool();
    text->ReleaseToPool();
    dc.Detach();
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintGallery(dc);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(DrawerGallery, EffectStylesAndBorderTypesOnScreen)
{
    ASSERT_TRUE(testing_support::RegisterTestWindowClass(kClassName, GalleryProc));
    HWND window = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"Drawer gallery", WS_POPUP | WS_VISIBLE, 30, 30,
                                  kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    UpdateWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);

    testing_support::ScreenImage image;
    ASSERT_TRUE(testing_support::CaptureWindow(window, &image));
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"drawer-gallery").empty());
    DestroyWindow(window);

    // What reached the screen: the background, a raised frame's lit top edge (x 1.15) and its
    // dark bottom edge (x 0.5), and a flat frame in the base colour itself.
    EXPECT_EQ(kWindowBg, image.At(kWidth - 3, kHeight - 3));
    EXPECT_EQ(RGB(138, 184, 229), image.At(20, kBorderTop)) << "200 x 1.15 is just below 230";
    EXPECT_EQ(RGB(60, 80, 100), image.At(20, kBorderTop + 39));
    EXPECT_EQ(RGB(kRed, kGreen, kBlue), image.At(20, kBorderTop + 64));
}

} // namespace
