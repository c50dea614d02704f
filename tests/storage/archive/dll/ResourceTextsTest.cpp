// The text dumps of string tables, accelerators, menus and version resources over bytes built
// here: what each writes, and that truncated or hostile bytes give what fits and read nothing
// beyond them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/str/StrBuffer.h"
#include "storage/archive/dll/AcceleratorText.h"
#include "storage/archive/dll/GuardedBytes.h"
#include "storage/archive/dll/MenuText.h"
#include "storage/archive/dll/StringTableText.h"
#include "storage/archive/dll/VersionText.h"

namespace {

using s::str::strbuffer::StrBuffer;
using Dumper = StrBuffer* (*)(const uint8_t*, uint32_t, StrBuffer*, bool);

// Little-endian bytes built word by word.
class Bytes {
public:
    Bytes& W(uint16_t word)
    {
        b.push_back(static_cast<char>(word & 0xFF));
        b.push_back(static_cast<char>(word >> 8));
        return *this;
    }
    // A text's characters, then its NUL unless told otherwise.
    Bytes& T(const std::wstring& text, bool terminated = true)
    {
        for (wchar_t c : text)
            W(static_cast<uint16_t>(c));
        return terminated ? W(0) : *this;
    }
    Bytes& Pad(size_t boundary)
    {
        while (b.size() % boundary != 0)
            b.push_back(0);
        return *this;
    }
    std::string b;
};

// The dump of the bytes, lying right before an inaccessible page.
std::wstring Dump(Dumper dump, const std::string& bytes)
{
    guarded::GuardedBytes guarded(bytes);
    StrBuffer* text = dump(guarded.Data(), static_cast<uint32_t>(bytes.size()), nullptr, false);
    const std::wstring result = text->GetLength() == 0 ? std::wstring() : std::wstring(text->GetText());
    text->ReleaseToPool();
    return result;
}

// Every prefix of the bytes dumps without reading past it.
void DumpEveryCut(Dumper dump, const std::string& bytes)
{
    for (size_t n = 0; n <= bytes.size(); ++n)
        Dump(dump, bytes.substr(0, n));
}

TEST(StringTableText, SixteenLinesTheSetOnesQuoted)
{
    Bytes table;
    table.W(5).T(L"First", false).W(0).W(14).T(L"Third \"quoted\"", false).W(0);
    for (int i = 4; i < 16; ++i)
        table.W(0);
    std::wstring expected = L"\"First\"\r\n\r\n\"Third \"quoted\"\"\r\n";
    for (int i = 3; i < 16; ++i)
        expected += L"\r\n";
    EXPECT_EQ(expected, Dump(&s::archive::dll::StringTableText, table.b));
}

TEST(StringTableText, AStringBeyondTheBytesEndsWithItsLine)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"empty", "", L""},
        {"one byte", std::string(1, '\0'), L""},
        {"a count past the end", Bytes().W(2).T(L"ab", false).W(0xFFFF).T(L"cd", false).b, L"\"ab\"\r\n\r\n"},
        {"a half character after", Bytes().W(1).T(L"x", false).b + std::string(1, 'y'), L"\"x\"\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, Dump(&s::archive::dll::StringTableText, c.bytes)) << c.what;
}

Bytes Accelerator(uint16_t flags, uint16_t key, uint16_t id)
{
    return Bytes().W(flags).W(key).W(id).W(0);
}

TEST(AcceleratorText, ModifiersKeysAndCommands)
{
    std::string table = Accelerator(0x1D, 0x70, 100).b + Accelerator(0x00, 'A', 101).b +
                        Accelerator(0x09, 0x2E, 102).b + Accelerator(0x81, 0xFF, 65535).b;
    EXPECT_EQ(L"Key: Alt + Ctrl + Shift + F1 key\r\nAction ID: 100\r\n\r\n"
              L"Key: A key\r\nAction ID: 101\r\n\r\n"
              L"Key: Ctrl + DEL key\r\nAction ID: 102\r\n\r\n"
              L"Key: Unknown key\r\nAction ID: 65535\r\n\r\n",
              Dump(&s::archive::dll::AcceleratorText, table));
    // 20 bytes: two records, the last four bytes ignored.
    EXPECT_EQ(L"Key: A key\r\nAction ID: 1\r\n\r\nKey: B key\r\nAction ID: 2\r\n\r\n",
              Dump(&s::archive::dll::AcceleratorText, Accelerator(0, 'A', 1).b + Accelerator(0, 'B', 2).b + "abcd"));
    DumpEveryCut(&s::archive::dll::AcceleratorText, table);
}

TEST(AcceleratorText, EveryVirtualKeyName)
{
    struct Case {
        uint16_t key;
        const wchar_t* name;
    };
    const Case cases[] = {
        {0, L"Unknown key"},          {1, L"Left mouse button"},
        {7, L"Unknown key"},          {8, L"BACKSPACE key"},
        {32, L"SPACEBAR"},            {47, L"HELP key"},
        {48, L"0 key"},               {57, L"9 key"},
        {58, L"Unknown key"},         {65, L"A key"},
        {90, L"Z key"},               {91, L"Left Windows key"},
        {94, L"Unknown key"},         {96, L"Numeric keypad 0 key"},
        {105, L"Numeric keypad 9 key"}, {111, L"Divide key"},
        {112, L"F1 key"},             {123, L"F12 key"},
        {135, L"F24 key"},            {136, L"Unknown key"},
        {144, L"NUM LOCK key"},       {183, L"Start Application 2 key"},
        {187, L"'+' key"},            {190, L"'.' key"},
        {220, L"VK_OEM_5 key (Used for miscellaneous characters; it can vary by keyboard. For the US standard "
              L"keyboard, the '\\|' key)"},
        {223, L"VK_OEM_8 key (Used for miscellaneous characters; it can vary by keyboard.)"},
        {231, L"Used to pass Unicode characters as if they were keystrokes. The VK_PACKET key is the low word of a "
              L"32-bit Virtual Key value used for non-keyboard input methods. For more information, see Remark in "
              L"KEYBDINPUT, SendInput, WM_KEYDOWN, and WM_KEYUP"},
        {252, L"Unknown key"},        {254, L"Clear key"},
        {255, L"Unknown key"},        {0x170, L"Unknown key"},
    };
    for (const Case& c : cases) {
        StrBuffer* text = StrBuffer::New();
        s::archive::dll::AppendVirtualKeyName(text, c.key);
        EXPECT_STREQ(c.name, text->GetText()) << c.key;
        text->ReleaseToPool();
    }
    // Every code from 0 to 255 has some name, and the named ones are told apart.
    int unknown = 0;
    for (uint16_t key = 0; key < 256; ++key) {
        StrBuffer* text = StrBuffer::New();
        s::archive::dll::AppendVirtualKeyName(text, key);
        EXPECT_NE(0u, text->GetLength()) << key;
        unknown += std::wstring(text->GetText()) == L"Unknown key";
        text->ReleaseToPool();
    }
    EXPECT_EQ(256 - 10 - 26 - 10 - 24 - 99, unknown);
}

const uint16_t kPopup = 0x10;
const uint16_t kLast = 0x80;
const uint16_t kGrayed = 0x01;

// File (Open, separator, Recent (One, Two)), Help (About, grayed).
Bytes Menu()
{
    Bytes m;
    m.W(0).W(0);
    m.W(kPopup).T(L"&File");
    m.W(0).W(200).T(L"&Open");
    m.W(0).W(0).T(L"");
    m.W(kPopup | kLast).T(L"Recent");
    m.W(0).W(201).T(L"One");
    m.W(kLast).W(202).T(L"Two");
    m.W(kPopup | kLast).T(L"&Help");
    m.W(kLast | kGrayed).W(210).T(L"About");
    return m;
}

const wchar_t kMenuText[] = L"&File\r\n"
                            L"\t&Open\r\n\t(ID: 200)\r\n"
                            L"\t---------------\r\n"
                            L"\tRecent\r\n"
                            L"\t\tOne\r\n\t\t(ID: 201)\r\n"
                            L"\t\tTwo\r\n\t\t(ID: 202)\r\n"
                            L"&Help\r\n"
                            L"\tAbout\r\n\t(ID: 210)\r\n";

TEST(MenuText, PopupsIndentTheirItemsAndSeparatorsAreLines)
{
    EXPECT_EQ(kMenuText, Dump(&s::archive::dll::MenuText, Menu().b));
}

TEST(MenuText, OnlyTheStandardTemplate)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"an extended template", Bytes().W(1).W(4).W(0).W(0).W(0).W(0).T(L"Item").b, L""},
        {"a header alone", Bytes().W(0).W(0).b, L""},
        {"the item's text cut", Bytes().W(0).W(0).W(0).W(7).T(L"Cut", false).b, L"Cut\r\n(ID: 7)\r\n"},
        {"an empty popup opens no level",
         Bytes().W(0).W(0).W(kPopup).T(L"").W(0).W(8).T(L"Top").b, L"Top\r\n(ID: 8)\r\n"},
        {"more last items than levels", Bytes().W(0).W(0).W(kLast).W(1).T(L"A").W(kLast).W(2).T(L"B").b,
         L"A\r\n(ID: 1)\r\nB\r\n(ID: 2)\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, Dump(&s::archive::dll::MenuText, c.bytes)) << c.what;
    DumpEveryCut(&s::archive::dll::MenuText, Menu().b);
}

TEST(MenuText, NestingBeyondAnyRealMenuKeepsItsIndentBounded)
{
    Bytes deep;
    deep.W(0).W(0);
    const int levels = 5000;
    for (int i = 0; i < levels; ++i)
        deep.W(kPopup).T(L"P");
    const std::wstring text = Dump(&s::archive::dll::MenuText, deep.b);
    EXPECT_EQ(std::wstring(64, L'\t') + L"P\r\n", text.substr(text.size() - 67));
    EXPECT_LT(text.size(), size_t(levels) * 70);
}

// A version resource laid out as the resource compiler lays it out: the root, the fixed file
// information, a string block with one table of strings, and a translation block.
std::string Version(const std::vector<std::pair<std::wstring, std::wstring>>& strings, int tableLengthDelta = 0)
{
    Bytes root;
    root.W(0).W(52).W(0).T(L"VS_VERSION_INFO").Pad(4);
    root.W(0x04BD).W(0xFEEF);
    for (int i = 0; i < 12; ++i)
        root.W(i == 0 ? 1 : 0).W(0);
    root.Pad(4);
    const size_t block = root.b.size();
    root.W(0).W(0).W(1).T(L"StringFileInfo").Pad(4);
    const size_t table = root.b.size();
    root.W(0).W(0).W(1).T(L"040904B0").Pad(4);
    for (const auto& s : strings) {
        const size_t at = root.b.size();
        root.W(0).W(static_cast<uint16_t>(s.second.size() + 1)).W(1).T(s.first).Pad(4).T(s.second).Pad(4);
        const uint16_t length = static_cast<uint16_t>(root.b.size() - at);
        root.b[at] = static_cast<char>(length & 0xFF);
        root.b[at + 1] = static_cast<char>(length >> 8);
    }
    auto put = [&](size_t at, size_t length) {
        root.b[at] = static_cast<char>(length & 0xFF);
        root.b[at + 1] = static_cast<char>(length >> 8);
    };
    put(table, static_cast<size_t>(static_cast<int>(root.b.size() - table) + tableLengthDelta));
    put(block, root.b.size() - block);
    root.W(36).W(4).W(0).T(L"VarFileInfo").Pad(4).W(36 - 28).W(4).W(0).T(L"Translation").Pad(4).W(0x409).W(1200);
    put(0, root.b.size());
    return root.b;
}

TEST(VersionText, TheTextStringsOfTheFirstTable)
{
    const std::string version = Version({{L"CompanyName", L"Zorv"}, {L"FileVersion", L"1.2.3.4"}});
    EXPECT_EQ(L"CompanyName: Zorv\r\nFileVersion: 1.2.3.4\r\n", Dump(&s::archive::dll::VersionText, version));
    DumpEveryCut(&s::archive::dll::VersionText, version);
}

TEST(VersionText, AnythingElseGivesNoText)
{
    std::string moved = Version({{L"A", L"b"}});
    // Four bytes more between the fixed information and the string block.
    moved.insert(92, 4, '\0');
    std::string noBlock = Version({{L"A", L"b"}});
    noBlock[98] = 'X';
    struct Case {
        const char* what;
        std::string bytes;
        std::wstring text;
    };
    const Case cases[] = {
        {"no signature", std::string(200, '\x01'), L""},
        {"the block not right after the fixed information", moved, L""},
        {"another block key", noBlock, L""},
        {"the signature at the very end", std::string(10, '\0') + "\xBD\x04\xEF\xFE", L""},
        {"a table longer than the bytes", Version({{L"A", L"b"}}, 0x7000), L"A: b\r\n"},
        {"a table that ends after its first string", Version({{L"A", L"b"}, {L"C", L"d"}}, -16), L"A: b\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, Dump(&s::archive::dll::VersionText, c.bytes)) << c.what;
}

} // namespace
