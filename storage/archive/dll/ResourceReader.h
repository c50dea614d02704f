#pragma once
#include <cstdint>

namespace s {
namespace archive {
namespace dll {

// Little-endian reads over a resource's bytes for the text dumps. Every read is asked for with
// Has (or HasAt) first; the position may pass the end (a count in the bytes can point beyond it),
// after which nothing fits.
class ResourceReader {
public:
    ResourceReader(const uint8_t* bytes, uint32_t count) : bytes_(bytes), count_(count), position_(0) {}

    uint32_t Count() const { return count_; }
    bool Has(uint64_t n) const { return HasAt(position_, n); }
    bool HasAt(uint64_t at, uint64_t n) const { return at <= count_ && count_ - at >= n; }
    uint64_t Position() const { return position_; }
    void MoveTo(uint64_t position) { position_ = position; }
    void Skip(uint64_t n) { position_ += n; }
    // Up to the next multiple of boundary, a power of two.
    void Align(uint32_t boundary) { position_ = AlignUp(position_, boundary); }
    static uint64_t AlignUp(uint64_t at, uint32_t boundary) { return (at + boundary - 1) & ~uint64_t(boundary - 1); }

    uint8_t ByteAt(uint64_t at) const { return bytes_[at]; }
    uint16_t WordAt(uint64_t at) const { return static_cast<uint16_t>(bytes_[at] | (bytes_[at + 1] << 8)); }
    uint8_t Byte() { return bytes_[position_++]; }
    uint16_t Word()
    {
        const uint16_t value = WordAt(position_);
        position_ += 2;
        return value;
    }
    uint32_t DoubleWord()
    {
        const uint32_t low = Word();
        return low | (static_cast<uint32_t>(Word()) << 16);
    }

    // Past a NUL-terminated text, read while two bytes remain; returns its length in characters.
    uint32_t SkipText()
    {
        uint32_t length = 0;
        while (Has(2)) {
            if (Word() == 0)
                break;
            ++length;
        }
        return length;
    }

private:
    const uint8_t* bytes_;
    uint32_t count_;
    uint64_t position_;
};

} // namespace dll
} // namespace archive
} // namespace s
