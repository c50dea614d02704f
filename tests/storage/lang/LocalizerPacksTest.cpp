#include <gtest/gtest.h>

#include <string>

#include "core/str/StrBuffer.h"
#include "storage/TestFiles.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/lang/UiLanguage.h"
#include "storage/xml/Node.h"

namespace {

using s::archive::dll::win::Archive;
using s::lang::LangPack;
using s::lang::Localizer;
using testfiles::BesideTestProgram;

LANGID gDisplayLanguage = 0x0409;
LANGID FakeDisplayLanguage()
{
    return gDisplayLanguage;
}

std::wstring EngNameOf(LangPack* pack)
{
    return pack ? pack->GetEngName()->GetText() : L"<none>";
}

// Packs read from a document: the fixture library's, the program's own, or a text.
class LocalizerPacks : public ::testing::Test {
protected:
    void SetUp() override { previous_ = s::lang::SetUiLanguageSource(&FakeDisplayLanguage); }
    void TearDown() override
    {
        if (localizer)
            localizer->ReleaseToPool();
        s::lang::SetUiLanguageSource(previous_);
    }

    void DisplayLanguage(LANGID id)
    {
        gDisplayLanguage = id;
        s::lang::SetUiLanguageSource(&FakeDisplayLanguage);
    }

    void LoadFrom(const std::wstring& module)
    {
        if (localizer)
            localizer->ReleaseToPool();
        s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(module.c_str());
        Archive* archive = Archive::OpenModule(path);
        path->ReleaseToPool();
        localizer = Localizer::CreateFromResource(archive, L"IDR_XML", 130);
        archive->ReleaseToPool();
        ASSERT_NE(nullptr, localizer);
    }

    void LoadFixture() { LoadFrom(BesideTestProgram(L"ResourceFixture.dll")); }

    void Parse(const wchar_t* document)
    {
        if (localizer)
            localizer->ReleaseToPool();
        localizer = Localizer::New();
        s::xml::Node* root = s::xml::Node::New();
        root->Parse(document);
        localizer->BuildPacks(root);
        root->ReleaseToPool();
    }

    std::wstring TextIn(const wchar_t* language, int32_t id)
    {
        localizer->SelectLanguage(language);
        return localizer->GetText(id);
    }

    Localizer* localizer = nullptr;

private:
    s::lang::UiLanguageSource previous_ = nullptr;
};

TEST_F(LocalizerPacks, FixturePackLanguagesInDocumentOrder)
{
    DisplayLanguage(0x0409);
    LoadFixture();
    const wchar_t* const names[][3] = {
        {L"eng", L"English", L"English"},
        {L"deu", L"German", L"Deutsch"},
        {L"zht", L"Chinese_Traditional", L"\u7e41\u9ad4\u4e2d\u6587"},
        {L"bra", L"Portuguese_Brazilian", L"Portugus Brasileiro"},
        {L"vec", L"Venetian", L"V\u00e8neto Vec-to (Partial)"},
    };
    ASSERT_EQ(5u, localizer->GetPackCount());
    for (uint32_t i = 0; i < 5; ++i) {
        LangPack* pack = localizer->GetPack(i);
        EXPECT_STREQ(names[i][0], pack->GetTagName()->GetText());
        EXPECT_STREQ(names[i][1], pack->GetEngName()->GetText());
        EXPECT_STREQ(names[i][2], pack->GetTrueName()->GetText());
    }
    EXPECT_EQ(L"English", EngNameOf(localizer->GetCurrentPack()));
}

TEST_F(LocalizerPacks, TextsWithTheirFallbacks)
{
    LoadFixture();
    struct Case {
        const wchar_t* language;
        int32_t id;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"English", 100, L"File"},
        {L"German", 100, L"Datei"},
        {L"Chinese_Traditional", 100, L"\u6a94\u6848"},
        // Spaces written as character references survive at both ends.
        {L"English", 101, L" Save "},
        {L"German", 101, L" Speichern"},
        // A language without its own text gets the entry's first text.
        {L"Portuguese_Brazilian", 101, L" Save "},
        {L"German", 102, L"Line one\nline two"},
        // Tags match ignoring case; a child of no language is skipped.
        {L"German", 103, L"Nur deutsch"},
        {L"English", 103, L"English second"},
        {L"Venetian", 103, L"Nur deutsch"},
        // A second entry for an id is never found.
        {L"English", 100, L"File"},
        // An entry without texts has the empty text, not another entry's.
        {L"German", 104, L""},
        {L"German", 105, L""},
        {L"German", 2010002000, L"Highest id"},
        {L"English", 999, L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring(c.text), TextIn(c.language, c.id)) << c.language << " " << c.id;

    LangPack* german = localizer->FindPack(L"German");
    ASSERT_NE(nullptr, german->FindKeyedText(L"title"));
    EXPECT_STREQ(L"\u00dcberwachung", german->FindKeyedText(L"title")->GetText());
    EXPECT_STREQ(L"Monitor", localizer->FindPack(L"Venetian")->FindKeyedText(L"title")->GetText());
    EXPECT_EQ(nullptr, german->FindKeyedText(L""));
    // The second entry for 100 gave only English a text.
    EXPECT_EQ(6u, german->GetTextCount());
    EXPECT_EQ(7u, localizer->FindPack(L"English")->GetTextCount());
    EXPECT_EQ(1u, german->GetKeyCount());
}

TEST_F(LocalizerPacks, BarredLOfVenetianFollowsTheSystem)
{
    const bool real = LangPack::NeedsBarredLFallback();
    LangPack::SetBarredLFallback(false);
    LoadFixture();
    EXPECT_EQ(L"Fi\u019ae", TextIn(L"Venetian", 100));
    LangPack::SetBarredLFallback(true);
    LoadFixture();
    EXPECT_EQ(L"Fi\u0142e", TextIn(L"Venetian", 100));
    EXPECT_EQ(L"File", TextIn(L"English", 100));
    LangPack::SetBarredLFallback(real);
}

TEST_F(LocalizerPacks, StartsInTheDisplayLanguage)
{
    struct Case {
        LANGID display;
        const wchar_t* current;
    };
    const Case cases[] = {
        {0x0C04, L"Chinese_Traditional"}, {0x0804, L"Chinese_Traditional"}, {0x0416, L"Portuguese_Brazilian"},
        {0x0816, L"Portuguese_Brazilian"}, {0x0407, L"German"},               {0x040D, L"English"},
    };
    for (const Case& c : cases) {
        DisplayLanguage(c.display);
        LoadFixture();
        EXPECT_EQ(std::wstring(c.current), EngNameOf(localizer->GetCurrentPack())) << c.display;
    }
}

TEST_F(LocalizerPacks, MissingResourceGivesEmptyTexts)
{
    LoadFrom(BesideTestProgram(L"RefusingLibrary.dll"));
    EXPECT_EQ(0u, localizer->GetPackCount());
    EXPECT_STREQ(L"", localizer->GetText(100));
    localizer->ReleaseToPool();
    localizer = Localizer::CreateFromResource(nullptr, L"IDR_XML", 130);
    ASSERT_NE(nullptr, localizer);
    EXPECT_STREQ(L"", localizer->GetText(100));
}

TEST_F(LocalizerPacks, DamagedDocumentsLoadWhatTheyCan)
{
    struct Case {
        const char* what;
        const wchar_t* document;
        uint32_t packs;
        int32_t id;
        const wchar_t* english;
    };
    const Case cases[] = {
        {"no languages", L"<lang><entries><entry id=\"1\"><eng>One</eng></entry></entries></lang>", 0, 1, L""},
        {"no entries", L"<lang><languages><entry tagName=\"eng\" engName=\"English\"/></languages></lang>", 1, 1, L""},
        {"language without names",
         L"<lang><languages><entry/><entry tagName=\"eng\" engName=\"English\"/></languages>"
         L"<entries><entry id=\"1\"><eng>One</eng></entry></entries></lang>",
         2, 1, L"One"},
        {"unknown tags everywhere",
         L"<lang><languages><lingo tagName=\"xx\"/><entry tagName=\"eng\" engName=\"English\"/></languages>"
         L"<stuff/><entries><thing id=\"1\"><eng>Thing</eng></thing><entry id=\"2\"><eng>Two</eng><zz>Z</zz>"
         L"</entry></entries></lang>",
         1, 2, L"Two"},
        {"id that is no number", L"<lang><languages><entry tagName=\"eng\" engName=\"English\"/></languages>"
                                 L"<entries><entry id=\"x1\"><eng>Keyed</eng></entry></entries></lang>",
         1, 0, L""},
        // Everything complete before the cut stays: the languages and the first entry; the text
        // the cut runs through does not.
        {"cut short", L"<lang><languages><entry tagName=\"eng\" engName=\"English\"/><entry tagName=\"deu\" "
                      L"engName=\"German\"/></languages><entries><entry id=\"1\"><eng>One</eng></entry><entry id=\"2\"><eng>Tw",
         2, 1, L"One"},
        {"cut in a text", L"<lang><languages><entry tagName=\"eng\" engName=\"English\"/></languages><entries>"
                          L"<entry id=\"1\"><eng>One</eng></entry><entry id=\"2\"><eng>Tw",
         1, 2, L""},
        {"not XML", L"just text", 0, 1, L""},
        {"empty", L"", 0, 1, L""},
    };
    for (const Case& c : cases) {
        Parse(c.document);
        EXPECT_EQ(c.packs, localizer->GetPackCount()) << c.what;
        EXPECT_STREQ(c.english, localizer->GetEnglishText(c.id)) << c.what;
        localizer->SelectLanguage(L"German");
        EXPECT_NE(nullptr, localizer->GetText(c.id)) << c.what;
    }
}

TEST_F(LocalizerPacks, TheProgramsOwnPackHas35Languages)
{
    DisplayLanguage(0x0409);
    LoadFrom(BesideTestProgram(L"..\\pulsegrid.exe"));
    const wchar_t* const engNames[] = {
        L"English",     L"Bulgarian",  L"Belarusian", L"Czech",      L"Serbian_Cyrillic",     L"Danish",
        L"German",      L"Spanish",    L"Greek",      L"French",     L"Italian",              L"Hungarian",
        L"Dutch",       L"Polish",     L"Portuguese_Brazilian",      L"Russian",              L"Serbian_Latin",
        L"Swedish",     L"Turkish",    L"Chinese_Simplified",        L"Chinese_Traditional",  L"Japanese",
        L"Korean",      L"Arabic",     L"Indonesian", L"Estonian",   L"Croatian",             L"Persian",
        L"Romanian",    L"Slovak",     L"Finnish",    L"Thai",       L"Ukrainian",            L"Venetian",
        L"Vietnamese",
    };
    ASSERT_EQ(35u, localizer->GetPackCount());
    for (uint32_t i = 0; i < 35; ++i) {
        EXPECT_STREQ(engNames[i], localizer->GetPack(i)->GetEngName()->GetText());
        EXPECT_EQ(3u, localizer->GetPack(i)->GetTagName()->GetLength());
        EXPECT_NE(0u, localizer->GetPack(i)->GetTrueName()->GetLength());
        EXPECT_STREQ(L"Zorv Pulsegrid", localizer->GetPack(i)->FindText(300000)->GetText());
    }
    EXPECT_STREQ(L"\u7e41\u9ad4\u4e2d\u6587", localizer->FindPack(L"Chinese_Traditional")->GetTrueName()->GetText());
    EXPECT_EQ(L"English", EngNameOf(localizer->GetCurrentPack()));
}

} // namespace
