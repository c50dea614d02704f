#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace io {
class IOutputStream;
}

namespace archive {

class ProgressData;

// One member of an archive. The operations that only some archives give meaning to answer
// empty, false or null here, so that an archive overrides just what it has.
class IEntry : public base::IObject {
public:
    static const uint32_t kNormalAttributes = FILE_ATTRIBUTE_NORMAL;

    virtual const wchar_t* GetPathText() { return L""; }
    virtual bool IsDirectory() { return false; }
    virtual void Refresh() {}
    virtual bool IsCompressed() { return false; }
    virtual bool IsEncrypted() { return false; }
    virtual IEntry* GetParent() { return nullptr; }
    virtual void Lock() {}
    virtual void Unlock() {}
    virtual void* GetInputStream() { return nullptr; }
    virtual void* GetOutputStream() { return nullptr; }
    virtual void BeginRead() {}
    virtual void EndRead() {}
    virtual void BeginWrite() {}
    virtual void EndWrite() {}
    virtual uint64_t GetSize() = 0;
    // The bytes a copy counts for its progress.
    virtual uint64_t GetTransferSize() { return GetSize(); }
    // Seconds since 1970-01-01 00:00 UTC; 0 or less when not known.
    virtual int64_t GetCreationTime() { return 0; }
    virtual int64_t GetWriteTime() { return 0; }
    virtual int64_t GetAccessTime() { return 0; }
    virtual const wchar_t* GetComment() { return nullptr; }
    virtual uint32_t GetAttributes() { return kNormalAttributes; }
    virtual bool IsHidden() { return false; }
    virtual bool IsReadOnly() { return false; }
    // Writes the entry's bytes into the stream, reporting to the progress record when there is
    // one; false when not every byte was written.
    virtual bool WriteTo(io::IOutputStream* /*output*/, ProgressData* /*progress*/) { return false; }
};

} // namespace archive
} // namespace s
