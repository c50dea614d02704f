#include "lists/ExplorerDropSource.h"

#include "core/str/StrBuffer.h"

namespace s {
namespace gui {
namespace win {

ExplorerDropSource::ExplorerDropSource() {}

ExplorerDropSource::~ExplorerDropSource()
{
    ClearEntries();
}

void ExplorerDropSource::AddEntry(const wchar_t* path, void* entry)
{
    paths_.AddText(path ? path : L"");
    entries_.Append(entry);
}

void ExplorerDropSource::ClearEntries()
{
    paths_.Clear();
    entries_.Clear();
}

const wchar_t* ExplorerDropSource::GetPathAt(uint32_t index)
{
    return index < paths_.GetCount() ? paths_.Get(index)->GetText() : nullptr;
}

} // namespace win
} // namespace gui
} // namespace s
