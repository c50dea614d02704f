#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace win {

// A register behind an index (address) port and a data port, as the Super I/O configuration
// space and most hardware-monitor blocks are reached: the register number is written to the
// index port, then the data port is read or written. A failed read gives 0.
bool ReadIndexedRegister(uint16_t indexPort, uint16_t dataPort, uint32_t reg, int32_t* value);
void WriteIndexedRegister(uint16_t indexPort, uint16_t dataPort, uint32_t reg, int32_t value);
// The same register read as a signed byte.
bool ReadSignedIndexedRegister(uint16_t indexPort, uint16_t dataPort, uint32_t reg, int32_t* value);

} // namespace win
} // namespace system
} // namespace s
