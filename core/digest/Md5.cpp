#include "core/digest/Md5.h"

#include <cstring>

#include "core/str/StrBuffer.h"

namespace s {
namespace digest {
namespace md5 {

namespace {

inline uint32_t Rotate(uint32_t x, int n)
{
    return (x << n) | (x >> (32 - n));
}

inline uint32_t LoadLittle(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

inline void StoreLittle(uint8_t* p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// The sine-derived constants: floor(abs(sin(i + 1)) * 2^32).
const uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};
const int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

} // namespace

Md5::Md5()
{
    result_.SetCount(16);
    Reset();
}

const wchar_t* Md5::GetClassName()
{
    return L"s_digest_md5_Md5";
}

base::IObject* Md5::NewInstance()
{
    return New();
}

void Md5::ReleaseToPool()
{
    thread::GiveToPool(this);
}

thread::EasyPooler* Md5::GetPool()
{
    return &thread::PoolOf<Md5>();
}

Md5* Md5::New()
{
    return thread::TakeFromPool<Md5>();
}

int32_t Md5::GetDigestSize()
{
    return 16;
}

void Md5::Reset()
{
    state_[0] = 0x67452301;
    state_[1] = 0xefcdab89;
    state_[2] = 0x98badcfe;
    state_[3] = 0x10325476;
    bitCount_[0] = bitCount_[1] = 0;
}

str::strbuffer::StrBuffer* Md5::ToHex(str::strbuffer::StrBuffer* string, bool keep)
{
    return result_.ToHex(string, keep);
}

void Md5::Update(const void* data, int32_t length)
{
    if (length <= 0)
        return;
    const uint8_t* input = static_cast<const uint8_t*>(data);
    uint32_t n = static_cast<uint32_t>(length);
    uint32_t index = (bitCount_[0] >> 3) & 63;
    const uint32_t low = bitCount_[0] + (n << 3);
    if (low < bitCount_[0])
        ++bitCount_[1];
    bitCount_[0] = low;
    bitCount_[1] += n >> 29;

    if (index != 0) {
        const uint32_t room = 64 - index;
        if (n < room) {
            std::memcpy(block_ + index, input, n);
            return;
        }
        std::memcpy(block_ + index, input, room);
        Transform(block_);
        input += room;
        n -= room;
    }
    for (; n >= 64; input += 64, n -= 64) {
        std::memcpy(block_, input, 64);
        Transform(block_);
    }
    std::memcpy(block_, input, n);
}

void Md5::Finish(uint8_t* destination)
{
    const uint32_t index = (bitCount_[0] >> 3) & 63;
    block_[index] = 0x80;
    if (index <= 55) {
        std::memset(block_ + index + 1, 0, 55 - index);
    } else {
        std::memset(block_ + index + 1, 0, 63 - index);
        Transform(block_);
        std::memset(block_, 0, 56);
    }
    StoreLittle(block_ + 56, bitCount_[0]);
    StoreLittle(block_ + 60, bitCount_[1]);
    Transform(block_);

    uint8_t* out = destination ? destination : static_cast<uint8_t*>(result_.GetData());
    for (int i = 0; i < 4; ++i)
        StoreLittle(out + 4 * i, state_[i]);
}

void Md5::Transform(const uint8_t* block)
{
    uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = LoadLittle(block + 4 * i);
    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    for (int i = 0; i < 64; ++i) {
        const int round = i / 16;
        uint32_t f;
        int g;
        switch (round) {
        case 0:
            f = (b & c) | (~b & d);
            g = i;
            break;
        case 1:
            f = (d & b) | (~d & c);
            g = (5 * i + 1) & 15;
            break;
        case 2:
            f = b ^ c ^ d;
            g = (3 * i + 5) & 15;
            break;
        default:
            f = c ^ (b | ~d);
            g = (7 * i) & 15;
            break;
        }
        const uint32_t next = b + Rotate(a + f + kSine[i] + x[g], kShift[round][i & 3]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
}

} // namespace md5
} // namespace digest
} // namespace s
