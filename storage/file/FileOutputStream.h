#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "storage/file/BufferedOutputStream.h"

namespace s {
namespace file {
namespace win {

// A buffered writer over a file handle, which can also be read and positioned. The buffer also
// goes out at Flush, Truncate and Close. The system's file pointer lies the buffered bytes behind
// the position; bytes a write-out could not place stay buffered, so that they still belong where
// they were written.
class FileOutputStream final : public BufferedOutputStream {
public:
    FileOutputStream();
    ~FileOutputStream() override;

    void ReleaseToPool() override;
    // False when buffered bytes could not be written out (they stay buffered) or the system flush failed.
    bool Flush() override;
    void Truncate() override;
    bool CloseReporting() override;
    void Clear() override;
    // Reads at the system's file pointer, behind any bytes still buffered.
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    // Takes over an open handle (the opener's); with append the stream starts at the file's end.
    // An invalid handle leaves a stream without a file: writes fail, Close does nothing.
    void Attach(HANDLE handle, bool append);
    bool IsOpen() const override { return handle_ != nullptr; }

    static thread::EasyPooler* GetPool();
    static FileOutputStream* New();

private:
    FileOutputStream(const FileOutputStream&) = delete;
    FileOutputStream& operator=(const FileOutputStream&) = delete;

    bool WriteOut() override;
    int64_t MoveFile(int64_t offset, Origin from) override;

    HANDLE handle_;
};

} // namespace win
} // namespace file
} // namespace s
