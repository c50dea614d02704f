#include "storage/archive/dll/BitmapFileOfDib.h"

#include <gtest/gtest.h>

#include <string>

#include "core/col/Arrays.h"
#include "storage/file/Pooled.h"

namespace {

using s::col::_array::ArrayU08;

std::string Dib(uint32_t headerBytes, uint16_t bits, uint32_t compression, uint32_t used, size_t rest)
{
    std::string dib(headerBytes, '\0');
    auto put = [&](size_t at, uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            dib[at + i] = static_cast<char>(value >> (8 * i));
    };
    put(0, headerBytes, 4);
    if (headerBytes == 12) {
        put(4, 2, 2);
        put(6, 2, 2);
        put(8, 1, 2);
        put(10, bits, 2);
    } else {
        put(4, 2, 4);
        put(8, 2, 4);
        put(12, 1, 2);
        put(14, bits, 2);
        put(16, compression, 4);
        put(32, used, 4);
    }
    return dib + std::string(rest, '\x55');
}

uint32_t At(const std::string& bytes, size_t at)
{
    return uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8 | uint8_t(bytes[at + 2]) << 16 |
           uint32_t(uint8_t(bytes[at + 3])) << 24;
}

TEST(BitmapFileOfDib, TheFileHeaderPointsAtThePixels)
{
    struct Case {
        const char* what;
        std::string dib;
        uint32_t pixelOffset;
    };
    const Case cases[] = {
        {"4 bits, full table", Dib(40, 4, 0, 0, 64 + 8), 14 + 40 + 64},
        {"8 bits, 3 colours used", Dib(40, 8, 0, 3, 12 + 8), 14 + 40 + 12},
        {"24 bits, no table", Dib(40, 24, 0, 0, 16), 14 + 40},
        {"32-bit bit fields after the header", Dib(40, 32, 3, 0, 12 + 16), 14 + 40 + 12},
        {"bit fields inside a version 5 header", Dib(124, 32, 3, 0, 16), 14 + 124},
        {"run-length rows as they stand", Dib(40, 8, 1, 2, 8 + 6), 14 + 40 + 8},
        {"a core header, 3-byte entries", Dib(12, 1, 0, 0, 6 + 8), 14 + 12 + 6},
    };
    for (const Case& c : cases) {
        s::file::Pooled<ArrayU08> out;
        ASSERT_TRUE(s::archive::dll::WriteBitmapFileOfDib(reinterpret_cast<const uint8_t*>(c.dib.data()),
                                                          static_cast<uint32_t>(c.dib.size()), out.get()))
            << c.what;
        const std::string file(static_cast<const char*>(out->GetData()), out->GetCount());
        EXPECT_EQ("BM", file.substr(0, 2)) << c.what;
        EXPECT_EQ(14 + c.dib.size(), At(file, 2)) << c.what;
        EXPECT_EQ(0u, At(file, 6)) << c.what;
        EXPECT_EQ(c.pixelOffset, At(file, 10)) << c.what;
        EXPECT_EQ(c.dib, file.substr(14)) << c.what;
    }
}

TEST(BitmapFileOfDib, BytesWithoutHeaderAndTableWriteNothing)
{
    const std::string cases[] = {
        "",
        "abc",
        Dib(40, 8, 0, 0, 255 * 4).substr(0, 39),
        Dib(40, 8, 0, 0, 255 * 4),
        Dib(40, 8, 0, 0x40000000, 100),
        Dib(40, 8, 0, 0xFFFFFFFF, 100),
        Dib(12, 8, 0, 0, 100),
        Dib(30, 8, 0, 0, 100),
    };
    for (const std::string& dib : cases) {
        s::file::Pooled<ArrayU08> out;
        EXPECT_FALSE(s::archive::dll::WriteBitmapFileOfDib(reinterpret_cast<const uint8_t*>(dib.data()),
                                                           static_cast<uint32_t>(dib.size()), out.get()))
            << dib.size();
        EXPECT_EQ(0u, out->GetCount());
    }
}

} // namespace
