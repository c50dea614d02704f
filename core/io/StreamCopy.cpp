#include "core/io/StreamCopy.h"

#include "core/thread/ObjLocker.h"

namespace s {
namespace io {

namespace {

const uint32_t kCopyBufferBytes = 1024;

// One per copy function, made on first use and destroyed at exit.
struct CopyBuffer {
    thread::ObjLocker locker;
    uint8_t bytes[kCopyBufferBytes];
};

CopyBuffer& SerialBuffer()
{
    static CopyBuffer buffer;
    return buffer;
}

CopyBuffer& YieldingBuffer()
{
    static CopyBuffer buffer;
    return buffer;
}

enum class Chunk { Copied, End, WriteFailed };

// One read into the buffer and its write. A read that succeeds with nothing counts as the end,
// so a stream that never says false cannot hold a copy forever.
Chunk CopyChunk(CopyBuffer& buffer, IInputStream* input, IOutputStream* output)
{
    uint32_t read = 0;
    if (!input->Read(buffer.bytes, kCopyBufferBytes, &read) || read == 0)
        return Chunk::End;
    return WriteAll(output, buffer.bytes, read) ? Chunk::Copied : Chunk::WriteFailed;
}

} // namespace

bool WriteAll(IOutputStream* output, const void* data, uint32_t length)
{
    const uint8_t* from = static_cast<const uint8_t*>(data);
    uint32_t taken = 0;
    while (taken < length) {
        uint32_t done = 0;
        if (!output->Write(from + taken, length - taken, &done) || done == 0)
            return false;
        taken += done;
    }
    return true;
}

bool ReadAll(IInputStream* input, void* data, uint32_t length)
{
    uint8_t* into = static_cast<uint8_t*>(data);
    uint32_t arrived = 0;
    while (arrived < length) {
        uint32_t done = 0;
        if (!input->Read(into + arrived, length - arrived, &done) || done == 0)
            return false;
        arrived += done;
    }
    return true;
}

bool CopyStream(IInputStream* input, IOutputStream* output)
{
    CopyBuffer& buffer = SerialBuffer();
    thread::ScopedLock hold(buffer.locker);
    Chunk chunk;
    while ((chunk = CopyChunk(buffer, input, output)) == Chunk::Copied) {
    }
    return chunk == Chunk::End;
}

bool CopyStreamYielding(IOutputStream* output, IInputStream* input)
{
    CopyBuffer& buffer = YieldingBuffer();
    for (;;) {
        thread::ScopedLock hold(buffer.locker);
        const Chunk chunk = CopyChunk(buffer, input, output);
        if (chunk != Chunk::Copied)
            return chunk == Chunk::End;
    }
}

} // namespace io
} // namespace s
