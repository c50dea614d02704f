#pragma once
#include <string>
#include <vector>

namespace regtest {

// Every failure of the user-identifier lookup that the registry layer reported in this test
// program; installed before any test runs, so no message box can ever wait for a click.
const std::vector<std::wstring>& LookupFailures();

} // namespace regtest
