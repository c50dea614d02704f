#include "storage/archive/dll/win/Archive.h"

#include <gtest/gtest.h>

#include <string>

#include "core/col/Arrays.h"
#include "storage/TestFiles.h"
#include "storage/archive/ResourceTypeCode.h"
#include "storage/archive/dll/DialogFixtureTexts.h"
#include "storage/archive/dll/win/MeteredStream.h"
#include "storage/file/PathWin.h"

namespace {

using s::archive::dll::win::Archive;
using s::col::_array::ArrayU08;
using namespace dialogfixture;

// The golden texts are ASCII, so their UTF-8 form is one byte per character.
std::string Utf8Of(const std::wstring& text)
{
    std::string bytes;
    for (wchar_t c : text)
        bytes.push_back(static_cast<char>(c));
    return bytes;
}

class DialogArchive : public ::testing::Test {
protected:
    void SetUp() override
    {
        s::file::win::PathWin* path =
            s::file::win::PathWin::CreateFromText(testfiles::BesideTestProgram(L"DialogFixture.dll").c_str());
        archive = Archive::OpenModule(path);
        path->ReleaseToPool();
        ASSERT_TRUE(archive->IsOpen());
    }
    void TearDown() override { archive->ReleaseToPool(); }

    uint32_t IndexOf(uint32_t typeCode, uint32_t id)
    {
        uint32_t index = 0;
        EXPECT_TRUE(archive->FindByTypeAndId(typeCode, id, &index)) << id;
        return index;
    }

    // The dump of the entry, or "<failed>".
    std::string Dumped(uint32_t index)
    {
        ArrayU08* out = ArrayU08::New();
        std::string text = "<failed>";
        if (archive->DialogToText(index, out))
            text.assign(static_cast<const char*>(out->GetData()), out->GetCount());
        out->ReleaseToPool();
        return text;
    }

    Archive* archive = nullptr;
};

TEST_F(DialogArchive, WritesEachDialogAsUtf8TextWithoutByteOrderMark)
{
    struct Case {
        uint32_t id;
        std::wstring text;
    };
    const Case cases[] = {{kPlain, PlainText()}, {kPlainWithFont, PlainWithFontText()}, {kExtended, ExtendedText()}};
    for (const Case& c : cases)
        EXPECT_EQ(Utf8Of(c.text), Dumped(IndexOf(s::archive::kTypeDialog, c.id))) << c.id;
}

TEST_F(DialogArchive, OtherResourcesGiveAnEmptyText)
{
    EXPECT_EQ("", Dumped(IndexOf(s::archive::kTypeRcData, kNotADialog)));
}

TEST_F(DialogArchive, AnIndexBeyondTheEntriesFailsAndWritesNothing)
{
    MeteredStream out(100, 100000);
    EXPECT_FALSE(archive->DialogToText(archive->GetEntryCount(), &out));
    EXPECT_FALSE(archive->DialogToText(0xFFFFFFFFu, &out));
    EXPECT_EQ("", out.taken);
}

TEST_F(DialogArchive, AStreamThatRefusesTheTextFails)
{
    const uint32_t index = IndexOf(s::archive::kTypeDialog, kExtended);
    const std::string whole = Utf8Of(ExtendedText());

    MeteredStream slow(7, 100000);
    EXPECT_TRUE(archive->DialogToText(index, &slow));
    EXPECT_EQ(whole, slow.taken);

    MeteredStream full(100, 50);
    EXPECT_FALSE(archive->DialogToText(index, &full));
    EXPECT_EQ(whole.substr(0, 50), full.taken);
}

TEST_F(DialogArchive, AClosedArchiveDumpsNothing)
{
    const uint32_t index = IndexOf(s::archive::kTypeDialog, kPlain);
    archive->Close();
    EXPECT_EQ("<failed>", Dumped(index));
}

} // namespace
