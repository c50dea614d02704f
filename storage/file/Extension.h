#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace file {
namespace win {
class PathWin;
}

// A labelled group of paths (an extension, a word of the names, a size class). The paths are
// borrowed from the list that was grouped. Compares and hashes as its label.
class Extension : public base::IObject, public thread::IPoolable {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;

    Extension();
    ~Extension() override;

    int32_t CompareTo(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    int32_t CompareToIgnoreCase(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    bool Equals(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    bool EqualsIgnoreCase(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    uint32_t HashCode() override;
    uint32_t HashCodeIgnoreCase() override;
    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static Extension* New();
    // A group from the pool labelled with the text; null when none could be had.
    static Extension* NewWithLabel(StrBuffer* label);

    // More members first when sorted descending; arguments are Extension pointers.
    static int32_t CompareByMemberCount(void* a, void* b, void* userData);
    static int32_t CompareByLabelIgnoreCase(void* a, void* b, void* userData);

    StrBuffer* GetLabel() { return label_; }
    uint32_t GetMemberCount();
    win::PathWin* GetMember(uint32_t index);
    void AddMember(win::PathWin* path);

private:
    Extension(const Extension&) = delete;
    Extension& operator=(const Extension&) = delete;

    StrBuffer* label_;
    col::_array::ArrayP* members_;
};

} // namespace file
} // namespace s
