#include "storage/file/FileOutputStream.h"

#include <cstring>

#include "storage/file/FileInputStream.h"

namespace s {
namespace file {
namespace win {

FileOutputStream::FileOutputStream() : handle_(nullptr) {}

FileOutputStream::~FileOutputStream()
{
    FileOutputStream::Clear();
}

void FileOutputStream::ReleaseToPool()
{
    GetPool()->Give(this);
}

bool FileOutputStream::WriteOut()
{
    if (!handle_ || fill_ == 0)
        return true;
    DWORD written = 0;
    const bool ok = WriteFile(handle_, buffer_, fill_, &written, nullptr) != 0;
    if (ok && written == fill_) {
        fill_ = 0;
        return true;
    }
    // A short write (a full disk) moved the file pointer past what it took: keep only the rest,
    // so that a later write-out continues where this one stopped.
    if (written != 0 && written < fill_) {
        std::memmove(buffer_, buffer_ + written, fill_ - written);
        fill_ -= written;
    }
    return false;
}

bool FileOutputStream::Flush()
{
    if (!handle_ || !WriteOut())
        return false;
    return FlushFileBuffers(handle_) != 0;
}

void FileOutputStream::Truncate()
{
    if (!handle_)
        return;
    Flush();
    SetEndOfFile(handle_);
}

bool FileOutputStream::CloseReporting()
{
    bool complete = false;
    if (handle_) {
        complete = Flush();
        if (!CloseHandle(handle_))
            complete = false;
        handle_ = nullptr;
    }
    FreeBuffer();
    return complete;
}

int64_t FileOutputStream::MoveFile(int64_t offset, Origin from)
{
    static_assert(kFromStart == FILE_BEGIN && kFromHere == FILE_CURRENT && kFromEnd == FILE_END, "the system numbers its origins as the stream does");
    uint64_t moved = 0;
    if (!FileInputStream::MoveHandle(handle_, offset, from, &moved))
        return -1;
    return static_cast<int64_t>(moved);
}

void FileOutputStream::Clear()
{
    if (handle_ || buffer_)
        CloseReporting();
    fill_ = 0;
    position_ = 0;
}

bool FileOutputStream::Read(void* buffer, uint32_t count, uint32_t* done)
{
    // Buffered bytes go out first, so the read sees the file as written so far.
    if (!WriteOut()) {
        *done = 0;
        return false;
    }
    return FileInputStream::ReadHandle(handle_, buffer, count, done, &position_);
}

const wchar_t* FileOutputStream::GetClassName()
{
    return L"s_file_win_FileOutputStream";
}

base::IObject* FileOutputStream::NewInstance()
{
    return New();
}

void FileOutputStream::Attach(HANDLE handle, bool append)
{
    Clear();
    if (handle == INVALID_HANDLE_VALUE || !handle)
        return;
    if (!AllocateBuffer()) {
        CloseHandle(handle);
        return;
    }
    handle_ = handle;
    if (append)
        SeekToEnd();
}

thread::EasyPooler* FileOutputStream::GetPool()
{
    return &thread::PoolOf<FileOutputStream>();
}

FileOutputStream* FileOutputStream::New()
{
    return thread::TakeFromPool<FileOutputStream>();
}

} // namespace win
} // namespace file
} // namespace s
