#include "core/str/StrBuffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "core/col/Arrays.h"
#include "core/digest/Md5.h"

using s::col::_array::ArrayU08;
using s::digest::md5::Md5;
using s::str::strbuffer::StrBuffer;

namespace {

// A pooled string given back at the end of the scope.
struct Pooled {
    StrBuffer* str;
    explicit Pooled(const wchar_t* text = L"") : str(StrBuffer::FromText(text)) {}
    ~Pooled() { str->ReleaseToPool(); }
    StrBuffer* operator->() const { return str; }
    std::wstring Text() const { return str->GetText(); }
};

std::vector<uint8_t> BytesOf(ArrayU08* array)
{
    const uint8_t* data = static_cast<const uint8_t*>(array->GetData());
    return std::vector<uint8_t>(data, data + array->GetCount());
}

TEST(StrBufferNumbers, AppendersWriteDecimalAfterTheText)
{
    struct Case {
        const char* what;
        StrBuffer* (*append)(StrBuffer*);
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"Int32 -5", [](StrBuffer* t) { return t->AppendInt32(-5); }, L"x-5"},
        {"Int32 min", [](StrBuffer* t) { return t->AppendInt32(INT32_MIN); }, L"x-2147483648"},
        {"UInt32 max", [](StrBuffer* t) { return t->AppendUInt32(UINT32_MAX); }, L"x4294967295"},
        {"UInt16 max", [](StrBuffer* t) { return t->AppendUInt16(65535); }, L"x65535"},
        {"UInt8 255", [](StrBuffer* t) { return t->AppendUInt8(255); }, L"x255"},
        {"Int16 min", [](StrBuffer* t) { return t->AppendInt16(INT16_MIN); }, L"x-32768"},
        {"Int8 of 0xFF", [](StrBuffer* t) { return t->AppendInt8(static_cast<int8_t>(0xFF)); }, L"x-1"},
        {"Int64 0", [](StrBuffer* t) { return t->AppendInt64(0); }, L"x0"},
        {"Int64 max", [](StrBuffer* t) { return t->AppendInt64(INT64_MAX); }, L"x9223372036854775807"},
        // 2^63 through the second slot prints signed, as the 64-bit minimum.
        {"Int64 2^63", [](StrBuffer* t) { return t->AppendInt64(static_cast<int64_t>(1ull << 63), s::str::SlotRepeat<2>()); },
         L"x-9223372036854775808"},
        {"Double 0.1", [](StrBuffer* t) { return t->AppendDouble(0.1); }, L"x0.100000"},
        {"Double 1.5", [](StrBuffer* t) { return t->AppendDouble(1.5); }, L"x1.500000"},
        {"Double -0", [](StrBuffer* t) { return t->AppendDouble(-0.0); }, L"x-0.000000"},
        {"Double 1234.5678", [](StrBuffer* t) { return t->AppendDouble(1234.5678); }, L"x1234.567800"},
        {"Double 1.5e-6 rounds up", [](StrBuffer* t) { return t->AppendDouble(0.0000015); }, L"x0.000002"},
        {"Double 2^-20", [](StrBuffer* t) { return t->AppendDouble(1.0 / (1 << 20)); }, L"x0.000001"},
        {"Double 1e20", [](StrBuffer* t) { return t->AppendDouble(1e20); }, L"x100000000000000000000.000000"},
        {"Double infinity", [](StrBuffer* t) { return t->AppendDouble(-HUGE_VAL); }, L"x-inf"},
        {"Float 2.5", [](StrBuffer* t) { return t->AppendFloat(2.5f); }, L"x2.500000"},
        {"Float 0.1 widened", [](StrBuffer* t) { return t->AppendFloat(0.1f); }, L"x0.100000"},
    };
    for (const Case& c : cases) {
        Pooled text(L"x");
        EXPECT_EQ(text.str, c.append(text.str)) << c.what;
        EXPECT_EQ(std::wstring(c.expected), text.Text()) << c.what;
    }
}

TEST(StrBufferNumbers, AFixedTextBeyondTheUsualRoomIsWrittenWhole)
{
    // 1e300 needs 308 characters: more than the 256 a number append reserves.
    const std::wstring digits =
        L"1000000000000000052504760255204420248704468581108159154915854115511802457988908195786371375080447"
        L"8640437044438328838781769425232353604305756447921847867069828483872009265758037378302337947880900"
        L"5936895323497079994508111903896764088007465274278014249457925878882005684283811566947219638686545"
        L"9400540160.000000";
    Pooled text(L"=");
    text->AppendDouble(1e300);
    EXPECT_EQ(L"=" + digits, text.Text());
    Pooled assigned(L"old");
    assigned->AssignDouble(1e300);
    EXPECT_EQ(digits, assigned.Text());
}

TEST(StrBufferNumbers, AssignsReplaceTheText)
{
    Pooled text(L"something long");
    EXPECT_EQ(L"0", std::wstring(text->AssignInt32(0)->GetText()));
    EXPECT_EQ(L"2.500000", std::wstring(text->AssignFloat(2.5f)->GetText()));
    EXPECT_EQ(L"-9223372036854775808", std::wstring(text->AssignInt64(INT64_MIN)->GetText()));
    EXPECT_EQ(L"255", std::wstring(text->AssignUInt8(255)->GetText()));
    EXPECT_EQ(L"-128", std::wstring(text->AssignInt8(INT8_MIN)->GetText()));
    EXPECT_EQ(L"4294967295", std::wstring(text->AssignUInt32(UINT32_MAX)->GetText()));
    EXPECT_EQ(L"0.100000", std::wstring(text->AssignDouble(0.1)->GetText()));
}

TEST(StrBufferNumbers, ReadingStopsAtTheFirstNonDigitAndSaturates)
{
    struct Case {
        const wchar_t* text;
        int32_t int32;
        int64_t int64;
    };
    const Case cases[] = {
        {L" 42abc", 42, 42},
        {L"-17", -17, -17},
        {L"+8", 8, 8},
        {L"", 0, 0},
        {L"abc", 0, 0},
        {L"-", 0, 0},
        {L"- 5", 0, 0},
        {L"\t\r\n 7", 7, 7},
        {L"99999999999", INT32_MAX, 99999999999ll},
        {L"-99999999999", INT32_MIN, -99999999999ll},
        {L"2147483647", INT32_MAX, 2147483647ll},
        {L"2147483648", INT32_MAX, 2147483648ll},
        {L"-2147483648", INT32_MIN, -2147483648ll},
        // A run of digits far longer than any limit.
        {L"123456789012345678901234567890123456789", INT32_MAX, INT64_MAX},
        {L"-123456789012345678901234567890123456789", INT32_MIN, INT64_MIN},
        {L"9223372036854775807", INT32_MAX, INT64_MAX},
        {L"-9223372036854775808", INT32_MIN, INT64_MIN},
        {L"9223372036854775808", INT32_MAX, INT64_MAX},
        {L"-9223372036854775809", INT32_MIN, INT64_MIN},
        {L"00000000000000000000000000012", 12, 12},
    };
    for (const Case& c : cases) {
        Pooled text(c.text);
        EXPECT_EQ(c.int32, text->ToInt32()) << text.Text();
        EXPECT_EQ(c.int32, text->ToInt32(s::str::SlotRepeat<5>())) << text.Text();
        EXPECT_EQ(c.int64, text->ToInt64()) << text.Text();
        EXPECT_EQ(c.int64, text->ToInt64(s::str::SlotRepeat<3>())) << text.Text();
    }
}

TEST(StrBufferNumbers, FloatingPointReadsAtSinglePrecision)
{
    Pooled text(L" 0.1");
    EXPECT_EQ(0.1f, text->ToFloat());
    // Not the double nearest to 0.1 but the float's value widened.
    EXPECT_EQ(static_cast<double>(0.1f), text->ToDouble());
    EXPECT_NE(0.1, text->ToDouble());

    text->Assign(L"-2.5e3x");
    EXPECT_EQ(-2500.0f, text->ToFloat());
    text->Assign(L"pi");
    EXPECT_EQ(0.0f, text->ToFloat());
    text->Assign(L"");
    EXPECT_EQ(0.0, text->ToDouble());
    // Beyond the float range the reading saturates instead of being undefined.
    text->Assign(L"1e300");
    EXPECT_EQ(HUGE_VALF, text->ToFloat());
    // The text a number assign wrote reads back.
    text->AssignDouble(1234.5);
    EXPECT_EQ(1234.5, text->ToDouble());
}

TEST(StrBufferNumbers, HexAndIntegerTests)
{
    struct Case {
        const wchar_t* text;
        bool hex, integer;
    };
    const Case cases[] = {
        {L"", false, false},     {L"0aF", true, false},  {L"0x1", false, false}, {L"-12", false, true},
        {L"-", false, false},    {L"1-2", false, false}, {L"+1", false, false},  {L"0123", true, true},
        {L"ffff", true, false},  {L"12 ", false, false}, {L"g", false, false},   {L"-0", false, true},
    };
    for (const Case& c : cases) {
        Pooled text(c.text);
        EXPECT_EQ(c.hex, text->IsHex()) << text.Text();
        EXPECT_EQ(c.integer, text->IsInteger()) << text.Text();
    }

    Pooled digits(L"09aFz");
    const uint32_t expected[] = {0, 9, 10, 15, 0};
    for (uint32_t i = 0; i < 5; ++i)
        EXPECT_EQ(expected[i], digits->HexDigitAt(i)) << i;
    EXPECT_EQ(0u, digits->HexDigitAt(99));
}

TEST(StrBufferHex, HexToBytesReadsPairs)
{
    struct Case {
        const wchar_t* text;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {L"0aFf", {0x0A, 0xFF}},
        // A trailing odd character is ignored.
        {L"abc", {0xAB}},
        {L"a", {}},
        {L"", {}},
        // A character that is no hex digit counts as 0.
        {L"zz", {0x00}},
        {L"z1g2", {0x01, 0x02}},
        {L"00112233445566778899aabbccddeeff", {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB,
                                               0xCC, 0xDD, 0xEE, 0xFF}},
    };
    for (const Case& c : cases) {
        Pooled text(c.text);
        ArrayU08* bytes = text->HexToBytes(nullptr, false);
        ASSERT_NE(nullptr, bytes);
        EXPECT_EQ(c.bytes, BytesOf(bytes)) << text.Text();
        bytes->ReleaseToPool();
    }
}

TEST(StrBufferHex, HexToBytesAppendsOrReplaces)
{
    Pooled text(L"0102");
    ArrayU08* bytes = ArrayU08::New();
    bytes->Append(0x7F);
    EXPECT_EQ(bytes, text->HexToBytes(bytes, true));
    EXPECT_EQ((std::vector<uint8_t>{0x7F, 0x01, 0x02}), BytesOf(bytes));
    text->Assign(L"ee");
    text->HexToBytes(bytes, false);
    EXPECT_EQ((std::vector<uint8_t>{0xEE}), BytesOf(bytes));
    bytes->ReleaseToPool();
}

TEST(StrBufferHex, AppendersWriteFixedWidthLowerCase)
{
    const uint8_t bytes[] = {0x01, 0xAB, 0x00};
    const uint16_t shorts[] = {0x0001, 0xBEEF};
    const uint32_t words[] = {0x12AB, 0xFFFFFFFF};
    const uint64_t longs[] = {1, 0xFEDCBA9876543210ull};
    const uint64_t pairs[] = {(1ull << 32) + 5};

    Pooled text(L"x");
    text->AppendHexBytes(bytes, 2);
    EXPECT_EQ(L"x01ab", text.Text());
    text->AppendHexBytes(bytes, 3, s::str::SlotRepeat<2>());
    EXPECT_EQ(L"x01ab01ab00", text.Text());

    struct Case {
        const char* what;
        void (*append)(StrBuffer*, const void*);
        const void* values;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"16s", [](StrBuffer* t, const void* v) { t->AppendHex16s(static_cast<const uint16_t*>(v), 2); }, shorts,
         L"0001beef"},
        {"32s", [](StrBuffer* t, const void* v) { t->AppendHex32s(static_cast<const uint32_t*>(v), 2); }, words,
         L"000012abffffffff"},
        {"32s third slot",
         [](StrBuffer* t, const void* v) { t->AppendHex32s(static_cast<const uint32_t*>(v), 1, s::str::SlotRepeat<3>()); },
         words, L"000012ab"},
        {"64s", [](StrBuffer* t, const void* v) { t->AppendHex64s(static_cast<const uint64_t*>(v), 2); }, longs,
         L"0000000000000001fedcba9876543210"},
        // The half stored first comes first.
        {"32 pairs", [](StrBuffer* t, const void* v) { t->AppendHex32Pairs(static_cast<const uint64_t*>(v), 1); },
         pairs, L"0000000500000001"},
        {"none", [](StrBuffer* t, const void* v) { t->AppendHex32s(static_cast<const uint32_t*>(v), 0); }, words, L""},
        {"negative count", [](StrBuffer* t, const void* v) { t->AppendHex64s(static_cast<const uint64_t*>(v), -1); },
         longs, L""},
    };
    for (const Case& c : cases) {
        Pooled target(L"=");
        c.append(target.str, c.values);
        EXPECT_EQ(L"=" + std::wstring(c.expected), target.Text()) << c.what;
    }
}

TEST(StrBufferDigest, Md5OfTheUtf16LittleEndianBytes)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* digest;
    };
    const Case cases[] = {
        {L"", L"d41d8cd98f00b204e9800998ecf8427e"},
        {L"abc", L"ce1473cf80c6b3fda8e3dfc006adc315"},
        {L"Pulsegrid \u00e9\U0001F600", L"1bfbd53d50c7741fd732a1dda2bf7af8"},
    };
    for (const Case& c : cases) {
        Pooled text(c.text);
        StrBuffer* hex = text->DigestWith(nullptr, nullptr, false);
        ASSERT_NE(nullptr, hex);
        EXPECT_EQ(std::wstring(c.digest), std::wstring(hex->GetText())) << text.Text();
        hex->ReleaseToPool();
    }
}

TEST(StrBufferDigest, GivenDigesterAndTargetAndThePoolLeftAsItWas)
{
    Pooled text(L"abc");
    Pooled out(L"md5=");
    Md5 md5;
    EXPECT_EQ(out.str, text->DigestWith(&md5, out.str, true));
    EXPECT_EQ(L"md5=ce1473cf80c6b3fda8e3dfc006adc315", out.Text());
    text->DigestWith(&md5, out.str, false);
    // The given digester was not reset: the old state runs on, so only the form is checked.
    EXPECT_EQ(32u, out->GetLength());

    text->DigestWith(nullptr, out.str, false);
    const uint32_t idle = Md5::GetPool()->GetIdleCount();
    text->DigestWith(nullptr, out.str, false);
    EXPECT_EQ(idle, Md5::GetPool()->GetIdleCount());
    EXPECT_EQ(L"ce1473cf80c6b3fda8e3dfc006adc315", out.Text());
}

TEST(StrBufferNumbers, AssignsFromManyThreadsAtOnceStayTheirOwn)
{
    const int kThreads = 8;
    const int kRounds = 3000;
    std::vector<std::thread> workers;
    std::vector<int> faults(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([t, &faults] {
            StrBuffer* assigned = StrBuffer::New();
            StrBuffer* appended = StrBuffer::New();
            for (int i = 0; i < kRounds; ++i) {
                const int64_t value = (static_cast<int64_t>(t) << 40) - i * 7919ll;
                appended->ClearText();
                appended->AppendInt64(value);
                assigned->AssignInt64(value);
                if (std::wstring(assigned->GetText()) != appended->GetText() || assigned->ToInt64() != value)
                    ++faults[t];
                const double fraction = t + i / 1000.0;
                appended->ClearText();
                appended->AppendDouble(fraction);
                assigned->AssignDouble(fraction);
                if (std::wstring(assigned->GetText()) != appended->GetText())
                    ++faults[t];
            }
            assigned->ReleaseToPool();
            appended->ReleaseToPool();
        });
    }
    for (std::thread& w : workers)
        w.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(0, faults[t]) << "thread " << t;
}

TEST(StrBufferBuilders, PooledTextsInOneCall)
{
    StrBuffer* one = StrBuffer::FromText(L"alpha");
    EXPECT_STREQ(L"alpha", one->GetText());
    StrBuffer* three = StrBuffer::Concat3(L"a", L"", L"c");
    EXPECT_STREQ(L"ac", three->GetText());
    StrBuffer* four = StrBuffer::Concat4(L"C:\\", L"dir", L"\\", L"file.txt");
    EXPECT_STREQ(L"C:\\dir\\file.txt", four->GetText());
    StrBuffer* none = StrBuffer::FromText(nullptr);
    EXPECT_EQ(0u, none->GetLength());
    for (StrBuffer* made : {one, three, four, none})
        made->ReleaseToPool();
}

} // namespace
