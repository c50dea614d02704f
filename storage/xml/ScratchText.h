#pragma once
#include "core/str/StrBuffer.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace xml {

// The one text in which every attribute setter of every node builds its value, held under its
// own lock for the life of this guard: from escaping or formatting until the record is added.
class ScratchText {
public:
    ScratchText();

    str::strbuffer::StrBuffer* Get() { return text_; }

private:
    ScratchText(const ScratchText&) = delete;
    ScratchText& operator=(const ScratchText&) = delete;

    thread::ScopedLock hold_;
    str::strbuffer::StrBuffer* text_;
};

} // namespace xml
} // namespace s
