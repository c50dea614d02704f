#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "core/col/Arrays.h"
#include "core/io/StreamCopy.h"

using s::col::_array::ArrayU08;

namespace {

// An output that takes at most a given number of bytes per Write and can fail from a given call on.
class LimitedOutput : public s::io::IOutputStream {
public:
    LimitedOutput(uint32_t perWrite, int failFromCall) : perWrite_(perWrite), failFrom_(failFromCall) {}

    bool Write(const void* buffer, uint32_t count, uint32_t* done) override
    {
        ++calls;
        if (failFrom_ >= 0 && calls >= failFrom_)
            return false;
        const uint32_t n = count < perWrite_ ? count : perWrite_;
        bytes.append(static_cast<const char*>(buffer), n);
        *done = n;
        return true;
    }
    bool Flush() override { return true; }
    void Truncate() override {}
    void Close() override {}
    uint64_t GetPosition() override { return bytes.size(); }
    bool IsSeekable() override { return false; }
    bool SeekToStart() override { return false; }
    int64_t SeekToEnd() override { return -1; }
    bool SetPosition(uint64_t) override { return false; }
    int64_t SeekFromEnd(uint64_t) override { return -1; }
    bool SeekForward(uint64_t) override { return false; }
    bool SeekBackward(uint64_t) override { return false; }
    void Clear() override {}
    void Dispose() override {}
    void ReleaseToPool() override {}
    void Reset() override {}

    std::string bytes;
    int calls = 0;

private:
    uint32_t perWrite_;
    int failFrom_;
};

ArrayU08* Filled(uint32_t n, uint8_t seed)
{
    ArrayU08* array = ArrayU08::New();
    for (uint32_t i = 0; i < n; ++i)
        array->Append(static_cast<uint8_t>(i * 13 + seed));
    return array;
}

std::string Bytes(ArrayU08* array)
{
    return std::string(static_cast<const char*>(array->GetData()), array->GetCount());
}

} // namespace

TEST(WriteAll, KeepsWritingUntilEveryByteIsTaken)
{
    const std::string data(1000, 'w');
    LimitedOutput out(100, -1);
    EXPECT_TRUE(s::io::WriteAll(&out, data.data(), 1000));
    EXPECT_EQ(10, out.calls);
    EXPECT_EQ(data, out.bytes);

    LimitedOutput untouched(100, -1);
    EXPECT_TRUE(s::io::WriteAll(&untouched, data.data(), 0));
    EXPECT_EQ(0, untouched.calls);

    LimitedOutput failing(100, 3);
    EXPECT_FALSE(s::io::WriteAll(&failing, data.data(), 1000));
    EXPECT_EQ(3, failing.calls);

    // A stream that takes nothing would be written to for ever.
    LimitedOutput stuck(0, -1);
    EXPECT_FALSE(s::io::WriteAll(&stuck, data.data(), 10));
}

TEST(CopyStream, CopiesToTheEndAndReportsAFailedWrite)
{
    ArrayU08* source = Filled(5000, 1);
    source->SeekToStart();
    ArrayU08* target = ArrayU08::New();
    EXPECT_TRUE(s::io::CopyStream(source, target));
    EXPECT_EQ(Bytes(source), Bytes(target));

    ArrayU08* empty = ArrayU08::New();
    LimitedOutput untouched(1000, -1);
    EXPECT_TRUE(s::io::CopyStream(empty, &untouched));
    EXPECT_EQ(0, untouched.calls);

    source->SeekToStart();
    LimitedOutput failing(1024, 3);
    EXPECT_FALSE(s::io::CopyStream(source, &failing));
    EXPECT_EQ(3, failing.calls);
    EXPECT_EQ(2048u, failing.bytes.size());

    source->SeekToStart();
    LimitedOutput failingYield(1024, 2);
    EXPECT_FALSE(s::io::CopyStreamYielding(&failingYield, source));

    empty->ReleaseToPool();
    target->ReleaseToPool();
    source->ReleaseToPool();
}

TEST(CopyStream, ConcurrentCopiesEachArriveWhole)
{
    const int kCopies = 4;
    std::vector<ArrayU08*> sources, targets;
    for (int i = 0; i < kCopies; ++i) {
        sources.push_back(Filled(50000 + i * 777, static_cast<uint8_t>(i)));
        sources.back()->SeekToStart();
        targets.push_back(ArrayU08::New());
    }
    std::vector<std::thread> threads;
    for (int i = 0; i < kCopies; ++i) {
        threads.emplace_back([&, i] {
            if (i % 2)
                EXPECT_TRUE(s::io::CopyStreamYielding(targets[i], sources[i]));
            else
                EXPECT_TRUE(s::io::CopyStream(sources[i], targets[i]));
        });
    }
    for (std::thread& t : threads)
        t.join();
    for (int i = 0; i < kCopies; ++i) {
        EXPECT_EQ(Bytes(sources[i]), Bytes(targets[i])) << i;
        sources[i]->ReleaseToPool();
        targets[i]->ReleaseToPool();
    }
}
