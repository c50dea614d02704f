#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace digest {

class IDigester : public base::IObject {
public:
    virtual int32_t GetDigestSize() = 0;
    virtual void Update(const void* data, int32_t length) = 0;
    // Completes the digest into destination, or into the digester's own result when it is null.
    virtual void Finish(uint8_t* destination) = 0;
    virtual void Reset() = 0;
};

} // namespace digest
} // namespace s
