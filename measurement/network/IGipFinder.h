#pragma once
#include "core/base/IObject.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace network {

// Finds the machine's global (internet-facing) address on a task of its own.
class IGipFinder : public base::IObject {
public:
    // Starts the search unless an address is held.
    virtual void Start() = 0;
    // Asks the search to end; with wait, returns once it has.
    virtual void Stop(bool wait) = 0;
    // Forgets the found state, so the next start searches again.
    virtual void ClearFound() = 0;
    virtual bool IsFound() = 0;
    // Copies the found address under the finder's lock; false when none is held.
    virtual bool GetAddress(str::strbuffer::StrBuffer* out) = 0;
};

} // namespace network
} // namespace system
} // namespace s
