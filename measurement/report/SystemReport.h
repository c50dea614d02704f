#pragma once
#include "core/str/StrArray.h"

namespace s {
namespace system {
namespace network {
namespace win {
class NicConnList;
}
} // namespace network

namespace win {

// The diagnostic text the user saves as "Error Report.txt": the "[OS]", "[CodePage] ", "[CPU]",
// "[Chips]", "[HDD]", "[NIC]", "[WSA Initializer]", "[Packet Watcher]" and "[Performance Counter
// Objects] " sections in this order, one line a text (a text may itself hold CR LF). A new list
// the caller releases; null when none can be had.
str::strarray::StrArray* BuildSystemReport();

// The "[NIC]" section: the descriptions of the valid connections of a list, of the process-wide
// one without.
str::strarray::StrArray* BuildNicReport(network::win::NicConnList* list);
str::strarray::StrArray* BuildNicReport();

} // namespace win
} // namespace system
} // namespace s
