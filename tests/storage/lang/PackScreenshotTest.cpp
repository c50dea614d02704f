// The pack's texts drawn on the virtual display in the scripts that need fonts of their own:
// every character must come out as a glyph, never as the box of a missing one.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/str/StrBuffer.h"
#include "storage/lang/EmbeddedPack.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/lang/UiLanguage.h"
#include "support/Screenshot.h"
#include "support/TestWindowClass.h"
#include "support/Wait.h"

namespace {

using s::lang::Localizer;
using namespace testing_support;

const wchar_t kClass[] = L"PulsegridLanguageSheet";
const int kLineHeight = 20;
const int kColumnWidth = 250;
const int kMargin = 8;
const DWORD kPaintBoundMillis = 5000;

// Menu titles, field labels and date names, as the gadget shows them.
const int32_t kMenuIds[] = {609000, 800000, 710000, 729000, 725000, 8000000, 700000, 701000, 751000};
const int32_t kLabelIds[] = {1000000, 1001500, 1004500, 1008100, 1008400, 1013000, 1016001, 1022000, 3002100};
const int32_t kDateIds[] = {5000100, 5000500, 5001200, 5100100, 5100400, 5100700};

// The face and size that the toolkit's fonts start from.
HFONT CreateGuiFont()
{
    LOGFONTW font = {};
    font.lfHeight = -13;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_STRING_PRECIS;
    font.lfClipPrecision = CLIP_STROKE_PRECIS;
    font.lfQuality = CLEARTYPE_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH;
    wcscpy(font.lfFaceName, L"MS Shell Dlg 2");
    return CreateFontIndirectW(&font);
}

struct Sheet {
    std::wstring title;
    bool rightToLeft = false;
    // Three columns of lines: menus, labels, dates.
    std::vector<std::wstring> columns[3];
};

Sheet gSheet;

LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateGuiFont();
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const UINT align = gSheet.rightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
    RECT titleBox = {kMargin, kMargin, client.right - kMargin, kMargin + kLineHeight};
    DrawTextW(dc, gSheet.title.c_str(), -1, &titleBox, align | DT_SINGLELINE | DT_NOPREFIX);
    for (int column = 0; column < 3; ++column) {
        // Right-to-left sheets read their columns from the right.
        const int slot = gSheet.rightToLeft ? 2 - column : column;
        for (size_t line = 0; line < gSheet.columns[column].size(); ++line) {
            const int top = kMargin + static_cast<int>(line + 2) * kLineHeight;
            RECT box = {kMargin + slot * kColumnWidth, top, kMargin + (slot + 1) * kColumnWidth - kMargin,
                        top + kLineHeight};
            DrawTextW(dc, gSheet.columns[column][line].c_str(), -1, &box,
                      align | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
    }
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &paint);
    return 0;
}

const int kCellWidth = 48;
const int kCellHeight = 32;

// A white cell to draw single characters into, read back straight from its pixels.
class GlyphCell {
public:
    GlyphCell()
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kCellWidth;
        info.bmiHeader.biHeight = -kCellHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        font_ = CreateGuiFont();
        oldFont_ = SelectObject(dc_, font_);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(0, 0, 0));
    }
    ~GlyphCell()
    {
        SelectObject(dc_, oldFont_);
        DeleteObject(font_);
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    // The character drawn alone the way the sheet draws it: which pixels are not white.
    std::vector<bool> Draw(wchar_t c)
    {
        RECT box = {0, 0, kCellWidth, kCellHeight};
        FillRect(dc_, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        const wchar_t text[2] = {c, 0};
        DrawTextW(dc_, text, 1, &box, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        GdiFlush();
        std::vector<bool> inked(kCellWidth * kCellHeight);
        for (int i = 0; i < kCellWidth * kCellHeight; ++i)
            inked[i] = (bits_[i] & 0xFFFFFF) != 0xFFFFFF;
        return inked;
    }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
};

bool IsBlankRendering(const std::vector<bool>& inked)
{
    for (bool ink : inked)
        if (ink)
            return false;
    return true;
}

bool IsFormatCharacter(wchar_t c)
{
    return c < 0x20 || c == 0x00A0 || c == L' ' || c == 0x200C || c == 0x200D || c == 0x200E || c == 0x200F;
}

// The characters of the texts that come out as the missing-glyph box (or as nothing at all):
// each is drawn alone and compared with what an unassigned character draws.
std::wstring MissingCharacters(const std::vector<std::wstring>& texts)
{
    GlyphCell cell;
    const std::vector<bool> missing = cell.Draw(wchar_t(0x0378));
    std::wstring found, seen;
    for (const std::wstring& text : texts)
        for (wchar_t c : text) {
            if (IsFormatCharacter(c) || seen.find(c) != std::wstring::npos)
                continue;
            seen += c;
            const std::vector<bool> drawn = cell.Draw(c);
            if (drawn == missing || IsBlankRendering(drawn))
                found += c;
        }
    return found;
}

std::wstring Hex(const std::wstring& text)
{
    std::wstring out;
    wchar_t code[8];
    for (wchar_t c : text) {
        swprintf(code, 8, L"U+%04X ", static_cast<unsigned>(c));
        out += code;
    }
    return out;
}

LANGID EnglishDisplay()
{
    return 0x0409;
}

class PackScreenshots : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousSource_ = s::lang::SetUiLanguageSource(&EnglishDisplay);
        localizer = embeddedpack::Load();
        ASSERT_NE(nullptr, localizer);
        ASSERT_TRUE(RegisterTestWindowClass(kClass, &SheetProc));
    }
    void TearDown() override
    {
        if (localizer)
            localizer->ReleaseToPool();
        s::lang::SetUiLanguageSource(previousSource_);
    }

    void Fill(const wchar_t* language)
    {
        gSheet = Sheet();
        localizer->SelectLanguage(language);
        gSheet.title = localizer->GetCurrentPack()->GetTrueName()->GetText();
        gSheet.rightToLeft = std::wstring(language) == L"Arabic";
        for (int32_t id : kMenuIds)
            gSheet.columns[0].push_back(localizer->GetText(id));
        for (int32_t id : kLabelIds)
            gSheet.columns[1].push_back(localizer->GetText(id));
        for (int32_t id : kDateIds)
            gSheet.columns[2].push_back(localizer->GetText(id));
        // A composed field label: name, suffix.
        gSheet.columns[2].push_back(std::wstring(localizer->GetText(905000)) + L" #2" + localizer->GetText(901100));
    }

    std::vector<std::wstring> AllTexts() const
    {
        std::vector<std::wstring> texts(1, gSheet.title);
        for (const auto& column : gSheet.columns)
            texts.insert(texts.end(), column.begin(), column.end());
        return texts;
    }

    Localizer* localizer = nullptr;

private:
    s::lang::UiLanguageSource previousSource_ = nullptr;
};

TEST_F(PackScreenshots, ScriptsDrawWithoutMissingGlyphs)
{
    const wchar_t* const languages[] = {L"Arabic", L"Chinese_Simplified", L"Japanese", L"Russian"};
    for (const wchar_t* language : languages) {
        Fill(language);
        const std::wstring missing = MissingCharacters(AllTexts());
        EXPECT_TRUE(missing.empty()) << language << ": " << Hex(missing);

        const int width = 3 * kColumnWidth + kMargin;
        const int height = kMargin * 2 + (2 + 10) * kLineHeight;
        HWND window = CreateWindowExW(WS_EX_TOPMOST, kClass, language, WS_POPUP | WS_VISIBLE | WS_BORDER, 40, 40,
                                      width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, window);
        UpdateWindow(window);
        ScreenImage image;
        // The display may show the window a moment after it painted.
        const bool shown = WaitUntil(
            [&] {
                MSG message;
                while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                    DispatchMessageW(&message);
                return CaptureWindow(window, &image) && image.At(width / 2, 3) == RGB(255, 255, 255);
            },
            kPaintBoundMillis);
        EXPECT_TRUE(shown) << language;
        EXPECT_FALSE(SaveScreenshot(image, (std::wstring(L"LanguagePack_") + language).c_str()).empty());
        DestroyWindow(window);
    }
}

// Every text of every language, drawn with the gadget's font: no language shows a box. Thai is
// left out: Wine shapes Thai with the selected font's own glyphs and never reaches its linked
// fonts, so under Wine it waits for a dialog font with Thai letters (Windows' Tahoma has them).
TEST_F(PackScreenshots, EveryLanguageDrawsAllItsTexts)
{
    const std::vector<int32_t> ids = embeddedpack::EntryIds(embeddedpack::Document());
    ASSERT_FALSE(ids.empty());
    ASSERT_EQ(35u, localizer->GetPackCount());
    for (uint32_t i = 0; i < localizer->GetPackCount(); ++i) {
        s::lang::LangPack* pack = localizer->GetPack(i);
        if (std::wstring(pack->GetTagName()->GetText()) == L"tha")
            continue;
        std::vector<std::wstring> texts(1, pack->GetTrueName()->GetText());
        for (int32_t id : ids)
            if (pack->FindText(id))
                texts.push_back(pack->FindText(id)->GetText());
        const std::wstring missing = MissingCharacters(texts);
        EXPECT_TRUE(missing.empty()) << pack->GetEngName()->GetText() << ": " << Hex(missing);
    }
}

} // namespace
