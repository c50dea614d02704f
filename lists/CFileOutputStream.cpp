#include "lists/CFileOutputStream.h"

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
    : file_(nullptr), ownsFile_(0), closeFile_(1), failed_(0)
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
    if (!AllocateBuffer())
        return false;
    file_ = file;
    ownsFile_ = ownsFile ? 1 : 0;
    closeFile_ = closeFile ? 1 : 0;
    position_ = position;
    return true;
}

bool CFileOutputStream::WriteOut()
{
    if (!file_ || fill_ == 0)
        return file_ != nullptr;
    const uint32_t pending = fill_;
    // Whatever happens the bytes leave the buffer: after a failure the file's state is unknown,
    // and writing them again later would only report the same loss twice.
    fill_ = 0;
    try {
        file_->Write(buffer_, pending);
    } catch (CFileException* failure) {
        failed_ = 1;
        Report(failure);
        return false;
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
    FreeBuffer();
    return complete;
}

int64_t CFileOutputStream::MoveFile(int64_t offset, Origin from)
{
    static_assert(kFromStart == static_cast<int>(CFile::begin) && kFromHere == static_cast<int>(CFile::current) &&
                      kFromEnd == static_cast<int>(CFile::end),
                  "the framework file numbers its origins as the system does");
    try {
        return static_cast<int64_t>(file_->Seek(offset, from));
    } catch (CFileException* failure) {
        Report(failure);
        return -1;
    }
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
    fill_ = 0;
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
