#pragma once
#include <cstdint>

#include "storage/file/IFileOutputStream.h"

namespace s {
namespace file {
namespace win {

// The buffering of the file writers. Writes gather in a 64 KiB buffer and reach the file when it
// is full and more bytes wait; every move of the file writes the buffer out first, and a write-out
// that fails leaves the stream where it was. The position counts the buffered bytes.
class BufferedOutputStream : public IFileOutputStream {
public:
    static const uint32_t kBufferBytes = 0x10000;

    // Bytes taken into the buffer count as written even when a write-out stops the write early.
    bool Write(const void* data, uint32_t count, uint32_t* done) override;
    uint64_t GetPosition() override { return position_; }
    bool IsSeekable() override { return true; }
    bool SeekToStart() override;
    int64_t SeekToEnd() override;
    bool SetPosition(uint64_t position) override;
    int64_t SeekFromEnd(uint64_t distance) override;
    bool SeekForward(uint64_t distance) override;
    bool SeekBackward(uint64_t distance) override;

    virtual bool IsOpen() const = 0;
    uint32_t GetBufferFill() const { return fill_; }

protected:
    // The file's own origins, as both the system and the framework file number them.
    enum Origin : uint32_t { kFromStart = 0, kFromHere = 1, kFromEnd = 2 };

    BufferedOutputStream() : buffer_(nullptr), fill_(0), position_(0) {}

    // Hands the buffered bytes to the file; false when they did not all reach it.
    virtual bool WriteOut() = 0;
    // Moves the file; its new position from the start, or -1 when it did not move.
    virtual int64_t MoveFile(int64_t offset, Origin from) = 0;

    bool AllocateBuffer();
    void FreeBuffer();

    uint8_t* buffer_;
    uint32_t fill_;
    uint64_t position_;

private:
    BufferedOutputStream(const BufferedOutputStream&) = delete;
    BufferedOutputStream& operator=(const BufferedOutputStream&) = delete;

    int64_t MoveTo(int64_t offset, Origin from);
};

} // namespace win
} // namespace file
} // namespace s
