#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace io {
class IOutputStream;
}

namespace image {
namespace gif {
namespace win {

// The variable-width LZW coder of GIF image data. The encoder keeps its hash and code tables in
// the object, so a pooled coder encodes without allocating; the decoder's tables live in the call.
class GifLzw : public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gif_win_GifLzw";
    // The largest minimum code size that leaves room for the clear and end codes in 12 bits.
    static constexpr int32_t kMaxMinimumCodeSize = 11;

    GifLzw();

    static thread::EasyPooler* GetPool();
    static GifLzw* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Writes the image data sub-blocks of width x height one-byte pixels whose rows lie bottom-up
    // stride bytes apart (a DIB's rows); false when a write fails.
    bool Encode(const uint8_t* bits, int32_t width, int32_t height, int32_t minimumCodeSize, int32_t stride,
                io::IOutputStream* out);
    // Fills width x height indices, row r at output + r x stride, reading no byte beyond
    // size; interlaced rows come in the four GIF passes. The bits consumed, or 0 when the data
    // end before the last pixel, use a code the table does not hold yet, or the code size is
    // not 1 to 11. Pixels not decoded keep what the output held.
    static int64_t Decode(const uint8_t* data, uint32_t size, uint8_t* output, int32_t minimumCodeSize, int32_t stride,
                          int32_t width, int32_t height, bool interlace);

private:
    GifLzw(const GifLzw&) = delete;
    GifLzw& operator=(const GifLzw&) = delete;

    static const int32_t kHashSize = 5003;
    static const int32_t kPacketBytes = 254;

    // Packs one code into the bit accumulator, writing full sub-blocks as they fill.
    void Output(int32_t code);
    void WritePacket();
    void ClearHash();

    int32_t hash_[kHashSize];
    uint16_t codes_[kHashSize];
    uint8_t packet_[kPacketBytes];
    int32_t packetCount_;
    bool clearFlag_;
    int32_t nextCode_;
    int32_t codeWidth_;
    int32_t maxCode_;
    uint32_t accumulator_;
    int32_t bitCount_;
    int32_t initialWidth_;
    int32_t clearCode_;
    int32_t endCode_;
    io::IOutputStream* out_;
    bool writeFailed_;
};

} // namespace win
} // namespace gif
} // namespace image
} // namespace s
