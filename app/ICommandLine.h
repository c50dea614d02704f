#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace process {
namespace commandline {

// The program's command-line arguments, in the order given, a flag written with a leading "-".
class ICommandLine : public base::IObject {
public:
    virtual uint32_t GetCount() = 0;
    // index below the count.
    virtual const wchar_t* GetAt(uint32_t index) = 0;
    // Steps once through the arguments; nothing is kept or changed.
    virtual void Walk() = 0;
};

} // namespace commandline
} // namespace process
} // namespace s
