#include "storage/file/FileOutputStream.h"

#include <cstdlib>
#include <cstring>

#include "storage/file/FileInputStream.h"

namespace s {
namespace file {
namespace win {

FileOutputStream::FileOutputStream() : handle_(nullptr), buffer_(nullptr), fill_(0), position_(0) {}

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

bool FileOutputStream::Write(const void* data, uint32_t count, uint32_t* done)
{
    if (!handle_) {
        *done = 0;
        return false;
    }
    const uint8_t* from = static_cast<const uint8_t*>(data);
    uint32_t remaining = count;
    while (remaining != 0) {
        const uint32_t room = kBufferBytes - fill_;
        const uint32_t n = remaining < room ? remaining : room;
        if (n == 0) {
            if (!WriteOut())
                break;
            continue;
        }
        std::memcpy(buffer_ + fill_, from, n);
        fill_ += n;
        remaining -= n;
        from += n;
        if (remaining != 0 && !WriteOut())
            break;
    }
    // Bytes taken into the buffer belong to the file from now on: the position counts them even
    // when the write stops early, so it stays the file pointer plus the buffered bytes.
    const uint32_t taken = count - remaining;
    position_ += taken;
    *done = taken;
    return remaining == 0;
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
    std::free(buffer_);
    buffer_ = nullptr;
    fill_ = 0;
    return complete;
}

bool FileOutputStream::SeekToStart()
{
    if (!WriteOut() || !FileInputStream::MoveHandle(handle_, 0, FILE_BEGIN, nullptr))
        return false;
    position_ = 0;
    return true;
}

int64_t FileOutputStream::SeekToEnd()
{
    uint64_t moved = 0;
    if (!WriteOut() || !FileInputStream::MoveHandle(handle_, 0, FILE_END, &moved))
        return -1;
    position_ = moved;
    return static_cast<int64_t>(moved);
}

bool FileOutputStream::SetPosition(uint64_t position)
{
    if (position == position_)
        return true;
    if (!WriteOut() || !FileInputStream::MoveHandle(handle_, static_cast<int64_t>(position), FILE_BEGIN, nullptr))
        return false;
    position_ = position;
    return true;
}

int64_t FileOutputStream::SeekFromEnd(uint64_t distance)
{
    uint64_t moved = 0;
    if (!WriteOut() || !FileInputStream::MoveHandle(handle_, -static_cast<int64_t>(distance), FILE_END, &moved))
        return -1;
    position_ = moved;
    return static_cast<int64_t>(moved);
}

bool FileOutputStream::SeekForward(uint64_t distance)
{
    if (distance == 0)
        return true;
    if (!WriteOut() ||
        !FileInputStream::MoveHandle(handle_, static_cast<int64_t>(distance), FILE_CURRENT, nullptr))
        return false;
    position_ += distance;
    return true;
}

bool FileOutputStream::SeekBackward(uint64_t distance)
{
    if (distance == 0)
        return true;
    if (!WriteOut() ||
        !FileInputStream::MoveHandle(handle_, -static_cast<int64_t>(distance), FILE_CURRENT, nullptr))
        return false;
    position_ -= distance;
    return true;
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
    buffer_ = static_cast<uint8_t*>(std::malloc(kBufferBytes));
    if (!buffer_) {
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
