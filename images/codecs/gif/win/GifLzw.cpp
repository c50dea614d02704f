#include "images/codecs/gif/win/GifLzw.h"

#include <cstring>

#include "core/io/IOutputStream.h"
#include "core/io/StreamCopy.h"

namespace s {
namespace image {
namespace gif {
namespace win {

namespace {

const int32_t kMaxCodeWidth = 12;
// A table never holds more than the 4,096 codes of 12 bits; a full table is kept as it is until
// the next clear code, so files that defer their clear decode whole.
const int32_t kTableEntries = 4096;
const int32_t kNoCode = -1;
// Passes of interlaced rows: first row and step.
const int32_t kPasses[4][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};

// Where the decoded pixels go, row after row in file order.
class PixelCursor {
public:
    PixelCursor(uint8_t* output, int32_t stride, int32_t width, int32_t height, bool interlace)
        : output_(output), stride_(stride), width_(width), height_(height), interlace_(interlace), pass_(0), row_(0),
          column_(0), left_(int64_t(width) * height)
    {
        if (interlace_)
            row_ = kPasses[0][0];
    }
    bool Done() const { return left_ == 0; }
    void Put(uint8_t index)
    {
        if (left_ == 0)
            return;
        output_[int64_t(row_) * stride_ + column_] = index;
        --left_;
        if (++column_ < width_)
            return;
        column_ = 0;
        if (!interlace_) {
            ++row_;
            return;
        }
        row_ += kPasses[pass_][1];
        // A pass whose first row lies outside the picture has no rows.
        while (row_ >= height_ && pass_ < 3) {
            ++pass_;
            row_ = kPasses[pass_][0];
        }
    }

private:
    uint8_t* output_;
    int32_t stride_;
    int32_t width_;
    int32_t height_;
    bool interlace_;
    int32_t pass_;
    int32_t row_;
    int32_t column_;
    int64_t left_;
};

} // namespace

GifLzw::GifLzw()
    : packetCount_(0), clearFlag_(false), nextCode_(0), codeWidth_(0), maxCode_(0), accumulator_(0), bitCount_(0),
      initialWidth_(0), clearCode_(0), endCode_(0), out_(nullptr), writeFailed_(false)
{
    ClearHash();
    std::memset(codes_, 0, sizeof(codes_));
}

thread::EasyPooler* GifLzw::GetPool()
{
    return &thread::PoolOf<GifLzw>();
}

GifLzw* GifLzw::New()
{
    return thread::TakeFromPool<GifLzw>();
}

const wchar_t* GifLzw::GetClassName()
{
    return kClassName;
}

base::IObject* GifLzw::NewInstance()
{
    return New();
}

void GifLzw::ReleaseToPool()
{
    GetPool()->Give(this);
}

void GifLzw::Reset()
{
    packetCount_ = 0;
    clearFlag_ = false;
    accumulator_ = 0;
    bitCount_ = 0;
    out_ = nullptr;
    writeFailed_ = false;
}

void GifLzw::ClearHash()
{
    for (int32_t& entry : hash_)
        entry = -1;
}

int64_t GifLzw::Decode(const uint8_t* data, uint32_t size, uint8_t* output, int32_t minimumCodeSize, int32_t stride,
                       int32_t width, int32_t height, bool interlace)
{
    if (!output || width <= 0 || height <= 0 || minimumCodeSize < 1 || minimumCodeSize > kMaxMinimumCodeSize)
        return 0;
    if (!data)
        size = 0;
    uint16_t prefix[kTableEntries];
    uint8_t suffix[kTableEntries];
    uint8_t first[kTableEntries];
    uint8_t stack[kTableEntries + 1];
    const int32_t clear = 1 << minimumCodeSize;
    const int32_t end = clear + 1;
    for (int32_t code = 0; code < clear; ++code) {
        prefix[code] = 0;
        suffix[code] = static_cast<uint8_t>(code);
        first[code] = static_cast<uint8_t>(code);
    }
    int32_t next = clear + 2;
    int32_t codeWidth = minimumCodeSize + 1;
    int32_t previous = kNoCode;
    PixelCursor cursor(output, stride, width, height, interlace);
    const uint64_t totalBits = uint64_t(size) * 8;
    uint64_t position = 0;
    while (!cursor.Done()) {
        if (position + codeWidth > totalBits)
            return 0;
        // The code's bits gathered byte by byte: never a byte past the data.
        uint32_t word = 0;
        const uint64_t firstByte = position >> 3;
        const uint64_t lastByte = (position + codeWidth - 1) >> 3;
        for (uint64_t at = lastByte + 1; at-- > firstByte;)
            word = word << 8 | data[at];
        const int32_t code = static_cast<int32_t>((word >> (position & 7)) & ((1u << codeWidth) - 1));
        position += codeWidth;
        if (code == clear) {
            codeWidth = minimumCodeSize + 1;
            next = clear + 2;
            previous = kNoCode;
            continue;
        }
        if (code == end)
            return 0;
        int32_t length = 0;
        uint8_t leading;
        if (previous == kNoCode) {
            // The first code after a clear stands for one pixel.
            if (code >= clear)
                return 0;
            stack[length++] = static_cast<uint8_t>(code);
            leading = static_cast<uint8_t>(code);
        } else {
            int32_t walk;
            if (code < next) {
                walk = code;
            } else if (code == next && next < kTableEntries) {
                // The string being defined: the previous one and its own first character.
                stack[length++] = first[previous];
                walk = previous;
            } else {
                return 0;
            }
            leading = first[walk];
            while (walk >= clear) {
                stack[length++] = suffix[walk];
                walk = prefix[walk];
            }
            stack[length++] = static_cast<uint8_t>(walk);
            if (next < kTableEntries) {
                prefix[next] = static_cast<uint16_t>(previous);
                suffix[next] = leading;
                first[next] = first[previous];
                ++next;
                if (next >= (1 << codeWidth) && codeWidth < kMaxCodeWidth)
                    ++codeWidth;
            }
        }
        while (length > 0 && !cursor.Done())
            cursor.Put(stack[--length]);
        previous = code;
    }
    return static_cast<int64_t>(position);
}

bool GifLzw::Encode(const uint8_t* bits, int32_t width, int32_t height, int32_t minimumCodeSize, int32_t stride,
                    io::IOutputStream* out)
{
    if (!bits || !out || width <= 0 || height <= 0 || minimumCodeSize < 2 || minimumCodeSize > 8)
        return false;
    out_ = out;
    writeFailed_ = false;
    initialWidth_ = minimumCodeSize + 1;
    codeWidth_ = initialWidth_;
    maxCode_ = (1 << codeWidth_) - 1;
    clearFlag_ = false;
    packetCount_ = 0;
    accumulator_ = 0;
    bitCount_ = 0;
    clearCode_ = 1 << minimumCodeSize;
    endCode_ = clearCode_ + 1;
    nextCode_ = clearCode_ + 2;
    ClearHash();
    // 5,003 doubled four times passes 65,535: the hash mixes the pixel in four bits up.
    const int32_t hashShift = 4;

    Output(clearCode_);
    int32_t prefix = -1;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row = bits + int64_t(height - 1 - y) * stride;
        for (int32_t x = 0; x < width; ++x) {
            const int32_t c = row[x];
            if (prefix < 0) {
                prefix = c;
                continue;
            }
            const int32_t key = (c << 12) + prefix;
            int32_t i = (c << hashShift) ^ prefix;
            if (hash_[i] == key) {
                prefix = codes_[i];
                continue;
            }
            bool found = false;
            if (hash_[i] >= 0) {
                const int32_t displacement = i == 0 ? 1 : kHashSize - i;
                do {
                    i -= displacement;
                    if (i < 0)
                        i += kHashSize;
                    if (hash_[i] == key) {
                        prefix = codes_[i];
                        found = true;
                        break;
                    }
                } while (hash_[i] >= 0);
            }
            if (found)
                continue;
            Output(prefix);
            if (nextCode_ < kTableEntries) {
                codes_[i] = static_cast<uint16_t>(nextCode_++);
                hash_[i] = key;
            } else {
                ClearHash();
                clearFlag_ = true;
                nextCode_ = clearCode_ + 2;
                Output(clearCode_);
            }
            prefix = c;
        }
    }
    Output(prefix);
    Output(endCode_);
    out_ = nullptr;
    return !writeFailed_;
}

void GifLzw::Output(int32_t code)
{
    accumulator_ &= bitCount_ > 0 ? (1u << bitCount_) - 1 : 0u;
    accumulator_ = bitCount_ > 0 ? accumulator_ | uint32_t(code) << bitCount_ : uint32_t(code);
    bitCount_ += codeWidth_;
    while (bitCount_ >= 8) {
        packet_[packetCount_++] = static_cast<uint8_t>(accumulator_);
        accumulator_ >>= 8;
        bitCount_ -= 8;
        if (packetCount_ >= kPacketBytes)
            WritePacket();
    }
    if (nextCode_ > maxCode_ || clearFlag_) {
        if (clearFlag_) {
            codeWidth_ = initialWidth_;
            maxCode_ = (1 << codeWidth_) - 1;
            clearFlag_ = false;
        } else {
            ++codeWidth_;
            maxCode_ = codeWidth_ == kMaxCodeWidth ? kTableEntries : (1 << codeWidth_) - 1;
        }
    }
    if (code == endCode_) {
        while (bitCount_ > 0) {
            packet_[packetCount_++] = static_cast<uint8_t>(accumulator_);
            accumulator_ >>= 8;
            bitCount_ = bitCount_ > 8 ? bitCount_ - 8 : 0;
            if (packetCount_ >= kPacketBytes)
                WritePacket();
        }
        if (packetCount_ > 0)
            WritePacket();
    }
}

void GifLzw::WritePacket()
{
    const uint8_t length = static_cast<uint8_t>(packetCount_);
    if (!writeFailed_ && !(io::WriteAll(out_, &length, 1) && io::WriteAll(out_, packet_, length)))
        writeFailed_ = true;
    packetCount_ = 0;
}

} // namespace win
} // namespace gif
} // namespace image
} // namespace s
