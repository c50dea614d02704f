#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace s {
namespace lang {
class Localizer;
}
} // namespace s

namespace embeddedpack {

// The language-pack document of the program beside the test programs, as its resource holds
// it; empty when it cannot be read.
std::wstring Document();

// The program's packs, read from its resource by the loader.
s::lang::Localizer* Load();

// The ids of the document's entries, in document order.
std::vector<int32_t> EntryIds(const std::wstring& document);

} // namespace embeddedpack
