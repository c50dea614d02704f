#include "core/base/ApplicationBox.h"

#include <atomic>

namespace s {
namespace base {

namespace {

int SystemBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return ::MessageBoxW(owner, text, caption, type);
}

std::atomic<ApplicationBoxFunction> gBox{&SystemBox};

} // namespace

int ShowApplicationBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return gBox.load()(owner, text, caption, type);
}

ApplicationBoxFunction SetApplicationBox(ApplicationBoxFunction box)
{
    return gBox.exchange(box ? box : &SystemBox);
}

} // namespace base
} // namespace s
