// The list's OLE drop target called as the system's drag loop calls it, with hand-made data.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "lists/ExplorerDropTarget.h"
#include "lists/FileDropData.h"
#include "support/RecordingListener.h"

using listtest::FileDropData;
using listtest::HdropBytes;
using s::gui::win::ExplorerDropTarget;
using testing_support::RecordingListener;

namespace {

class ExplorerDropTargetTest : public testing::Test {
protected:
    void SetUp() override
    {
        target_ = ExplorerDropTarget::New();
        ASSERT_NE(nullptr, target_);
        target_->SetListener(&heard_);
    }
    void TearDown() override { target_->ReleaseToPool(); }

    IDropTarget* Ole() { return target_->GetInterface(); }
    std::vector<int32_t> Codes()
    {
        std::vector<int32_t> codes;
        for (const auto& heard : heard_.Take()) {
            EXPECT_EQ(static_cast<s::base::IObject*>(target_), heard.source);
            codes.push_back(heard.code);
        }
        return codes;
    }
    std::vector<std::wstring> Paths()
    {
        std::vector<std::wstring> paths;
        s::str::strarray::StrArray* dropped = target_->GetDroppedPaths();
        for (uint32_t i = 0; i < dropped->GetCount(); ++i)
            paths.emplace_back(dropped->Get(i)->GetText(), dropped->Get(i)->GetLength());
        return paths;
    }
    DWORD Drop(FileDropData* data, DWORD keys = 0)
    {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(S_OK, Ole()->DragEnter(data, keys, POINTL{10, 10}, &effect));
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        EXPECT_EQ(S_OK, Ole()->Drop(data, keys, POINTL{12, 12}, &effect));
        return effect;
    }

    ExplorerDropTarget* target_ = nullptr;
    RecordingListener heard_;
};

TEST_F(ExplorerDropTargetTest, HoveringReportsEnterEachMoveAndLeaveWithTheLinkEffect)
{
    FileDropData data(HdropBytes({L"C:\\a.txt"}));
    // The link effect whatever keys are held.
    for (DWORD keys : {DWORD(0), DWORD(MK_CONTROL), DWORD(MK_SHIFT), DWORD(MK_CONTROL | MK_SHIFT), DWORD(MK_ALT)}) {
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        ASSERT_EQ(S_OK, Ole()->DragEnter(&data, keys, POINTL{5, 5}, &effect));
        EXPECT_EQ(DWORD(DROPEFFECT_LINK), effect) << keys;
        for (int move = 0; move < 2; ++move) {
            effect = DROPEFFECT_COPY;
            ASSERT_EQ(S_OK, Ole()->DragOver(keys, POINTL{6 + move, 6}, &effect));
            EXPECT_EQ(DWORD(DROPEFFECT_LINK), effect) << keys;
        }
        ASSERT_EQ(S_OK, Ole()->DragLeave());
        EXPECT_EQ(Codes(), (std::vector<int32_t>{1, 2, 2, 4})) << keys;
    }
    // The drag's data is let go of at the leave; hovering drops nothing.
    EXPECT_EQ(0, data.references);
    EXPECT_TRUE(Paths().empty());
}

TEST_F(ExplorerDropTargetTest, ADropLeavesItsPathsInOrderAndTheNextReplacesThem)
{
    const std::vector<std::wstring> first = {L"C:\\Users\\me\\report.txt", L"D:\\data\\b.csv", L"C:\\z.log"};
    FileDropData three(HdropBytes(first));
    EXPECT_EQ(DWORD(DROPEFFECT_LINK), Drop(&three, MK_CONTROL));
    // The drop asks as a move would, then drops (the framework's order).
    EXPECT_EQ(Codes(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(first, Paths());
    EXPECT_EQ(0, three.references);

    FileDropData one(HdropBytes({L"E:\\only.bin"}));
    Drop(&one);
    EXPECT_EQ(Codes(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ((std::vector<std::wstring>{L"E:\\only.bin"}), Paths());

    // Data without files still ends the drop, with no paths.
    FileDropData none;
    EXPECT_EQ(DWORD(DROPEFFECT_LINK), Drop(&none));
    EXPECT_EQ(Codes(), (std::vector<int32_t>{1, 2, 3}));
    EXPECT_TRUE(Paths().empty());
}

TEST_F(ExplorerDropTargetTest, PathsAreReadAtTheirFullLength)
{
    // Well past the 780 characters a fixed buffer would take, and past MAX_PATH.
    const std::wstring deep = L"\\\\?\\C:\\" + std::wstring(1200, L'd') + L"\\end.txt";
    FileDropData data(HdropBytes({L"C:\\short.txt", deep}));
    Drop(&data);
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\short.txt", deep}), Paths());
}

TEST_F(ExplorerDropTargetTest, ANarrowFileListIsReadInTheSystemCodePage)
{
    const char list[] = "C:\\one.txt\0C:\\two.txt\0";
    std::vector<BYTE> bytes(sizeof(DROPFILES) + sizeof(list));
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    std::memcpy(bytes.data(), &header, sizeof(header));
    std::memcpy(bytes.data() + sizeof(DROPFILES), list, sizeof(list));
    FileDropData data(bytes);
    Drop(&data);
    EXPECT_EQ((std::vector<std::wstring>{L"C:\\one.txt", L"C:\\two.txt"}), Paths());
}

// Blocks from another program that lie about where their list is: no path, and nothing read
// past the block (the block ends exactly where the bytes do).
TEST_F(ExplorerDropTargetTest, AFileListOutsideItsBlockYieldsNoPaths)
{
    const std::vector<BYTE> good = HdropBytes({L"C:\\a.txt", L"C:\\b.txt"});
    auto withOffset = [&](DWORD offset) {
        std::vector<BYTE> bytes = good;
        reinterpret_cast<DROPFILES*>(bytes.data())->pFiles = offset;
        return bytes;
    };
    // The list's closing NULs cut off: the last path runs to the block's end.
    std::vector<BYTE> unclosed = good;
    unclosed.resize(unclosed.size() - 2 * sizeof(wchar_t));
    // Only the list's closing NUL missing.
    std::vector<BYTE> openList = good;
    openList.resize(openList.size() - sizeof(wchar_t));
    struct Case {
        const char* what;
        std::vector<BYTE> bytes;
    };
    const Case cases[] = {
        {"offset past the block", withOffset(static_cast<DWORD>(good.size() + 64))},
        {"offset at the block's end", withOffset(static_cast<DWORD>(good.size()))},
        {"offset far away", withOffset(0x7FFFFFF0u)},
        {"offset inside the header", withOffset(4)},
        {"header cut short", std::vector<BYTE>(good.begin(), good.begin() + 10)},
        {"path without its terminator", unclosed},
        {"list without its terminator", openList},
    };
    for (const Case& c : cases) {
        FileDropData seed(HdropBytes({L"C:\\before.txt"}));
        Drop(&seed);
        ASSERT_EQ(1u, Paths().size());
        FileDropData data(c.bytes);
        Drop(&data);
        EXPECT_TRUE(Paths().empty()) << c.what;
        EXPECT_EQ(Codes(), (std::vector<int32_t>{1, 2, 3, 1, 2, 3})) << c.what;
    }
}

TEST_F(ExplorerDropTargetTest, AResetTargetForgetsItsPathsAndListener)
{
    FileDropData data(HdropBytes({L"C:\\a.txt"}));
    Drop(&data);
    heard_.Take();
    target_->Reset();
    EXPECT_TRUE(Paths().empty());
    Drop(&data);
    EXPECT_EQ(0u, heard_.Count());
    EXPECT_EQ(std::wstring(ExplorerDropTarget::kClassName), target_->GetClassName());
}

} // namespace
