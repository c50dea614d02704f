#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/str/StrBuffer.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/EmbeddedPack.h"
#include "storage/lang/Localizer.h"
#include "storage/lang/PackRules.h"
#include "storage/lang/UiLanguage.h"
#include "storage/xml/Node.h"

namespace {

using s::lang::LangPack;
using s::lang::Localizer;
using s::str::strbuffer::StrBuffer;
using s::xml::Node;

Node* ParseDocument(const std::wstring& document)
{
    Node* root = Node::New();
    root->Parse(document.c_str());
    return root;
}

std::wstring Joined(const std::vector<std::wstring>& lines)
{
    std::wstring all;
    for (const std::wstring& line : lines)
        all += line + L"\n";
    return all;
}

LANGID EnglishDisplay()
{
    return 0x0409;
}

// The embedded pack read through the XML model: what the program ships, gaps and all.
class EmbeddedPackDocument : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        document_ = new std::wstring(embeddedpack::Document());
        root_ = ParseDocument(*document_);
    }
    static void TearDownTestSuite()
    {
        root_->ReleaseToPool();
        root_ = nullptr;
        delete document_;
        document_ = nullptr;
    }

    static std::wstring* document_;
    static Node* root_;
};

std::wstring* EmbeddedPackDocument::document_ = nullptr;
Node* EmbeddedPackDocument::root_ = nullptr;

TEST_F(EmbeddedPackDocument, ListsThe35LanguagesEnglishFirst)
{
    ASSERT_FALSE(document_->empty());
    // No declaration and no comment stands before the root.
    EXPECT_EQ(0u, document_->find(L"<lang>"));
    const std::vector<std::wstring> expected = {
        L"eng", L"bul", L"bel", L"cze", L"cpn", L"dan", L"deu", L"spa", L"ell", L"fra", L"ita", L"hun",
        L"nld", L"pol", L"bra", L"rus", L"srp", L"swe", L"tur", L"zhs", L"zht", L"jpn", L"kor", L"ara",
        L"ind", L"est", L"hrv", L"per", L"rom", L"slk", L"fin", L"tha", L"ukr", L"vec", L"vie",
    };
    EXPECT_EQ(expected, packrules::LanguageTags(root_));
}

TEST_F(EmbeddedPackDocument, EveryEntryKeepsThePackRules)
{
    const std::vector<std::wstring> faults = packrules::CheckPack(root_);
    EXPECT_TRUE(faults.empty()) << Joined(faults);
    Node* entries = root_->FindChildNode(L"entries", 0xFFFFFFFF);
    ASSERT_NE(nullptr, entries);
    EXPECT_GT(entries->GetChildCount(), 200u);
}

// Bad documents of two languages; each fault is named with its id and language.
TEST(PackRules, NameTheIdAndLanguageOfEveryFault)
{
    const std::wstring head = L"<lang><languages><entry tagName=\"eng\" engName=\"English\"/>"
                              L"<entry tagName=\"deu\" engName=\"German\"/></languages><entries>";
    const std::wstring tail = L"</entries></lang>";
    struct Case {
        const wchar_t* entries;
        std::vector<std::wstring> faults;
    };
    const Case cases[] = {
        // Kept rules: a no-break space at the start, numbers in other digits and separators,
        // the ellipsis, a date name that is a number.
        {L"<entry id=\"900000\"><eng>\u00a0Usage</eng><deu>\u00a0Auslastung</deu></entry>"
         L"<entry id=\"710050\"><eng>0.5 Second</eng><deu>\u0660\u066b\u0665 Sekunden</deu></entry>"
         L"<entry id=\"804000\"><eng>Customize...</eng><deu>Anpassen...</deu></entry>"
         L"<entry id=\"5000100\"><eng>Jan</eng><deu>1\u6708</deu></entry>",
         {}},
        {L"<entry id=\"1\"><eng>File</eng><ger>Datei</ger></entry>",
         {L"id 1, language ger: no language has this tag", L"id 1, language deu: the text is missing"}},
        {L"<entry id=\"1\"><eng>File</eng><deu>Datei</deu></entry><entry id=\"1\"><eng>File</eng><deu>Datei</deu></entry>",
         {L"id 1: the id appears twice"}},
        {L"<entry id=\"2\"><eng>Save</eng></entry>", {L"id 2, language deu: the text is missing"}},
        {L"<entry id=\"2\"><eng>Save</eng><deu>Speichern</deu><deu>Sichern</deu></entry>",
         {L"id 2, language deu: the language appears twice"}},
        {L"<entry id=\"3\"><deu>Speichern</deu><eng>Save</eng></entry>",
         {L"id 3: the languages are not in the order of the languages element"}},
        {L"<entry id=\"3\"><eng>\u00a0    Apply    \u00a0</eng><deu>\u00a0   \u00dcbernehmen    \u00a0</deu></entry>",
         {L"id 3, language deu: the spaces and no-break spaces at the ends differ from the English text"}},
        {L"<entry id=\"3\"><eng>\u00a0I/O</eng><deu> E/A</deu></entry>",
         {L"id 3, language deu: the spaces and no-break spaces at the ends differ from the English text"}},
        {L"<entry id=\"4\"><eng>2 Seconds</eng><deu>3 Sekunden</deu></entry>",
         {L"id 4, language deu: the numbers differ from the English text"}},
        {L"<entry id=\"4\"><eng>Every 2nd Week</eng><deu>Alle zwei Wochen</deu></entry>",
         {L"id 4, language deu: the numbers differ from the English text"}},
        {L"<entry id=\"5\"><eng>Customize...</eng><deu>Anpassen</deu></entry>",
         {L"id 5, language deu: the closing ellipsis is missing"}},
        {L"<entry id=\"6\"><eng>Exit</eng><deu>&amp;Beenden</deu></entry>", {L"id 6, language deu: contains \"&\""}},
        {L"<entry id=\"6\"><eng>X</eng><deu>#X</deu></entry>",
         {L"id 6, language deu: begins with \"#\", which marks a glyph caption"}},
        {L"<entry id=\"6\"><eng>Size</eng><deu>Gr\u00f6\u00dfe %s</deu></entry>",
         {L"id 6, language deu: adds a format sequence"}},
        {L"<entry id=\"500000\"><eng>Pulsegrid</eng><deu>Pulsraster</deu></entry>",
         {L"id 500000, language deu: must equal the English text"}},
        {L"<entry id=\"x7\"><eng>Keyed</eng><deu>Schl\u00fcssel</deu></entry>",
         {L"id \"x7\": the id is not a number"}},
        {L"<entry id=\"2000000100\"><eng>Background</eng><deu>Hintergrund</deu></entry>",
         {L"id 2000000100: the encoder panels' ids stay out of the pack"}},
        {L"<text id=\"8\"><eng>Stray</eng><deu>Verirrt</deu></text>", {L"element \"text\" stands among the entries"}},
    };
    for (const Case& c : cases) {
        Node* root = ParseDocument(head + c.entries + tail);
        EXPECT_EQ(c.faults, packrules::CheckPack(root)) << c.entries;
        root->ReleaseToPool();
    }
    Node* empty = ParseDocument(L"<lang/>");
    const std::vector<std::wstring> faults = {L"the document names no language", L"the document has no entries"};
    EXPECT_EQ(faults, packrules::CheckPack(empty));
    empty->ReleaseToPool();
}

// The pack as the program reads it: through the loader, with its trimming and fallbacks.
class EmbeddedPackTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousSource_ = s::lang::SetUiLanguageSource(&EnglishDisplay);
        barredL_ = LangPack::NeedsBarredLFallback();
        LangPack::SetBarredLFallback(false);
        localizer = Load(embeddedpack::Document());
    }
    void TearDown() override
    {
        localizer->ReleaseToPool();
        LangPack::SetBarredLFallback(barredL_);
        s::lang::SetUiLanguageSource(previousSource_);
    }

    static Localizer* Load(const std::wstring& document)
    {
        Localizer* loaded = Localizer::New();
        Node* root = ParseDocument(document);
        loaded->BuildPacks(root);
        root->ReleaseToPool();
        return loaded;
    }

    std::wstring TextIn(const wchar_t* language, int32_t id)
    {
        localizer->SelectLanguage(language);
        return localizer->GetText(id);
    }

    Localizer* localizer = nullptr;

private:
    s::lang::UiLanguageSource previousSource_ = nullptr;
    bool barredL_ = false;
};

TEST_F(EmbeddedPackTexts, EnglishTextsWhoseCharactersMatter)
{
    struct Case {
        int32_t id;
        const wchar_t* text;
    };
    const Case cases[] = {
        {300000, L"Zorv Pulsegrid"},
        {500000, L"Pulsegrid"},
        {500010, L"1.76"},
        {500020, L"2013/10/20"},
        {500003, L"https://pulsegrid.example.org/software"},
        {900000, L"\u00a0Usage"},
        {901000, L"\u00a0I/O"},
        {901100, L"\u00a0IN"},
        {901220, L"\u00a0OUT Max(b)"},
        {903500, L"\u00a0\u00b0C"},
        {903600, L"\u00a0\u00b0F"},
        {910000, L"\u00a0RPM"},
        {904000, L""},
        {3002100, L"\u00a0    Apply    \u00a0"},
        {3002200, L"\u00a0    OK    \u00a0"},
        {3002300, L"\u00a0    Cancel    \u00a0"},
        {4102200, L"\u00a0    Up    \u00a0"},
        {4102300, L"\u00a0    Down    \u00a0"},
        {4200100, L"\u00a0    Order    \u00a0"},
        {4200200, L"\u00a0    Selection    \u00a0"},
        {109100, L"The error report file has been saved.\nPlease send it to the developers through the feedback "
                 L"page:\nhttps://pulsegrid.example.org/feedback"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring(c.text), localizer->GetEnglishText(c.id)) << c.id;
}

// Ids that a menu fixes only by its first and last text continue the pattern in between.
TEST_F(EmbeddedPackTexts, RangesContinueTheirPattern)
{
    const wchar_t* const months[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                     L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
    const wchar_t* const days[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
    for (int32_t k = 0; k < 12; ++k)
        EXPECT_STREQ(months[k], localizer->GetEnglishText(5000100 + 100 * k));
    for (int32_t k = 0; k < 7; ++k)
        EXPECT_STREQ(days[k], localizer->GetEnglishText(5100100 + 100 * k));
    for (int32_t k = 0; k < 10; ++k)
        EXPECT_EQ(std::to_wstring(10 * k) + L"%", localizer->GetEnglishText(715100 + 100 * k));
    EXPECT_STREQ(L"0 Second", localizer->GetEnglishText(735000));
    EXPECT_STREQ(L"1 Second", localizer->GetEnglishText(735100));
    for (int32_t k = 2; k <= 10; ++k)
        EXPECT_EQ(std::to_wstring(k) + L" Seconds", localizer->GetEnglishText(735000 + 100 * k));
    for (int32_t k = 0; k < 10; ++k) {
        const std::wstring size = std::to_wstring(6 + k);
        EXPECT_EQ(6 + k == 8 ? size + L" (default)" : size, localizer->GetEnglishText(811001 + k));
        EXPECT_EQ(6 + k == 11 ? size + L" (default)" : size, localizer->GetEnglishText(812001 + k));
    }
}

TEST_F(EmbeddedPackTexts, EachLanguageByItsEnglishName)
{
    struct Case {
        const wchar_t* language;
        const wchar_t* exit;
        const wchar_t* monday;
        const wchar_t* memory;
    };
    const Case cases[] = {
        {L"English", L"Exit", L"Mon", L"Memory"},
        {L"Bulgarian", L"\u0418\u0437\u0445\u043e\u0434", L"\u043f\u043d", L"\u041f\u0430\u043c\u0435\u0442"},
        {L"Belarusian", L"\u0412\u044b\u0445\u0430\u0434", L"\u041f\u043d", L"\u041f\u0430\u043c\u044f\u0446\u044c"},
        {L"Czech", L"Konec", L"po", L"Pam\u011b\u0165"},
        {L"Serbian_Cyrillic", L"\u0418\u0437\u043b\u0430\u0437", L"\u043f\u043e\u043d", L"\u041c\u0435\u043c\u043e\u0440\u0438\u0458\u0430"},
        {L"Danish", L"Afslut", L"man", L"Hukommelse"},
        {L"German", L"Beenden", L"Mo", L"Speicher"},
        {L"Spanish", L"Salir", L"lun", L"Memoria"},
        {L"Greek", L"\u0388\u03be\u03bf\u03b4\u03bf\u03c2", L"\u0394\u03b5\u03c5", L"\u039c\u03bd\u03ae\u03bc\u03b7"},
        {L"French", L"Quitter", L"lun.", L"M\u00e9moire"},
        {L"Italian", L"Esci", L"lun", L"Memoria"},
        {L"Hungarian", L"Kil\u00e9p\u00e9s", L"H", L"Mem\u00f3ria"},
        {L"Dutch", L"Afsluiten", L"ma", L"Geheugen"},
        {L"Polish", L"Zako\u0144cz", L"pon.", L"Pami\u0119\u0107"},
        {L"Portuguese_Brazilian", L"Sair", L"seg", L"Mem\u00f3ria"},
        {L"Russian", L"\u0412\u044b\u0445\u043e\u0434", L"\u041f\u043d", L"\u041f\u0430\u043c\u044f\u0442\u044c"},
        {L"Serbian_Latin", L"Izlaz", L"pon", L"Memorija"},
        {L"Swedish", L"Avsluta", L"m\u00e5n", L"Minne"},
        {L"Turkish", L"\u00c7\u0131k\u0131\u015f", L"Pzt", L"Bellek"},
        {L"Chinese_Simplified", L"\u9000\u51fa", L"\u5468\u4e00", L"\u5185\u5b58"},
        {L"Chinese_Traditional", L"\u7d50\u675f", L"\u9031\u4e00", L"\u8a18\u61b6\u9ad4"},
        {L"Japanese", L"\u7d42\u4e86", L"\u6708", L"\u30e1\u30e2\u30ea"},
        {L"Korean", L"\ub05d\ub0b4\uae30", L"\uc6d4", L"\uba54\ubaa8\ub9ac"},
        {L"Arabic", L"\u062e\u0631\u0648\u062c", L"\u0627\u0644\u0627\u062b\u0646\u064a\u0646", L"\u0627\u0644\u0630\u0627\u0643\u0631\u0629"},
        {L"Indonesian", L"Keluar", L"Sen", L"Memori"},
        {L"Estonian", L"V\u00e4lju", L"E", L"M\u00e4lu"},
        {L"Croatian", L"Izlaz", L"pon", L"Memorija"},
        {L"Persian", L"\u062e\u0631\u0648\u062c", L"\u062f\u0648\u0634\u0646\u0628\u0647", L"\u062d\u0627\u0641\u0638\u0647"},
        {L"Romanian", L"Ie\u0219ire", L"lun", L"Memorie"},
        {L"Slovak", L"Koniec", L"po", L"Pam\u00e4\u0165"},
        {L"Finnish", L"Lopeta", L"ma", L"Muisti"},
        {L"Thai", L"\u0e2d\u0e2d\u0e01", L"\u0e08.", L"\u0e2b\u0e19\u0e48\u0e27\u0e22\u0e04\u0e27\u0e32\u0e21\u0e08\u0e33"},
        {L"Ukrainian", L"\u0412\u0438\u0445\u0456\u0434", L"\u041f\u043d", L"\u041f\u0430\u043c'\u044f\u0442\u044c"},
        {L"Venetian", L"Ensi", L"\u019aun", L"Memoria"},
        {L"Vietnamese", L"Tho\u00e1t", L"T2", L"B\u1ed9 nh\u1edb"},
    };
    ASSERT_EQ(35u, localizer->GetPackCount());
    for (const Case& c : cases) {
        EXPECT_EQ(std::wstring(c.exit), TextIn(c.language, 751000)) << c.language;
        EXPECT_EQ(std::wstring(c.monday), TextIn(c.language, 5100200)) << c.language;
        EXPECT_EQ(std::wstring(c.memory), TextIn(c.language, 1001000)) << c.language;
        EXPECT_STREQ(c.language, localizer->GetCurrentPack()->GetEngName()->GetText());
        // Texts the same everywhere, and an id the pack lacks.
        EXPECT_EQ(L"Pulsegrid", TextIn(c.language, 500000)) << c.language;
        EXPECT_EQ(L"", TextIn(c.language, 2000000000)) << c.language;
        EXPECT_EQ(L"", TextIn(c.language, 123)) << c.language;
    }
}

TEST_F(EmbeddedPackTexts, ALanguageMissingFromAnEntryGetsTheEnglishText)
{
    std::wstring document = embeddedpack::Document();
    const size_t end = document.rfind(L"</entries>");
    ASSERT_NE(std::wstring::npos, end);
    document.insert(end, L"<entry id=\"42\"><eng>Only English</eng><deu>Nur deutsch</deu></entry>");
    localizer->ReleaseToPool();
    localizer = Load(document);
    EXPECT_EQ(L"Nur deutsch", TextIn(L"German", 42));
    EXPECT_EQ(L"Only English", TextIn(L"Russian", 42));
    EXPECT_EQ(L"Only English", TextIn(L"Vietnamese", 42));
    EXPECT_EQ(L"Only English", TextIn(L"English", 42));
}

} // namespace
