#include "lists/CFileOutputStream.h"

#include <cstdlib>
#include <cstring>

#include "mfc/File.h"
#include "mfc/FileException.h"

namespace s {
namespace file {
namespace win {

namespace {

void Report(CFileException* failure)
{
    failure->ReportError(MB_OK);
    failure->Delete();
}

} // namespace

CFileOutputStream::CFileOutputStream()
    : file_(nullptr), ownsFile_(0), closeFile_(1), failed_(0), buffer_(nullptr), buffered_(0), position_(0)
{
}

CFileOutputStream::~CFileOutputStream()
{
    CFileOutputStream::Clear();
}

thread::EasyPooler* CFileOutputStream::GetPool()
{
    return &thread::PoolOf<CFileOutputStream, kPoolCapacity>();
}

CFileOutputStream* CFileOutputStream::New()
{
    return thread::TakeFromPool<CFileOutputStream, kPoolCapacity>();
}

const wchar_t* CFileOutputStream::GetClassName()
{
    return kClassName;
}

base::IObject* CFileOutputStream::NewInstance()
{
    return New();
}

void CFileOutputStream::ReleaseToPool()
{
    GetPool()->Give(this);
}

bool CFileOutputStream::Attach(CFile* file, bool ownsFile, bool closeFile)
{
    Clear();
    if (!file)
        return false;
    uint64_t position = 0;
    try {
        position = file->GetPosition();
    } catch (CFileException* failure) {
        Report(failure);
        return false;
    }
    buffer_ = static_cast<uint8_t*>(std::malloc(kBufferBytes));
    if (!buffer_)
        return false;
    file_ = file;
    ownsFile_ = ownsFile ? 1 : 0;
    closeFile_ = closeFile ? 1 : 0;
    position_ = position;
    return true;
}

bool CFileOutputStream::WriteOut()
{
    if (!file_ || buffered_ == 0)
        return file_ != nullptr;
    const uint32_t pending = buffered_;
    // Whatever happens the bytes leave the buffer: after a failure the file's state is unknown,
    // and writing them again later would only report the same loss twice.
    buffered_ = 0;
    try {
        file_->Write(buffer_, pending);
    } catch (CFileException* failure) {
        failed_ = 1;
        Report(failure);
        return false;
    }
    return true;
}

bool CFileOutputStream::Write(const void* data, uint32_t count, uint32_t* done)
{
    *done = 0;
    if (!file_)
        return false;
    const uint8_t* from = static_cast<const uint8_t*>(data);
    uint32_t remaining = count;
    while (remaining != 0) {
        if (buffered_ == kBufferBytes && !WriteOut())
            return false;
        const uint32_t room = kBufferBytes - buffered_;
        const uint32_t n = remaining < room ? remaining : room;
        std::memcpy(buffer_ + buffered_, from, n);
        buffered_ += n;
        remaining -= n;
        from += n;
        position_ += n;
        *done += n;
    }
    return true;
}

bool CFileOutputStream::Flush()
{
    if (!WriteOut())
        return false;
    try {
        file_->Flush();
    } catch (CFileException* failure) {
        Report(failure);
        return false;
    }
    return true;
}

void CFileOutputStream::Truncate()
{
    if (!Flush())
        return;
    try {
        file_->SetLength(file_->GetPosition());
    } catch (CFileException* failure) {
        Report(failure);
    }
}

bool CFileOutputStream::CloseReporting()
{
    bool complete = false;
    if (file_) {
        complete = Flush() && !failed_;
        if (closeFile_) {
            try {
                file_->Close();
            } catch (CFileException* failure) {
                Report(failure);
                complete = false;
            }
        }
    }
    std::free(buffer_);
    buffer_ = nullptr;
    buffered_ = 0;
    return complete;
}

int64_t CFileOutputStream::MoveTo(int64_t offset, UINT from)
{
    if (!WriteOut())
        return -1;
    try {
        position_ = file_->Seek(offset, from);
    } catch (CFileException* failure) {
        Report(failure);
        return -1;
    }
    return static_cast<int64_t>(position_);
}

bool CFileOutputStream::SeekToStart()
{
    return MoveTo(0, CFile::begin) == 0;
}

int64_t CFileOutputStream::SeekToEnd()
{
    return MoveTo(0, CFile::end);
}

bool CFileOutputStream::SetPosition(uint64_t position)
{
    if (position == position_)
        return true;
    return MoveTo(static_cast<int64_t>(position), CFile::begin) >= 0;
}

int64_t CFileOutputStream::SeekFromEnd(uint64_t distance)
{
    return MoveTo(-static_cast<int64_t>(distance), CFile::end);
}

bool CFileOutputStream::SeekForward(uint64_t distance)
{
    if (distance == 0)
        return true;
    return MoveTo(static_cast<int64_t>(distance), CFile::current) >= 0;
}

bool CFileOutputStream::SeekBackward(uint64_t distance)
{
    if (distance == 0)
        return true;
    return MoveTo(-static_cast<int64_t>(distance), CFile::current) >= 0;
}

void CFileOutputStream::Clear()
{
    if (buffer_)
        CloseReporting();
    else if (file_ && closeFile_)
        file_->Abort();
    if (file_ && ownsFile_)
        delete file_;
    file_ = nullptr;
    ownsFile_ = 0;
    closeFile_ = 1;
    failed_ = 0;
    buffered_ = 0;
    position_ = 0;
}

bool CFileOutputStream::Read(void* buffer, uint32_t count, uint32_t* done)
{
    *done = 0;
    // Buffered bytes go out first, so the read sees the file as written so far.
    if (!WriteOut())
        return false;
    try {
        *done = file_->Read(buffer, count);
    } catch (CFileException* failure) {
        Report(failure);
        return false;
    }
    position_ += *done;
    return *done != 0;
}

} // namespace win
} // namespace file
} // namespace s
