#include "core/base/IObject.h"

#include <gtest/gtest.h>

#include "core/base/Cleaner.h"
#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/ObjLocker.h"
#include "core/thread/PoolerBase.h"

using namespace s;

namespace {

// A class that keeps every default of the object protocol.
class Plain : public base::IObject {
public:
    const wchar_t* GetClassName() override { return L"s_test_Plain"; }
    base::IObject* NewInstance() override { return new Plain(); }
};

// Decides by a value it reads from the operands, whatever their identity.
class ByFirstByte : public base::IComparator {
public:
    int32_t Compare(const void*, const void*) override { return result; }
    int32_t result = 0;
};

TEST(ObjectProtocol, WithoutComparatorObjectsCompareByIdentity)
{
    Plain pair[2];
    Plain& low = pair[0];
    Plain& high = pair[1];
    EXPECT_EQ(0, low.CompareTo(&low));
    EXPECT_EQ(-1, low.CompareTo(&high));
    EXPECT_EQ(1, high.CompareTo(&low));
    EXPECT_EQ(-1, low.CompareToIgnoreCase(&high));
    EXPECT_TRUE(low.Equals(&low));
    EXPECT_FALSE(low.Equals(&high));
    EXPECT_FALSE(low.EqualsIgnoreCase(&high));
}

TEST(ObjectProtocol, EveryInstanceOfAClassHashesAlike)
{
    Plain a, b;
    EXPECT_EQ(a.HashCode(), b.HashCode());
    EXPECT_EQ(a.HashCode(), a.HashCodeIgnoreCase());
    EXPECT_FALSE(a.Equals(&b));
}

TEST(ObjectProtocol, AComparatorAloneDecidesEquality)
{
    Plain a, b;
    ByFirstByte comparator;
    comparator.result = 0;
    EXPECT_TRUE(a.Equals(&b, &comparator));
    EXPECT_EQ(0, a.CompareTo(&b, &comparator));
    comparator.result = 7;
    EXPECT_FALSE(a.Equals(&a, &comparator));
    EXPECT_FALSE(a.EqualsIgnoreCase(&a, &comparator));
    EXPECT_EQ(7, a.CompareToIgnoreCase(&a, &comparator));
}

TEST(ObjectProtocol, ClassNamesWriteEachScopeWithUnderscores)
{
    struct Case {
        base::IObject* object;
        const wchar_t* name;
    };
    thread::EasyPooler pool(1, nullptr, nullptr, nullptr);
    thread::ObjLocker locker;
    col::_array::ArrayP arrayP;
    col::_array::ArrayU08 arrayU08;
    col::_array::ArrayS08 arrayS08;
    col::_array::ArrayS32 arrayS32;
    col::_array::ArrayU32 arrayU32;
    col::_array::ArrayS64 arrayS64;
    comp::CompP compP;
    comp::CompS08 compS08;
    const Case cases[] = {
        {&pool, L"s_thread_EasyPooler"},   {&locker, L"s_thread_ObjLocker"},
        {&arrayP, L"s_col__array_ArrayP"}, {&arrayU08, L"s_col__array_ArrayU08"},
        {&arrayS08, L"s_col__array_ArrayS08"}, {&arrayS32, L"s_col__array_ArrayS32"},
        {&arrayU32, L"s_col__array_ArrayU32"}, {&arrayS64, L"s_col__array_ArrayS64"},
        {&compP, L"s_comp_CompP"},         {&compS08, L"s_comp_CompS08"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.name, c.object->GetClassName());
    EXPECT_STREQ(L"s_col__array_ArrayS32", arrayS32.GetName());
}

int gFreed;
void CountFree(void* object)
{
    ++gFreed;
    std::free(object);
}

class CountingCleaner : public base::IDestructor {
public:
    void Destroy(void** slot) override
    {
        ++calls;
        std::free(*slot);
        *slot = nullptr;
    }
    int calls = 0;
};

TEST(ObjLocker, DisposesThroughTheFreeFunctionElseTheCleanerElseFree)
{
    CountingCleaner cleaner;
    gFreed = 0;
    delete new thread::ObjLocker(std::malloc(8), &CountFree, &cleaner);
    EXPECT_EQ(1, gFreed);
    EXPECT_EQ(0, cleaner.calls);

    delete new thread::ObjLocker(std::malloc(8), nullptr, &cleaner);
    EXPECT_EQ(1, gFreed);
    EXPECT_EQ(1, cleaner.calls);

    // The standard allocator's free: nothing to observe but that it neither leaks nor crashes.
    delete new thread::ObjLocker(std::malloc(8), nullptr, nullptr);
    delete new thread::ObjLocker(nullptr, &CountFree, &cleaner);
    EXPECT_EQ(1, gFreed);
    EXPECT_EQ(1, cleaner.calls);
}

TEST(ObjLocker, ItsLockIsRecursive)
{
    thread::ObjLocker locker;
    thread::ScopedLock outer(locker);
    thread::ScopedLock inner(locker);
    EXPECT_TRUE(TryEnterCriticalSection(&locker.lock));
    LeaveCriticalSection(&locker.lock);
}

TEST(Cleaners, DestroyLeavesTheSlotNullAndIgnoresANullSlot)
{
    cleaner::CleanerRaw raw;
    cleaner::CleanerIObject objects;
    void* slot = std::malloc(16);
    raw.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);
    raw.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);

    slot = static_cast<base::IObject*>(new Plain());
    objects.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);
    objects.Destroy(&slot);
    EXPECT_EQ(nullptr, slot);
}

} // namespace
