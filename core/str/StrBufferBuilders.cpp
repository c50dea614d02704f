#include "core/str/StrBuffer.h"

namespace s {
namespace str {
namespace strbuffer {

StrBuffer* StrBuffer::FromText(const wchar_t* text)
{
    StrBuffer* made = New();
    return made ? made->Assign(text) : nullptr;
}

StrBuffer* StrBuffer::Concat3(const wchar_t* first, const wchar_t* second, const wchar_t* third)
{
    StrBuffer* made = New();
    return made ? made->Append(first)->Append(second)->Append(third) : nullptr;
}

StrBuffer* StrBuffer::Concat4(const wchar_t* first, const wchar_t* second, const wchar_t* third,
                              const wchar_t* fourth)
{
    StrBuffer* made = Concat3(first, second, third);
    return made ? made->Append(fourth) : nullptr;
}

} // namespace strbuffer
} // namespace str
} // namespace s
