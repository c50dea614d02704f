#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "storage/file/IFileInputStream.h"

namespace s {
namespace file {
namespace win {

// An unbuffered reader over a file handle: callers read in their own chunk sizes.
class FileInputStream final : public IFileInputStream {
public:
    FileInputStream();
    ~FileInputStream() override;

    void ReleaseToPool() override;
    void Reset() override { Clear(); }
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;
    void Close() override;
    uint64_t GetPosition() override { return position_; }
    bool IsSeekable() override { return true; }
    bool SeekToStart() override;
    int64_t SeekToEnd() override;
    bool SetPosition(uint64_t position) override;
    int64_t SeekFromEnd(uint64_t distance) override;
    bool SeekForward(uint64_t distance) override;
    bool SeekBackward(uint64_t distance) override;
    void Clear() override;
    // Back to the pool, whose reset closes the file.
    void Dispose() override { ReleaseToPool(); }

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    // Takes over an open handle; an invalid one leaves a stream that reads nothing.
    void Attach(HANDLE handle);
    bool IsOpen() const { return handle_ != nullptr; }

    static thread::EasyPooler* GetPool();
    static FileInputStream* New();

    // The read of every file stream: up to count bytes at the system's file pointer, advancing
    // position by what was read. End of file, a failed call and no handle all give false, done 0.
    static bool ReadHandle(HANDLE handle, void* buffer, uint32_t count, uint32_t* done, uint64_t* position);
    // Moves the system's file pointer; the new pointer in moved (when given) on success.
    static bool MoveHandle(HANDLE handle, int64_t distance, DWORD method, uint64_t* moved);

private:
    FileInputStream(const FileInputStream&) = delete;
    FileInputStream& operator=(const FileInputStream&) = delete;

    HANDLE handle_;
    uint64_t position_;
};

} // namespace win
} // namespace file
} // namespace s
