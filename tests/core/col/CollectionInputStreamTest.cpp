#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/col/Arrays.h"
#include "core/col/CollectionInputStream.h"

using s::col::CollectionInputStream;
using s::col::_array::ArrayS32;
using s::col::_array::ArrayU08;
using s::io::IInputStream;

namespace {

// Reads the stream to its end in reads of chunk bytes; each read's bytes land in the result.
std::vector<uint8_t> ReadAll(IInputStream* in, uint32_t chunk, std::vector<uint32_t>* dones)
{
    std::vector<uint8_t> all;
    std::vector<uint8_t> buffer(chunk + 8, 0xEE);
    uint32_t done = 12345;
    while (in->Read(buffer.data(), chunk, &done)) {
        dones->push_back(done);
        // Nothing beyond the bytes reported may be touched.
        for (uint32_t i = done; i < buffer.size(); ++i)
            EXPECT_EQ(0xEE, buffer[i]) << i;
        all.insert(all.end(), buffer.begin(), buffer.begin() + done);
        std::fill(buffer.begin(), buffer.end(), 0xEE);
    }
    EXPECT_EQ(0u, done);
    return all;
}

} // namespace

TEST(CollectionInputStream, HandsOutExactlyTheBytesItReports)
{
    ArrayS32* a = ArrayS32::New();
    for (int32_t i = 0; i < 40; ++i)
        a->Append(i * 1000 - 7);
    std::vector<uint8_t> expected(static_cast<uint8_t*>(a->GetData()),
                                  static_cast<uint8_t*>(a->GetData()) + 160);
    struct Case {
        uint32_t chunk;
        std::vector<uint32_t> dones;
    } cases[] = {
        {64, {64, 64, 32}},
        {160, {160}},
        {1000, {160}},
        {10, std::vector<uint32_t>(20, 8)}, // whole elements only: 8 of 10 bytes
        {4, std::vector<uint32_t>(40, 4)},
    };
    for (auto& c : cases) {
        IInputStream* in = a->GetInputStream();
        ASSERT_NE(nullptr, in);
        std::vector<uint32_t> dones;
        EXPECT_EQ(expected, ReadAll(in, c.chunk, &dones)) << c.chunk;
        EXPECT_EQ(c.dones, dones) << c.chunk;
        in->Dispose();
    }
    a->ReleaseToPool();
}

TEST(CollectionInputStream, TooSmallACountTakesNothing)
{
    ArrayS32* a = ArrayS32::New();
    a->Append(5);
    IInputStream* in = a->GetInputStream();
    uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    uint32_t done = 7;
    EXPECT_FALSE(in->Read(buffer, 3, &done));
    EXPECT_EQ(0u, done);
    EXPECT_EQ(0xEE, buffer[0]);
    // The element was not lost: a read with room takes it.
    EXPECT_TRUE(in->Read(buffer, 4, &done));
    EXPECT_EQ(4u, done);
    int32_t value;
    std::memcpy(&value, buffer, 4);
    EXPECT_EQ(5, value);
    in->Dispose();
    a->ReleaseToPool();
}

TEST(CollectionInputStream, EmptyArrayEndsAtOnce)
{
    ArrayU08* empty = ArrayU08::New();
    IInputStream* in = empty->GetInputStream();
    uint8_t byte = 0;
    uint32_t done = 9;
    EXPECT_FALSE(in->Read(&byte, 1, &done));
    EXPECT_EQ(0u, done);
    in->Dispose();
    empty->ReleaseToPool();
}

TEST(CollectionInputStream, NotSeekableAndPositionStaysZero)
{
    ArrayU08* bytes = ArrayU08::New();
    bytes->AppendRaw("abcdef", 6, 0);
    IInputStream* in = bytes->GetInputStream();
    EXPECT_FALSE(in->IsSeekable());
    uint8_t buffer[4];
    uint32_t done = 0;
    for (int i = 0; i < 3; ++i) {
        in->Read(buffer, 2, &done);
        EXPECT_EQ(0u, in->GetPosition());
    }
    EXPECT_FALSE(in->SeekToStart());
    EXPECT_FALSE(in->SetPosition(2));
    EXPECT_FALSE(in->SeekForward(1));
    EXPECT_FALSE(in->SeekBackward(1));
    EXPECT_EQ(-1, in->SeekToEnd());
    EXPECT_EQ(-1, in->SeekFromEnd(1));
    in->Dispose();
    bytes->ReleaseToPool();
}

TEST(CollectionInputStream, CloseStartsAgainAtTheFirstElement)
{
    ArrayU08* bytes = ArrayU08::New();
    bytes->AppendRaw("xyz", 3, 0);
    IInputStream* in = bytes->GetInputStream();
    uint8_t buffer[2];
    uint32_t done = 0;
    ASSERT_TRUE(in->Read(buffer, 2, &done));
    EXPECT_EQ('x', buffer[0]);
    in->Close();
    ASSERT_TRUE(in->Read(buffer, 1, &done));
    EXPECT_EQ('x', buffer[0]);
    ASSERT_TRUE(in->Read(buffer, 1, &done));
    EXPECT_EQ('y', buffer[0]);
    in->Dispose();
    bytes->ReleaseToPool();
}

TEST(CollectionInputStream, ClearedOrPooledStreamReadsNothing)
{
    ArrayU08* bytes = ArrayU08::New();
    bytes->AppendRaw("ab", 2, 0);
    IInputStream* in = bytes->GetInputStream();
    auto* stream = static_cast<CollectionInputStream*>(in);
    EXPECT_STREQ(L"s_col_CollectionInputStream", stream->GetClassName());
    uint8_t buffer[2];
    uint32_t done = 0;
    ASSERT_TRUE(in->Read(buffer, 1, &done));
    in->Clear();
    EXPECT_FALSE(in->Read(buffer, 2, &done));
    EXPECT_EQ(0u, done);
    in->Dispose();

    // The pool hands the same stream out again without a collection.
    auto* again = static_cast<CollectionInputStream*>(CollectionInputStream::GetPool()->Take());
    EXPECT_EQ(stream, again);
    EXPECT_FALSE(again->Read(buffer, 2, &done));
    again->Dispose();
    bytes->ReleaseToPool();
}
