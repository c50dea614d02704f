#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "core/base/Cleaner.h"

using namespace s::col::_array;

namespace {

TEST(ArrayGrowth, StepFollowsTheRuleAtEachBoundary)
{
    struct Case {
        uint32_t from, to;
    };
    const Case cases[] = {
        {0, 100},
        {99, 100},
        {100, 300},
        {9999999, 29999997},
        {10000000, 20000000},
        {49999999, 99999998},
        {50000000, 75000000},
        {99999999, 149999998},
        {100000000, 120000000},
        // Past 2^32 elements the rule cannot grow and leaves the value as it is.
        {0xFFFFFFF0u, 0xFFFFFFF0u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.to, ArrayBase::GrowthStep(c.from)) << "from " << c.from;
}

TEST(ArrayGrowth, AppendsGrowOneStepOnlyWhenFull)
{
    ArrayU08 bytes;
    EXPECT_EQ(0u, bytes.GetCount());
    EXPECT_EQ(0u, bytes.GetCapacity());
    bytes.Append(0);
    EXPECT_EQ(100u, bytes.GetCapacity());
    for (int i = 1; i < 100; ++i)
        bytes.Append(static_cast<uint8_t>(i));
    EXPECT_EQ(100u, bytes.GetCapacity());
    bytes.Append(100);
    EXPECT_EQ(300u, bytes.GetCapacity());
    for (uint32_t i = 0; i <= 100; ++i)
        ASSERT_EQ(i, bytes.Get(i));

    // A large real step: a full array of ten million bytes doubles.
    ArrayU08 large;
    large.SetCount(10000000);
    large.Append(7);
    EXPECT_EQ(20000000u, large.GetCapacity());
    EXPECT_EQ(7, large.Get(10000000));
}

TEST(ArrayGrowth, ExactSizeOperationsAllocateExactly)
{
    ArrayS32 a;
    a.EnsureCapacity(250);
    EXPECT_EQ(300u, a.GetCapacity());
    EXPECT_EQ(0u, a.GetCount());

    ArrayS32 b;
    b.EnsureCapacity(100);
    EXPECT_EQ(100u, b.GetCapacity());

    ArrayS32 c;
    c.SetCount(250);
    EXPECT_EQ(250u, c.GetCapacity());
    EXPECT_EQ(250u, c.GetCount());

    ArrayS32 d;
    d.ReserveExact(7);
    EXPECT_EQ(7u, d.GetCapacity());
    EXPECT_EQ(0u, d.GetCount());

    ArrayU08* e = ArrayU08::NewWithCapacity(33);
    EXPECT_EQ(33u, e->GetCapacity());
    e->ReleaseToPool();

    // WriteAt past the end reallocates to exactly the end and raises the count.
    const int32_t values[] = {1, 2, 3};
    ArrayS32 f;
    f.WriteAt(values, 3, 0, 4);
    EXPECT_EQ(7u, f.GetCapacity());
    EXPECT_EQ(7u, f.GetCount());
    EXPECT_EQ(3, f.Get(6));
    f.WriteAt(values, 0, 0, 100);
    EXPECT_EQ(7u, f.GetCount());
}

TEST(ArrayGrowth, InsertAtTheFrontOfAFullArrayGrowsByOneAndAtTheEndByTheRule)
{
    ArrayP front;
    for (uintptr_t i = 0; i < 100; ++i)
        front.Append(reinterpret_cast<void*>(i));
    front.InsertAt(0, reinterpret_cast<void*>(999));
    EXPECT_EQ(101u, front.GetCapacity());
    EXPECT_EQ(reinterpret_cast<void*>(999), front.Get(0));
    EXPECT_EQ(reinterpret_cast<void*>(99), front.Get(100));

    ArrayP back;
    for (uintptr_t i = 0; i < 100; ++i)
        back.Append(reinterpret_cast<void*>(i));
    back.InsertAt(100, reinterpret_cast<void*>(999));
    EXPECT_EQ(300u, back.GetCapacity());
    EXPECT_EQ(reinterpret_cast<void*>(999), back.Get(100));
}

std::vector<int32_t> Contents(ArrayS32& a)
{
    std::vector<int32_t> out;
    for (uint32_t i = 0; i < a.GetCount(); ++i)
        out.push_back(a.Get(i));
    return out;
}

ArrayS32* Make(std::initializer_list<int32_t> values)
{
    ArrayS32* a = ArrayS32::New();
    for (int32_t v : values)
        a->Append(v);
    return a;
}

TEST(ArrayElements, InsertRemoveAndCopyMoveTheRightElements)
{
    const int32_t source[] = {10, 20, 30, 40};
    struct Case {
        const char* what;
        void (*apply)(ArrayS32&, const int32_t*);
        std::vector<int32_t> expected;
    };
    const Case cases[] = {
        {"append several", [](ArrayS32& a, const int32_t* s) { a.AppendRaw(s, 2, 1); }, {1, 2, 3, 20, 30}},
        {"prepend one", [](ArrayS32& a, const int32_t* s) { a.PrependRaw(s, 1, 3); }, {40, 1, 2, 3}},
        {"prepend several", [](ArrayS32& a, const int32_t* s) { a.PrependRaw(s, 3, 0); }, {10, 20, 30, 1, 2, 3}},
        {"insert in the middle", [](ArrayS32& a, const int32_t* s) { a.InsertRaw(1, s, 2, 0); }, {1, 10, 20, 2, 3}},
        {"insert at the end", [](ArrayS32& a, const int32_t* s) { a.InsertRaw(3, s, 1, 0); }, {1, 2, 3, 10}},
        {"drop last", [](ArrayS32& a, const int32_t*) { a.DropLast(2); }, {1}},
        {"drop first", [](ArrayS32& a, const int32_t*) { a.DropFirst(2); }, {3}},
        {"remove range inside", [](ArrayS32& a, const int32_t*) { a.RemoveRange(1, 1); }, {1, 3}},
        {"remove range at the end", [](ArrayS32& a, const int32_t*) { a.RemoveRange(1, 2); }, {1}},
        {"remove at front", [](ArrayS32& a, const int32_t*) { EXPECT_EQ(1, a.RemoveAt(0)); }, {2, 3}},
        {"remove at last", [](ArrayS32& a, const int32_t*) { EXPECT_EQ(3, a.RemoveAt(2)); }, {1, 2}},
        {"remove value", [](ArrayS32& a, const int32_t*) { EXPECT_TRUE(a.RemoveValue(2)); }, {1, 3}},
        {"remove absent value", [](ArrayS32& a, const int32_t*) { EXPECT_FALSE(a.RemoveValue(9)); }, {1, 2, 3}},
        {"write over", [](ArrayS32& a, const int32_t* s) { a.WriteAt(s, 2, 2, 1); }, {1, 30, 40}},
        {"swap", [](ArrayS32& a, const int32_t*) { a.Swap(0, 2); }, {3, 2, 1}},
        {"set count keeps the first", [](ArrayS32& a, const int32_t*) { a.SetCount(2); }, {1, 2}},
    };
    for (const Case& c : cases) {
        ArrayS32* a = Make({1, 2, 3});
        c.apply(*a, source);
        EXPECT_EQ(c.expected, Contents(*a)) << c.what;
        a->ReleaseToPool();
    }
}

TEST(ArrayElements, RunsTakenFromTheArrayItselfArriveWhole)
{
    struct Case {
        const char* what;
        void (*apply)(ArrayS32&);
        std::vector<int32_t> expected;
    };
    const Case cases[] = {
        // The tail moves up before the run is copied in: a run behind the index would shift.
        {"insert an element from behind the index", [](ArrayS32& a) { a.InsertRaw(0, a.GetData(), 1, 2); },
         {3, 1, 2, 3}},
        {"insert a run straddling the index", [](ArrayS32& a) { a.InsertRaw(1, a.GetData(), 2, 0); },
         {1, 1, 2, 2, 3}},
        {"prepend the whole array", [](ArrayS32& a) { a.PrependRaw(a.GetData(), 3, 0); }, {1, 2, 3, 1, 2, 3}},
        // Full arrays: growing frees the block the run was in.
        {"append the whole array when full", [](ArrayS32& a) { a.AppendRaw(a.GetData(), 3, 0); },
         {1, 2, 3, 1, 2, 3}},
        {"append one own element when full", [](ArrayS32& a) { a.AppendRaw(a.GetData(), 1, 1); }, {1, 2, 3, 2}},
        {"write a run past the end", [](ArrayS32& a) { a.WriteAt(a.GetData(), 2, 0, 3); }, {1, 2, 3, 1, 2}},
        {"copy into itself", [](ArrayS32& a) { a.CopyTo(&a, 2, 0, 0xFFFFFFFFu); }, {1, 2, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        ArrayS32 a;
        a.SetCount(3);  // exactly full: any growth reallocates
        a.Set(0, 1);
        a.Set(1, 2);
        a.Set(2, 3);
        c.apply(a);
        EXPECT_EQ(c.expected, Contents(a)) << c.what;
    }
}

TEST(ArrayElements, ReadingOutCopiesAndTakingOutRemoves)
{
    ArrayS32* a = Make({1, 2, 3, 4, 5});
    int32_t out[4] = {0, 0, 0, 0};
    a->CopyOut(out, 1, 3, 0xFFFFFFFFu);
    EXPECT_EQ(4, out[1]);
    EXPECT_EQ(5, out[2]);
    EXPECT_EQ(5u, a->GetCount());

    a->PopLast(out, 2, 0);
    EXPECT_EQ(4, out[0]);
    EXPECT_EQ(5, out[1]);
    EXPECT_EQ((std::vector<int32_t>{1, 2, 3}), Contents(*a));

    a->PopFirst(out, 1, 3);
    EXPECT_EQ(1, out[3]);
    EXPECT_EQ((std::vector<int32_t>{2, 3}), Contents(*a));

    ArrayS32* b = Make({7, 8, 9, 10});
    b->TakeRange(1, out, 2, 0);
    EXPECT_EQ(8, out[0]);
    EXPECT_EQ(9, out[1]);
    EXPECT_EQ((std::vector<int32_t>{7, 10}), Contents(*b));
    b->TakeRange(1, out, 1, 0);
    EXPECT_EQ(10, out[0]);
    EXPECT_EQ((std::vector<int32_t>{7}), Contents(*b));
    a->ReleaseToPool();
    b->ReleaseToPool();
}

TEST(ArrayElements, CopyToAndFromAnotherArray)
{
    ArrayS32* a = Make({1, 2, 3, 4});
    ArrayS32* b = Make({9});
    a->CopyTo(b, 1, 2, 0xFFFFFFFFu);
    EXPECT_EQ((std::vector<int32_t>{9, 3, 4}), Contents(*b));
    b->CopyFrom(a, 0, 0, 2);
    EXPECT_EQ((std::vector<int32_t>{1, 2, 4}), Contents(*b));
    a->ReleaseToPool();
    b->ReleaseToPool();
}

TEST(ArrayElements, ReverseSwapsMirroredPairs)
{
    for (auto values : {std::vector<int32_t>{}, {1}, {1, 2, 3, 4, 5}, {1, 2, 3, 4}}) {
        ArrayS32 a;
        for (int32_t v : values)
            a.Append(v);
        a.Reverse();
        std::vector<int32_t> expected(values.rbegin(), values.rend());
        EXPECT_EQ(expected, Contents(a));
    }
}

TEST(ArrayElements, PointerSearchAndRemoval)
{
    int x, y;
    ArrayP* a = ArrayP::New();
    int32_t index = 5;
    EXPECT_FALSE(a->IndexOf(&x, &index));
    EXPECT_EQ(-1, index);
    EXPECT_EQ(nullptr, a->RemoveValue(&x));

    a->Append(&y);
    a->Append(&x);
    a->Append(&y);
    a->Append(&x);
    EXPECT_TRUE(a->IndexOf(&x, &index));
    EXPECT_EQ(1, index);
    EXPECT_TRUE(a->IndexOf(&y, nullptr));
    EXPECT_EQ(&x, a->RemoveValue(&x));
    ASSERT_EQ(3u, a->GetCount());
    EXPECT_EQ(&y, a->Get(0));
    EXPECT_EQ(&y, a->Get(1));
    EXPECT_EQ(&x, a->Get(2));
    a->ReleaseToPool();
}

TEST(ArrayElements, DefaultElementsAreFiveSamples)
{
    ArrayS32 s32;
    const int32_t* ints = static_cast<const int32_t*>(s32.GetDefaultElement());
    const uint8_t* bytes = static_cast<const uint8_t*>(ArrayU08().GetDefaultElement());
    const int64_t* longs = static_cast<const int64_t*>(ArrayS64().GetDefaultElement());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(i, ints[i]);
        EXPECT_EQ(i, bytes[i]);
        EXPECT_EQ(i, longs[i]);
    }
    ArrayP p;
    const void* const* slots = static_cast<const void* const*>(p.GetDefaultElement());
    EXPECT_EQ(slots, p.GetDefaultElement());
    ArrayP* first = static_cast<ArrayP*>(static_cast<s::base::IObject*>(const_cast<void*>(slots[0])));
    EXPECT_EQ(0u, first->GetCount());
    EXPECT_STREQ(L"s_col__array_ArrayP", first->GetClassName());
    EXPECT_EQ(5, s32.GetCollectionKind());
}

// Counts deletions of the objects an owning array disposes of.
class Tracked : public s::base::IObject {
public:
    explicit Tracked(int* deaths) : deaths_(deaths) {}
    ~Tracked() override { ++*deaths_; }
    const wchar_t* GetClassName() override { return L"s_test_Tracked"; }
    s::base::IObject* NewInstance() override { return new Tracked(deaths_); }

private:
    int* deaths_;
};

class SlotWatcher : public s::base::IDestructor {
public:
    void Destroy(void** slot) override
    {
        inner.Destroy(slot);
        slotsNulled += (*slot == nullptr);
    }
    s::cleaner::CleanerIObject inner;
    int slotsNulled = 0;
};

TEST(ArrayOwnership, ACleanerOwnsElementsOnFreeResetAndDestruction)
{
    int deaths = 0;
    SlotWatcher watcher;
    ArrayP* owner = ArrayP::NewWithCleaner(&watcher);
    for (int i = 0; i < 3; ++i)
        owner->Append(static_cast<s::base::IObject*>(new Tracked(&deaths)));
    owner->FreeAll();
    EXPECT_EQ(3, deaths);
    EXPECT_EQ(3, watcher.slotsNulled);
    EXPECT_EQ(0u, owner->GetCapacity());
    EXPECT_EQ(nullptr, owner->GetData());

    owner->Append(static_cast<s::base::IObject*>(new Tracked(&deaths)));
    owner->ReleaseToPool();
    EXPECT_EQ(4, deaths);

    // A reset array never owns again until told to.
    ArrayP* again = ArrayP::New();
    EXPECT_EQ(nullptr, again->GetCleaner());
    again->ReleaseToPool();

    {
        ArrayP embedded;
        embedded.SetCleaner(&watcher);
        embedded.Append(static_cast<s::base::IObject*>(new Tracked(&deaths)));
    }
    EXPECT_EQ(5, deaths);
}

TEST(ArrayOwnership, RemovalsHandElementsBackWithoutDisposing)
{
    int deaths = 0;
    s::cleaner::CleanerIObject cleaner;
    ArrayP* owner = ArrayP::NewWithCleaner(&cleaner);
    Tracked* kept[4];
    for (Tracked*& t : kept) {
        t = new Tracked(&deaths);
        owner->Append(static_cast<s::base::IObject*>(t));
    }
    EXPECT_EQ(kept[0], owner->RemoveAt(0));
    void* popped = nullptr;
    owner->PopLast(&popped, 1, 0);
    EXPECT_EQ(kept[3], popped);
    owner->DisposeAt(0);
    EXPECT_EQ(1, deaths);
    owner->Clear();
    EXPECT_EQ(1, deaths);
    delete kept[0];
    delete kept[3];
    delete kept[2];
    EXPECT_EQ(4, deaths);
    owner->ReleaseToPool();

    // Without a cleaner DisposeAt only removes.
    ArrayP* plain = ArrayP::New();
    Tracked alone(&deaths);
    plain->Append(static_cast<s::base::IObject*>(&alone));
    plain->DisposeAt(0);
    EXPECT_EQ(0u, plain->GetCount());
    EXPECT_EQ(4, deaths);
    plain->ReleaseToPool();
}

TEST(ArrayPool, AGivenBackArrayComesOutEmptyWithoutStorage)
{
    ArrayS32* a = ArrayS32::New();
    a->Append(3);
    a->SetPosition(4);
    a->ReleaseToPool();
    ArrayS32* b = ArrayS32::New();
    EXPECT_EQ(a, b);
    EXPECT_EQ(0u, b->GetCount());
    EXPECT_EQ(0u, b->GetCapacity());
    EXPECT_EQ(nullptr, b->GetData());
    EXPECT_EQ(0u, b->GetPosition());
    s::base::IObject* c = b->NewInstance();
    EXPECT_NE(static_cast<s::base::IObject*>(b), c);
    EXPECT_STREQ(L"s_col__array_ArrayS32", c->GetClassName());
    static_cast<ArrayS32*>(c)->ReleaseToPool();
    b->ReleaseToPool();
}

TEST(ArrayPool, ClearKeepsStorageFreeAllDropsIt)
{
    ArrayU32 a;
    a.Append(1);
    a.SetPosition(2);
    a.Clear();
    EXPECT_EQ(0u, a.GetCount());
    EXPECT_EQ(100u, a.GetCapacity());
    EXPECT_EQ(0u, a.GetPosition());
    a.FreeAll();
    EXPECT_EQ(0u, a.GetCapacity());
    EXPECT_EQ(nullptr, a.GetData());
}

} // namespace
