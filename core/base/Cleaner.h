#pragma once
#include "core/base/IObject.h"

namespace s {
namespace cleaner {

// Frees a block of the standard allocator.
class CleanerRaw : public base::IDestructor {
public:
    void Destroy(void** slot) override;
};

// Deletes an object of the library through its virtual destructor.
class CleanerIObject : public base::IDestructor {
public:
    void Destroy(void** slot) override;
};

} // namespace cleaner
} // namespace s
