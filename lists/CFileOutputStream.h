#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "storage/file/IFileOutputStream.h"

class CFile;

namespace s {
namespace file {
namespace win {

// A buffered writer over a framework file, such as the stream a drop target hands over for a
// dragged-out file. Writes gather in a 64 KiB buffer and reach the file when it is full and more
// bytes wait, at Flush, Truncate, Close and before every seek or read. A file exception is shown
// to the user once and the operation fails; the bytes it could not write are dropped, and the
// stream's close then reports the loss.
class CFileOutputStream final : public IFileOutputStream {
public:
    static constexpr const wchar_t* kClassName = L"s_file_win_CFileOutputStream";
    static constexpr int32_t kPoolCapacity = 1000;
    static const uint32_t kBufferBytes = 0x10000;

    CFileOutputStream();
    ~CFileOutputStream() override;

    static thread::EasyPooler* GetPool();
    static CFileOutputStream* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;

    // Writes from the file's current position on. With ownsFile the stream deletes the file when
    // cleared; with closeFile it closes it when closed. False (and no file) when the buffer cannot
    // be had or the file's position cannot be read.
    bool Attach(CFile* file, bool ownsFile, bool closeFile);
    uint32_t GetBufferFill() const { return buffered_; }

    bool Write(const void* data, uint32_t count, uint32_t* done) override;
    bool Flush() override;
    void Truncate() override;
    bool CloseReporting() override;
    uint64_t GetPosition() override { return position_; }
    bool IsSeekable() override { return true; }
    bool SeekToStart() override;
    int64_t SeekToEnd() override;
    bool SetPosition(uint64_t position) override;
    int64_t SeekFromEnd(uint64_t distance) override;
    bool SeekForward(uint64_t distance) override;
    bool SeekBackward(uint64_t distance) override;
    void Clear() override;
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;

private:
    CFileOutputStream(const CFileOutputStream&) = delete;
    CFileOutputStream& operator=(const CFileOutputStream&) = delete;

    bool WriteOut();
    // Moves the file (buffer written out first) and keeps the new position; -1 on failure.
    int64_t MoveTo(int64_t offset, UINT from);

    CFile* file_;
    uint8_t ownsFile_;
    uint8_t closeFile_;
    uint8_t failed_;
    uint8_t* buffer_;
    uint32_t buffered_;
    uint64_t position_;
};

} // namespace win
} // namespace file
} // namespace s
