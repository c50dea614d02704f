#include "mfc/OleStreamFile.h"

#include "mfc/FileException.h"

namespace {

int CauseOf(HRESULT result)
{
    switch (result) {
    case STG_E_MEDIUMFULL:
        return CFileException::diskFull;
    case STG_E_ACCESSDENIED:
        return CFileException::accessDenied;
    case STG_E_SHAREVIOLATION:
        return CFileException::sharingViolation;
    case STG_E_LOCKVIOLATION:
        return CFileException::lockViolation;
    case STG_E_INVALIDPOINTER:
    case STG_E_REVERTED:
        return CFileException::invalidFile;
    case STG_E_INVALIDFUNCTION:
        return CFileException::badSeek;
    default:
        return CFileException::genericException;
    }
}

void ThrowIfFailed(HRESULT result)
{
    if (FAILED(result))
        AfxThrowFileException(CauseOf(result), static_cast<LONG>(result));
}

void ThrowIfClosed(IStream* stream)
{
    if (!stream)
        AfxThrowFileException(CFileException::invalidFile, static_cast<LONG>(E_POINTER));
}

} // namespace

COleStreamFile::COleStreamFile() : stream_(nullptr) {}

COleStreamFile::COleStreamFile(IStream* stream) : stream_(stream) {}

COleStreamFile::~COleStreamFile()
{
    COleStreamFile::Abort();
}

void COleStreamFile::Attach(IStream* stream)
{
    Abort();
    stream_ = stream;
}

IStream* COleStreamFile::Detach()
{
    IStream* stream = stream_;
    stream_ = nullptr;
    return stream;
}

UINT COleStreamFile::Read(void* buffer, UINT count)
{
    ThrowIfClosed(stream_);
    ULONG read = 0;
    ThrowIfFailed(stream_->Read(buffer, count, &read));
    return read;
}

void COleStreamFile::Write(const void* buffer, UINT count)
{
    ThrowIfClosed(stream_);
    ULONG written = 0;
    ThrowIfFailed(stream_->Write(buffer, count, &written));
    if (written != count)
        AfxThrowFileException(CFileException::diskFull, static_cast<LONG>(STG_E_MEDIUMFULL));
}

ULONGLONG COleStreamFile::Seek(LONGLONG offset, UINT from)
{
    ThrowIfClosed(stream_);
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    ULARGE_INTEGER moved = {};
    ThrowIfFailed(stream_->Seek(distance, from, &moved));
    return moved.QuadPart;
}

ULONGLONG COleStreamFile::GetPosition() const
{
    ThrowIfClosed(stream_);
    LARGE_INTEGER none = {};
    ULARGE_INTEGER at = {};
    ThrowIfFailed(stream_->Seek(none, STREAM_SEEK_CUR, &at));
    return at.QuadPart;
}

ULONGLONG COleStreamFile::GetLength() const
{
    ThrowIfClosed(stream_);
    STATSTG state = {};
    ThrowIfFailed(stream_->Stat(&state, STATFLAG_NONAME));
    return state.cbSize.QuadPart;
}

void COleStreamFile::SetLength(ULONGLONG length)
{
    ThrowIfClosed(stream_);
    ULARGE_INTEGER size;
    size.QuadPart = length;
    ThrowIfFailed(stream_->SetSize(size));
}

void COleStreamFile::Flush()
{
    ThrowIfClosed(stream_);
    ThrowIfFailed(stream_->Commit(STGC_DEFAULT));
}

void COleStreamFile::Close()
{
    Abort();
}

void COleStreamFile::Abort()
{
    if (stream_)
        stream_->Release();
    stream_ = nullptr;
}
