#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/str/StrArray.h"

namespace s {
namespace gui {
namespace win {

// The entries a list offers when its rows are dragged out, with their relative paths at the same
// indices. Only the lists are kept here; the drag of virtual files itself is not built yet.
class ExplorerDropSource {
public:
    ExplorerDropSource();
    ~ExplorerDropSource();

    // Appends a copy of the path and the entry (not owned).
    void AddEntry(const wchar_t* path, void* entry);
    void ClearEntries();
    uint32_t GetEntryCount() { return entries_.GetCount(); }
    void* GetEntryAt(uint32_t index) { return index < entries_.GetCount() ? entries_.Get(index) : nullptr; }
    const wchar_t* GetPathAt(uint32_t index);

private:
    ExplorerDropSource(const ExplorerDropSource&) = delete;
    ExplorerDropSource& operator=(const ExplorerDropSource&) = delete;

    col::_array::ArrayP entries_;
    str::strarray::StrArray paths_;
};

} // namespace win
} // namespace gui
} // namespace s
