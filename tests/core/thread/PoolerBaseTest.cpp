#include "core/thread/PoolerBase.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int gDestroyed;
int gReset;

// A concrete pool of raw 1-byte items, charging each item its first byte as size.
class BytePool : public s::thread::Factory {
public:
    ~BytePool() override { DestroyHeldItems(); }
    s::base::IObject* NewInstance() override { return new BytePool(); }
    void* Generate() override { return new unsigned char(0); }
    int32_t GetItemSize(void* item) override { return *static_cast<unsigned char*>(item); }
    void ResetItem(void*) override { ++gReset; }
    void DestroyItem(void** slot) override
    {
        if (*slot) {
            ++gDestroyed;
            delete static_cast<unsigned char*>(*slot);
            *slot = nullptr;
        }
    }
};

class PoolerBaseTest : public ::testing::Test {
protected:
    void SetUp() override { gDestroyed = gReset = 0; }
};

TEST_F(PoolerBaseTest, KeepsAnItemWhileItHoldsTheCountLimitAndRefusesThePassingOne)
{
    BytePool pool;
    for (int i = 0; i < 1000; ++i)
        pool.Give(pool.Generate());
    EXPECT_EQ(1000u, pool.GetHeldCount());
    pool.Give(pool.Generate());
    EXPECT_EQ(1001u, pool.GetHeldCount());
    EXPECT_EQ(0, gDestroyed);
    pool.Give(pool.Generate());
    EXPECT_EQ(1001u, pool.GetHeldCount());
    EXPECT_EQ(1, gDestroyed);
    EXPECT_EQ(1001, gReset);
}

TEST_F(PoolerBaseTest, SizeAccountingRefusesLargeItemsAndAFullTotal)
{
    BytePool pool;
    pool.SetSizeAccounting(true);
    unsigned char* big = new unsigned char(200);
    pool.Give(big, 2000);
    EXPECT_EQ(0u, pool.GetHeldCount());
    EXPECT_EQ(1, gDestroyed);

    // 102,400 bytes in all: 100 items of 1,024 fill it, the next is refused.
    for (int i = 0; i < 100; ++i)
        pool.Give(new unsigned char(0), 1024);
    EXPECT_EQ(102400, pool.GetHeldTotal());
    pool.Give(new unsigned char(0), 1);
    EXPECT_EQ(2, gDestroyed);
    EXPECT_EQ(100u, pool.GetHeldCount());

    // Taking subtracts the item's own size (0 here); giving with -1 charges it (24 here).
    unsigned char* taken = static_cast<unsigned char*>(pool.Take());
    EXPECT_EQ(102400, pool.GetHeldTotal());
    *taken = 24;
    pool.Give(taken);
    EXPECT_EQ(3, gDestroyed);
    EXPECT_EQ(99u, pool.GetHeldCount());
}

TEST_F(PoolerBaseTest, TakeReturnsTheLastKeptElseGenerates)
{
    BytePool pool;
    void* a = pool.Generate();
    void* b = pool.Generate();
    pool.Give(a);
    pool.Give(b);
    EXPECT_EQ(b, pool.Take());
    EXPECT_EQ(a, pool.Take());
    void* fresh = pool.Take();
    EXPECT_NE(nullptr, fresh);
    pool.Give(a);
    pool.Give(b);
    pool.Give(fresh);
}

TEST_F(PoolerBaseTest, DestroyOnANullSlotDoesNothingAndLeavesItNull)
{
    BytePool pool;
    void* slot = nullptr;
    pool.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(0u, pool.GetHeldCount());
    slot = pool.Generate();
    pool.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(1u, pool.GetHeldCount());
}

TEST_F(PoolerBaseTest, DestructionDisposesOfEveryHeldItem)
{
    {
        BytePool pool;
        for (int i = 0; i < 5; ++i)
            pool.Give(pool.Generate());
        EXPECT_STREQ(L"s_thread_Factory", pool.GetClassName());
    }
    EXPECT_EQ(5, gDestroyed);
}

} // namespace
