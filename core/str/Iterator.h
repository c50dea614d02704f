#pragma once
#include <cstdint>

#include "core/col/CursorIterator.h"

namespace s {
namespace str {
namespace strbuffer {

class StrBuffer;

// The iterator over a string's characters: points into its block, so the string must not
// change while it is walked.
class Iterator : public col::CursorIterator<Iterator, StrBuffer> {
public:
    static constexpr const wchar_t* kClassName = L"s_str_strbuffer_Iterator";
    static uint32_t StepOf(StrBuffer*) { return sizeof(wchar_t); }
    static uint32_t CountOf(StrBuffer* string);
};

} // namespace strbuffer
} // namespace str
} // namespace s
