#include "storage/file/BufferedOutputStream.h"

#include <cstdlib>
#include <cstring>

namespace s {
namespace file {
namespace win {

bool BufferedOutputStream::Write(const void* data, uint32_t count, uint32_t* done)
{
    *done = 0;
    if (!IsOpen())
        return false;
    const uint8_t* from = static_cast<const uint8_t*>(data);
    uint32_t remaining = count;
    while (remaining != 0) {
        if (fill_ == kBufferBytes && !WriteOut())
            break;
        const uint32_t room = kBufferBytes - fill_;
        const uint32_t n = remaining < room ? remaining : room;
        std::memcpy(buffer_ + fill_, from, n);
        fill_ += n;
        remaining -= n;
        from += n;
    }
    const uint32_t taken = count - remaining;
    position_ += taken;
    *done = taken;
    return remaining == 0;
}

int64_t BufferedOutputStream::MoveTo(int64_t offset, Origin from)
{
    if (!WriteOut())
        return -1;
    const int64_t moved = MoveFile(offset, from);
    if (moved < 0)
        return -1;
    position_ = static_cast<uint64_t>(moved);
    return moved;
}

bool BufferedOutputStream::SeekToStart()
{
    return MoveTo(0, kFromStart) == 0;
}

int64_t BufferedOutputStream::SeekToEnd()
{
    return MoveTo(0, kFromEnd);
}

bool BufferedOutputStream::SetPosition(uint64_t position)
{
    if (position == position_)
        return true;
    return MoveTo(static_cast<int64_t>(position), kFromStart) >= 0;
}

int64_t BufferedOutputStream::SeekFromEnd(uint64_t distance)
{
    return MoveTo(-static_cast<int64_t>(distance), kFromEnd);
}

bool BufferedOutputStream::SeekForward(uint64_t distance)
{
    if (distance == 0)
        return true;
    return MoveTo(static_cast<int64_t>(distance), kFromHere) >= 0;
}

bool BufferedOutputStream::SeekBackward(uint64_t distance)
{
    if (distance == 0)
        return true;
    return MoveTo(-static_cast<int64_t>(distance), kFromHere) >= 0;
}

bool BufferedOutputStream::AllocateBuffer()
{
    buffer_ = static_cast<uint8_t*>(std::malloc(kBufferBytes));
    return buffer_ != nullptr;
}

void BufferedOutputStream::FreeBuffer()
{
    std::free(buffer_);
    buffer_ = nullptr;
    fill_ = 0;
}

} // namespace win
} // namespace file
} // namespace s
