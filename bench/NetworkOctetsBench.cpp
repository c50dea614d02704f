// The octet reads of one refresh (the three sum fields, total, in and out, over eight connections)
// against one plain interface-table call, in the same run, over the tests' scripted IP Helper; and
// the heap allocations of a refresh, which should be none once the kept buffers have their size.
#include "AllocCounter.h"
#include "BenchClock.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../tests/measurement/network/ScriptedNetwork.h"
#include "measurement/network/NicConns.h"

namespace nw = s::system::network::win;

namespace {
const int kConnections = 8;
const int kRefreshes = 2000;
} // namespace

int main()
{
    ScriptedNetworkScope scope;
    for (int i = 0; i < kConnections; ++i) {
        ScriptedAdapter adapter;
        adapter.name = "{ADAPTER-" + std::to_string(i) + "}";
        adapter.description = "Scripted Network Adapter #" + std::to_string(i);
        adapter.index = static_cast<DWORD>(i + 1);
        Scripted().adapters.push_back(adapter);
        // Two rows per adapter, as the table lists filters and miniports beside the adapters.
        Scripted().interfaces.push_back({adapter.description + "-WFP Filter", 0, adapter.index + 100, 1, 1});
        Scripted().interfaces.push_back({adapter.description, 0, adapter.index, 1000u * i, 2000u * i});
        Scripted().counts64[adapter.index] = {5000000000ULL + i, 6000000000ULL + i};
    }
    nw::NicConnList list;
    nw::LoadNicConns(&list);
    if (list.GetCount() != kConnections) {
        fprintf(stderr, "expected %d connections, found %d\n", kConnections, list.GetCount());
        return 1;
    }
    for (int i = 0; i < list.GetCount(); ++i)
        list.Get(i)->StopSampler(true);

    int64_t sink = 0;
    auto refresh = [&list, &sink]() {
        for (int i = 0; i < list.GetCount(); ++i) {
            int64_t value = 0;
            list.Get(i)->GetTotalOctets(&value);
            sink += value;
            list.Get(i)->GetInOctets(&value);
            sink += value;
            list.Get(i)->GetOutOctets(&value);
            sink += value;
        }
    };
    refresh();
    const AllocTally before = Allocations();
    refresh();
    const uint64_t perRefresh = (Allocations() - before).blocks;

    std::vector<unsigned char> table(64 * 1024);
    nw::IpHelperCalls& calls = nw::GetIpHelperCalls();
    auto plain = [&table, &calls, &sink]() {
        ULONG size = static_cast<ULONG>(table.size());
        calls.getIfTable(reinterpret_cast<PMIB_IFTABLE>(table.data()), &size, FALSE);
        sink += reinterpret_cast<PMIB_IFTABLE>(table.data())->dwNumEntries;
    };
    const double octets = Best([&]() {
        for (int r = 0; r < kRefreshes; ++r)
            refresh();
    });
    const double table1 = Best([&]() {
        for (int r = 0; r < kRefreshes; ++r)
            plain();
    });
    printf("octet reads of one refresh (3 sums x %d connections): %.2f us\n", kConnections, octets / kRefreshes * 1e6);
    printf("one plain interface-table call: %.2f us\n", table1 / kRefreshes * 1e6);
    printf("ratio: %.1f\n", octets / table1);
    printf("heap allocations per refresh: %llu\n", static_cast<unsigned long long>(perRefresh));
    list.Clear();
    return sink == 42 ? 2 : 0;
}
