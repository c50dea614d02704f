#include "images/filters/Convolve3x3.h"

#include "images/filters/convolution/Convolution.h"

namespace s {
namespace image {

namespace {

inline uint32_t Clamped(int32_t value)
{
    return value < 0 ? 0u : value > 255 ? 255u : static_cast<uint32_t>(value);
}

} // namespace

void Convolve3x3(const filters::convolution::Convolution* kernel, uint32_t* const* rows, int32_t width,
                 int32_t height)
{
    if (!kernel || !rows || width <= 0 || height <= 0)
        return;
    const int32_t* k = kernel->weights;
    // A kernel whose weights sum to 0 would divide by zero: its sums are taken as they are.
    const int32_t divisor = kernel->divisor == 0 ? 1 : kernel->divisor;
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* const above = rows[y > 0 ? y - 1 : 0];
        uint32_t* const row = rows[y];
        uint32_t* const below = rows[y + 1 < height ? y + 1 : height - 1];
        for (int32_t x = 0; x < width; ++x) {
            const int32_t left = x > 0 ? x - 1 : 0;
            const int32_t right = x + 1 < width ? x + 1 : width - 1;
            // Read now, from memory as it stands: the pixels already written are the filtered ones.
            const uint32_t around[9] = {above[left], above[x], above[right], row[left], row[x],
                                        row[right],  below[left], below[x], below[right]};
            uint32_t result = 0;
            for (int shift = 0; shift <= 24; shift += 8) {
                int32_t sum = 0;
                for (int i = 0; i < 9; ++i)
                    sum += k[i] * static_cast<int32_t>((around[i] >> shift) & 0xFF);
                if (divisor != 1)
                    sum /= divisor;
                result |= Clamped(sum) << shift;
            }
            row[x] = result;
        }
    }
}

} // namespace image
} // namespace s
