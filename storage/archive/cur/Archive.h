#pragma once
#include "storage/archive/icon/Archive.h"

namespace s {
namespace archive {
namespace cur {

// The images of one cursor file or cursor group: the icon archive over type 2, whose records
// carry each image's hotspot in place of its planes and depth.
class Archive : public icon::Archive {
public:
    static constexpr const wchar_t* kClassName = L"s_archive_cur_Archive";

    Archive();

    static thread::EasyPooler* GetPool();
    static Archive* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;

    // The cursor file of every entry, each entry's bytes read first; false when one cannot be
    // read or a write fails.
    bool WriteCur(io::IOutputStream* out) { return WriteIco(out); }

protected:
    icon::Entry* NewEntry() override;
};

} // namespace cur
} // namespace archive
} // namespace s
