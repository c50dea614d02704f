// Text onto the clipboard: round trips, and a clipboard that cannot be had.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "support/Wait.h"
#include "windowing/ClipboardText.h"

namespace {

using s::gui::win::CopyTextToClipboard;
using testing_support::WaitUntil;

// The clipboard's Unicode text and its block size in bytes; false when there is none.
bool ReadClipboardText(std::wstring* text, SIZE_T* bytes)
{
    if (!OpenClipboard(nullptr))
        return false;
    bool read = false;
    HANDLE block = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* units = block ? static_cast<const wchar_t*>(GlobalLock(block)) : nullptr;
    if (units) {
        *bytes = GlobalSize(block);
        text->assign(units);
        GlobalUnlock(block);
        read = true;
    }
    CloseClipboard();
    return read;
}

// A window of another thread that holds the clipboard open until released.
class ClipboardHolder {
public:
    ClipboardHolder()
        : thread_([this]() {
              HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
              opened_ = window && OpenClipboard(window);
              held_ = true;
              while (!release_)
                  Sleep(10);
              if (opened_)
                  CloseClipboard();
              DestroyWindow(window);
          })
    {
        WaitUntil([this]() { return held_.load(); }, 10000);
    }
    ~ClipboardHolder()
    {
        release_ = true;
        thread_.join();
    }
    bool Opened() const { return opened_; }

private:
    std::atomic<bool> opened_{false};
    std::atomic<bool> held_{false};
    std::atomic<bool> release_{false};
    std::thread thread_;
};

HGLOBAL WINAPI RefusingAlloc(UINT, SIZE_T)
{
    return nullptr;
}

TEST(ClipboardTextTest, TextsMakeTheRoundTripWithTheirTerminator)
{
    struct Case {
        const wchar_t* given;
        std::wstring read;
    };
    const Case cases[] = {
        {L"Skin \"Black Black\": windowBg 1A2B3C \u00e4\u4e2d", L"Skin \"Black Black\": windowBg 1A2B3C \u00e4\u4e2d"},
        {L"", L""},
        {nullptr, L""},
    };
    for (const Case& c : cases) {
        ASSERT_NE(0, CopyTextToClipboard(nullptr, c.given));
        std::wstring text;
        SIZE_T bytes = 0;
        ASSERT_TRUE(ReadClipboardText(&text, &bytes));
        EXPECT_EQ(c.read, text);
        EXPECT_GE(bytes, (c.read.size() + 1) * sizeof(wchar_t));
    }
}

TEST(ClipboardTextTest, ClipboardThatCannotBeHadStaysAsItWas)
{
    ASSERT_NE(0, CopyTextToClipboard(nullptr, L"kept"));
    {
        ClipboardHolder holder;
        ASSERT_TRUE(holder.Opened());
        EXPECT_EQ(0, CopyTextToClipboard(nullptr, L"refused"));
    }
    std::wstring text;
    SIZE_T bytes = 0;
    ASSERT_TRUE(ReadClipboardText(&text, &bytes));
    EXPECT_EQ(L"kept", text);

    // No memory for the block: 0, the clipboard closed again and its text untouched.
    s::gui::win::SetClipboardAllocator(&RefusingAlloc);
    EXPECT_EQ(0, CopyTextToClipboard(nullptr, L"no memory"));
    s::gui::win::SetClipboardAllocator(nullptr);
    ASSERT_TRUE(ReadClipboardText(&text, &bytes));
    EXPECT_EQ(L"kept", text);
}

} // namespace
