#pragma once
#include <cstdint>

#include "core/thread/IPoolable.h"

namespace s {
namespace io {

// A byte stream to write to. Positions are bytes from the start.
class IOutputStream : public thread::IPoolable {
public:
    virtual bool Write(const void* buffer, uint32_t count, uint32_t* done) = 0;
    virtual bool Flush() = 0;
    virtual void Truncate() = 0;
    virtual void Close() = 0;
    virtual uint64_t GetPosition() = 0;
    virtual bool IsSeekable() = 0;
    virtual bool SeekToStart() = 0;
    // The new position, or -1 when the stream could not move.
    virtual int64_t SeekToEnd() = 0;
    virtual bool SetPosition(uint64_t position) = 0;
    virtual int64_t SeekFromEnd(uint64_t distance) = 0;
    virtual bool SeekForward(uint64_t distance) = 0;
    virtual bool SeekBackward(uint64_t distance) = 0;
    virtual void Clear() = 0;
    virtual void Dispose() = 0;
};

} // namespace io
} // namespace s
