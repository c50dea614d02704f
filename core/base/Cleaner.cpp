#include "core/base/Cleaner.h"

#include <cstdlib>

namespace s {
namespace cleaner {

void CleanerRaw::Destroy(void** slot)
{
    if (*slot) {
        std::free(*slot);
        *slot = nullptr;
    }
}

void CleanerIObject::Destroy(void** slot)
{
    if (*slot) {
        delete static_cast<base::IObject*>(*slot);
        *slot = nullptr;
    }
}

} // namespace cleaner
} // namespace s
