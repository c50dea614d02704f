// The caption buttons of a native frame show their glyphs (a bar, a box, a cross), drawn with
// Wine's own Marlett font; without that font they show the letters "0", "1" and "r" that select
// the glyphs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>

#include "support/Screenshot.h"
#include "support/TestWindowClass.h"
#include "support/Wait.h"

namespace {

using namespace testing_support;

const wchar_t kClass[] = L"PulsegridCaptionProbe";
// Away from the corner where the other test programs on the shared display put their windows.
const int kLeft = 900, kTop = 780, kWidth = 320, kHeight = 160;
const DWORD kShowBoundMillis = 5000;
// A glyph pixel is much darker than the button face around it, even where its edge is smoothed.
const int kDarkerBy = 48;

enum class Glyph { Bar, Box, Cross };

// The dark pixels of a button face: their bounding box and how they mirror.
struct Ink {
    int count = 0;
    RECT box = {0, 0, 0, 0};
    double mirroredLeftRight = 0;
    double mirroredTopBottom = 0;
    bool hollow = false;

    int Width() const { return box.right - box.left; }
    int Height() const { return box.bottom - box.top; }
};

int Lightness(COLORREF c)
{
    return (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11) / 100;
}

// Reads the ink of a button in the area of image given: the much darker pixels inside the
// button's face (the system's button colour), away from the button's edges.
Ink ReadInk(const ScreenImage& image, const RECT& area)
{
    const COLORREF faceColour = GetSysColor(COLOR_BTNFACE);
    const int face = Lightness(faceColour);
    RECT inside = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (image.At(x, y) == faceColour) {
                inside.left = std::min<LONG>(inside.left, x + 1);
                inside.top = std::min<LONG>(inside.top, y + 1);
                inside.right = std::max<LONG>(inside.right, x);
                inside.bottom = std::max<LONG>(inside.bottom, y);
            }
    auto dark = [&](int x, int y) {
        return x >= inside.left && x < inside.right && y >= inside.top && y < inside.bottom &&
               Lightness(image.At(x, y)) < face - kDarkerBy;
    };
    Ink ink;
    ink.box = {inside.right, inside.bottom, inside.left, inside.top};
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x)
            if (dark(x, y)) {
                ++ink.count;
                ink.box.left = std::min<LONG>(ink.box.left, x);
                ink.box.top = std::min<LONG>(ink.box.top, y);
                ink.box.right = std::max<LONG>(ink.box.right, x + 1);
                ink.box.bottom = std::max<LONG>(ink.box.bottom, y + 1);
            }
    if (ink.count == 0)
        return ink;
    int leftRight = 0, topBottom = 0;
    for (int y = ink.box.top; y < ink.box.bottom; ++y)
        for (int x = ink.box.left; x < ink.box.right; ++x)
            if (dark(x, y)) {
                leftRight += dark(ink.box.left + ink.box.right - 1 - x, y) ? 1 : 0;
                topBottom += dark(x, ink.box.top + ink.box.bottom - 1 - y) ? 1 : 0;
            }
    ink.mirroredLeftRight = static_cast<double>(leftRight) / ink.count;
    ink.mirroredTopBottom = static_cast<double>(topBottom) / ink.count;
    const int cx = (ink.box.left + ink.box.right) / 2, cy = (ink.box.top + ink.box.bottom) / 2;
    ink.hollow = !dark(cx, cy) && !dark(cx - 1, cy) && !dark(cx, cy + 1);
    return ink;
}

std::string Describe(const Ink& ink)
{
    std::ostringstream text;
    text << "ink " << ink.Width() << "x" << ink.Height() << " of " << ink.count << " pixels, mirrored "
         << ink.mirroredLeftRight << " / " << ink.mirroredTopBottom << (ink.hollow ? ", hollow" : "");
    return text.str();
}

// Whether the ink is the glyph, not a letter: a bar is wide and flat; a box a hollow square;
// a cross a square that mirrors both ways.
bool LooksLike(const Ink& ink, Glyph glyph)
{
    if (ink.count == 0)
        return false;
    const double aspect = static_cast<double>(ink.Width()) / ink.Height();
    switch (glyph) {
    case Glyph::Bar:
        return ink.Height() * 2 <= ink.Width() && ink.mirroredLeftRight > 0.9;
    case Glyph::Box:
        return aspect > 0.75 && aspect < 1.34 && ink.hollow && ink.mirroredLeftRight > 0.8;
    case Glyph::Cross:
        return aspect > 0.75 && aspect < 1.34 && ink.mirroredLeftRight > 0.8 && ink.mirroredTopBottom > 0.8;
    }
    return false;
}

// What draw paints on a square of the button face, as the display would show it.
ScreenImage DrawnOnFace(int size, const std::function<void(HDC, RECT*)>& draw)
{
    ScreenImage image;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) {
        DeleteDC(dc);
        return image;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT square = {0, 0, size, size};
    FillRect(dc, &square, GetSysColorBrush(COLOR_BTNFACE));
    draw(dc, &square);
    GdiFlush();
    image.width = image.height = size;
    const uint32_t* pixels = static_cast<const uint32_t*>(bits);
    image.pixels.assign(pixels, pixels + size * size);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return image;
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_WINDOW));
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The screen area the frame answers a hit code for: its run on the caption's middle row, and the
// run of the middle column of that.
RECT AreaOfHit(HWND window, LRESULT hit)
{
    RECT frame;
    GetWindowRect(window, &frame);
    POINT clientTop = {0, 0};
    ClientToScreen(window, &clientTop);
    auto hits = [&](int x, int y) { return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == hit; };
    RECT area = {frame.right, frame.bottom, frame.left, frame.top};
    const int row = (frame.top + clientTop.y) / 2;
    for (int x = frame.left; x < frame.right; ++x)
        if (hits(x, row)) {
            area.left = std::min<LONG>(area.left, x);
            area.right = std::max<LONG>(area.right, x + 1);
        }
    const int column = (area.left + area.right) / 2;
    for (int y = frame.top; y < clientTop.y; ++y)
        if (hits(column, y)) {
            area.top = std::min<LONG>(area.top, y);
            area.bottom = std::max<LONG>(area.bottom, y + 1);
        }
    return area;
}

TEST(CaptionButton, NativeFrameDrawsGlyphsNotLetters)
{
    ASSERT_TRUE(RegisterTestWindowClass(kClass, &PlainProc));
    HWND window = CreateWindowExW(WS_EX_TOPMOST, kClass, L"Caption probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, kLeft,
                                  kTop, kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    SetForegroundWindow(window);
    UpdateWindow(window);

    struct Button {
        LRESULT hit;
        Glyph glyph;
        const char* name;
    };
    const Button buttons[] = {
        {HTMINBUTTON, Glyph::Bar, "minimize"},
        {HTMAXBUTTON, Glyph::Box, "maximize"},
        {HTCLOSE, Glyph::Cross, "close"},
    };
    RECT areas[3];
    for (int i = 0; i < 3; ++i)
        areas[i] = AreaOfHit(window, buttons[i].hit);
    ScreenImage shot;
    // The display shows the frame a moment after it was drawn.
    WaitUntil(
        [&] {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            if (!CaptureScreen(&shot))
                return false;
            bool drawn = true;
            for (int i = 0; i < 3; ++i)
                drawn = drawn && LooksLike(ReadInk(shot, areas[i]), buttons[i].glyph);
            return drawn;
        },
        kShowBoundMillis);
    // The frame as the reading below saw it.
    RECT frame;
    GetWindowRect(window, &frame);
    ScreenImage frameShot;
    frameShot.width = frame.right - frame.left;
    frameShot.height = frame.bottom - frame.top;
    for (int y = frame.top; y < frame.bottom; ++y)
        for (int x = frame.left; x < frame.right; ++x) {
            const COLORREF c = shot.At(x, y);
            frameShot.pixels.push_back(static_cast<uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
        }
    EXPECT_FALSE(SaveScreenshot(frameShot, L"caption-buttons").empty());
    for (int i = 0; i < 3; ++i) {
        const RECT& area = areas[i];
        const Ink ink = ReadInk(shot, area);
        EXPECT_TRUE(LooksLike(ink, buttons[i].glyph))
            << buttons[i].name << " button at " << area.left << "," << area.top << " " << area.right - area.left
            << "x" << area.bottom - area.top << ": " << Describe(ink);
    }
    DestroyWindow(window);
}

// The reading above tells the glyphs from the letters that stand for them without the font.
TEST(CaptionButton, GlyphsAndTheirLettersAreToldApart)
{
    const int size = GetSystemMetrics(SM_CYSIZE);
    ASSERT_GT(size, 8);
    const RECT whole = {0, 0, size, size};
    struct Row {
        UINT control;
        const wchar_t* letter;
        Glyph glyph;
    };
    const Row rows[] = {
        {DFCS_CAPTIONMIN, L"0", Glyph::Bar},
        {DFCS_CAPTIONMAX, L"1", Glyph::Box},
        {DFCS_CAPTIONCLOSE, L"r", Glyph::Cross},
    };
    HFONT font = CreateFontW(-(size - 4), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                             NONANTIALIASED_QUALITY, 0, L"Tahoma");
    ASSERT_NE(nullptr, font);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "letter " << static_cast<char>(row.letter[0]));
        const ScreenImage glyph = DrawnOnFace(size, [&](HDC dc, RECT* square) {
            DrawFrameControl(dc, square, DFC_CAPTION, row.control);
        });
        const Ink glyphInk = ReadInk(glyph, whole);
        EXPECT_TRUE(LooksLike(glyphInk, row.glyph)) << Describe(glyphInk);
        const ScreenImage letter = DrawnOnFace(size, [&](HDC dc, RECT* square) {
            HGDIOBJ old = SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            DrawTextW(dc, row.letter, 1, square, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            SelectObject(dc, old);
        });
        const Ink letterInk = ReadInk(letter, whole);
        EXPECT_GT(letterInk.count, 0);
        EXPECT_FALSE(LooksLike(letterInk, row.glyph)) << Describe(letterInk);
    }
    DeleteObject(font);
}

} // namespace
