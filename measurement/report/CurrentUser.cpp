#include "measurement/report/CurrentUser.h"

#include <windows.h>

#include <atomic>

#include "core/thread/ObjLocker.h"

namespace s {
namespace system {
namespace win {

namespace {
const DWORD kNameChars = 257;

struct UserName {
    thread::ObjLocker locker;
    std::atomic<bool> done{false};
    wchar_t text[kNameChars] = {};
};
} // namespace

const wchar_t* GetCurrentUserName()
{
    static UserName name;
    if (!name.done) {
        thread::ScopedLock hold(name.locker);
        if (!name.done) {
            DWORD length = kNameChars;
            if (!GetUserNameW(name.text, &length))
                name.text[0] = 0;
            name.text[kNameChars - 1] = 0;
            name.done = true;
        }
    }
    return name.text;
}

} // namespace win
} // namespace system
} // namespace s
