#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/map/Map.h"
#include "tests/core/map/MapTestKey.h"

using maptest::Key;
using maptest::KeyRecorder;
using maptest::Keys;
using s::map::Map;

namespace {

typedef std::vector<std::string> Texts;

bool AddKey(Map& map, Key* key)
{
    return map.Add(map.IsIgnoreCase() ? key->HashCodeIgnoreCase() : key->HashCode(), key);
}

// The stored keys in the map's own walking order: bucket by bucket, each chain head to tail.
Texts Walk(Map& map, const Texts& only = Texts())
{
    KeyRecorder recorder;
    map.Clear(&recorder);
    if (only.empty())
        return recorder.log;
    Texts picked;
    for (const std::string& text : recorder.log) {
        for (const std::string& wanted : only) {
            if (text == wanted)
                picked.push_back(text);
        }
    }
    return picked;
}

TEST(MapTest, BucketCountFollowsThePrimeTableAndGrowsAtHalfLoad)
{
    struct Case {
        uint32_t stored;
        uint32_t buckets;
        int32_t level;
    };
    // 211 / 2 = 105: the insertion that finds 105 stored grows first; 431 / 2 = 215 likewise.
    const Case cases[] = {{0, 0, 0}, {1, 211, 0}, {105, 211, 0}, {106, 431, 1}, {215, 431, 1}, {216, 863, 2}};
    Keys keys;
    Map map;
    uint32_t stored = 0;
    for (const Case& c : cases) {
        while (stored < c.stored)
            ASSERT_TRUE(AddKey(map, keys.Make("key" + std::to_string(stored++))));
        EXPECT_EQ(map.GetCount(), c.stored);
        EXPECT_EQ(map.GetBucketCount(), c.buckets) << "after " << c.stored;
        EXPECT_EQ(map.GetLevel(), c.level) << "after " << c.stored;
    }
    for (uint32_t i = 0; i < stored; ++i) {
        Key probe("key" + std::to_string(i));
        EXPECT_TRUE(map.Contains(&probe)) << i;
    }
}

TEST(MapTest, AnEqualObjectIsRefusedAndCaseIsFoldedOnlyForAsciiLettersWhenAsked)
{
    struct Case {
        bool ignoreCase;
        const char* first;
        const char* second;
        bool secondStored;
    };
    const Case cases[] = {
        {false, "abc", "abc", false},
        {false, "abc", "ABC", true},
        {true, "abc", "ABC", false},
        {true, "Zeta", "zETA", false},
        {true, "a[", "A{", true},          // [ and { lie 0x20 apart but are no letters
        {true, "a@", "A`", true},          // nor are @ and `
        {true, "\xC3\xA9", "\xC3\x89", true}, // e and E with acute accent, UTF-8
    };
    for (const Case& c : cases) {
        Keys keys;
        Map map;
        map.SetIgnoreCase(c.ignoreCase);
        ASSERT_TRUE(AddKey(map, keys.Make(c.first)));
        EXPECT_EQ(AddKey(map, keys.Make(c.second)), c.secondStored) << c.first << " / " << c.second;
        EXPECT_EQ(map.GetCount(), c.secondStored ? 2u : 1u);
        // Stored or refused, the second is found: refused means equal to the first.
        Key probe(c.second);
        EXPECT_TRUE(map.Contains(&probe));
    }
}

TEST(MapTest, LookupHashesTheProbeByTheIgnoreCaseSetting)
{
    Keys keys;
    Map map;
    ASSERT_TRUE(AddKey(map, keys.Make("Volume")));
    Key upper("VOLUME");
    EXPECT_FALSE(map.Contains(&upper));

    Map folding;
    folding.SetIgnoreCase(true);
    ASSERT_TRUE(AddKey(folding, keys.Make("Volume")));
    EXPECT_TRUE(folding.Contains(&upper));
    Key absent("Volumes");
    EXPECT_FALSE(folding.Contains(&absent));
}

TEST(MapTest, RemoveHandsBackTheStoredObjectAndRefusesWhatIsAbsent)
{
    Keys keys;
    Map map;
    Key probe("b");
    EXPECT_FALSE(map.Remove(probe.HashCode(), &probe, nullptr)) << "a map that never held anything";
    EXPECT_FALSE(map.Contains(&probe));

    Key* a = keys.Make("a");
    Key* b = keys.Make("b");
    ASSERT_TRUE(AddKey(map, a));
    ASSERT_TRUE(AddKey(map, b));
    s::base::IObject* removed = nullptr;
    ASSERT_TRUE(map.Remove(probe.HashCode(), &probe, &removed));
    EXPECT_EQ(removed, static_cast<s::base::IObject*>(b));
    EXPECT_EQ(map.GetCount(), 1u);
    EXPECT_FALSE(map.Contains(&probe));
    EXPECT_FALSE(map.Remove(probe.HashCode(), &probe, &removed));
    Key c("c");
    EXPECT_FALSE(map.Remove(c.HashCode(), &c, nullptr));
    EXPECT_EQ(map.GetCount(), 1u);
    EXPECT_TRUE(AddKey(map, keys.Make("b"))) << "a removed object may be stored again";
}

TEST(MapTest, WalkGoesByBucketIndexThenAlongEachChainInInsertionOrder)
{
    Keys keys;
    Map map;
    // Buckets 5, 3, 0 (hash 211) and 3 again (hash 214), then three unequal keys sharing hash 7.
    ASSERT_TRUE(map.Add(5, keys.Make("h5", 5)));
    ASSERT_TRUE(map.Add(3, keys.Make("h3", 3)));
    ASSERT_TRUE(map.Add(211, keys.Make("h211", 211)));
    ASSERT_TRUE(map.Add(214, keys.Make("h214", 214)));
    for (const char* text : {"first", "second", "third"})
        ASSERT_TRUE(map.Add(7, keys.Make(text, 7)));
    EXPECT_EQ(Walk(map), (Texts{"h211", "h3", "h214", "h5", "first", "second", "third"}));
    EXPECT_EQ(map.GetCount(), 0u);
    EXPECT_EQ(map.GetBucketCount(), 211u) << "clearing keeps the bucket array";
}

TEST(MapTest, RemovalAnywhereInAChainKeepsTheOthersInOrder)
{
    struct Case {
        const char* removed;
        Texts left;
    };
    const Case cases[] = {{"one", {"two", "three", "four"}},
                          {"three", {"one", "two", "four"}},
                          {"four", {"one", "two", "three"}}};
    for (const Case& c : cases) {
        Keys keys;
        Map map;
        for (const char* text : {"one", "two", "three", "four"})
            ASSERT_TRUE(map.Add(42, keys.Make(text, 42)));
        Key probe(c.removed, 42);
        ASSERT_TRUE(map.Remove(42, &probe, nullptr)) << c.removed;
        EXPECT_EQ(Walk(map), c.left) << c.removed;
    }
}

TEST(MapTest, GrowingKeepsTheOrderOfKeysThatShareABucket)
{
    Keys keys;
    Map map;
    const Texts colliding = {"c1", "c2", "c3", "c4"};
    for (const std::string& text : colliding)
        ASSERT_TRUE(map.Add(1000, keys.Make(text, 1000)));
    for (int i = 0; map.GetBucketCount() < 863; ++i)
        ASSERT_TRUE(AddKey(map, keys.Make("fill" + std::to_string(i))));
    EXPECT_EQ(Walk(map, colliding), colliding);
}

TEST(MapTest, ResetGivesObjectsToTheResetCleanerAndForgetsItsSettings)
{
    Keys keys;
    KeyRecorder onReset;
    KeyRecorder onDestroy;
    Map* map = new Map(&onReset, &onDestroy);
    map->SetIgnoreCase(true);
    ASSERT_TRUE(map->Add(1, keys.Make("a", 1)));
    ASSERT_TRUE(map->Add(2, keys.Make("b", 2)));
    map->Reset();
    EXPECT_EQ(onReset.log, (Texts{"a", "b"}));
    EXPECT_TRUE(onDestroy.log.empty());
    EXPECT_EQ(map->GetBucketCount(), 0u);
    EXPECT_EQ(map->GetLevel(), 0);
    EXPECT_EQ(map->GetCount(), 0u);
    EXPECT_FALSE(map->IsIgnoreCase());

    // Both cleaners are forgotten: what is stored now belongs to the user alone.
    ASSERT_TRUE(AddKey(*map, keys.Make("c")));
    map->Reset();
    ASSERT_TRUE(AddKey(*map, keys.Make("d")));
    delete map;
    EXPECT_EQ(onReset.log.size(), 2u);
    EXPECT_TRUE(onDestroy.log.empty());
}

TEST(MapTest, DestructionGivesObjectsToTheDestroyCleanerAndFreesNodesDirectly)
{
    Keys keys;
    KeyRecorder onReset;
    KeyRecorder onDestroy;
    Map* map = new Map(&onReset, &onDestroy);
    ASSERT_TRUE(map->Add(1, keys.Make("x", 1)));
    ASSERT_TRUE(map->Add(1, keys.Make("y", 1)));
    const uint32_t idleNodes = Map::GetNodePool()->GetIdleCount();
    delete map;
    EXPECT_EQ(onDestroy.log, (Texts{"x", "y"}));
    EXPECT_TRUE(onReset.log.empty());
    EXPECT_EQ(Map::GetNodePool()->GetIdleCount(), idleNodes);
}

TEST(MapTest, ClearingAndRemovalGiveNodesBackToTheNodePool)
{
    Keys keys;
    Map map;
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(AddKey(map, keys.Make("n" + std::to_string(i))));
    const uint32_t idleNodes = Map::GetNodePool()->GetIdleCount();
    Key probe("n0");
    ASSERT_TRUE(map.Remove(probe.HashCode(), &probe, nullptr));
    EXPECT_EQ(Map::GetNodePool()->GetIdleCount(), idleNodes + 1);
    map.Clear(nullptr);
    EXPECT_EQ(Map::GetNodePool()->GetIdleCount(), idleNodes + 5);
}

TEST(MapTest, APooledMapComesBackEmpty)
{
    Keys keys;
    Map* map = Map::New();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->GetBucketCount(), 0u);
    map->SetIgnoreCase(true);
    ASSERT_TRUE(AddKey(*map, keys.Make("kept")));
    map->ReleaseToPool();

    Map* again = Map::New();
    ASSERT_EQ(again, map);
    EXPECT_EQ(again->GetCount(), 0u);
    EXPECT_EQ(again->GetBucketCount(), 0u);
    EXPECT_FALSE(again->IsIgnoreCase());
    EXPECT_STREQ(again->GetClassName(), L"s_map_Map");
    again->ReleaseToPool();
}

} // namespace
