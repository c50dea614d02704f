#include "core/thread/PooledClass.h"

#include <gtest/gtest.h>

#include "core/thread/IPoolable.h"

namespace {

class Sample : public s::thread::PooledClass<Sample, s::base::IObject, s::thread::IPoolable> {
public:
    static constexpr const wchar_t* kClassName = L"s_test_Sample";

    void Reset() override
    {
        value = 0;
        ++resets;
    }

    int value = 0;
    int resets = 0;
};

// A base whose constructor takes what the class passes on.
class Named : public s::base::IObject, public s::thread::IPoolable {
public:
    explicit Named(const wchar_t* name) : name(name) {}
    const wchar_t* name;
};

class NamedSample : public s::thread::PooledClass<NamedSample, Named> {
public:
    static constexpr const wchar_t* kClassName = L"s_test_NamedSample";
    NamedSample() : PooledClass(L"sample") {}
    void Reset() override {}
};

TEST(PooledClassTest, AnObjectGivenBackIsResetAndTakenAgain)
{
    Sample* first = Sample::New();
    ASSERT_NE(nullptr, first);
    const int resets = first->resets;
    first->value = 7;
    first->ReleaseToPool();
    Sample* again = Sample::New();
    EXPECT_EQ(first, again);
    EXPECT_EQ(0, again->value);
    EXPECT_EQ(resets + 1, again->resets);
    again->ReleaseToPool();
}

TEST(PooledClassTest, ANewInstanceIsTakenFromTheClassPool)
{
    Sample* first = Sample::New();
    Sample* second = Sample::New();
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    second->ReleaseToPool();
    // The last given back is the first taken.
    s::base::IObject* other = first->NewInstance();
    EXPECT_EQ(static_cast<s::base::IObject*>(second), other);
    second->ReleaseToPool();
    first->ReleaseToPool();
}

TEST(PooledClassTest, ItAnswersItsClassNameAndPassesItsBaseTheArguments)
{
    NamedSample* sample = NamedSample::New();
    ASSERT_NE(nullptr, sample);
    EXPECT_STREQ(L"s_test_NamedSample", sample->GetClassName());
    EXPECT_STREQ(L"sample", sample->name);
    sample->ReleaseToPool();
}

} // namespace
