#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "storage/xml/XmlTestSupport.h"

using namespace xmltest;

TEST(XmlTypedValues, NumberTextForms)
{
    PooledNode node;
    struct Case {
        const wchar_t* name;
        void (*set)(Node*, const wchar_t*);
        const wchar_t* stored;
    } cases[] = {
        {L"u32", [](Node* n, const wchar_t* k) { n->SetUInt32Attribute(k, 4294967295u); }, L"4294967295"},
        {L"u16", [](Node* n, const wchar_t* k) { n->SetUInt16Attribute(k, 65535); }, L"65535"},
        {L"u8", [](Node* n, const wchar_t* k) { n->SetUInt8Attribute(k, 200); }, L"200"},
        {L"i32", [](Node* n, const wchar_t* k) { n->SetInt32Attribute(k, INT32_MIN); }, L"-2147483648"},
        {L"i16", [](Node* n, const wchar_t* k) { n->SetInt16Attribute(k, -32768); }, L"-32768"},
        {L"i8", [](Node* n, const wchar_t* k) { n->SetInt8Attribute(k, -56); }, L"-56"},
        {L"i64", [](Node* n, const wchar_t* k) { n->SetInt64Attribute(k, INT64_MIN); }, L"-9223372036854775808"},
        {L"u64max", [](Node* n, const wchar_t* k) { n->SetUInt64Attribute(k, UINT64_MAX); }, L"-1"},
        {L"u64", [](Node* n, const wchar_t* k) { n->SetUInt64Attribute(k, 1ull << 40); }, L"1099511627776"},
        {L"f", [](Node* n, const wchar_t* k) { n->SetFloatAttribute(k, 1.5f); }, L"1.500000"},
        {L"d", [](Node* n, const wchar_t* k) { n->SetDoubleAttribute(k, -0.0000001); }, L"-0.000000"},
        {L"dbig", [](Node* n, const wchar_t* k) { n->SetDoubleAttribute(k, 1e20); }, L"100000000000000000000.000000"},
        {L"zero", [](Node* n, const wchar_t* k) { n->SetInt32Attribute(k, 0); }, L"0"},
    };
    for (const Case& c : cases) {
        c.set(node.get(), c.name);
        EXPECT_STREQ(c.stored, node->GetAttribute(c.name, L"<none>")) << c.name;
    }
}

TEST(XmlTypedValues, HugeDoubleIsStoredWhole)
{
    PooledNode node;
    node->SetDoubleAttribute(L"d", 1e300);
    const std::wstring stored = node->GetAttribute(L"d", L"");
    EXPECT_EQ(301u + 7u, stored.size());
    EXPECT_EQ(L"1", stored.substr(0, 1));
    EXPECT_EQ(L".000000", stored.substr(stored.size() - 7));
}

TEST(XmlTypedValues, ArrayTextForms)
{
    PooledNode node;
    const uint8_t bytes[] = {0x0A, 0xFF};
    const int8_t signedBytes[] = {-1, 1};
    const uint16_t shorts[] = {0x1, 0xBEEF};
    const int16_t signedShorts[] = {-2};
    const uint32_t words[] = {0xDEADBEEF, 0x10};
    const int32_t signedWords[] = {-1};
    const uint64_t longs[] = {0x0123456789ABCDEFull};
    const int64_t signedLongs[] = {-2};
    const float floats[] = {1.0f, -2.0f};
    const double doubles[] = {1.0, 0.1};
    node->SetUInt8ArrayAttribute(L"u8", bytes, 2);
    node->SetInt8ArrayAttribute(L"i8", signedBytes, 2);
    node->SetUInt16ArrayAttribute(L"u16", shorts, 2);
    node->SetInt16ArrayAttribute(L"i16", signedShorts, 1);
    node->SetUInt32ArrayAttribute(L"u32", words, 2);
    node->SetInt32ArrayAttribute(L"i32", signedWords, 1);
    node->SetUInt64ArrayAttribute(L"u64", longs, 1);
    node->SetInt64ArrayAttribute(L"i64", signedLongs, 1);
    node->SetFloatArrayAttribute(L"f", floats, 2);
    node->SetDoubleArrayAttribute(L"d", doubles, 2);
    node->SetUInt8ArrayAttribute(L"empty", bytes, 0);
    struct Case {
        const wchar_t* name;
        const wchar_t* stored;
    } cases[] = {
        {L"u8", L"0aff"},
        {L"i8", L"ff01"},
        {L"u16", L"0001beef"},
        {L"i16", L"fffe"},
        {L"u32", L"deadbeef00000010"},
        {L"i32", L"ffffffff"},
        {L"u64", L"0123456789abcdef"},
        {L"i64", L"fffffffffffffffe"},
        {L"f", L"3f800000c0000000"},
        // Each double as two 32-bit halves, the low half first.
        {L"d", L"000000003ff000009999999a3fb99999"},
        {L"empty", L""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.stored, node->GetAttribute(c.name, L"<none>")) << c.name;
}

TEST(XmlTypedValues, GettersReadStoredText)
{
    struct Case {
        const wchar_t* stored;
        bool asBool;
        int8_t asInt8;
        int16_t asInt16;
        int32_t asInt32;
        int64_t asInt64;
        uint8_t asUInt8;
        uint16_t asUInt16;
        uint32_t asUInt32;
        uint64_t asUInt64;
    } cases[] = {
        {L"1", true, 1, 1, 1, 1, 1, 1, 1, 1},
        {L"2", false, 2, 2, 2, 2, 2, 2, 2, 2},
        {L"10", true, 10, 10, 10, 10, 10, 10, 10, 10},
        {L"true", true, 0, 0, 0, 0, 0, 0, 0, 0},
        {L"trueish", true, 0, 0, 0, 0, 0, 0, 0, 0},
        {L"True", false, 0, 0, 0, 0, 0, 0, 0, 0},
        {L"yes", false, 0, 0, 0, 0, 0, 0, 0, 0},
        {L"0", false, 0, 0, 0, 0, 0, 0, 0, 0},
        {L"200", false, -56, 200, 200, 200, 200, 200, 200, 200},
        {L"300", false, 44, 300, 300, 300, 44, 300, 300, 300},
        {L"  +42xyz", false, 42, 42, 42, 42, 42, 42, 42, 42},
        {L"-1", false, -1, -1, -1, -1, 255, 65535, 4294967295u, UINT64_MAX},
        {L"4294967296", false, -1, -1, INT32_MAX, 4294967296ll, 255, 65535, 4294967295u, 4294967296ull},
        {L"-99999999999", false, 0, 0, INT32_MIN, -99999999999ll, 255, 65535, 4294967295u,
         static_cast<uint64_t>(-99999999999ll)},
        {L"99999999999999999999", false, -1, -1, INT32_MAX, INT64_MAX, 255, 65535, 4294967295u,
         static_cast<uint64_t>(INT64_MAX)},
        {L"-9223372036854775808", false, 0, 0, INT32_MIN, INT64_MIN, 255, 65535, 4294967295u, 1ull << 63},
        {L"", false, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        PooledNode node;
        node->GetAttributes();
        s::xml::AddAttributeRaw(node->GetAttributes(), L"v", StrBuffer::kWhole, c.stored, StrBuffer::kWhole);
        EXPECT_EQ(c.asBool, node->GetBoolAttribute(L"V", !c.asBool)) << c.stored;
        EXPECT_EQ(c.asInt8, node->GetInt8Attribute(L"v", 7)) << c.stored;
        EXPECT_EQ(c.asInt16, node->GetInt16Attribute(L"v", 7)) << c.stored;
        EXPECT_EQ(c.asInt32, node->GetInt32Attribute(L"v", 7)) << c.stored;
        EXPECT_EQ(c.asInt64, node->GetInt64Attribute(L"v", 7)) << c.stored;
        EXPECT_EQ(c.asUInt8, node->GetUInt8Attribute(L"v", 7)) << c.stored;
        EXPECT_EQ(c.asUInt16, node->GetUInt16Attribute(L"v", 7)) << c.stored;
        EXPECT_EQ(c.asUInt32, node->GetUInt32Attribute(L"v", 7)) << c.stored;
        EXPECT_EQ(c.asUInt64, node->GetUInt64Attribute(L"v", 7)) << c.stored;
    }
}

TEST(XmlTypedValues, MissingValueGivesTheDefault)
{
    PooledNode node;
    EXPECT_TRUE(node->GetBoolAttribute(L"x", true));
    EXPECT_EQ(-5, node->GetInt8Attribute(L"x", -5));
    EXPECT_EQ(1234, node->GetInt16Attribute(L"x", 1234));
    EXPECT_EQ(-7, node->GetInt32Attribute(L"x", -7));
    EXPECT_EQ(INT64_MIN, node->GetInt64Attribute(L"x", INT64_MIN));
    EXPECT_EQ(250u, node->GetUInt8Attribute(L"x", 250));
    EXPECT_EQ(60000u, node->GetUInt16Attribute(L"x", 60000));
    EXPECT_EQ(4000000000u, node->GetUInt32Attribute(L"x", 4000000000u));
    EXPECT_EQ(UINT64_MAX, node->GetUInt64Attribute(L"x", UINT64_MAX));
}

TEST(XmlTypedValues, SettersRoundTripThroughGetters)
{
    PooledNode node;
    node->SetUInt64Attribute(L"u64", UINT64_MAX);
    node->SetInt64Attribute(L"i64", INT64_MIN);
    node->SetUInt32Attribute(L"u32", 4000000000u);
    node->SetInt16Attribute(L"i16", -12345);
    node->SetInt32Attribute(L"one", 1);
    node->SetInt32Attribute(L"two", 2);
    EXPECT_EQ(UINT64_MAX, node->GetUInt64Attribute(L"u64", 0));
    EXPECT_EQ(INT64_MIN, node->GetInt64Attribute(L"i64", 0));
    EXPECT_EQ(4000000000u, node->GetUInt32Attribute(L"u32", 0));
    EXPECT_EQ(-12345, node->GetInt16Attribute(L"i16", 0));
    EXPECT_TRUE(node->GetBoolAttribute(L"one", false));
    EXPECT_FALSE(node->GetBoolAttribute(L"two", true));
}

TEST(XmlTypedValues, TextValuesRoundTripEscaped)
{
    PooledNode node;
    const wchar_t* value = L"a \"quoted\" <tag> & more\r\n\u00fc\u4e2d\U0001F600";
    node->SetAttribute(L"text", value);
    EXPECT_STREQ(L"a &quot;quoted&quot; &lt;tag> &amp; more&#13;&#10;\u00fc\u4e2d\U0001F600",
                 node->GetAttribute(L"text", nullptr));
    EXPECT_EQ(value, Decoded(node.get(), L"text"));
    node->SetAttribute(L"", L" inner  text ");
    EXPECT_STREQ(L"&#160;inner&#160;&#160;text&#160;", node->GetAttribute(L"", nullptr));
    EXPECT_EQ(L" inner  text ", Decoded(node.get(), L""));
}

TEST(XmlTypedValues, SettersOnSeveralThreadsShareTheScratchSafely)
{
    const int kThreads = 4;
    const int kValues = 2000;
    // One flag per thread, each in its own element (not a packed vector of bools).
    std::vector<int> intact(kThreads, 0);
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([t, &intact] {
            PooledNode node;
            for (int i = 0; i < kValues; ++i) {
                node->SetInt32Attribute(L"n", t * 1000000 + i);
                node->SetAttribute(L"s", t % 2 ? L"odd & \"text\"" : L"even <text>");
            }
            bool ok = node->GetAttributes()->GetCount() == 2u * kValues;
            for (uint32_t i = 0; ok && i < node->GetAttributes()->GetCount(); i += 2) {
                const std::wstring expected = std::to_wstring(t * 1000000 + static_cast<int>(i / 2));
                ok = expected == node->GetAttributes()->GetRecord(i)->value;
                ok = ok && std::wstring(node->GetAttributes()->GetRecord(i + 1)->value) ==
                               (t % 2 ? L"odd &amp; &quot;text&quot;" : L"even &lt;text>");
            }
            intact[t] = ok ? 1 : 0;
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(1, intact[t]) << t;
}
