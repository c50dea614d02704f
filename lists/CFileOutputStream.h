#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "storage/file/BufferedOutputStream.h"

class CFile;

namespace s {
namespace file {
namespace win {

// A buffered writer over a framework file, such as the stream a drop target hands over for a
// dragged-out file. The buffer also goes out at Flush, Truncate, Close and before every read. A
// file exception is shown to the user once and the operation fails; the bytes it could not write
// are dropped, and the stream's close then reports the loss.
class CFileOutputStream final : public BufferedOutputStream {
public:
    static constexpr const wchar_t* kClassName = L"s_file_win_CFileOutputStream";
    static constexpr int32_t kPoolCapacity = 1000;

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
    bool IsOpen() const override { return file_ != nullptr; }

    bool Flush() override;
    void Truncate() override;
    bool CloseReporting() override;
    void Clear() override;
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;

private:
    CFileOutputStream(const CFileOutputStream&) = delete;
    CFileOutputStream& operator=(const CFileOutputStream&) = delete;

    bool WriteOut() override;
    int64_t MoveFile(int64_t offset, Origin from) override;

    CFile* file_;
    uint8_t ownsFile_;
    uint8_t closeFile_;
    uint8_t failed_;
};

} // namespace win
} // namespace file
} // namespace s
