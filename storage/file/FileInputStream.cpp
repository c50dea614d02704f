#include "storage/file/FileInputStream.h"

namespace s {
namespace file {
namespace win {

FileInputStream::FileInputStream() : handle_(nullptr), position_(0) {}

FileInputStream::~FileInputStream()
{
    FileInputStream::Clear();
}

void FileInputStream::ReleaseToPool()
{
    GetPool()->Give(this);
}

bool FileInputStream::ReadHandle(HANDLE handle, void* buffer, uint32_t count, uint32_t* done, uint64_t* position)
{
    DWORD read = 0;
    if (handle && count != 0 && ReadFile(handle, buffer, count, &read, nullptr) && read != 0) {
        *done = read;
        *position += read;
        return true;
    }
    *done = 0;
    return false;
}

bool FileInputStream::MoveHandle(HANDLE handle, int64_t distance, DWORD method, uint64_t* moved)
{
    if (!handle)
        return false;
    LARGE_INTEGER by;
    by.QuadPart = distance;
    LARGE_INTEGER now;
    now.QuadPart = 0;
    if (!SetFilePointerEx(handle, by, &now, method))
        return false;
    if (moved)
        *moved = static_cast<uint64_t>(now.QuadPart);
    return true;
}

bool FileInputStream::Read(void* buffer, uint32_t count, uint32_t* done)
{
    return ReadHandle(handle_, buffer, count, done, &position_);
}

void FileInputStream::Close()
{
    if (handle_) {
        CloseHandle(handle_);
        handle_ = nullptr;
    }
}

bool FileInputStream::SeekToStart()
{
    if (!MoveHandle(handle_, 0, FILE_BEGIN, nullptr))
        return false;
    position_ = 0;
    return true;
}

int64_t FileInputStream::SeekToEnd()
{
    uint64_t moved = 0;
    if (!MoveHandle(handle_, 0, FILE_END, &moved))
        return -1;
    position_ = moved;
    return static_cast<int64_t>(moved);
}

bool FileInputStream::SetPosition(uint64_t position)
{
    if (position == position_)
        return true;
    if (!MoveHandle(handle_, static_cast<int64_t>(position), FILE_BEGIN, nullptr))
        return false;
    position_ = position;
    return true;
}

int64_t FileInputStream::SeekFromEnd(uint64_t distance)
{
    uint64_t moved = 0;
    if (!MoveHandle(handle_, -static_cast<int64_t>(distance), FILE_END, &moved))
        return -1;
    position_ = moved;
    return static_cast<int64_t>(moved);
}

bool FileInputStream::SeekForward(uint64_t distance)
{
    if (distance == 0)
        return true;
    if (!MoveHandle(handle_, static_cast<int64_t>(distance), FILE_CURRENT, nullptr))
        return false;
    position_ += distance;
    return true;
}

bool FileInputStream::SeekBackward(uint64_t distance)
{
    if (distance == 0)
        return true;
    if (!MoveHandle(handle_, -static_cast<int64_t>(distance), FILE_CURRENT, nullptr))
        return false;
    position_ -= distance;
    return true;
}

void FileInputStream::Clear()
{
    Close();
    position_ = 0;
}

const wchar_t* FileInputStream::GetClassName()
{
    return L"s_file_win_FileInputStream";
}

base::IObject* FileInputStream::NewInstance()
{
    return New();
}

void FileInputStream::Attach(HANDLE handle)
{
    Clear();
    if (handle != INVALID_HANDLE_VALUE)
        handle_ = handle;
}

thread::EasyPooler* FileInputStream::GetPool()
{
    return &thread::PoolOf<FileInputStream>();
}

FileInputStream* FileInputStream::New()
{
    return thread::TakeFromPool<FileInputStream>();
}

} // namespace win
} // namespace file
} // namespace s
