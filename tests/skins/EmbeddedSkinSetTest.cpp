#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

#include "SkinTestSupport.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/TestFiles.h"

using s::archive::dll::win::Archive;
using testfiles::BesideTestProgram;

namespace skintest {
namespace {

typedef std::vector<std::wstring> Names;

const Names kEmbeddedNames = {
    L"Fresh L",       L"Fresh W",        L"Fresh B",       L"Fresh M",         L"pastel pink",  L"pastel Yellow",
    L"pastel blue",   L"pastel Green",   L"pastel Lavender", L"Classic LG",    L"Classic YE",   L"Classic PN",
    L"Classic BL",    L"Classic OR",     L"Velvet PP",     L"Velvet RB",       L"Velvet GR",    L"Velvet BG",
    L"Velvet BB",     L"Velvet LG",      L"Gray BL",       L"Gray YB",         L"Gray BB",      L"Gray WG",
    L"Snowed Pink",   L"Snowed Green",   L"Snowed Blue",   L"Snowed Lavender", L"Snowed Banana", L"Pencil",
    L"Pencil I",      L"Pencil I2",      L"Pencil II",     L"Sr Indigo",       L"Sr Red",       L"Sr Purple",
    L"Sr Green",      L"Sr Pink",        L"BLN RG",        L"BLN YG",          L"BLN OR",       L"BLN YE",
    L"BLN PN",        L"BLN PP",         L"BLN BB",        L"BLN BG",          L"BLN GR",       L"Trans GR",
    L"Trans OR",      L"Trans YE",       L"Trans BL",      L"Trans SR",        L"Red Mail Box", L"Red Beam",
    L"Red Comet",     L"Red TRG 80%",    L"Soot Blz",      L"Soot Brn",        L"Soot Flm",     L"Bento Box",
    L"Green 01",      L"Green 02",       L"Green 03",      L"Green 04",        L"Plastic BB",   L"Plastic PI",
    L"Plastic BK",    L"Plastic RD",     L"Plastic RG",    L"Plastic YG",      L"Plastic OR",   L"Plastic GR",
    L"Luminous Pink", L"Deep Water",     L"Water blue",    L"Golden Yellow",   L"Golden Bar",   L"Indigo Beam",
    L"Violet Ray",    L"Purple Light",   L"Lavender Water", L"Blue Light",     L"Black Black",  L"Black Black II",
};

const uint32_t kSkinSetId = 150;

// An archive over a module for the length of a test.
class ModuleArchive {
public:
    explicit ModuleArchive(const std::wstring& module)
    {
        s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(module.c_str());
        archive_ = Archive::OpenModule(path);
        path->ReleaseToPool();
    }
    ~ModuleArchive() { archive_->ReleaseToPool(); }
    Archive* get() const { return archive_; }

private:
    ModuleArchive(const ModuleArchive&) = delete;
    ModuleArchive& operator=(const ModuleArchive&) = delete;
    Archive* archive_;
};

std::wstring ProgramPath()
{
    return BesideTestProgram(L"..\\pulsegrid.exe");
}

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, n);
}

// The embedded set as a manager holding the built-in skins loads it at start.
class EmbeddedSkinSet : public testing::Test {
protected:
    EmbeddedSkinSet() : skinner(L"ThinWindow")
    {
        skinner->AddBuiltInSkins();
        ModuleArchive program(ProgramPath());
        skinner->LoadSkinSetSetting(program.get(), L"IDR_XML", kSkinSetId);
    }
    int32_t IndexOf(const wchar_t* name)
    {
        for (uint32_t i = 0; i < skinner->GetSkinCount(); ++i) {
            if (name == std::wstring(skinner->GetSkinNameAt(i)->GetText()))
                return static_cast<int32_t>(i);
        }
        return -1;
    }
    Manager skinner;
};

TEST_F(EmbeddedSkinSet, TakesThePlaceOfTheBuiltInsWithItsOwn84InOrder)
{
    EXPECT_EQ(kEmbeddedNames, SkinNames(skinner.get()));
    EXPECT_EQ(kEmbeddedNames, ListedNames(skinner.get()));
    struct Case {
        const wchar_t* skin;
        uint32_t color;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"Fresh L", SkinColorSet::kWindowBg, L"231,233,237"},
        {L"Black Black", SkinColorSet::kCounter01, L"173,206,53"},
        {L"Black Black", SkinColorSet::kWindowBg, L"0,0,0"},
        {L"Black Black", SkinColorSet::kCompFg, L"176,176,176"},
        {L"Black Black", SkinColorSet::kCompDisabled, L"51,51,51"},
        {L"Classic LG", SkinColorSet::kWindowFg, L"116,116,116"},
        {L"Classic LG", SkinColorSet::kCompDisabled, L"84,84,84"},
        {L"Classic LG", SkinColorSet::kWindowBg, L"116,116,116"},
        {L"Classic LG", SkinColorSet::kCounter01, L"195,234,0"},
        {L"Black Black II", SkinColorSet::kText, L"221,221,221"},
    };
    for (const Case& c : cases) {
        const int32_t index = IndexOf(c.skin);
        ASSERT_GE(index, 0) << c.skin;
        EXPECT_EQ(c.expected, Rgb(ColorsAt(skinner.get(), static_cast<uint32_t>(index)), c.color))
            << c.skin << " " << SkinColorSet::NameOf(c.color);
    }
    skinner->SelectSkinByName(L"Black Black");
    EXPECT_EQ(82, skinner->GetCurrentSkinIndex());
}

TEST(EmbeddedSkinSetDocument, IsOneLineWithExplicitEndTagsOpeningAsTheProgramExpects)
{
    ModuleArchive program(ProgramPath());
    s::str::strbuffer::StrBuffer* text = Archive::ReadTextResource(program.get(), L"IDR_XML", kSkinSetId);
    ASSERT_NE(nullptr, text);
    const std::wstring document = text->GetText();
    text->ReleaseToPool();
    EXPECT_EQ(0u, document.find(L"<SkinSetXml><SkinSet><ThinWindow numOfSkins=\"84\"></ThinWindow>"
                                L"<ThinWindow_0 name=\"Fresh L\"><windowBg R=\"231\" G=\"233\" B=\"237\"></windowBg>"));
    EXPECT_EQ(std::wstring::npos, document.find_first_of(L"\r\n\t"));
    EXPECT_EQ(std::wstring::npos, document.find(L"/>"));
    EXPECT_EQ(std::wstring::npos, document.find(L"> <"));
    const std::wstring end = L"</SkinSet></SkinSetXml>";
    ASSERT_GE(document.size(), end.size());
    EXPECT_EQ(end, document.substr(document.size() - end.size()));
}

// The reviewable source carried by the test program: name, then fifteen #RRGGBB colours.
struct SourceSkin {
    std::wstring name;
    SkinColorSet colors;
};

std::vector<SourceSkin> ReadSource()
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found)
        return {};
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    std::istringstream lines(std::string(bytes, SizeofResource(nullptr, found)));
    std::vector<SourceSkin> skins;
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const size_t bar = line.find('|');
        if (bar == std::string::npos)
            return {};
        SourceSkin skin;
        std::string name = line.substr(0, bar);
        name.erase(name.find_last_not_of(' ') + 1);
        skin.name.assign(name.begin(), name.end());
        std::istringstream colors(line.substr(bar + 1));
        std::string color;
        uint32_t index = 0;
        while (colors >> color) {
            const unsigned long value = std::stoul(color.substr(1), nullptr, 16);
            skin.colors.Set(index++, static_cast<int32_t>(value >> 16), static_cast<int32_t>(value >> 8),
                            static_cast<int32_t>(value));
        }
        if (index != SkinColorSet::kCount)
            return {};
        skins.push_back(skin);
    }
    return skins;
}

TEST_F(EmbeddedSkinSet, AgreesWithItsReviewableSource)
{
    const std::vector<SourceSkin> source = ReadSource();
    ASSERT_EQ(84u, source.size());
    ASSERT_EQ(84u, skinner->GetSkinCount());
    for (uint32_t i = 0; i < 84; ++i) {
        EXPECT_EQ(source[i].name, skinner->GetSkinNameAt(i)->GetText());
        const SkinColorSet loaded = ColorsAt(skinner.get(), i);
        for (uint32_t c = 0; c < SkinColorSet::kCount; ++c)
            EXPECT_EQ(Rgb(source[i].colors, c), Rgb(loaded, c)) << source[i].name << " " << SkinColorSet::NameOf(c);
    }
}

double Luminance(COLORREF color)
{
    auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(GetRValue(color)) + 0.7152 * channel(GetGValue(color)) + 0.0722 * channel(GetBValue(color));
}

// The contrast ratio of the web's accessibility guidelines, 1 to 21.
double Contrast(COLORREF a, COLORREF b)
{
    double la = Luminance(a), lb = Luminance(b);
    if (la < lb)
        std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

TEST_F(EmbeddedSkinSet, EverySkinIsLegibleAndShowsBothCounters)
{
    struct Pair {
        uint32_t front;
        uint32_t back;
        double least;
    };
    // Text needs 4.5:1; a meter or graph line only has to stand out from the window.
    const Pair pairs[] = {
        {SkinColorSet::kText, SkinColorSet::kWindowBg, 4.5},
        {SkinColorSet::kListFont, SkinColorSet::kListBg, 4.5},
        {SkinColorSet::kListHeaderFont, SkinColorSet::kListHeaderBg, 4.5},
        {SkinColorSet::kCounter01, SkinColorSet::kWindowBg, 1.5},
        {SkinColorSet::kCounter02, SkinColorSet::kWindowBg, 1.5},
    };
    std::set<std::wstring> names;
    for (uint32_t i = 0; i < skinner->GetSkinCount(); ++i) {
        std::wstring folded = skinner->GetSkinNameAt(i)->GetText();
        for (wchar_t& ch : folded)
            ch = static_cast<wchar_t>(towlower(ch));
        EXPECT_TRUE(names.insert(folded).second) << "repeated name " << skinner->GetSkinNameAt(i)->GetText();
        const SkinColorSet colors = ColorsAt(skinner.get(), i);
        for (const Pair& pair : pairs) {
            EXPECT_GE(Contrast(colors.GetColor(pair.front), colors.GetColor(pair.back)), pair.least)
                << skinner->GetSkinNameAt(i)->GetText() << ": " << SkinColorSet::NameOf(pair.front) << " on "
                << SkinColorSet::NameOf(pair.back);
        }
    }
}

TEST(EmbeddedSkinSetDamage, ACutOrMissingResourceLeavesWhatCanBeRead)
{
    struct Case {
        const char* what;
        std::wstring module;
        uint32_t id;
        Names expected;
    };
    const Case cases[] = {
        // The fourth skin's opening stands complete: it comes with the colours read before the cut.
        {"cut inside the fourth skin", OwnPath(), 151, {L"Fresh L", L"Fresh W", L"Fresh B", L"Fresh M"}},
        {"no such resource", OwnPath(), 152, {}},
        {"no such module", BesideTestProgram(L"NoSuchModule.dll"), kSkinSetId, {}},
    };
    for (const Case& c : cases) {
        Manager skinner(L"ThinWindow");
        skinner->AddBuiltInSkins();
        ModuleArchive archive(c.module);
        skinner->LoadSkinSetSetting(archive.get(), L"IDR_XML", c.id);
        if (c.expected.empty()) {
            EXPECT_EQ(16u, skinner->GetSkinCount()) << c.what;
            continue;
        }
        ASSERT_EQ(c.expected, SkinNames(skinner.get())) << c.what;
        const SkinColorSet cut = ColorsAt(skinner.get(), 3);
        EXPECT_EQ(L"62,158,126", Rgb(cut, SkinColorSet::kCompFg));
        EXPECT_EQ(L"62,158,126", Rgb(cut, SkinColorSet::kGroupBorder));
        EXPECT_EQ(L"0,0,0", Rgb(cut, SkinColorSet::kCounter01));
    }
    Manager skinner(L"ThinWindow");
    skinner->AddBuiltInSkins();
    skinner->LoadSkinSetSetting(nullptr, L"IDR_XML", kSkinSetId);
    EXPECT_EQ(16u, skinner->GetSkinCount());
}

} // namespace
} // namespace skintest
