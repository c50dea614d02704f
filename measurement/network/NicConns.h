#pragma once
#include <cstdint>

#include "measurement/network/IGipFinder.h"
#include "measurement/network/INicConn.h"
#include "measurement/win/PooledList.h"

namespace s {
namespace system {
namespace network {
namespace win {

class NicConn;

// The network connections: first those named in the registry, then one virtual connection for
// each adapter that the registry does not name. Built once, then only read.
class NicConnList : public system::win::PooledList<INicConn> {};

// The registry's connections, then AddVirtualNicConns, then each connection refreshed and its
// task started.
void LoadNicConns(NicConnList* list);
// One connection named "Virtual Connection " n for each adapter of the adapter list that no
// listed connection has, n counting from 1 in adapter order.
void AddVirtualNicConns(NicConnList* list);

// The process-wide list, loaded once under its lock; loading it names the performance counters'
// network instances from its descriptions.
void LoadNicConns();
NicConnList& GetNicConnList();
int32_t GetNicConnCount();
// Null beyond the list.
INicConn* GetNicConn(int32_t index);

} // namespace win
} // namespace network
} // namespace system
} // namespace s
