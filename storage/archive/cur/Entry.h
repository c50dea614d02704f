#pragma once
#include "storage/archive/icon/Entry.h"

namespace s {
namespace archive {
namespace cur {

// One image of a cursor file: an icon entry whose record holds the hotspot in place of the planes
// and depth, kept in a pool of its own.
class Entry : public icon::Entry {
public:
    static constexpr const wchar_t* kClassName = L"s_archive_cur_Entry";

    static thread::EasyPooler* GetPool();
    static Entry* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
};

} // namespace cur
} // namespace archive
} // namespace s
