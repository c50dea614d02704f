#include "core/str/CodePageUse.h"

#include <atomic>

namespace s {
namespace str {

namespace {
std::atomic<CodePageResolver> gResolver{nullptr};
} // namespace

void SetCodePageResolver(CodePageResolver resolver)
{
    gResolver.store(resolver);
}

CodePageUse ResolveCodePage(system::codepage::CodePage* cp)
{
    const CodePageResolver resolver = gResolver.load();
    if (!cp || !resolver)
        return CodePageUse{CodePageUse::kNone, 0};
    return resolver(cp);
}

} // namespace str
} // namespace s
