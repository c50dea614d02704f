#pragma once
// windows.h first: it renames GetClassName, and every file must see the same name.
#include <windows.h>

#include <cstdint>
#include <new>

namespace s {
namespace base {

// Orders two operands: two objects, or for the element comparators the addresses of two elements.
class IComparator {
public:
    virtual ~IComparator() {}
    virtual int32_t Compare(const void* a, const void* b) = 0;
    virtual int32_t CompareIgnoreCase(const void* a, const void* b) { return Compare(a, b); }
};

class IComparable {
public:
    virtual ~IComparable() {}
    // Without a comparator objects compare by identity; classes with a value override this.
    virtual int32_t CompareTo(IComparable* other, IComparator* comparator = nullptr);
    virtual int32_t CompareToIgnoreCase(IComparable* other, IComparator* comparator = nullptr);
    virtual bool Equals(IComparable* other, IComparator* comparator = nullptr);
    virtual bool EqualsIgnoreCase(IComparable* other, IComparator* comparator = nullptr);
    // One value per class by default, which agrees with identity equality.
    virtual uint32_t HashCode();
    virtual uint32_t HashCodeIgnoreCase();
};

class IObject : public IComparable {
public:
    // The full class name with each "::" written "_", such as "s_time_Time".
    virtual const wchar_t* GetClassName() = 0;
    // An instance of the same class, from the class's pool where it has one.
    virtual IObject* NewInstance() = 0;
};

class IGenerator {
public:
    virtual ~IGenerator() {}
    virtual void* Generate() = 0;
};

// Disposes of the object a slot points to and leaves the slot null; a null slot is left alone.
class IDestructor {
public:
    virtual ~IDestructor() {}
    virtual void Destroy(void** slot) = 0;
};

} // namespace base
} // namespace s
