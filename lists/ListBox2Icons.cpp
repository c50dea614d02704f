// The pictures of icon cells, from the list's own icon cache.
#include "core/str/StrBuffer.h"
#include "images/ImageCache.h"
#include "images/util/ImageCacher.h"
#include "lists/ListBox2.h"
#include "lists/listbox2/SubRecord.h"

using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace win {

bool ListBox2::HasIconSource(listbox2::SubRecord* cell)
{
    return cell && cell->iconSource && cell->iconSource->GetLength() > 0 && iconCache_;
}

image::ImageCache* ListBox2::CellIcon(listbox2::SubRecord* cell)
{
    if (!HasIconSource(cell))
        return nullptr;
    // A copy: the cell's text may change on another thread while the cache loads.
    StrBuffer* path = StrBuffer::New();
    if (!path)
        return nullptr;
    path->AssignStr(cell->iconSource);
    image::ImageCache* icon = nullptr;
    if (cell->iconFromShell) {
        iconCache_->AddShellIcon(path->GetText());
        icon = iconCache_->GetShellIcon(path->GetText());
    } else {
        iconCache_->AddImageFile(path->GetText());
        icon = iconCache_->Lookup(path);
    }
    path->ReleaseToPool();
    return icon;
}

} // namespace win
} // namespace gui
} // namespace s
