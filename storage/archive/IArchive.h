#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace io {
class IOutputStream;
}
namespace file {
class IPath;
}

namespace archive {

class IEntry;

// A set of entries read from one file. The archive owns its entries; callers borrow them.
// The operations that only some archives give meaning to do nothing here.
class IArchive : public base::IObject {
public:
    virtual uint64_t GetSize() = 0;
    virtual uint32_t GetFileCount() { return GetEntryCount(); }
    virtual uint32_t GetEntryCount() = 0;
    // index below the count.
    virtual IEntry* GetEntry(uint32_t index) = 0;
    virtual bool IsEncrypted() { return false; }
    virtual bool Open(file::IPath* path) = 0;
    virtual void Close() = 0;
    // False when the entry's bytes cannot be read or the stream does not take all of them.
    virtual bool ReadEntry(IEntry* entry, io::IOutputStream* out) = 0;
    virtual void ClearPending() {}
    virtual void BeginUpdate() {}
    virtual void EndUpdate() {}
    virtual void CancelUpdate() {}
    virtual void Compact() {}
    virtual bool IsModified() { return false; }
    virtual bool IsReadOnly() { return false; }
    virtual void Refresh() {}
    virtual const wchar_t* GetComment() { return L""; }
    virtual bool HasPassword() { return false; }
    virtual const wchar_t* GetPassword() { return L""; }
    virtual void Flush() {}
};

} // namespace archive
} // namespace s
