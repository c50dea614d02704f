#pragma once
#include <windows.h>
#include <ole2.h>

#include "mfc/File.h"

// A COM stream read and written as a file; failures throw CFileException* carrying the HRESULT.
class COleStreamFile : public CFile {
public:
    COleStreamFile();
    // Takes over the reference, which Close, Abort or the destructor releases.
    explicit COleStreamFile(IStream* stream);
    ~COleStreamFile() override;

    void Attach(IStream* stream);
    // Gives the reference back to the caller, unreleased.
    IStream* Detach();
    IStream* GetStream() const { return stream_; }

    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void SetLength(ULONGLONG length) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

private:
    IStream* stream_;
};
