#pragma once
#include <cstdint>

#include "measurement/network/IGipFinder.h"
#include "measurement/network/INicConn.h"

namespace s {
namespace system {
namespace network {
namespace win {

// The network-connection list. The adapter reader is not part of this build: the list stays
// empty and the process-wide global-address finder never finds an address.
void LoadNicConns();
int32_t GetNicConnCount();
// Null beyond the list.
INicConn* GetNicConn(int32_t index);
// The one process-wide finder.
IGipFinder* GetGipFinder();

} // namespace win
} // namespace network
} // namespace system
} // namespace s
