#pragma once
#include "core/io/IInputStream.h"

namespace s {
namespace io {

// An object that can offer its contents as a byte stream.
class IInputStreamable {
public:
    virtual ~IInputStreamable() {}
    // A pooled stream over the object, or null when it has none; the caller ends it with Dispose.
    virtual IInputStream* GetInputStream() { return nullptr; }
};

} // namespace io
} // namespace s
