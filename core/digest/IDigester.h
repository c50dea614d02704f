#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace digest {

class IDigester : public base::IObject {
public:
    virtual int32_t GetDigestSize() = 0;
    virtual void Update(const void* data, int32_t length) = 0;
    // Completes the digest into destination, or into the digester's own result when it is null.
    virtual void Finish(uint8_t* destination) = 0;
    virtual void Reset() = 0;
    // The result of the last Finish without a destination as lower-case hex, two digits per
    // byte: into string (emptied first unless keep), or with none into a string from the pool.
    virtual str::strbuffer::StrBuffer* ToHex(str::strbuffer::StrBuffer* string, bool keep) = 0;
};

// Feeds a run of any length: Update takes a signed 32-bit count, so longer runs go in pieces.
inline void UpdateAll(IDigester* digester, const void* data, uint64_t length)
{
    const uint64_t kPiece = 1u << 30;
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    while (length > 0) {
        const uint64_t n = length < kPiece ? length : kPiece;
        digester->Update(bytes, static_cast<int32_t>(n));
        bytes += n;
        length -= n;
    }
}

} // namespace digest
} // namespace s
