#include "lists/listbox2/CellFormatters.h"

#include "core/io/Formatters.h"
#include "core/str/StrBuffer.h"

using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace listbox2 {

namespace {
StrBuffer* TextOf(uint64_t value)
{
    return reinterpret_cast<StrBuffer*>(static_cast<uintptr_t>(value));
}
} // namespace

void FormatTextCell(uint64_t value, StrBuffer* out)
{
    if (!out)
        return;
    StrBuffer* text = TextOf(value);
    if (text)
        out->AssignStr(text);
    else
        out->Clear();
}

void FormatTransferStateCell(uint64_t value, StrBuffer* out)
{
    system::counter::FormatTransferState(static_cast<int32_t>(value), out);
}

void FormatPercentTenthsCell(uint64_t value, StrBuffer* out)
{
    system::counter::FormatPercentTenths(static_cast<int32_t>(value), out);
}

int32_t CompareTextCells(uint64_t a, uint64_t b, void*)
{
    StrBuffer* left = TextOf(a);
    StrBuffer* right = TextOf(b);
    if (!left || !right)
        return left ? 1 : (right ? -1 : 0);
    return left->CompareToIgnoreCase(right);
}

} // namespace listbox2
} // namespace gui
} // namespace s
