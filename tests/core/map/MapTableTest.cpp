#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/map/MapTable.h"
#include "tests/core/map/MapTestKey.h"

using maptest::Key;
using maptest::KeyRecorder;
using maptest::Keys;
using s::map::MapTable;

namespace {

typedef std::vector<std::string> Texts;

bool PutKey(MapTable& table, Key* key, uint64_t value)
{
    return table.Put(table.IsIgnoreCase() ? key->HashCodeIgnoreCase() : key->HashCode(), key, value);
}

uint64_t ValueOf(Key* key)
{
    return static_cast<uint64_t>(reinterpret_cast<uintptr_t>(key));
}

TEST(MapTableTest, GetFindsTheValueOfAnEqualKeyAndZeroOtherwise)
{
    Keys keys;
    MapTable table;
    Key probe("width");
    EXPECT_EQ(table.Get(&probe), 0u) << "before anything was stored";
    EXPECT_EQ(table.GetBucketCount(), 0u);

    ASSERT_TRUE(PutKey(table, keys.Make("width"), 640));
    ASSERT_TRUE(PutKey(table, keys.Make("height"), 480));
    EXPECT_EQ(table.Get(&probe), 640u);
    Key height("height");
    EXPECT_EQ(table.Get(&height), 480u);
    Key absent("depth");
    EXPECT_EQ(table.Get(&absent), 0u);
    Key upper("WIDTH");
    EXPECT_EQ(table.Get(&upper), 0u);
}

TEST(MapTableTest, PuttingAKeyAgainKeepsTheFirstValue)
{
    Keys keys;
    MapTable table;
    ASSERT_TRUE(PutKey(table, keys.Make("skin"), 1));
    EXPECT_FALSE(PutKey(table, keys.Make("skin"), 2));
    EXPECT_EQ(table.GetCount(), 1u);
    Key probe("skin");
    EXPECT_EQ(table.Get(&probe), 1u);
}

TEST(MapTableTest, IgnoringCaseFoldsOnlyAsciiLetters)
{
    Keys keys;
    MapTable table;
    table.SetIgnoreCase(true);
    ASSERT_TRUE(PutKey(table, keys.Make("MainWindow"), 7));
    ASSERT_TRUE(PutKey(table, keys.Make("\xC3\xA9t\xC3\xA9"), 8)); // UTF-8 lower-case e acute
    EXPECT_FALSE(PutKey(table, keys.Make("MAINWINDOW"), 9));

    struct Case {
        const char* text;
        uint64_t value;
    };
    const Case cases[] = {{"mainwindow", 7}, {"MAINWINDOW", 7}, {"\xC3\xA9T\xC3\xA9", 8}, {"\xC3\x89t\xC3\x89", 0}};
    for (const Case& c : cases) {
        Key probe(c.text);
        EXPECT_EQ(table.Get(&probe), c.value) << c.text;
    }
}

TEST(MapTableTest, GrowsAtHalfLoadAndKeepsEveryValue)
{
    Keys keys;
    MapTable table;
    for (uint64_t i = 0; i < 105; ++i)
        ASSERT_TRUE(PutKey(table, keys.Make("k" + std::to_string(i)), i + 1));
    EXPECT_EQ(table.GetBucketCount(), 211u);
    ASSERT_TRUE(PutKey(table, keys.Make("k105"), 106));
    EXPECT_EQ(table.GetBucketCount(), 431u);
    EXPECT_EQ(table.GetLevel(), 1);
    for (uint64_t i = 0; i <= 105; ++i) {
        Key probe("k" + std::to_string(i));
        EXPECT_EQ(table.Get(&probe), i + 1) << i;
    }
}

TEST(MapTableTest, KeysAndValuesGoToTheCleanersOfTheWayTheTableIsEmptied)
{
    Keys keys;
    KeyRecorder resetKeys;
    KeyRecorder destroyKeys;
    KeyRecorder resetValues;
    KeyRecorder destroyValues;
    KeyRecorder clearKeys;
    KeyRecorder clearValues;
    // Values are keys too here, so the value cleaners can tell which value they were given.
    auto fill = [&](MapTable& table, const char* tag) {
        ASSERT_TRUE(table.Put(1, keys.Make(std::string(tag) + "-k1", 1), ValueOf(keys.Make(std::string(tag) + "-v1"))));
        ASSERT_TRUE(table.Put(2, keys.Make(std::string(tag) + "-k2", 2), ValueOf(keys.Make(std::string(tag) + "-v2"))));
    };

    MapTable* table = new MapTable(&resetKeys, &destroyKeys, &resetValues, &destroyValues);
    fill(*table, "clear");
    table->Clear(&clearKeys, &clearValues);
    EXPECT_EQ(clearKeys.log, (Texts{"clear-k1", "clear-k2"}));
    EXPECT_EQ(clearValues.log, (Texts{"clear-v1", "clear-v2"}));
    EXPECT_EQ(table->GetCount(), 0u);

    fill(*table, "reset");
    table->Reset();
    EXPECT_EQ(resetKeys.log, (Texts{"reset-k1", "reset-k2"}));
    EXPECT_EQ(resetValues.log, (Texts{"reset-v1", "reset-v2"}));
    EXPECT_EQ(table->GetBucketCount(), 0u);
    EXPECT_FALSE(table->IsIgnoreCase());
    // Reset forgot all four cleaners.
    fill(*table, "forgotten");
    delete table;
    EXPECT_TRUE(destroyKeys.log.empty());
    EXPECT_TRUE(destroyValues.log.empty());

    table = new MapTable(&resetKeys, &destroyKeys, &resetValues, &destroyValues);
    fill(*table, "destroy");
    delete table;
    EXPECT_EQ(destroyKeys.log, (Texts{"destroy-k1", "destroy-k2"}));
    EXPECT_EQ(destroyValues.log, (Texts{"destroy-v1", "destroy-v2"}));
    EXPECT_EQ(resetKeys.log.size(), 2u);
    EXPECT_EQ(resetValues.log.size(), 2u);
}

TEST(MapTableTest, OnlyTheCleanersGivenAreUsed)
{
    Keys keys;
    KeyRecorder onlyKeys;
    MapTable* table = new MapTable(nullptr, &onlyKeys, nullptr, nullptr);
    ASSERT_TRUE(table->Put(3, keys.Make("number", 3), 12345));
    delete table; // a number value must never reach a cleaner
    EXPECT_EQ(onlyKeys.log, (Texts{"number"}));
}

} // namespace
