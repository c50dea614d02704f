#pragma once
#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"

namespace s {
namespace io {

// A class that is also a stream may have an operation of its own named Clear (empty a collection
// or a text) besides the stream's Clear (only rewind). Deriving from these faces settles the
// stream's Clear and Dispose here, so the class's own Clear never overrides them.
namespace face {
class Input : public IInputStream {
public:
    void Clear() override { Close(); }
    void Dispose() override { Close(); }
};
class Output : public IOutputStream {
public:
    void Clear() override { Close(); }
    void Dispose() override { Close(); }
};
} // namespace face

} // namespace io
} // namespace s
