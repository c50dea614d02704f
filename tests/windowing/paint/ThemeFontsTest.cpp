// The theme's caption face: taken once per process from the theme library, even when several
// threads make their first fonts at once, and "MS Shell Dlg 2" without the library. Each group
// runs in a process of its own (see tests/CMakeLists.txt).
#include "windowing/paint/ThemeFonts.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "measurement/win/OsVersion.h"
#include "windowing/paint/Font.h"
#include "windowing/paint/FontSetting.h"

namespace {

using s::gui::win::Font;
using s::gui::win::FontSetting;
using s::gui::win::ThemeFonts;

HMODULE gFakeTheme = nullptr;

std::wstring FakeThemePath()
{
    wchar_t exe[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, n);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + L"fakeuxtheme\\uxtheme.dll";
}

int FakeCount(const char* name)
{
    typedef int (*CountFn)();
    CountFn count = reinterpret_cast<CountFn>(reinterpret_cast<void*>(GetProcAddress(gFakeTheme, name)));
    return count ? count() : -1;
}

bool RunsVistaOrLater()
{
    s::system::win::LoadOsVersion();
    return s::system::win::GetOsVersion().isVistaOrLater;
}

// Loads the tests' theme library by its path before any font exists; the fonts' load by name
// then finds it.
void InstallFakeTheme()
{
    ASSERT_TRUE(RunsVistaOrLater()) << "the theme is read on Windows 6.0 and later";
    gFakeTheme = LoadLibraryW(FakeThemePath().c_str());
    ASSERT_NE(nullptr, gFakeTheme);
    HMODULE byName = LoadLibraryW(L"UxTheme.dll");
    ASSERT_EQ(gFakeTheme, byName);
    FreeLibrary(byName);
    ASSERT_EQ(0, FakeCount("FakeThemeOpenCount"));
}

TEST(FakeTheme, CaptionFaceIsLoadedOnceWhateverTheThreads)
{
    ASSERT_NO_FATAL_FAILURE(InstallFakeTheme());

    const int kThreads = 6;
    std::vector<std::wstring> faces(kThreads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&faces, i] {
            FontSetting* setting = FontSetting::New();
            faces[i] = setting->GetFaceName();
            setting->ReleaseToPool();
        });
    }
    for (std::thread& thread : threads)
        thread.join();

    EXPECT_EQ(1, FakeCount("FakeThemeOpenCount"));
    EXPECT_EQ(1, FakeCount("FakeThemeCloseCount"));
    for (const std::wstring& face : faces)
        EXPECT_EQ(L"Fake Caption", face);

    // Only the face is the theme's; every other field keeps the defaults.
    Font* font = Font::New();
    ASSERT_NE(nullptr, font);
    EXPECT_STREQ(L"Fake Caption", font->GetFaceName());
    const LOGFONTW& description = font->GetLogFont();
    EXPECT_EQ(-13, description.lfHeight);
    EXPECT_EQ(0, description.lfWidth);
    EXPECT_EQ(400, description.lfWeight);
    EXPECT_EQ(0, description.lfItalic);
    EXPECT_EQ(0, description.lfUnderline);
    EXPECT_EQ(DEFAULT_CHARSET, description.lfCharSet);
    EXPECT_EQ(CLEARTYPE_QUALITY, description.lfQuality);
    font->ReleaseToPool();
    EXPECT_EQ(1, FakeCount("FakeThemeOpenCount"));

    LOGFONTW menu = {};
    ASSERT_TRUE(ThemeFonts::GetFont(ThemeFonts::kMenu, &menu));
    EXPECT_STREQ(L"Fake Menu", menu.lfFaceName);
    ASSERT_TRUE(ThemeFonts::GetFont(ThemeFonts::kIconTitle, &menu));
    EXPECT_STREQ(L"Fake Icon Title", menu.lfFaceName);
    EXPECT_FALSE(ThemeFonts::GetFont(807, &menu));
}

TEST(FakeThemeWithoutCaption, DefaultFaceWhenTheThemeGivesNoCaptionFont)
{
    ASSERT_NO_FATAL_FAILURE(InstallFakeTheme());
    FontSetting* setting = FontSetting::New();
    EXPECT_STREQ(L"MS Shell Dlg 2", setting->GetFaceName()) << "never a font without a face";
    setting->ReleaseToPool();
    EXPECT_EQ(1, FakeCount("FakeThemeOpenCount"));
    LOGFONTW menu = {};
    EXPECT_FALSE(ThemeFonts::GetFont(ThemeFonts::kMenu, &menu));
}

TEST(MissingTheme, DefaultFaceWithoutTheThemeLibrary)
{
    ASSERT_TRUE(RunsVistaOrLater());
    HMODULE library = LoadLibraryW(L"UxTheme.dll");
    ASSERT_EQ(nullptr, library) << "this group runs with the theme library disabled";

    FontSetting* setting = FontSetting::New();
    EXPECT_STREQ(L"MS Shell Dlg 2", setting->GetFaceName());
    setting->ReleaseToPool();
    Font* font = Font::New();
    EXPECT_STREQ(L"MS Shell Dlg 2", font->GetFaceName());
    EXPECT_NE(nullptr, font->GetFontHandle());
    font->ReleaseToPool();
    LOGFONTW caption = {};
    EXPECT_FALSE(ThemeFonts::GetCaptionFont(&caption));
}

} // namespace
