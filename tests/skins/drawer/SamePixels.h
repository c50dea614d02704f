#pragma once
#include <gtest/gtest.h>

#include <sstream>

#include "skins/drawer/Canvas.h"

namespace testing_support {

// Whether two canvases of one size hold the same pixels; names the first few that differ.
inline ::testing::AssertionResult SamePixels(const Canvas& actual, const Canvas& expected)
{
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
        return ::testing::AssertionFailure() << "canvas sizes differ";
    std::ostringstream differences;
    int32_t count = 0;
    for (int32_t y = 0; y < actual.Height(); ++y) {
        for (int32_t x = 0; x < actual.Width(); ++x) {
            const COLORREF a = actual.At(x, y);
            const COLORREF e = expected.At(x, y);
            if (a == e)
                continue;
            if (count < 6)
                differences << " (" << x << "," << y << ") is " << std::hex << a << " not " << e << std::dec << ";";
            ++count;
        }
    }
    if (count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << count << " pixels differ:" << differences.str();
}

} // namespace testing_support
