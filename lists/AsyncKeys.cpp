#include "lists/AsyncKeys.h"

#include <atomic>

namespace s {
namespace gui {
namespace win {

namespace {
std::atomic<AsyncKeyReader> reader(nullptr);
} // namespace

SHORT ReadAsyncKey(int key)
{
    AsyncKeyReader current = reader.load();
    return current ? current(key) : ::GetAsyncKeyState(key);
}

bool IsKeyHeld(int key)
{
    return (ReadAsyncKey(key) & 0x8000) != 0;
}

AsyncKeyReader SetAsyncKeyReader(AsyncKeyReader replacement)
{
    return reader.exchange(replacement);
}

} // namespace win
} // namespace gui
} // namespace s
