#include "storage/archive/dll/DialogTemplateText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/TestFiles.h"
#include "storage/archive/ResourceTypeCode.h"
#include "storage/archive/dll/DialogFixtureTexts.h"
#include "storage/archive/dll/GuardedBytes.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"

namespace {

using s::archive::dll::DialogTemplateText;
using s::str::strbuffer::StrBuffer;
using namespace dialogfixture;

const uint32_t kStandardCountAt = 8;
const uint32_t kExtendedCountAt = 16;

std::wstring TextOf(StrBuffer* text)
{
    return text->GetLength() == 0 ? std::wstring() : std::wstring(text->GetBuffer(), text->GetLength());
}

std::wstring Dump(const std::string& bytes)
{
    guarded::GuardedBytes guarded(bytes);
    StrBuffer* text = DialogTemplateText(guarded.Data(), static_cast<uint32_t>(bytes.size()), nullptr, false);
    const std::wstring result = TextOf(text);
    text->ReleaseToPool();
    return result;
}

// A DIALOG resource of the fixture library, as bytes.
std::string TemplateBytes(uint32_t id)
{
    using s::archive::dll::win::Archive;
    s::file::win::PathWin* path =
        s::file::win::PathWin::CreateFromText(testfiles::BesideTestProgram(L"DialogFixture.dll").c_str());
    Archive* archive = Archive::OpenModule(path);
    path->ReleaseToPool();
    std::string bytes;
    uint32_t index = 0;
    s::col::_array::ArrayU08* out = s::col::_array::ArrayU08::New();
    if (archive->FindByTypeAndId(s::archive::kTypeDialog, id, &index) && archive->ReadEntry(archive->GetEntry(index), out))
        bytes.assign(static_cast<const char*>(out->GetData()), out->GetCount());
    out->ReleaseToPool();
    archive->ReleaseToPool();
    return bytes;
}

void PutWord(std::string* bytes, size_t at, uint16_t value)
{
    (*bytes)[at] = static_cast<char>(value & 0xFF);
    (*bytes)[at + 1] = static_cast<char>(value >> 8);
}

std::string Words(std::initializer_list<uint16_t> words)
{
    std::string bytes;
    for (uint16_t w : words)
        bytes.append(1, static_cast<char>(w & 0xFF)).append(1, static_cast<char>(w >> 8));
    return bytes;
}

// The frame lines of a dialog at 0, 0 sized 0 by 0.
std::wstring EmptyFrame(const wchar_t* styles, const wchar_t* extendedStyles)
{
    return std::wstring(L"\r\nX: 0 (dialog unit)\r\nY: 0 (dialog unit)\r\nWidth: 0 (dialog unit)\r\n"
                        L"Height: 0 (dialog unit)\r\n\r\nStyles:\r\n") +
           styles + L"\r\nExtended Styles:\r\n" + extendedStyles;
}

const wchar_t kNoStyles[] = L"WS_OVERLAPPED\r\nWS_TILED\r\n";
const wchar_t kNoExtendedStyles[] = L"WS_EX_LEFT\r\nWS_EX_LTRREADING\r\nWS_EX_RIGHTSCROLLBAR\r\n";

TEST(DialogTemplateText, FixtureTemplatesDumpToTheirGoldenText)
{
    struct Case {
        uint32_t id;
        std::wstring text;
    };
    const Case cases[] = {{kPlain, PlainText()}, {kPlainWithFont, PlainWithFontText()}, {kExtended, ExtendedText()}};
    for (const Case& c : cases) {
        const std::string bytes = TemplateBytes(c.id);
        ASSERT_FALSE(bytes.empty()) << c.id;
        EXPECT_EQ(c.text, Dump(bytes)) << c.id;
    }
}

TEST(DialogTemplateText, BytesThatAreNoTemplateGiveNoText)
{
    std::string extendedVersion2 = TemplateBytes(kExtended);
    PutWord(&extendedVersion2, 0, 2);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"nothing", ""},
        {"standard header cut to 17 bytes", TemplateBytes(kPlain).substr(0, 17)},
        {"extended header cut to 25 bytes", TemplateBytes(kExtended).substr(0, 25)},
        {"extended version 2", extendedVersion2},
        {"signature with 18 bytes", Words({1, 0xFFFF, 0, 0, 0, 0, 0, 0, 0})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(L"", Dump(c.bytes)) << c.what;

    StrBuffer* text = DialogTemplateText(nullptr, 100, nullptr, false);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(0u, text->GetLength());
    text->ReleaseToPool();
}

TEST(DialogTemplateText, WritesIntoTheCallersTextByTheTargetRule)
{
    const std::string bytes = Words({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const std::wstring dialog = L"[Dialog]\r\nTitle: (None)\r\n" + EmptyFrame(kNoStyles, kNoExtendedStyles);
    StrBuffer* target = StrBuffer::FromText(L"before ");
    EXPECT_EQ(target, DialogTemplateText(reinterpret_cast<const uint8_t*>(bytes.data()), 24, target, true));
    EXPECT_EQ(L"before " + dialog, TextOf(target));
    DialogTemplateText(reinterpret_cast<const uint8_t*>(bytes.data()), 24, target, false);
    EXPECT_EQ(dialog, TextOf(target));
    target->ReleaseToPool();
}

TEST(DialogTemplateText, PredefinedClassesByName)
{
    struct Case {
        uint16_t atom;
        const wchar_t* line;
    };
    const Case cases[] = {
        {128, L"Class ID: Button\r\n"},  {129, L"Class ID: Edit\r\n"},       {130, L"Class ID: Static\r\n"},
        {131, L"Class ID: List box\r\n"}, {132, L"Class ID: Scroll bar\r\n"}, {133, L"Class ID: Combo box\r\n"},
        {134, L"Class ID: 134\r\n"},      {1, L"Class ID: 1\r\n"},
    };
    for (const Case& c : cases) {
        // One control: a header with no menu, class or title, then the control at offset 24.
        const std::string bytes = Words({0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}) +
                                  Words({0, 0, 0, 0, 0, 0, 0, 0, 7, 0xFFFF, c.atom, 0, 0});
        const std::wstring text = Dump(bytes);
        EXPECT_NE(std::wstring::npos, text.find(std::wstring(L"[Component 1]\r\n") + c.line + L"Control ID: 7\r\n"))
            << c.atom;
    }
}

TEST(DialogTemplateText, EveryCutOfATemplateReadsOnlyItsOwnBytes)
{
    // Each prefix of each template lies right before an inaccessible page.
    for (uint32_t id : {kPlain, kPlainWithFont, kExtended}) {
        const std::string bytes = TemplateBytes(id);
        ASSERT_FALSE(bytes.empty());
        for (size_t n = 0; n <= bytes.size(); ++n) {
            const std::wstring text = Dump(bytes.substr(0, n));
            const size_t header = id == kExtended ? 26 : 18;
            EXPECT_EQ(n < header, text.empty()) << id << " cut at " << n;
        }
    }
}

TEST(DialogTemplateText, CutFieldsAreLeftOutWhole)
{
    const std::string extended = TemplateBytes(kExtended);
    // The title ends at 0x32; the font's point size and weight fit, its italic and character-set
    // bytes do not.
    const std::wstring noFont = Dump(extended.substr(0, 0x32 + 4));
    EXPECT_EQ(std::wstring::npos, noFont.find(L"Font"));
    EXPECT_NE(std::wstring::npos, noFont.find(L"Menu Resource ID: 300\r\n\r\nX: -10 (dialog unit)\r\n"));

    // The menu's number mark is the last word: no menu, and nothing left for the title.
    const std::wstring noMenu = Dump(extended.substr(0, 28));
    EXPECT_EQ(0u, noMenu.find(L"[Dialog]\r\nTitle: \r\nHelp ID: 77\r\n\r\nX: -10 (dialog unit)\r\n")) << noMenu.c_str();
    EXPECT_EQ(std::wstring::npos, noMenu.find(L"Menu"));

    // The second control's text is a number mark at 0x98 whose number is cut off.
    const std::wstring noTextNumber = Dump(extended.substr(0, 0x9A));
    EXPECT_NE(std::wstring::npos,
              noTextNumber.find(L"[Component 2]\r\nClass ID: Static\r\nControl ID: 2002\r\nHelp ID: 0\r\n\r\nX: 50"));
    EXPECT_EQ(std::wstring::npos, noTextNumber.find(L"\nResource ID"));
    EXPECT_EQ(std::wstring::npos, noTextNumber.find(L"[Component 3]"));

    // A standard font of its point size alone.
    const std::string plainWithFont = TemplateBytes(kPlainWithFont);
    const size_t fontAt = plainWithFont.size() - 28;
    EXPECT_EQ(std::wstring::npos, Dump(plainWithFont.substr(0, fontAt + 3)).find(L"Font"));
    EXPECT_NE(std::wstring::npos,
              Dump(plainWithFont.substr(0, fontAt + 4)).find(L"Font Name: M\r\nFont Size: 8 point\r\n"));
}

TEST(DialogTemplateText, ControlsBeyondTheBytesAreLeftOut)
{
    struct Case {
        uint32_t id;
        size_t countAt;
        std::wstring text;
    };
    const Case cases[] = {{kPlain, kStandardCountAt, PlainText()}, {kExtended, kExtendedCountAt, ExtendedText()}};
    for (const Case& c : cases) {
        std::string bytes = TemplateBytes(c.id);
        PutWord(&bytes, c.countAt, 9);
        EXPECT_EQ(c.text, Dump(bytes)) << c.id;
    }

    // Creation data said to run far past the end leaves the last control out.
    std::string extended = TemplateBytes(kExtended);
    PutWord(&extended, 0xE0, 0xFFFF);
    const std::wstring text = Dump(extended);
    EXPECT_NE(std::wstring::npos, text.find(L"[Component 3]"));
    EXPECT_EQ(std::wstring::npos, text.find(L"[Component 4]"));
    EXPECT_EQ(ExtendedText().substr(0, text.size()), text);
}

} // namespace
