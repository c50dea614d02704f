#include "app/dialogs/StringCell.h"

#include "lists/listbox2/CellFormatters.h"

namespace s {
namespace gui {
namespace dialogs {

void FormatStringCell(uint64_t value, str::strbuffer::StrBuffer* out)
{
    listbox2::FormatTextCell(value, out);
}

} // namespace dialogs
} // namespace gui
} // namespace s
