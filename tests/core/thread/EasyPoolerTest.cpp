#include "core/thread/EasyPooler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>
#include <vector>

#include "core/thread/IPoolable.h"

using s::thread::EasyPooler;

namespace {

// Create and destroy run outside the pool's lock, so the counts must stand several threads at once.
struct Counters {
    std::atomic<int> created{0};
    std::atomic<int> destroyed{0};
    std::atomic<int> reset{0};
    bool failCreate = false;
    void Clear()
    {
        created = destroyed = reset = 0;
        failCreate = false;
    }
};
Counters gCounts;

struct Item {
    int value = 0;
};

void* CreateItem()
{
    if (gCounts.failCreate)
        return nullptr;
    ++gCounts.created;
    return new Item();
}
void DestroyItem(void* item)
{
    ++gCounts.destroyed;
    delete static_cast<Item*>(item);
}
void ResetItem(void* item)
{
    ++gCounts.reset;
    static_cast<Item*>(item)->value = 0;
}

class EasyPoolerTest : public ::testing::Test {
protected:
    void SetUp() override { gCounts.Clear(); }
};

TEST_F(EasyPoolerTest, TheLastGivenBackIsTheFirstTakenAndIsNotResetAgain)
{
    EasyPooler pool(1000, CreateItem, DestroyItem, ResetItem);
    void* a = pool.Take();
    void* b = pool.Take();
    EXPECT_EQ(2, gCounts.created);
    static_cast<Item*>(a)->value = 5;
    pool.Give(a);
    pool.Give(b);
    EXPECT_EQ(2, gCounts.reset);
    EXPECT_EQ(0, static_cast<Item*>(a)->value);
    EXPECT_EQ(b, pool.Take());
    EXPECT_EQ(a, pool.Take());
    EXPECT_EQ(2, gCounts.reset);
    EXPECT_EQ(2, gCounts.created);
    pool.Give(a);
    pool.Give(b);
}

TEST_F(EasyPoolerTest, KeepsAtMostItsCapacityAndDestroysTheRest)
{
    {
        EasyPooler pool(1000, CreateItem, DestroyItem, ResetItem);
        std::vector<void*> taken;
        for (int i = 0; i < 1001; ++i)
            taken.push_back(pool.Take());
        for (void* item : taken)
            pool.Give(item);
        EXPECT_EQ(1000u, pool.GetIdleCount());
        EXPECT_EQ(1, gCounts.destroyed);
        EXPECT_EQ(1000, gCounts.reset);
    }
    // The pool's end destroys what it held.
    EXPECT_EQ(1001, gCounts.destroyed);
}

TEST_F(EasyPoolerTest, CapacityZeroDestroysEveryGivenObject)
{
    EasyPooler pool(0, CreateItem, DestroyItem, ResetItem);
    pool.Give(pool.Take());
    pool.Give(pool.Take());
    EXPECT_EQ(2, gCounts.created);
    EXPECT_EQ(2, gCounts.destroyed);
    EXPECT_EQ(0, gCounts.reset);
    EXPECT_EQ(0u, pool.GetIdleCount());
}

TEST_F(EasyPoolerTest, AFailedCreateGivesNull)
{
    EasyPooler pool(10, CreateItem, DestroyItem, ResetItem);
    gCounts.failCreate = true;
    EXPECT_EQ(nullptr, pool.Take());
    EXPECT_EQ(nullptr, pool.Generate());
}

TEST_F(EasyPoolerTest, DestroyGivesBackAndAlwaysLeavesTheSlotNull)
{
    EasyPooler pool(10, CreateItem, DestroyItem, ResetItem);
    void* slot = nullptr;
    pool.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(0, gCounts.reset);

    slot = pool.Generate();
    void* item = slot;
    pool.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);
    EXPECT_EQ(1u, pool.GetIdleCount());
    EXPECT_EQ(item, pool.Take());
    pool.Give(item);
}

TEST_F(EasyPoolerTest, NewInstanceIsAnEmptyUnpooledTwin)
{
    EasyPooler pool(1, CreateItem, DestroyItem, ResetItem);
    s::base::IObject* twin = pool.NewInstance();
    ASSERT_NE(nullptr, twin);
    EasyPooler* twinPool = static_cast<EasyPooler*>(twin);
    void* a = twinPool->Take();
    void* b = twinPool->Take();
    twinPool->Give(a);
    twinPool->Give(b);
    EXPECT_EQ(1u, twinPool->GetIdleCount());
    EXPECT_EQ(0u, pool.GetIdleCount());
    delete twin;
    EXPECT_EQ(2, gCounts.destroyed);
}

TEST_F(EasyPoolerTest, ThreadsTakingAndGivingAtOnceLoseAndDuplicateNothing)
{
    EasyPooler pool(64, CreateItem, DestroyItem, ResetItem);
    const int kThreads = 8, kRounds = 20000;
    std::atomic<int> duplicates(0);
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([&pool, &duplicates, t] {
            for (int i = 0; i < kRounds; ++i) {
                Item* mine[3];
                for (Item*& item : mine) {
                    item = static_cast<Item*>(pool.Take());
                    // Whoever else holds this item marked it; a duplicate hand-out shows here.
                    if (item->value != 0)
                        ++duplicates;
                    item->value = t + 1;
                }
                for (Item* item : mine) {
                    if (item->value != t + 1)
                        ++duplicates;
                    item->value = 0;
                    pool.Give(item);
                }
            }
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    EXPECT_EQ(0, duplicates.load());
    // Every created item is either idle in the pool or was destroyed: none lost.
    EXPECT_EQ(gCounts.created, static_cast<int>(pool.GetIdleCount()) + gCounts.destroyed);
    EXPECT_LE(pool.GetIdleCount(), 64u);
}

// A class following the pooled-class pattern, through the process-wide pool of its class.
class Pooled : public s::base::IObject, public s::thread::IPoolable {
public:
    const wchar_t* GetClassName() override { return L"s_test_Pooled"; }
    s::base::IObject* NewInstance() override { return s::thread::TakeFromPool<Pooled>(); }
    void ReleaseToPool() override { s::thread::GiveToPool(this); }
    void Reset() override { value = 0; }
    int value = 0;
};

TEST_F(EasyPoolerTest, AClassPoolIsBuiltOnceAndRecyclesItsInstances)
{
    EasyPooler* first = &s::thread::PoolOf<Pooled>();
    EXPECT_EQ(first, &s::thread::PoolOf<Pooled>());
    Pooled seed;
    Pooled* a = static_cast<Pooled*>(seed.NewInstance());
    a->value = 9;
    a->ReleaseToPool();
    Pooled* again = static_cast<Pooled*>(seed.NewInstance());
    EXPECT_EQ(a, again);
    EXPECT_EQ(0, again->value);
    again->ReleaseToPool();
}

} // namespace
