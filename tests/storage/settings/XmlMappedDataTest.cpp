#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"
#include "storage/file/TempFolder.h"
#include "storage/settings/XmlMappedData.h"
#include "storage/xml/Node.h"

using s::col::_array::ArrayU08;
using s::file::win::PathWin;
using s::str::strbuffer::StrBuffer;
using s::xml::MappedData;
using s::xml::Node;

namespace {

// A store over a file for the length of a test.
class Store {
public:
    explicit Store(const std::wstring& path) : m_(MappedData::OpenFile(path.c_str())) {}
    ~Store()
    {
        if (m_)
            m_->ReleaseToPool();
    }
    MappedData* operator->() const { return m_; }
    MappedData* get() const { return m_; }

private:
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;
    MappedData* m_;
};

std::wstring Written(Node* node)
{
    StrBuffer* text = node->Write(nullptr, false);
    std::wstring written(text->GetText(), text->GetLength());
    text->ReleaseToPool();
    return written;
}

std::string Utf8(const std::wstring& text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], n, nullptr, nullptr);
    return bytes;
}

// Fills a store with one value of every kind, in nested sections.
void FillEveryKind(MappedData* m)
{
    m->SetUInt8(L"MainWindow\\View", L"Opacity", 200);
    m->SetUInt16(L"MainWindow\\View", L"Width", 65535);
    m->SetUInt32(L"MainWindow\\View", L"Period", 300000);
    m->SetUInt64(L"MainWindow\\View", L"Big", UINT64_MAX);
    m->SetInt8(L"MainWindow/Mouse", L"Wheel", -3);
    m->SetInt16(L"MainWindow/Mouse", L"X", -32000);
    m->SetInt32(L"MainWindow/Mouse", L"Y", -2000000000);
    m->SetInt64(L"MainWindow/Mouse", L"Z", INT64_MIN);
    m->SetFloat(L"MainWindow/View/HeaderFont", L"Size", 9.5f);
    m->SetDouble(L"MainWindow/View/HeaderFont", L"Scale", 1.25);
    m->SetBool(L"MainWindow", L"OnTop", true);
    m->SetBool(L"MainWindow", L"AutoHide", false);
    m->SetString(L"MainWindow/View/DataFont", L"Face", L"Segoe UI & \"Mono\" <b>\r\n\u00e9\u4e2d\U0001F600");
    m->SetString(L"MainWindow/View/DataFont", L"", L" label text ");
    ArrayU08* bytes = ArrayU08::New();
    for (uint8_t b : {0x00, 0x0A, 0x7F, 0xFF})
        bytes->Append(b);
    m->SetBytes(L"MainWindow/FieldOrder", L"Order", bytes);
    bytes->ReleaseToPool();
}

} // namespace

TEST(XmlSettings, MissingFileStartsEmptyAndWritesNothingUntilSaved)
{
    TempFolder folder;
    const std::wstring file = folder / L"savedata\\SaveData.xml";
    Store m(file);
    ASSERT_NE(nullptr, m.get());
    EXPECT_STREQ(L"s_xml_MappedData", m->GetClassName());
    EXPECT_EQ(L"<savedata></savedata>", Written(m->GetDocument()));
    EXPECT_EQ(m->GetDocument(), m->GetCurrent());
    EXPECT_FALSE(m->GetAutoSave());
    EXPECT_EQ(42, m->GetInt32(L"MainWindow", L"Width", 42));
    EXPECT_FALSE(TempFolder::Exists(folder / L"savedata"));

    m->SetInt32(L"MainWindow", L"Width", 320);
    EXPECT_FALSE(TempFolder::Exists(file));
    // The first save makes the folder and the file: UTF-8, no byte-order mark, no declaration.
    EXPECT_TRUE(m->Save());
    EXPECT_EQ("<savedata><MainWindow Width=\"320\"></MainWindow></savedata>", TempFolder::ReadFileBytes(file));
    EXPECT_FALSE(TempFolder::Exists(file + L".part"));
}

TEST(XmlSettings, EveryKindSurvivesSaveAndReload)
{
    TempFolder folder;
    const std::wstring file = folder / L"SaveData.xml";
    {
        Store m(file);
        FillEveryKind(m.get());
        ASSERT_TRUE(m->Save());
    }
    Store m(file);
    EXPECT_EQ(200, m->GetUInt8(L"MainWindow\\View", L"opacity", 0));
    EXPECT_EQ(65535, m->GetUInt16(L"MainWindow/View", L"Width", 0));
    EXPECT_EQ(300000u, m->GetUInt32(L"MainWindow/View", L"PERIOD", 0));
    EXPECT_EQ(UINT64_MAX, m->GetUInt64(L"MainWindow/View", L"Big", 0));
    EXPECT_EQ(-3, m->GetInt8(L"MainWindow\\Mouse", L"Wheel", 0));
    EXPECT_EQ(-32000, m->GetInt16(L"MainWindow\\Mouse", L"X", 0));
    EXPECT_EQ(-2000000000, m->GetInt32(L"MainWindow\\Mouse", L"Y", 0));
    EXPECT_EQ(INT64_MIN, m->GetInt64(L"MainWindow\\Mouse", L"Z", 0));
    EXPECT_EQ(9.5f, m->GetFloat(L"MainWindow/View/HeaderFont", L"Size", 0));
    EXPECT_EQ(1.25, m->GetDouble(L"MainWindow/View/HeaderFont", L"Scale", 0));
    EXPECT_TRUE(m->GetBool(L"MainWindow", L"OnTop", false));
    EXPECT_FALSE(m->GetBool(L"MainWindow", L"AutoHide", true));
    EXPECT_STREQ(L"Segoe UI & \"Mono\" <b>\r\n\u00e9\u4e2d\U0001F600",
                 m->GetString(L"MainWindow/View/DataFont", L"Face", L"", nullptr, false));
    EXPECT_STREQ(L" label text ", m->GetString(L"MainWindow/View/DataFont", L"", L"", nullptr, false));
    ArrayU08* bytes = m->GetBytes(L"MainWindow/FieldOrder", L"Order", nullptr);
    ASSERT_EQ(4u, bytes->GetCount());
    EXPECT_EQ(0x00, bytes->Get(0));
    EXPECT_EQ(0x0A, bytes->Get(1));
    EXPECT_EQ(0x7F, bytes->Get(2));
    EXPECT_EQ(0xFF, bytes->Get(3));
    bytes->ReleaseToPool();
}

TEST(XmlSettings, WrittenReadAndWrittenAgainIsByteIdentical)
{
    TempFolder folder;
    const std::wstring first = folder / L"first.xml";
    const std::wstring second = folder / L"second.xml";
    {
        Store m(first);
        FillEveryKind(m.get());
        ASSERT_TRUE(m->Save());
    }
    const std::string bytes = TempFolder::ReadFileBytes(first);
    EXPECT_EQ(
        Utf8(L"<savedata><MainWindow OnTop=\"1\" AutoHide=\"0\"><View Opacity=\"200\" Width=\"65535\" "
             L"Period=\"300000\" Big=\"-1\"><HeaderFont Size=\"9.500000\" Scale=\"1.250000\"></HeaderFont>"
             L"<DataFont Face=\"Segoe UI &amp; &quot;Mono&quot; &lt;b>&#13;&#10;\u00e9\u4e2d\U0001F600\">"
             L"&#160;label&#160;text&#160;</DataFont></View><Mouse Wheel=\"-3\" X=\"-32000\" Y=\"-2000000000\" "
             L"Z=\"-9223372036854775808\"></Mouse><FieldOrder Order=\"000a7fff\"></FieldOrder></MainWindow>"
             L"</savedata>"),
        bytes);
    {
        Store m(first);
        m->SetFile(PathWin::CreateFromText(second.c_str()), false);
        ASSERT_TRUE(m->Save());
    }
    EXPECT_EQ(bytes, TempFolder::ReadFileBytes(second));
    {
        Store m(second);
        ASSERT_TRUE(m->Save());
    }
    EXPECT_EQ(bytes, TempFolder::ReadFileBytes(second));
}

TEST(XmlSettings, TextFormsOfTheValues)
{
    TempFolder folder;
    Store m(folder / L"s.xml");
    m->SetUInt8(L"A", L"u8", 200);
    EXPECT_EQ(-56, m->GetInt8(L"A", L"u8", 0));
    m->SetUInt32(L"A", L"u32", 300);
    EXPECT_EQ(44, m->GetUInt8(L"A", L"u32", 0));
    m->SetDouble(L"A", L"tiny", 0.0000001);
    EXPECT_STREQ(L"0.000000", m->GetCurrent()->GetAttribute(L"tiny", nullptr));
    EXPECT_EQ(0.0, m->GetDouble(L"A", L"tiny", 5.0));
    m->SetString(L"A", L"t", L"True");
    EXPECT_FALSE(m->GetBool(L"A", L"t", true));
    m->SetString(L"A", L"ten", L"10");
    EXPECT_TRUE(m->GetBool(L"A", L"ten", false));
    // A text that is not a number reads as 0, not as the default.
    m->SetString(L"A", L"word", L"wide");
    EXPECT_EQ(0, m->GetInt32(L"A", L"word", 7));
    EXPECT_EQ(0.0f, m->GetFloat(L"A", L"word", 7.0f));
}

TEST(XmlSettings, SectionsNestAndCompare)
{
    TempFolder folder;
    Store m(folder / L"s.xml");
    m->SetString(L"A/B", L"", L"text of B");
    EXPECT_EQ(L"<savedata><A><B>text&#160;of&#160;B</B></A></savedata>", Written(m->GetDocument()));
    EXPECT_STREQ(L"text of B", m->GetString(L"A\\B", L"", L"", nullptr, false));

    // The current section is kept for a text equal ignoring case; a fresh walk compares exactly.
    m->SetSection(L"View");
    Node* view = m->GetCurrent();
    EXPECT_TRUE(m->SelectSection(L"view"));
    EXPECT_EQ(view, m->GetCurrent());
    EXPECT_TRUE(m->SelectSection(L"A"));
    EXPECT_FALSE(m->SelectSection(L"view"));
    EXPECT_EQ(nullptr, m->GetCurrent());
    EXPECT_FALSE(m->SelectSection(L"view"));
    EXPECT_TRUE(m->SelectSection(L""));
    EXPECT_EQ(m->GetDocument(), m->GetCurrent());

    // Reads create nothing; a trailing separator adds no level; an empty level (an element the
    // reader would take a value's name for) is refused with the whole path.
    const std::wstring before = Written(m->GetDocument());
    EXPECT_EQ(5, m->GetInt32(L"X/Y/Z", L"v", 5));
    EXPECT_FALSE(m->HasValue(L"X", L"v"));
    EXPECT_EQ(before, Written(m->GetDocument()));
    m->SetInt32(L"A/", L"n", 1);
    m->SetInt32(L"C//D", L"n", 2);
    EXPECT_EQ(L"<savedata><A n=\"1\"><B>text&#160;of&#160;B</B></A><View></View></savedata>",
              Written(m->GetDocument()));
    EXPECT_TRUE(m->HasValue(L"A", L"N"));
}

TEST(XmlSettings, StringDefaults)
{
    TempFolder folder;
    Store m(folder / L"s.xml");
    const wchar_t* fallback = L"fallback";
    bool expandable = true;
    EXPECT_EQ(fallback, m->GetString(L"Missing", L"v", fallback, &expandable, true));
    EXPECT_FALSE(expandable);
    m->SetSection(L"Present");
    const wchar_t* copy = m->GetString(L"Present", L"v", fallback, nullptr, false);
    EXPECT_NE(fallback, copy);
    EXPECT_STREQ(fallback, copy);
    EXPECT_EQ(nullptr, m->GetNullValue(L"Present", L"v", fallback));

    ArrayU08* kept = ArrayU08::New();
    kept->Append(9);
    EXPECT_EQ(kept, m->GetBytes(L"Missing", L"b", kept));
    EXPECT_EQ(1u, kept->GetCount());
    m->GetBytes(L"Present", L"b", kept);
    EXPECT_EQ(0u, kept->GetCount());
    kept->ReleaseToPool();
}

TEST(XmlSettings, SettingAgainMovesTheValueLast)
{
    TempFolder folder;
    Store m(folder / L"s.xml");
    m->SetInt32(L"S", L"a", 1);
    m->SetInt32(L"S", L"b", 2);
    m->SetInt32(L"S", L"A", 3);
    EXPECT_EQ(L"<savedata><S b=\"2\" A=\"3\"></S></savedata>", Written(m->GetDocument()));
    EXPECT_EQ(3, m->GetInt32(L"S", L"a", 0));
    m->RemoveValue(L"S", L"B");
    EXPECT_FALSE(m->HasValue(L"S", L"b"));
}

TEST(XmlSettings, RemoveSection)
{
    TempFolder folder;
    Store m(folder / L"s.xml");
    m->SetInt32(L"One", L"v", 1);
    m->SetInt32(L"A/B/C", L"v", 2);
    m->SetInt32(L"A/B2", L"v", 3);
    m->RemoveSection(L"one");
    EXPECT_FALSE(m->SelectSection(L"One"));
    m->RemoveSection(L"A/B");
    EXPECT_EQ(L"<savedata><A><B2 v=\"3\"></B2></A></savedata>", Written(m->GetDocument()));
    // The parent is the current section now.
    EXPECT_EQ(m->GetDocument()->ChildAt(0), m->GetCurrent());
    m->RemoveSection(L"");
    m->RemoveSection(L"Nowhere/X");
    EXPECT_EQ(L"<savedata><A><B2 v=\"3\"></B2></A></savedata>", Written(m->GetDocument()));
}

TEST(XmlSettings, AutoSave)
{
    TempFolder folder;
    const std::wstring file = folder / L"s.xml";
    {
        Store m(file);
        m->SetAutoSave(true);
        EXPECT_TRUE(m->GetAutoSave());
        // Removing from a missing section saves nothing.
        m->RemoveValue(L"Missing", L"v");
        EXPECT_FALSE(TempFolder::Exists(file));
        m->SetInt32(L"Field", L"CPU_USAGE_TOTAL", 1);
        EXPECT_TRUE(TempFolder::Exists(file));
        m->SetString(L"Field", L"Name", L"x & y");
    }
    {
        // A value set with auto-save on survives without an explicit save.
        Store m(file);
        EXPECT_EQ(1, m->GetInt32(L"Field", L"CPU_USAGE_TOTAL", 0));
        EXPECT_STREQ(L"x & y", m->GetString(L"Field", L"Name", L"", nullptr, false));
    }
    DeleteFileW(file.c_str());
    {
        Store m(file);
        m->SetSection(L"Field");
        m->SetAutoSave(true);
        // Removing an absent value of an existing section saves all the same.
        m->RemoveValue(L"Field", L"absent");
        EXPECT_TRUE(TempFolder::Exists(file));
    }
}

// A settings document of about size bytes: many sections, then MainWindow with its values.
std::string LargeSettings(size_t size)
{
    std::string text = "<savedata>";
    for (int i = 0; text.size() < size; ++i) {
        const std::string n = std::to_string(i);
        text += "<Section" + n + " Width=\"" + n + "\" Face=\"Segoe &amp; UI\"><View Left=\"-3\">&#160;x</View></Section" +
                n + ">";
    }
    return text + "<MainWindow Width=\"320\" Name=\"end\"></MainWindow></savedata>";
}

// Bytes from the markup alphabet and a few others, the same on every run.
std::string Garbage(size_t size)
{
    const char alphabet[] = "<>/=\"!- \tab&;#\r\n\xC3\xFF";
    std::string bytes(size, ' ');
    uint32_t state = 20261210;
    for (char& c : bytes) {
        state = state * 1664525u + 1013904223u;
        c = alphabet[(state >> 24) % (sizeof alphabet - 1)];
    }
    return bytes;
}

TEST(XmlSettings, BadFilesGiveWhatTheyHoldAndDefaultsForTheRest)
{
    const wchar_t* kEmpty = L"<savedata></savedata>";
    struct Case {
        const char* what;
        std::string bytes;
        int32_t width;          // MainWindow/Width, 7 when it cannot be read
        const wchar_t* name;    // MainWindow/Name, "-" when it cannot be read; null: not compared
        const wchar_t* document; // the document the store holds; null: not compared
    } cases[] = {
        {"empty file", "", 7, L"-", kEmpty},
        {"byte-order mark only", "\xEF\xBB\xBF", 7, L"-", kEmpty},
        {"byte-order mark", "\xEF\xBB\xBF<savedata><MainWindow Width=\"320\" Name=\"CPU\"/></savedata>", 320, L"CPU",
         L"<savedata><MainWindow Width=\"320\" Name=\"CPU\"></MainWindow></savedata>"},
        {"cut in a value", "<savedata><MainWindow Width=\"320\" Name=\"CP", 320, L"-",
         L"<savedata><MainWindow Width=\"320\"></MainWindow></savedata>"},
        {"cut in a child's value", "<savedata><MainWindow Width=\"320\"><View Opacity=\"2", 320, L"-",
         L"<savedata><MainWindow Width=\"320\"><View></View></MainWindow></savedata>"},
        {"cut after an element", "<savedata><MainWindow Width=\"320\" Name=\"a\"></MainWindow>", 320, L"a",
         L"<savedata><MainWindow Width=\"320\" Name=\"a\"></MainWindow></savedata>"},
        {"cut in a tag name", "<savedata><MainWindow Width=\"320\"></MainWindow><Vi", 320, L"-",
         L"<savedata><MainWindow Width=\"320\"></MainWindow></savedata>"},
        {"cut in a text", "<savedata><MainWindow Width=\"320\">some te", 320, L"-",
         L"<savedata><MainWindow Width=\"320\"></MainWindow></savedata>"},
        {"cut in an end tag", "<savedata><MainWindow Width=\"320\"></MainWindow></save", 320, L"-",
         L"<savedata><MainWindow Width=\"320\"></MainWindow></savedata>"},
        {"unclosed tags", "<savedata><MainWindow Width=\"320\"><View Opacity=\"9\">", 320, L"-",
         L"<savedata><MainWindow Width=\"320\"><View Opacity=\"9\"></View></MainWindow></savedata>"},
        {"stray <", "<savedata><MainWindow Width=\"320\" Name=\"1 < 2\">1 < 2</MainWindow></savedata>", 320, L"1 < 2",
         nullptr},
        {"stray &", "<savedata><MainWindow Width=\"320\" Name=\"Tom & Jerry &bogus; &amp\">a & b</MainWindow></savedata>",
         320, L"Tom & Jerry &bogus; &amp", nullptr},
        {"invalid UTF-8 in a value", "<savedata><MainWindow Name=\"\xFF\xC3(\xE4\xB8\" Width=\"320\"/></savedata>", 320,
         nullptr, nullptr},
        {"invalid UTF-8 in names", "<savedata><\xFF\xFE Width=\"1\"></\xFF\xFE><MainWindow Width=\"320\" \xC0=\"x\"/></savedata>",
         320, L"-", nullptr},
        {"NUL in the root's name", std::string("<sa\0vedata><MainWindow Width=\"320\"/></savedata>", 47), 7, L"-", kEmpty},
        {"NUL after a section", std::string("<savedata><MainWindow Width=\"320\"/>\0<View/></savedata>", 53), 320, L"-",
         L"<savedata><MainWindow Width=\"320\"></MainWindow></savedata>"},
        {"no markup", "garbage \x01\x02\xFF\xFE without markup", 7, L"-", kEmpty},
        {"comment before the root", "<!-- by hand --><savedata><MainWindow Width=\"320\"/></savedata>", 320, L"-",
         L"<savedata><MainWindow Width=\"320\"></MainWindow></savedata>"},
        {"comment that never ends", "<!-- never ends <savedata><MainWindow Width=\"320\"/></savedata>", 7, L"-", kEmpty},
        {"nested 100000 deep", "<savedata><MainWindow Width=\"320\"/>" + [] {
             std::string deep;
             for (int i = 0; i < 100000; ++i)
                 deep += "<a>";
             return deep;
         }(),
         320, L"-", nullptr},
        {"10 MB document", LargeSettings(10 * 1024 * 1024), 320, L"end", nullptr},
        {"10 MB of markup garbage", Garbage(10 * 1024 * 1024), 7, L"-", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::wstring file = folder / L"SaveData.xml";
        TempFolder::WriteFileBytes(file, c.bytes);
        std::wstring kept;
        {
            Store m(file);
            ASSERT_NE(nullptr, m.get());
            EXPECT_EQ(c.width, m->GetInt32(L"MainWindow", L"Width", 7));
            if (c.name) {
                EXPECT_STREQ(c.name, m->GetString(L"MainWindow", L"Name", L"-", nullptr, false));
            }
            kept = Written(m->GetDocument());
            if (c.document) {
                EXPECT_EQ(c.document, kept);
            }
            // Nothing is written over the file until the store is saved.
            EXPECT_TRUE(TempFolder::ReadFileBytes(file) == c.bytes);
            EXPECT_TRUE(m->Save());
        }
        // What the store kept survives its save, and what it could not read is kept aside whole.
        Store again(file);
        EXPECT_TRUE(kept == Written(again->GetDocument()));
        EXPECT_EQ(c.width, again->GetInt32(L"MainWindow", L"Width", 7));
        if (TempFolder::Exists(file + L".bak")) {
            EXPECT_TRUE(TempFolder::ReadFileBytes(file + L".bak") == c.bytes);
        }
    }
}

TEST(XmlSettings, AFileNotReadWholeIsKeptAsideBeforeTheFirstSave)
{
    struct Case {
        const char* what;
        std::string bytes;
        bool keptAside;
    } cases[] = {
        {"an intact file", "<savedata><MainWindow Width=\"320\"></MainWindow></savedata>", false},
        {"a file cut in a value", "<savedata><MainWindow Width=\"320\" Name=\"CP", true},
        {"a file without markup", "garbage without markup", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::wstring file = folder / L"SaveData.xml";
        TempFolder::WriteFileBytes(file, c.bytes);
        Store m(file);
        m->SetInt32(L"MainWindow", L"Height", 90);
        ASSERT_TRUE(m->Save());
        EXPECT_EQ(c.keptAside, TempFolder::Exists(file + L".bak"));
        if (!c.keptAside)
            continue;
        EXPECT_TRUE(TempFolder::ReadFileBytes(file + L".bak") == c.bytes);
        // Later saves replace only the settings file: the copy stays as it was first kept.
        m->SetInt32(L"MainWindow", L"Height", 91);
        ASSERT_TRUE(m->Save());
        EXPECT_TRUE(TempFolder::ReadFileBytes(file + L".bak") == c.bytes);
        EXPECT_EQ(91, Store(file)->GetInt32(L"MainWindow", L"Height", 0));
    }
}

TEST(XmlSettings, SettingsOfAFileLockedAtStartSurviveTheNextSave)
{
    TempFolder folder;
    const std::wstring file = folder / L"SaveData.xml";
    const std::string stored = "<savedata><MainWindow Width=\"320\"></MainWindow></savedata>";
    TempFolder::WriteFileBytes(file, stored);
    HANDLE lock = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    Store m(file);
    EXPECT_EQ(7, m->GetInt32(L"MainWindow", L"Width", 7));
    CloseHandle(lock);

    m->SetInt32(L"MainWindow", L"Height", 90);
    ASSERT_TRUE(m->Save());
    EXPECT_TRUE(TempFolder::ReadFileBytes(file + L".bak") == stored);
}

TEST(XmlSettings, FreshStoreWritesNestedSections)
{
    TempFolder folder;
    const std::wstring file = folder / L"SaveData.xml";
    Store m(file);
    m->SetInt32(L"A/B", L"Width", 320);
    m->SetString(L"A/B", L"Face", L"a \"b\"");
    ASSERT_TRUE(m->Save());
    EXPECT_EQ("<savedata><A><B Width=\"320\" Face=\"a &quot;b&quot;\"></B></A></savedata>",
              TempFolder::ReadFileBytes(file));
}

TEST(XmlSettings, ForeignRootAndByteOrderMarkAreRead)
{
    TempFolder folder;
    const std::wstring file = folder / L"s.xml";
    TempFolder::WriteFileBytes(file, "\xEF\xBB\xBF<SkinSetXml><Skin name=\"Black\"/></SkinSetXml>");
    Store m(file);
    EXPECT_EQ(L"<SkinSetXml><Skin name=\"Black\"></Skin></SkinSetXml>", Written(m->GetDocument()));
    EXPECT_STREQ(L"Black", m->GetString(L"Skin", L"name", L"", nullptr, false));
    ASSERT_TRUE(m->Save());
    EXPECT_EQ("<SkinSetXml><Skin name=\"Black\"></Skin></SkinSetXml>", TempFolder::ReadFileBytes(file));
}

class XmlSettingsFailedSave : public ::testing::Test {
protected:
    void SetUp() override
    {
        file_ = folder_ / L"SaveData.xml";
        Store m(file_);
        m->SetInt32(L"MainWindow", L"Width", 320);
        ASSERT_TRUE(m->Save());
        old_ = TempFolder::ReadFileBytes(file_);
    }

    // A store over the file with a changed value, not yet saved.
    void ExpectSaveFailsAndOldFileStays(MappedData* m)
    {
        m->SetInt32(L"MainWindow", L"Width", 640);
        EXPECT_FALSE(m->Save());
        EXPECT_EQ(old_, TempFolder::ReadFileBytes(file_));
        EXPECT_FALSE(TempFolder::Exists(file_ + L".part"));
        // The document in memory keeps the change for the next save.
        EXPECT_EQ(640, m->GetInt32(L"MainWindow", L"Width", 0));
    }

    TempFolder folder_;
    std::wstring file_;
    std::string old_;
};

TEST_F(XmlSettingsFailedSave, ReadOnlyFile)
{
    Store m(file_);
    ASSERT_TRUE(SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectSaveFailsAndOldFileStays(m.get());
    ASSERT_TRUE(SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(m->Save());
    Store again(file_);
    EXPECT_EQ(640, again->GetInt32(L"MainWindow", L"Width", 0));
}

TEST_F(XmlSettingsFailedSave, FileHeldOpenWithoutSharing)
{
    Store m(file_);
    HANDLE held = CreateFileW(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    m->SetInt32(L"MainWindow", L"Width", 640);
    EXPECT_FALSE(m->Save());
    EXPECT_FALSE(TempFolder::Exists(file_ + L".part"));
    CloseHandle(held);
    EXPECT_EQ(old_, TempFolder::ReadFileBytes(file_));
    EXPECT_TRUE(m->Save());
}

TEST_F(XmlSettingsFailedSave, SiblingCannotBeWritten)
{
    // A folder where the new file would be written first: the write fails before the old file
    // is touched.
    ASSERT_TRUE(CreateDirectoryW((file_ + L".part").c_str(), nullptr));
    Store m(file_);
    m->SetInt32(L"MainWindow", L"Width", 640);
    EXPECT_FALSE(m->Save());
    EXPECT_EQ(old_, TempFolder::ReadFileBytes(file_));
}

// Two stores over one file, as two parts of the program may hold, each saving at the same moment
// as the other, many times over: the file always holds one store's whole document, and only a
// store whose save reported success can have written it.
TEST(XmlSettingsConcurrentSaves, TwoStoresOverOneFileNeverLeaveAMixedFile)
{
    TempFolder folder;
    const std::wstring file = folder / L"SaveData.xml";
    Store a(file);
    Store b(file);
    // Documents of several write buffers each, of different lengths, so that a mixture shows.
    for (int i = 0; i < 4000; ++i) {
        const std::wstring section = L"Section" + std::to_wstring(i);
        a->SetString(section.c_str(), L"Face", L"written by the first store");
        b->SetString(section.c_str(), L"Face", L"second");
    }
    const std::string bytesOfA = Utf8(Written(a->GetDocument()));
    const std::string bytesOfB = Utf8(Written(b->GetDocument()));

    const int kRounds = 30;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        const std::string before = TempFolder::ReadFileBytes(file);
        std::atomic<int> ready(0);
        bool savedA = false;
        bool savedB = false;
        auto save = [&ready](MappedData* m, bool* saved) {
            ready.fetch_add(1);
            while (ready.load() < 2) {
            }
            *saved = m->Save();
        };
        std::thread first(save, a.get(), &savedA);
        std::thread second(save, b.get(), &savedB);
        first.join();
        second.join();
        const std::string after = TempFolder::ReadFileBytes(file);
        const bool isA = after == bytesOfA;
        const bool isB = after == bytesOfB;
        EXPECT_TRUE(isA || isB || after == before) << "a mixed file of " << after.size() << " bytes";
        EXPECT_TRUE(!isA || savedA || before == bytesOfA);
        EXPECT_TRUE(!isB || savedB || before == bytesOfB);
        EXPECT_TRUE(savedA || savedB);
        if (HasFailure())
            break;
    }
}

TEST(XmlSettingsFailedSaveFolder, MissingFolderThatCannotBeMade)
{
    TempFolder folder;
    // A file stands where the folder would have to be.
    TempFolder::WriteFileBytes(folder / L"savedata", "not a folder");
    Store m(folder / L"savedata\\SaveData.xml");
    m->SetInt32(L"MainWindow", L"Width", 640);
    EXPECT_FALSE(m->Save());
    EXPECT_EQ("not a folder", TempFolder::ReadFileBytes(folder / L"savedata"));
}

TEST(XmlSettingsFailedSaveFolder, StoreWithoutFileReportsFailure)
{
    MappedData* m = MappedData::New();
    EXPECT_FALSE(m->Save());
    m->ReleaseToPool();
}

// A value the store should read from a damaged file: section, name and the text it reads.
struct Expected {
    const wchar_t* section;
    const wchar_t* name;
    const wchar_t* value;
};

// Files that are damaged, or were edited by hand, yet parse to the end of their root element:
// every value before the damage is read, and the file as it was is kept beside the settings as
// "<file>.bak" before the first save replaces it.
TEST(XmlSettings, DamageAfterACompleteRootKeepsTheOriginalAside)
{
    const std::string intact = "<savedata><A X=\"1\" Name=\"Cafe\"></A><B Y=\"2\"></B><C Z=\"3\"></C></savedata>";
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Expected> read;
    } cases[] = {
        // One byte of a start tag's name turned into "/": the root closes there.
        {"a start tag turned into an end tag",
         "<savedata><A X=\"1\" Name=\"Cafe\"></A></ Y=\"2\"></B><C Z=\"3\"></C></savedata>",
         {{L"A", L"X", L"1"}, {L"A", L"Name", L"Cafe"}}},
        {"a second root after the first",
         "<savedata><A X=\"1\" Name=\"Cafe\"></A></savedata><savedata><B Y=\"2\"></B></savedata>",
         {{L"A", L"X", L"1"}, {L"A", L"Name", L"Cafe"}}},
        {"text after the root", intact + "\r\nnotes typed by hand",
         {{L"A", L"X", L"1"}, {L"B", L"Y", L"2"}, {L"C", L"Z", L"3"}}},
        {"NUL bytes after the root", intact + std::string("\0\0<D W=\"4\"/>", 13),
         {{L"A", L"X", L"1"}, {L"B", L"Y", L"2"}, {L"C", L"Z", L"3"}}},
        // Saved by an editor in a legacy code page: "Café" with its Windows-1252 byte.
        {"a value in a legacy code page",
         "<savedata><A X=\"1\" Name=\"Caf\xE9\"></A><B Y=\"2\"></B><C Z=\"3\"></C></savedata>",
         {{L"A", L"X", L"1"}, {L"B", L"Y", L"2"}, {L"C", L"Z", L"3"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::wstring file = folder / L"SaveData.xml";
        TempFolder::WriteFileBytes(file, c.bytes);
        {
            Store m(file);
            for (const Expected& e : c.read)
                EXPECT_STREQ(e.value, m->GetString(e.section, e.name, L"-", nullptr, false)) << e.name;
            m->SetInt32(L"MainWindow", L"Height", 90);
            ASSERT_TRUE(m->Save());
        }
        ASSERT_TRUE(TempFolder::Exists(file + L".bak"));
        EXPECT_TRUE(TempFolder::ReadFileBytes(file + L".bak") == c.bytes);
        // The saved file holds what was read, and reads as a clean file: no copy replaces the one kept.
        Store again(file);
        for (const Expected& e : c.read)
            EXPECT_STREQ(e.value, again->GetString(e.section, e.name, L"-", nullptr, false)) << e.name;
        EXPECT_EQ(90, again->GetInt32(L"MainWindow", L"Height", 0));
        DeleteFileW((file + L".bak").c_str());
        ASSERT_TRUE(again->Save());
        EXPECT_FALSE(TempFolder::Exists(file + L".bak"));
    }
}

// The writer never writes a name its reader would not read back as itself: such a name is
// refused, nothing is stored, and a store that saves every change leaves the file as it was.
TEST(XmlSettings, NamesTheFileCannotHoldAreRefused)
{
    std::wstring tooDeep;
    for (uint32_t i = 0; i < Node::kMaxDepth; ++i)
        tooDeep += L"L/";
    std::wstring farTooDeep;
    for (int i = 0; i < 12000; ++i)
        farTooDeep += L"L\\";
    const std::wstring halfPair(1, static_cast<wchar_t>(0xD800));
    struct Case {
        std::wstring section;
        const wchar_t* name;
    } cases[] = {
        {L"!x", L"v"},           {L"?x", L"v"},         {L"Main/!x", L"v"},   {L"a b", L"v"},
        {L"x=y", L"v"},          {L"<x", L"v"},         {L"x>", L"v"},        {L"q\"", L"v"},
        {L"q'", L"v"},           {L"C//D", L"v"},       {L"/A", L"v"},        {L"\tA", L"v"},
        {L"A\x01", L"v"},        {L"A" + halfPair, L"v"}, {tooDeep, L"v"},    {farTooDeep, L"v"},
        {L"Main", L"a b"},       {L"Main", L"a=b"},     {L"Main", L"a<b"},    {L"Main", L"a>b"},
        {L"Main", L"a/b"},       {L"Main", L"a\"b"},    {L"Main", L"!x"},     {L"Main", L"?x"},
        {L"Main", L"a\tb"},      {L"Main", L"a\r\nb"},  {L"Main", L"\x7F"},   {L"Main", L"\xD800"},
        {L"Main", L"\xDC00z"},   {L"Main", nullptr},
    };
    TempFolder folder;
    const std::wstring file = folder / L"SaveData.xml";
    {
        Store m(file);
        m->SetInt32(L"Main", L"Width", 320);
        m->SetInt32(L"Other", L"Height", 90);
        ASSERT_TRUE(m->Save());
    }
    const std::string saved = TempFolder::ReadFileBytes(file);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.section.substr(0, 40)) + " " +
                     testing::PrintToString(c.name ? c.name : L"<null>"));
        Store m(file);
        m->SetAutoSave(true);
        const std::wstring before = Written(m->GetDocument());
        m->SetString(c.section.c_str(), c.name, L"value");
        m->SetInt32(c.section.c_str(), c.name, 5);
        m->SetBool(c.section.c_str(), c.name, true);
        ArrayU08* bytes = ArrayU08::New();
        bytes->Append(1);
        m->SetBytes(c.section.c_str(), c.name, bytes);
        bytes->ReleaseToPool();
        if (c.section != L"Main") {
            m->SetSection(c.section.c_str());
            EXPECT_EQ(nullptr, m->GetCurrent());
        }
        EXPECT_EQ(before, Written(m->GetDocument()));
        EXPECT_TRUE(TempFolder::ReadFileBytes(file) == saved);
        // The store goes on working after a refusal.
        EXPECT_EQ(320, m->GetInt32(L"Main", L"Width", 0));
    }
}

// Names at the edge of what the file holds read back after a save: the empty value name is the
// section's text, other characters need no escape, and a section as deep as the reader takes.
TEST(XmlSettings, NamesAtTheEdgeSurviveAReload)
{
    std::wstring deepest;
    for (uint32_t i = 1; i < Node::kMaxDepth; ++i)
        deepest += L"L/";
    struct Case {
        std::wstring section;
        const wchar_t* name;
    } cases[] = {
        {L"Main", L""},        {L"Main", L"a&b"},     {L"Main", L"caf\u00e9"}, {L"Main", L"\U0001F600"},
        {L"Main", L"a\\b"},    {L"Main", L"a:b-c.d"}, {L"A&B/C", L"v"},        {L"Main/", L"v"},
        {L"\u4e2d", L"v"},     {deepest, L"v"},
    };
    TempFolder folder;
    const std::wstring file = folder / L"SaveData.xml";
    {
        Store m(file);
        for (const Case& c : cases)
            m->SetString(c.section.c_str(), c.name, L"kept");
        m->SetString(L"Last", L"v", L"after");
        ASSERT_TRUE(m->Save());
    }
    Store m(file);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.section.substr(0, 40)) + " " + testing::PrintToString(c.name));
        EXPECT_STREQ(L"kept", m->GetString(c.section.c_str(), c.name, L"-", nullptr, false));
    }
    EXPECT_STREQ(L"after", m->GetString(L"Last", L"v", L"-", nullptr, false));
}

// A temporary sibling left by a crash or a copy, with any attributes, neither stops the save
// nor passes its attributes on to the settings file.
TEST(XmlSettings, StaleTemporarySiblingIsReplaced)
{
    const DWORD cases[] = {
        FILE_ATTRIBUTE_NORMAL,
        FILE_ATTRIBUTE_READONLY,
        FILE_ATTRIBUTE_HIDDEN,
        FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
    };
    for (DWORD attributes : cases) {
        SCOPED_TRACE(attributes);
        TempFolder folder;
        const std::wstring file = folder / L"SaveData.xml";
        const std::wstring part = file + L".part";
        TempFolder::WriteFileBytes(part, "<savedata><Stale v=\"1\"></Stale></savedata>");
        ASSERT_TRUE(SetFileAttributesW(part.c_str(), attributes));
        Store m(file);
        for (int save = 0; save < 2; ++save) {
            m->SetInt32(L"MainWindow", L"Width", 320 + save);
            ASSERT_TRUE(m->Save());
            EXPECT_EQ("<savedata><MainWindow Width=\"" + std::to_string(320 + save) + "\"></MainWindow></savedata>",
                      TempFolder::ReadFileBytes(file));
            const DWORD written = GetFileAttributesW(file.c_str());
            EXPECT_EQ(0u, written & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
            EXPECT_FALSE(TempFolder::Exists(part));
        }
    }
}

// A store opened while another writer holds the file for a moment waits for it and reads it.
TEST(XmlSettings, FileHeldForAMomentAtOpenIsRead)
{
    TempFolder folder;
    const std::wstring file = folder / L"SaveData.xml";
    const std::string stored = "<savedata><MainWindow Width=\"320\"></MainWindow></savedata>";
    TempFolder::WriteFileBytes(file, stored);
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    std::thread release([held] {
        Sleep(200);
        CloseHandle(held);
    });
    Store m(file);
    release.join();
    EXPECT_EQ(320, m->GetInt32(L"MainWindow", L"Width", 7));
    m->SetInt32(L"MainWindow", L"Height", 90);
    ASSERT_TRUE(m->Save());
    EXPECT_FALSE(TempFolder::Exists(file + L".bak"));
}
