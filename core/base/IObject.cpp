#include "core/base/IObject.h"

#include <typeinfo>

namespace s {
namespace base {

int32_t IComparable::CompareTo(IComparable* other, IComparator* comparator)
{
    if (comparator)
        return comparator->Compare(this, other);
    if (other == this)
        return 0;
    return reinterpret_cast<uintptr_t>(this) < reinterpret_cast<uintptr_t>(other) ? -1 : 1;
}

int32_t IComparable::CompareToIgnoreCase(IComparable* other, IComparator* comparator)
{
    if (comparator)
        return comparator->CompareIgnoreCase(this, other);
    return CompareTo(other, nullptr);
}

bool IComparable::Equals(IComparable* other, IComparator* comparator)
{
    if (comparator)
        return comparator->Compare(this, other) == 0;
    return CompareTo(other, nullptr) == 0;
}

bool IComparable::EqualsIgnoreCase(IComparable* other, IComparator* comparator)
{
    if (comparator)
        return comparator->CompareIgnoreCase(this, other) == 0;
    return CompareToIgnoreCase(other, nullptr) == 0;
}

uint32_t IComparable::HashCode()
{
    const size_t h = typeid(*this).hash_code();
    return static_cast<uint32_t>(h ^ (h >> 32));
}

uint32_t IComparable::HashCodeIgnoreCase()
{
    return HashCode();
}

} // namespace base
} // namespace s
