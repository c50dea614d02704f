#pragma once
#include <cstdint>

#include "core/col/Arrays.h"
#include "core/digest/IDigester.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace digest {
namespace md5 {

// The MD5 message digest of RFC 1321.
class Md5 : public IDigester, public thread::IPoolable {
public:
    Md5();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;

    int32_t GetDigestSize() override;
    void Update(const void* data, int32_t length) override;
    void Finish(uint8_t* destination) override;
    // Back to the initial state; also what every return to the pool does.
    void Reset() override;
    str::strbuffer::StrBuffer* ToHex(str::strbuffer::StrBuffer* string, bool keep) override;

    // The 16 bytes of the last Finish without a destination.
    col::_array::ArrayU08& GetResult() { return result_; }

    static thread::EasyPooler* GetPool();
    static Md5* New();

private:
    void Transform(const uint8_t* block);

    col::_array::ArrayU08 result_;
    uint32_t state_[4];
    uint32_t bitCount_[2];
    uint8_t block_[64];
};

} // namespace md5
} // namespace digest
} // namespace s
