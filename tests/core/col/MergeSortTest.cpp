#include "core/col/MergeSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/col/ArrayP.h"

using s::col::_array::ArrayP;

namespace {

struct Entry {
    std::string key;
    int serial;
};

struct Counter {
    int calls = 0;
    bool ignoreCase = false;
};

int32_t CompareEntries(void* a, void* b, void* userData)
{
    Counter* counter = static_cast<Counter*>(userData);
    ++counter->calls;
    std::string x = static_cast<Entry*>(a)->key, y = static_cast<Entry*>(b)->key;
    if (counter->ignoreCase) {
        for (char& ch : x)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        for (char& ch : y)
            ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return x < y ? -1 : (y < x ? 1 : 0);
}

std::vector<int> Sorted(std::vector<Entry>& entries, bool descending, Counter& counter)
{
    ArrayP array;
    for (Entry& e : entries)
        array.Append(&e);
    s::col::SortArray(&array, CompareEntries, &counter, descending);
    std::vector<int> serials;
    for (uint32_t i = 0; i < array.GetCount(); ++i)
        serials.push_back(static_cast<Entry*>(array.Get(i))->serial);
    return serials;
}

TEST(MergeSort, EqualElementsKeepTheirOrder)
{
    std::vector<Entry> three = {{"b", 1}, {"a", 2}, {"b", 3}};
    Counter counter;
    EXPECT_EQ((std::vector<int>{2, 1, 3}), Sorted(three, false, counter));
    EXPECT_EQ((std::vector<int>{1, 3, 2}), Sorted(three, true, counter));
}

TEST(MergeSort, MatchesAStableSortAtEverySizeBothWays)
{
    for (bool ignoreCase : {false, true}) {
        for (int size : {0, 1, 2, 6, 7, 8, 13, 100, 1000}) {
            std::vector<Entry> entries;
            uint32_t seed = 7u + static_cast<uint32_t>(size);
            for (int i = 0; i < size; ++i) {
                seed = seed * 1103515245u + 12345u;
                const char letters[] = "aAbBcCdD";
                entries.push_back({std::string(1, letters[(seed >> 16) % 8]), i});
            }
            Counter counter;
            counter.ignoreCase = ignoreCase;
            auto less = [&](const Entry& x, const Entry& y) {
                Counter quiet = counter;
                return CompareEntries(const_cast<Entry*>(&x), const_cast<Entry*>(&y), &quiet) < 0;
            };
            std::vector<Entry> expected = entries;
            std::stable_sort(expected.begin(), expected.end(), less);
            std::vector<int> ascending;
            for (const Entry& e : expected)
                ascending.push_back(e.serial);
            EXPECT_EQ(ascending, Sorted(entries, false, counter)) << size << " ignoreCase " << ignoreCase;

            expected = entries;
            std::stable_sort(expected.begin(), expected.end(), [&](const Entry& x, const Entry& y) { return less(y, x); });
            std::vector<int> descending;
            for (const Entry& e : expected)
                descending.push_back(e.serial);
            EXPECT_EQ(descending, Sorted(entries, true, counter)) << size << " ignoreCase " << ignoreCase;
        }
    }
}

// Calls of compare an already-sorted run of n costs: k - 1 per leaf of k elements, one per merge.
int SortedInputCalls(int low, int high)
{
    const int length = high - low;
    if (length < 7)
        return length > 0 ? length - 1 : 0;
    const int mid = (low + high) >> 1;
    return SortedInputCalls(low, mid) + SortedInputCalls(mid, high) + 1;
}

TEST(MergeSort, SortedInputCostsOneCompareForEachMerge)
{
    std::vector<Entry> entries;
    for (int i = 0; i < 1000; ++i) {
        char key[8];
        std::snprintf(key, sizeof key, "%04d", i);
        entries.push_back({key, i});
    }
    Counter counter;
    const std::vector<int> serials = Sorted(entries, false, counter);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(i, serials[i]);
    EXPECT_EQ(SortedInputCalls(0, 1000), counter.calls);
    EXPECT_LT(counter.calls, 1000);
}

TEST(MergeSort, SmallRangesNeedNoCompare)
{
    Counter counter;
    std::vector<Entry> none;
    std::vector<Entry> one = {{"x", 1}};
    Sorted(none, false, counter);
    Sorted(one, true, counter);
    EXPECT_EQ(0, counter.calls);

    // Seven elements split 3 and 4 at the first level.
    Entry e[7] = {{"g", 0}, {"f", 1}, {"e", 2}, {"d", 3}, {"c", 4}, {"b", 5}, {"a", 6}};
    void* source[7];
    void* dest[7];
    for (int i = 0; i < 7; ++i)
        source[i] = dest[i] = &e[i];
    s::col::MergeSortAscending(source, dest, 0, 7, 0, CompareEntries, &counter);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(6 - i, static_cast<Entry*>(dest[i])->serial);
}

} // namespace
