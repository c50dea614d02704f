#pragma once
#include <cstdint>

#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"

namespace s {
namespace io {

// Writes the whole buffer, Write after Write, until every byte is taken; false as soon as a Write
// fails or takes nothing.
bool WriteAll(IOutputStream* output, const void* data, uint32_t length);

// Reads the whole block, Read after Read, until every byte has arrived; false as soon as a Read
// fails or brings nothing, the bytes not read left as they were.
bool ReadAll(IInputStream* input, void* data, uint32_t length);

// Copies the input to its end through one shared 1 KiB buffer, held for the whole copy: copies
// from several threads run one after another. False when a write fails.
bool CopyStream(IInputStream* input, IOutputStream* output);

// The same through a buffer of its own whose lock is taken per chunk, so that concurrent copies
// through this function take turns chunk by chunk.
bool CopyStreamYielding(IOutputStream* output, IInputStream* input);

} // namespace io
} // namespace s
