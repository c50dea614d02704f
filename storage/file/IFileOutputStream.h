#pragma once
#include "core/base/IObject.h"
#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"

namespace s {
namespace file {

// A file to write that can also be read and positioned through its input side.
class IFileOutputStream : public io::IOutputStream, public io::IInputStream, public base::IObject {
public:
    // Writes out what is buffered and closes the file; false when any byte failed to reach it or
    // the close itself failed. The handle is closed either way.
    virtual bool CloseReporting() = 0;
    // One body for both sides of the stream.
    void ReleaseToPool() override = 0;
    void Clear() override = 0;

    // The generic Close and Dispose cannot carry a result; callers that must know whether the
    // file is complete use the reporting forms.
    void Close() override { CloseReporting(); }
    void Dispose() override { DisposeReporting(); }
    // Close, then back to the pool; the result is the close's.
    bool DisposeReporting()
    {
        const bool closed = CloseReporting();
        ReleaseToPool();
        return closed;
    }
    void Reset() override { Clear(); }
};

} // namespace file
} // namespace s
