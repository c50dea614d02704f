#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace codepage {
class CodePage;
}
} // namespace system

namespace str {

// What the string conversions need of a code-page record: how to convert and with which number.
// The records and their installed list are pooled objects built on the core, one layer up, so the
// list passes its lookup in here; every record is built there, so the lookup is in place before
// any record can reach a conversion.
struct CodePageUse {
    enum Form {
        kNone,   // no record: nothing converts
        kBytes,  // a byte code page, converted by the system with number
        kUtf16,  // the list's UTF-16 record
        kUtf16Be // the list's UTF-16BE record
    };
    Form form;
    uint32_t number;
};

typedef CodePageUse (*CodePageResolver)(system::codepage::CodePage* cp);

void SetCodePageResolver(CodePageResolver resolver);
// kNone for a null record.
CodePageUse ResolveCodePage(system::codepage::CodePage* cp);

} // namespace str
} // namespace s
