#include "storage/xml/ScratchText.h"

namespace s {
namespace xml {

namespace {

// Built once, whichever setters meet first; its text is freed directly at exit, since the
// string pool may already be gone by then.
struct Shared {
    thread::ObjLocker locker;
    str::strbuffer::StrBuffer* text;
    Shared() : text(new str::strbuffer::StrBuffer()) {}
    ~Shared() { delete text; }
};

Shared& TheShared()
{
    static Shared shared;
    return shared;
}

} // namespace

ScratchText::ScratchText() : hold_(TheShared().locker), text_(TheShared().text) {}

} // namespace xml
} // namespace s
