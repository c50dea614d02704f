#include "storage/reg/ExplorerSettings.h"

#include <memory>

#include "core/thread/ObjLocker.h"
#include "storage/reg/RegDir.h"

namespace s {
namespace system {
namespace win {

namespace {

const wchar_t kAdvancedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
const uint32_t kHiddenNotShown = 2;
const uint32_t kHiddenDefault = 1;
const uint32_t kSuperHiddenDefault = 0;

// One reader: its own key object, made on first use and kept until process exit, and its lock.
// The key is deleted outright at exit, not given to its pool, which may be gone by then.
struct Reader {
    Reader() : key(reg::win::RegDir::OpenNew(HKEY_CURRENT_USER, kAdvancedKey)) {}
    thread::ObjLocker locker;
    std::unique_ptr<reg::win::RegDir> key;

    uint32_t Read(const wchar_t* name, uint32_t defaultValue)
    {
        thread::ScopedLock hold(locker);
        if (!key)
            return defaultValue;
        // A handle on a key that was deleted and made again reads nothing: open it afresh.
        if (key->IsOpen() && !key->GetValueSize(name))
            key->Reopen();
        return key->GetUInt32(name, defaultValue);
    }
};

} // namespace

bool ShowsHiddenFiles()
{
    static Reader reader;
    return reader.Read(L"Hidden", kHiddenDefault) != kHiddenNotShown;
}

bool ShowsSuperHiddenFiles()
{
    static Reader reader;
    return reader.Read(L"ShowSuperHidden", kSuperHiddenDefault) != 0;
}

} // namespace win
} // namespace system
} // namespace s
