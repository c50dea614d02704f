#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/ObjLocker.h"
#include "measurement/network/IGipFinder.h"
#include "measurement/network/INicConn.h"

namespace s {
namespace system {
namespace network {
namespace win {

class NicConn;

// The network connections: first those named in the registry, then one virtual connection for
// each adapter that the registry does not name. Built once, then only read.
class NicConnList {
public:
    NicConnList() {}
    ~NicConnList();

    int32_t GetCount();
    // Null beyond the list.
    INicConn* Get(int32_t index);
    void Append(NicConn* connection);
    // Stops every connection's task and gives the connections back to their pool.
    void Clear();

private:
    NicConnList(const NicConnList&) = delete;
    NicConnList& operator=(const NicConnList&) = delete;

    col::_array::ArrayP connections_;
};

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
