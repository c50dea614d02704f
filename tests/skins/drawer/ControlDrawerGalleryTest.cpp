// A window showing every control drawer in three skins' colours, painted off-screen as the
// widgets paint, kept as a screenshot ("control-drawer-gallery.png" in the screenshot folder) for a
// person to look at: every glyph in three states, a slider per gradient kind, scroll bars, list
// items in every state, check boxes, radio buttons, combos, a group box, a menu bar and window
// frames.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/col/ArrayP.h"
#include "core/str/StrBuffer.h"
#include "images/win/BufferedImage.h"
#include "skins/ISkin.h"
#include "skins/drawer/ICheckBox.h"
#include "skins/drawer/ICombo.h"
#include "skins/drawer/IGroupBox.h"
#include "skins/drawer/IListBox.h"
#include "skins/drawer/IListHeader.h"
#include "skins/drawer/IMenu.h"
#include "skins/drawer/IRadioButton.h"
#include "skins/drawer/IScrollBar.h"
#include "skins/drawer/ISlider.h"
#include "skins/drawer/IText.h"
#include "skins/drawer/IWindow.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/window/Thin.h"
#include "skins/skin/Presets.h"
#include "skins/skin/ThinWindow.h"
#include "support/Screenshot.h"
#include "support/TestWindowClass.h"
#include "windowing/paint/Font.h"
#include "windowing/paint/MemDC.h"

namespace {

using s::gui::drawer::ISkin;
using s::gui::win::Font;
using s::image::win::BufferedImage;

const wchar_t kClassName[] = L"PulsegridControlDrawerGallery";
const int32_t kWidth = 1100;
const int32_t kBand = 250;
const int32_t kHeight = 3 * kBand;
// Black Black, Orange and Classic LG.
const int32_t kSkins[3] = {17, 13, 19};

const wchar_t* const kGlyphs[] = {
    L"#_",       L"#.",          L"#Transform", L"#X",         L"#\x25A1",    L"#\x2199",   L"#Play",
    L"#Pause",   L"#Stop",       L"#Speaker",   L"#Mute",      L"#Right",     L"#RightRight", L"#Left",
    L"#LeftLeft", L"#Down",      L"#Up",        L"#ThumbLineV", L"#ThumbLineH", L"#Minus",   L"#Plus",
    L"#PlusMinus", L"#Check",    L"#Next",      L"#Prev",      L"#Resizer",   L"#TreeOpen", L"#TreeClosed",
    L"#TurnRight", L"#TurnLeft", L"#OnTop",     L"#FitWindow", L"#FitToWindow", L"#Palm",   L"#KeepRatio",
    L"#Color-0000a5ff"};

COLORREF ColorOf(s::gui::IFontSetting* setting)
{
    return setting ? setting->GetColor() : RGB(0, 0, 0);
}

void SetFontColor(Font* font, COLORREF color)
{
    font->SetColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// One band: the skin's drawers painting every control they know.
void PaintSkin(CDC* dc, CDC* scratch, ISkin* skin, int32_t y0)
{
    s::gui::drawer::IWindow* window = skin->GetWindowDrawer();
    {
        // The frame paints from the client origin: the band's top left.
        POINT previous;
        SetViewportOrgEx(dc->GetSafeHdc(), 0, y0, &previous);
        window->DrawFrame(dc, 0, 0, kWidth, kBand);
        SetViewportOrgEx(dc->GetSafeHdc(), previous.x, previous.y, nullptr);
    }

    Font* font = Font::New();
    SetFontColor(font, ColorOf(skin->GetTextDrawer()->GetNormalFontSetting()));
    Font* bold = Font::New();
    bold->SetBold(true);
    SetFontColor(bold, ColorOf(skin->GetTextDrawer()->GetNormalFontSetting()));
    skin->GetTextDrawer()->DrawText(dc, 860, y0 + 6, kWidth - 8, y0 + 26, skin->GetName(), bold);

    // Every glyph as a button caption in the states normal, hot and pressed; then down.
    s::gui::drawer::IButton* button = skin->GetButtonDrawer();
    const int32_t glyphCount = static_cast<int32_t>(sizeof(kGlyphs) / sizeof(kGlyphs[0]));
    for (int32_t state = 0; state < 4; ++state) {
        for (int32_t i = 0; i < glyphCount; ++i) {
            const int32_t x = 8 + i * 23;
            const int32_t y = y0 + 6 + state * 23;
            button->Draw(dc, x, y, x + 22, y + 22, state == 3 ? 0 : state, kGlyphs[i], true, font, true, state == 3,
                         false);
        }
    }
    button->Draw(dc, 8, y0 + 100, 88, y0 + 122, 0, L"Apply", true, font, true, false, false);
    button->Draw(dc, 92, y0 + 100, 172, y0 + 122, 1, L"Cancel", true, font, true, false, false);
    button->Draw(dc, 176, y0 + 100, 256, y0 + 122, 0, L"Flat hot", false, font, true, false, true);
    button->Draw(dc, 260, y0 + 100, 340, y0 + 122, 0, L"Disabled", true, font, false, false, false);

    // List items: a header, then rows in every state.
    s::gui::drawer::IListHeader* header = skin->GetListHeaderDrawer();
    Font* headerFont = Font::New();
    SetFontColor(headerFont, ColorOf(header->GetFontSetting()));
    header->FillBackground(dc, 8, y0 + 128, 340, y0 + 146, 0, 0, 0, 0);
    header->DrawItem(dc, 8, y0 + 128, 150, y0 + 146, 0, L"Field", headerFont);
    header->DrawItem(dc, 150, y0 + 128, 250, y0 + 146, 1, L"Value", headerFont);
    header->DrawItem(dc, 250, y0 + 128, 340, y0 + 146, 2, L"Sort #Down", headerFont);
    s::gui::drawer::IListBox* list = skin->GetListBoxDrawer();
    Font* itemFont = Font::New();
    SetFontColor(itemFont, ColorOf(list->GetTextFontSetting()));
    Font* selectedFont = Font::New();
    SetFontColor(selectedFont, ColorOf(list->GetSelectedTextFontSetting()));
    BufferedImage* icon = s::image::win::NewBufferedImage(16, 16);
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 16; ++x)
            icon->GetRow(y)[x] = (x + y) % 8 < 4 ? 0xFFE04020 : 0xFF2060E0;
    struct Row {
        const wchar_t* text;
        uint8_t selected, highlighted, fullRow, alternate;
        int32_t drop, status, check, expand, level;
        uint8_t progress, statusColor, tree;
    } rows[] = {
        {L"Processor", 0, 0, 0, 0, -1, 0, 1, 1, 0, 0, 0, 1},
        {L"Core 1 (alternate)", 0, 0, 0, 1, -1, 0, 2, 2, 1, 0, 0, 1},
        {L"Selected", 1, 0, 0, 0, -1, 0, 3, 0, 1, 0, 0, 1},
        {L"Full row", 1, 0, 1, 1, -1, 0, 2, 0, 0, 0, 0, 0},
        {L"Highlighted", 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {L"Error status", 0, 0, 0, 1, -1, 1, 0, 0, 0, 0, 1, 0},
        {L"62 %", 0, 0, 0, 0, -1, 620, 0, 0, 0, 1, 0, 0},
    };
    for (int32_t i = 0; i < 7; ++i) {
        const Row& r = rows[i];
        // Each item paints in its own coordinates into an image of its own, as the list does,
        // which then goes into the picture.
        BufferedImage* item = s::image::win::NewBufferedImage(332, 14);
        s::gui::win::MemDC* itemDc = s::gui::win::MemDC::Create(nullptr, item, false);
        list->DrawItem(itemDc, item, 0, 0, 332, 14, 0, r.selected, r.highlighted, r.fullRow, r.alternate, r.drop, 1,
                       0, i == 6, r.status, r.text, itemFont, selectedFont, i < 3, icon, i < 4, r.check, 0, r.tree,
                       r.expand, r.level, nullptr, nullptr, nullptr, nullptr, 1, 0, 0, 0, r.progress, r.statusColor);
        itemDc->ReleaseToPool();
        item->Draw(dc, 8, y0 + 146 + i * 14, 332, 14, false);
        item->ReleaseToPool();
    }
    icon->ReleaseToPool();

    // Sliders: plain, with its bar, in range mode, disabled, and the seven gradient kinds.
    s::gui::drawer::ISlider* slider = skin->GetSliderDrawer();
    struct Slide {
        int32_t kind, a, b;
        bool bar, range, enabled;
    } slides[] = {
        {0, 0, 0, true, false, true},       {0, 0, 0, true, true, true},        {0, 0, 0, true, false, false},
        {1, 0x0000FF, 0xFF8000, false, false, true}, {2, 100, 100, false, false, true}, {3, 200, 100, false, false, true},
        {4, 120, 100, false, false, true},  {5, 100, 50, false, false, true},   {6, 30, 50, false, false, true},
        {7, 270, 100, false, false, true},
    };
    for (int32_t i = 0; i < 10; ++i) {
        const Slide& s = slides[i];
        const int32_t x = 352 + (i % 2) * 130;
        const int32_t y = y0 + 100 + (i / 2) * 22;
        POINT previous;
        SetViewportOrgEx(dc->GetSafeHdc(), x, y, &previous);
        slider->Draw(dc, 0, 0, 124, 18, 0, 100, 35, s.bar, 80, s.enabled, s.range, 75, s.kind, s.a, s.b);
        SetViewportOrgEx(dc->GetSafeHdc(), previous.x, previous.y, nullptr);
    }

    // Scroll bars: vertical and lying down, with the corner, in every part state.
    s::gui::drawer::IScrollBar* bar = skin->GetScrollBarDrawer();
    bar->Draw(dc, 620, y0 + 100, 635, y0 + 240, 0, 1000, 200, 300, 0, 0, 0, 0, 0, 0, 0, 0);
    bar->Draw(dc, 640, y0 + 100, 655, y0 + 240, 0, 1000, 100, 900, 1, 2, 1, 1, 0, 0, 0, 0);
    bar->Draw(dc, 660, y0 + 100, 675, y0 + 240, 0, 100, 100, 0, 2, 0, 2, 0, 1, 255, 230, 200);
    bar->Draw(dc, 680, y0 + 200, 850, y0 + 215, 1, 1000, 300, 500, 0, 1, 0, 0, 0, 0, 0, 0);
    bar->Draw(dc, 680, y0 + 220, 850, y0 + 235, 1, 500, 20, 0, 0, 2, 0, 1, 0, 0, 0, 0);

    // Check boxes, radio buttons, combos, a group box and a menu bar.
    s::gui::drawer::ICheckBox* check = skin->GetCheckBoxDrawer();
    check->Draw(dc, 690, y0 + 100, 850, y0 + 116, 13, false, L"Show graph", font);
    check->Draw(dc, 690, y0 + 118, 850, y0 + 134, 13, true, L"Start with Windows", font);
    s::gui::drawer::IRadioButton* radio = skin->GetRadioButtonDrawer();
    for (int32_t i = 0; i < 2; ++i) {
        // As the radio button does: the ground under the circle, four times larger, into the
        // scratch context first, and a white circle.
        const int32_t top = y0 + 136 + i * 20;
        scratch->StretchBlt(0, 0, 52, 52, dc, 690, top + 9 - 6, 13, 13, SRCCOPY);
        radio->Draw(dc, scratch, 690, top, 850, top + 18, i == 1, i == 1 ? L"Fahrenheit" : L"Celsius", font,
                    0xFFFFFF);
    }
    s::gui::drawer::ICombo* combo = skin->GetComboDrawer();
    for (int32_t state = 0; state < 3; ++state)
        combo->Draw(dc, 860 + state * 78, y0 + 34, 934 + state * 78, y0 + 54, state, L"English", font, true);
    s::gui::drawer::IGroupBox* group = skin->GetGroupBoxDrawer();
    {
        POINT previous;
        SetViewportOrgEx(dc->GetSafeHdc(), 860, y0 + 60, &previous);
        group->Draw(dc, 0, 6, 230, 80, L"Colours", font, 50, 14);
        SetViewportOrgEx(dc->GetSafeHdc(), previous.x, previous.y, nullptr);
    }
    s::gui::drawer::IMenu* menu = skin->GetMenuDrawer();
    s::col::_array::ArrayP* captions = s::col::_array::ArrayP::New();
    s::col::_array::ArrayP* rects = s::col::_array::ArrayP::New();
    RECT boxes[3] = {};
    const wchar_t* const names[3] = {L"File", L"Skins", L"Help"};
    for (int32_t i = 0; i < 3; ++i) {
        s::str::strbuffer::StrBuffer* caption = s::str::strbuffer::StrBuffer::New();
        caption->Append(names[i]);
        captions->Append(caption);
        rects->Append(&boxes[i]);
    }
    menu->MeasureItems(dc, captions, rects, font, 6, 2, false, nullptr, nullptr, nullptr, nullptr);
    {
        POINT previous;
        SetViewportOrgEx(dc->GetSafeHdc(), 860, y0 + 150, &previous);
        menu->DrawBar(dc, 0, 0, 230, boxes[0].bottom, captions, rects, font, font, 6, 2, 1, false, false, true, true);
        menu->DrawBar(dc, 0, 30, 120, 52, captions, rects, font, font, 6, 2, 0, false, true, false, false);
        SetViewportOrgEx(dc->GetSafeHdc(), previous.x, previous.y, nullptr);
    }
    for (uint32_t i = 0; i < captions->GetCount(); ++i)
        static_cast<s::str::strbuffer::StrBuffer*>(captions->Get(i))->ReleaseToPool();
    captions->ReleaseToPool();
    rects->ReleaseToPool();

    selectedFont->ReleaseToPool();
    itemFont->ReleaseToPool();
    headerFont->ReleaseToPool();
    bold->ReleaseToPool();
    font->ReleaseToPool();
}

// Window frames with rounded corners of four style pairs, at the foot of the last band.
void PaintFrames(CDC* dc)
{
    s::gui::drawer::window::win::Thin* window = s::gui::drawer::window::win::Thin::New();
    window->SetBackgroundColor(235, 240, 245);
    window->SetForegroundColor(70, 90, 120);
    const POINT styles[] = {{1, 1}, {2, 2}, {1, 2}, {2, 0}};
    for (int32_t i = 0; i < 4; ++i) {
        window->SetTopCornerStyle(styles[i].x);
        window->SetBottomCornerStyle(styles[i].y);
        POINT previous;
        SetViewportOrgEx(dc->GetSafeHdc(), 860 + i * 58, kHeight - kBand + 210, &previous);
        window->DrawFrame(dc, 0, 0, 54, 34);
        SetViewportOrgEx(dc->GetSafeHdc(), previous.x, previous.y, nullptr);
    }
    window->ReleaseToPool();
}

BufferedImage* g_picture = nullptr;

void PaintPicture()
{
    g_picture = s::image::win::NewBufferedImage(kWidth, kHeight);
    s::gui::win::MemDC* dc = s::gui::win::MemDC::Create(nullptr, g_picture, false);
    CDC scratch;
    scratch.CreateCompatibleDC(nullptr);
    HBITMAP large = CreateBitmap(52, 52, 1, 32, nullptr);
    HGDIOBJ previous = scratch.SelectObject(large);
    for (int32_t i = 0; i < 3; ++i) {
        ISkin* skin = s::gui::drawer::skin::BuildThinWindowPreset(kSkins[i]);
        PaintSkin(dc, &scratch, skin, i * kBand);
        skin->ReleaseToPool();
    }
    PaintFrames(dc);
    scratch.SelectObject(previous);
    DeleteObject(large);
    scratch.DeleteDC();
    dc->ReleaseToPool();
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC hdc = BeginPaint(window, &paint);
        CDC dc;
        dc.Attach(hdc);
        g_picture->Draw(&dc, 0, 0, kWidth, kHeight, false);
        dc.Detach();
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_ERASEBKGND)
        return 1;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(ControlDrawerGallery, EveryControlDrawerInThreeSkinsOnScreen)
{
    PaintPicture();
    ASSERT_NE(nullptr, g_picture);
    ASSERT_TRUE(testing_support::RegisterTestWindowClass(kClassName, GalleryProc));
    HWND window = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"Control drawer gallery", WS_POPUP | WS_VISIBLE, 10,
                                  10, kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    UpdateWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);

    testing_support::ScreenImage image;
    ASSERT_TRUE(testing_support::CaptureWindow(window, &image));
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"control-drawer-gallery").empty());
    DestroyWindow(window);
    g_picture->ReleaseToPool();
    g_picture = nullptr;

    // What reached the screen: the first band's window colour past its last control, and the
    // swatch button's orange inside its black frame.
    EXPECT_NE(CLR_INVALID, image.At(kWidth - 3, kBand - 3));
    EXPECT_EQ(RGB(0xFF, 0xA5, 0x00), image.At(8 + 35 * 23 + 11, 6 + 11));
}

} // namespace
