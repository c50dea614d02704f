#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "storage/file/IFileOutputStream.h"

namespace s {
namespace file {
namespace win {

// A buffered writer over a file handle, which can also be read and positioned. Writes gather in a
// 64 KiB buffer and reach the file when it is full and more bytes wait, at Flush, Truncate, Close
// and before every seek. The system's file pointer lies the buffered bytes behind the position.
class FileOutputStream final : public IFileOutputStream {
public:
    static const uint32_t kBufferBytes = 0x10000;

    FileOutputStream();
    ~FileOutputStream() override;

    void ReleaseToPool() override;
    bool Write(const void* data, uint32_t count, uint32_t* done) override;
    // False when buffered bytes could not be written out (they stay buffered) or the system flush failed.
    bool Flush() override;
    void Truncate() override;
    bool CloseReporting() override;
    uint64_t GetPosition() override { return position_; }
    bool IsSeekable() override { return true; }
    // Every seek first writes out the buffer; when that fails the stream does not move, so the
    // kept bytes still belong where they were written.
    bool SeekToStart() override;
    int64_t SeekToEnd() override;
    bool SetPosition(uint64_t position) override;
    int64_t SeekFromEnd(uint64_t distance) override;
    bool SeekForward(uint64_t distance) override;
    bool SeekBackward(uint64_t distance) override;
    void Clear() override;
    // Reads at the system's file pointer, behind any bytes still buffered.
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    // Takes over an open handle (the opener's); with append the stream starts at the file's end.
    // An invalid handle leaves a stream without a file: writes fail, Close does nothing.
    void Attach(HANDLE handle, bool append);
    bool IsOpen() const { return handle_ != nullptr; }
    uint32_t GetBufferFill() const { return fill_; }

    static thread::EasyPooler* GetPool();
    static FileOutputStream* New();

private:
    FileOutputStream(const FileOutputStream&) = delete;
    FileOutputStream& operator=(const FileOutputStream&) = delete;

    bool WriteOut();

    HANDLE handle_;
    uint8_t* buffer_;
    uint32_t fill_;
    uint64_t position_;
};

} // namespace win
} // namespace file
} // namespace s
