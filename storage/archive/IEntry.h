#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace archive {

// One member of an archive. The operations that only some archives give meaning to answer
// empty, false or null here, so that an archive overrides just what it has.
class IEntry : public base::IObject {
public:
    static const uint32_t kNormalAttributes = FILE_ATTRIBUTE_NORMAL;

    virtual const wchar_t* GetPathText() { return L""; }
    virtual bool IsFolder() { return false; }
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
    virtual uint64_t GetStoredSize() { return GetSize(); }
    virtual const wchar_t* GetCreationText() { return nullptr; }
    virtual const wchar_t* GetModifiedText() { return nullptr; }
    virtual const wchar_t* GetAccessedText() { return nullptr; }
    virtual const wchar_t* GetComment() { return nullptr; }
    virtual uint32_t GetAttributes() { return kNormalAttributes; }
    virtual bool IsHidden() { return false; }
    virtual bool IsReadOnly() { return false; }
};

} // namespace archive
} // namespace s
