#include "windowing/ClipboardText.h"

#include <atomic>
#include <cstring>
#include <cwchar>

namespace s {
namespace gui {
namespace win {

namespace {

std::atomic<GlobalAllocFunction> allocator{&::GlobalAlloc};

// The text with its terminating zero in a movable block, or null.
HGLOBAL NewTextBlock(const wchar_t* text)
{
    const SIZE_T bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = allocator.load()(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
    if (!block)
        return nullptr;
    void* target = GlobalLock(block);
    if (!target) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, text, bytes);
    GlobalUnlock(block);
    return block;
}

} // namespace

BOOL CopyTextToClipboard(HWND owner, const wchar_t* text)
{
    // The block is made before the clipboard is opened and emptied, so that a failure leaves the
    // user's clipboard as it was.
    HGLOBAL block = NewTextBlock(text ? text : L"");
    if (!block)
        return 0;
    if (!OpenClipboard(owner)) {
        GlobalFree(block);
        return 0;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
        // Only a block the clipboard took is the clipboard's.
        GlobalFree(block);
        CloseClipboard();
        return 0;
    }
    return CloseClipboard();
}

GlobalAllocFunction SetClipboardAllocator(GlobalAllocFunction replacement)
{
    return allocator.exchange(replacement ? replacement : &::GlobalAlloc);
}

} // namespace win
} // namespace gui
} // namespace s
