#pragma once
#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace counter {

// A pooled text for the length of one callback, given back on every way out.
class ScratchText {
public:
    ScratchText() : text_(str::strbuffer::StrBuffer::New()) { text_->Clear(); }
    ~ScratchText() { text_->ReleaseToPool(); }
    str::strbuffer::StrBuffer* operator->() { return text_; }
    str::strbuffer::StrBuffer* get() { return text_; }

private:
    ScratchText(const ScratchText&) = delete;
    ScratchText& operator=(const ScratchText&) = delete;
    str::strbuffer::StrBuffer* text_;
};

} // namespace counter
} // namespace system
} // namespace s
