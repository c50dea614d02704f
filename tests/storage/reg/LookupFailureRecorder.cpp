#include "storage/reg/LookupFailureRecorder.h"

#include "storage/reg/SidText.h"

namespace regtest {

namespace {

std::vector<std::wstring>& Failures()
{
    static std::vector<std::wstring> failures;
    return failures;
}

void Record(const wchar_t* text, const wchar_t*)
{
    Failures().push_back(text);
}

struct Installer {
    Installer() { s::reg::win::SetLookupFailureBox(&Record); }
} installer;

} // namespace

const std::vector<std::wstring>& LookupFailures()
{
    return Failures();
}

} // namespace regtest
