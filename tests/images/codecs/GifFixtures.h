#pragma once
#include <cstdint>
#include <vector>

#include "images/codecs/gif/win/GifLzw.h"
#include "storage/file/Pooled.h"
#include "tests/images/codecs/CodecFixtures.h"

namespace codecs_test {

// LZW codes packed at the widths a decoder expects: each code after the first after a clear adds
// a table entry, and the width grows when the next entry needs another bit.
class CodeWriter {
public:
    explicit CodeWriter(int minimumCodeSize) : minimum_(minimumCodeSize) { Clear(); }
    void Clear()
    {
        Put(1 << minimum_);
        width_ = minimum_ + 1;
        next_ = (1 << minimum_) + 2;
        first_ = true;
    }
    void Code(int code)
    {
        Put(code);
        if (!first_ && next_ < 4096) {
            ++next_;
            if (next_ >= (1 << width_) && width_ < 12)
                ++width_;
        }
        first_ = false;
    }
    void End() { Put((1 << minimum_) + 1); }
    int Next() const { return next_; }
    Bytes Data() const
    {
        Bytes bytes = bytes_;
        if (bits_ > 0)
            bytes.push_back(static_cast<uint8_t>(accumulator_));
        return bytes;
    }

private:
    void Put(int code)
    {
        accumulator_ |= uint32_t(code) << bits_;
        bits_ += width_ ? width_ : minimum_ + 1;
        while (bits_ >= 8) {
            bytes_.push_back(static_cast<uint8_t>(accumulator_));
            accumulator_ >>= 8;
            bits_ -= 8;
        }
    }
    int minimum_;
    int width_ = 0;
    int next_ = 0;
    bool first_ = true;
    uint32_t accumulator_ = 0;
    int bits_ = 0;
    Bytes bytes_;
};

// Raw data split into sub-blocks with their length bytes and the terminator.
inline Bytes SubBlocks(const Bytes& data)
{
    Bytes out;
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t n = data.size() - at < 255 ? data.size() - at : 255;
        out.push_back(static_cast<uint8_t>(n));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    out.push_back(0);
    return out;
}

// Indices in file order (top row first, or the interlaced order) as the codec's encoder writes
// them: sub-blocks with their length bytes, without the terminator.
inline Bytes EncodeIndices(const std::vector<Bytes>& fileRows, int minimumCodeSize)
{
    const int32_t height = static_cast<int32_t>(fileRows.size());
    const int32_t width = static_cast<int32_t>(fileRows[0].size());
    Bytes bottomUp;
    for (int32_t y = height - 1; y >= 0; --y)
        bottomUp.insert(bottomUp.end(), fileRows[y].begin(), fileRows[y].end());
    s::file::Pooled<s::image::gif::win::GifLzw> lzw;
    ByteStream out;
    lzw->Encode(bottomUp.data(), width, height, minimumCodeSize, width, out.get());
    return out.ToBytes();
}

struct GifFrameLayout {
    uint16_t width;
    uint16_t height;
    std::vector<Bytes> fileRows;
    Bytes localTable;
    bool interlaced = false;
    int controlIndex = -1;
    uint16_t delay = 0;
};

inline void PutWord(Bytes& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

// A GIF file of our own making: header, optional global table of 2^n entries, the frames.
inline Bytes MakeGif(uint16_t width, uint16_t height, const Bytes& globalTable, const std::vector<GifFrameLayout>& frames)
{
    Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
    PutWord(out, width);
    PutWord(out, height);
    auto sizeBits = [](size_t entries) {
        int bits = 0;
        while ((size_t(2) << bits) < entries)
            ++bits;
        return static_cast<uint8_t>(bits);
    };
    out.push_back(globalTable.empty() ? 0 : static_cast<uint8_t>(0x80 | sizeBits(globalTable.size() / 3)));
    out.push_back(0);
    out.push_back(0);
    out.insert(out.end(), globalTable.begin(), globalTable.end());
    for (const GifFrameLayout& frame : frames) {
        if (frame.controlIndex >= 0 || frame.delay) {
            out.insert(out.end(), {0x21, 0xF9, 4, static_cast<uint8_t>(frame.controlIndex >= 0 ? 1 : 0)});
            PutWord(out, frame.delay);
            out.push_back(static_cast<uint8_t>(frame.controlIndex >= 0 ? frame.controlIndex : 0));
            out.push_back(0);
        }
        out.push_back(0x2C);
        PutWord(out, 0);
        PutWord(out, 0);
        PutWord(out, frame.width);
        PutWord(out, frame.height);
        uint8_t packed = frame.interlaced ? 0x40 : 0;
        if (!frame.localTable.empty())
            packed |= 0x80 | sizeBits(frame.localTable.size() / 3);
        out.push_back(packed);
        out.insert(out.end(), frame.localTable.begin(), frame.localTable.end());
        out.push_back(8);
        const Bytes data = EncodeIndices(frame.fileRows, 8);
        out.insert(out.end(), data.begin(), data.end());
        out.push_back(0);
    }
    out.push_back(0x3B);
    return out;
}

} // namespace codecs_test
