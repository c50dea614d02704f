#include "core/str/Iterator.h"

#include "core/str/StrBuffer.h"

namespace s {
namespace str {
namespace strbuffer {

uint32_t Iterator::CountOf(StrBuffer* string)
{
    return string->GetLength();
}

} // namespace strbuffer
} // namespace str
} // namespace s
