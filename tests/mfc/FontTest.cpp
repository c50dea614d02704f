// The GDI font holder: it makes, attaches, gives up and deletes one font handle.
#include "mfc/Font.h"

#include <gtest/gtest.h>

#include "mfc/DC.h"

namespace {

LOGFONTW Description(LONG height)
{
    LOGFONTW description = {};
    description.lfHeight = height;
    description.lfWeight = FW_NORMAL;
    wcscpy(description.lfFaceName, L"MS Shell Dlg 2");
    return description;
}

TEST(CFont, HoldsOneFontAtATime)
{
    CFont font;
    EXPECT_EQ(nullptr, font.GetSafeHandle());
    const LOGFONTW description = Description(-20);
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    HFONT made = font;
    ASSERT_NE(nullptr, made);
    EXPECT_FALSE(font.CreateFontIndirect(&description)) << "a held font is not replaced behind the owner's back";
    EXPECT_FALSE(font.Attach(made));
    EXPECT_EQ(made, font.GetSafeHandle());

    EXPECT_EQ(made, font.Detach());
    EXPECT_EQ(nullptr, font.GetSafeHandle());
    EXPECT_FALSE(font.DeleteObject());
    EXPECT_TRUE(font.Attach(made));
    EXPECT_TRUE(font.DeleteObject());
    EXPECT_EQ(nullptr, font.GetSafeHandle());
    EXPECT_FALSE(font.CreateFontIndirect(nullptr));
}

TEST(CDC, DrawsTextInTheSelectedFontAndColour)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 60;
    info.bmiHeader.biHeight = -30;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    CDC dc;
    ASSERT_TRUE(dc.Attach(CreateCompatibleDC(nullptr)));
    HGDIOBJ previousBitmap = dc.SelectObject(bitmap);
    dc.FillSolidRect(0, 0, 60, 30, RGB(255, 255, 255));

    CFont font;
    LOGFONTW description = Description(-24);
    description.lfQuality = NONANTIALIASED_QUALITY;
    ASSERT_TRUE(font.CreateFontIndirect(&description));
    HGDIOBJ previousFont = dc.SelectObject(font);
    EXPECT_EQ(OPAQUE, dc.SetBkMode(TRANSPARENT));
    dc.SetTextColor(RGB(255, 0, 0));
    RECT measured = {0, 0, 0, 0};
    dc.DrawText(L"WW", -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(measured.bottom, 20) << "measured in the selected 24-pixel font";
    RECT rect = {0, 0, 60, 30};
    dc.DrawText(L"WW", -1, &rect, DT_SINGLELINE);
    GdiFlush();
    int red = 0;
    for (int i = 0; i < 60 * 30; ++i)
        red += static_cast<uint32_t*>(bits)[i] == 0xFF0000u;
    EXPECT_GT(red, 20);
    EXPECT_EQ(TRANSPARENT, GetBkMode(dc));

    dc.SelectObject(previousFont);
    dc.SelectObject(previousBitmap);
    DeleteDC(dc.Detach());
    DeleteObject(bitmap);
}

} // namespace
