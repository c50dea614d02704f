#pragma once
#include <cstdint>
#include <cstring>

#include "core/base/IObject.h"

namespace s {
namespace comp {

// Orders two elements of type E given by their addresses. Stateless; no pool.
template <class Self, class E>
class ElementComparator : public base::IObject, public base::IComparator {
public:
    const wchar_t* GetClassName() override { return Self::kClassName; }
    base::IObject* NewInstance() override { return new (std::nothrow) Self(); }
    int32_t Compare(const void* a, const void* b) override
    {
        E x, y;
        std::memcpy(&x, a, sizeof(E));
        std::memcpy(&y, b, sizeof(E));
        return x < y ? -1 : (y < x ? 1 : 0);
    }
};

// Pointers order as unsigned 64-bit values.
class CompP : public ElementComparator<CompP, uint64_t> {
public:
    static constexpr const wchar_t* kClassName = L"s_comp_CompP";
};
class CompU08 : public ElementComparator<CompU08, uint8_t> {
public:
    static constexpr const wchar_t* kClassName = L"s_comp_CompU08";
};
class CompS08 : public ElementComparator<CompS08, int8_t> {
public:
    static constexpr const wchar_t* kClassName = L"s_comp_CompS08";
};
class CompS32 : public ElementComparator<CompS32, int32_t> {
public:
    static constexpr const wchar_t* kClassName = L"s_comp_CompS32";
};
class CompU32 : public ElementComparator<CompU32, uint32_t> {
public:
    static constexpr const wchar_t* kClassName = L"s_comp_CompU32";
};
class CompS64 : public ElementComparator<CompS64, int64_t> {
public:
    static constexpr const wchar_t* kClassName = L"s_comp_CompS64";
};

} // namespace comp
} // namespace s
