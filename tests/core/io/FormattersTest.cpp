#include <gtest/gtest.h>

#include <string>

#include "core/io/Formatters.h"

using s::str::strbuffer::StrBuffer;
namespace counter = s::system::counter;

namespace {

// A pooled string holding stale text, so every case shows whether the formatter empties it.
class Out {
public:
    Out() : str_(StrBuffer::New()) { str_->Assign(L"stale"); }
    ~Out() { str_->ReleaseToPool(); }
    StrBuffer* get() const { return str_; }
    std::wstring Text() const { return std::wstring(str_->GetText(), str_->GetLength()); }

private:
    StrBuffer* str_;
};

template <class Value>
struct Case {
    Value in;
    const wchar_t* text;
};

// Runs the formatter on a stale string for each case and compares the whole text.
template <class Value, size_t N, class Format>
void ExpectTexts(const Case<Value> (&cases)[N], Format format)
{
    for (const Case<Value>& c : cases) {
        Out out;
        format(c.in, out.get());
        EXPECT_EQ(std::wstring(c.text), out.Text()) << c.in;
    }
}

} // namespace

TEST(FormatDuration, UnitBoundaries)
{
    const Case<int64_t> cases[] = {
        {0, L"0s"},
        {999, L"0s"},
        {59999, L"59s"},
        {60000, L"1m 0s"},
        {3599999, L"59m 59s"},
        {3600000, L"1h 0m"},
        {86399999, L"23h 59m"},
        {86400000, L"1d 0h"},
        {90000000, L"1d 1h"},
        {-5000, L"-5s"},
    };
    ExpectTexts(cases, [](int64_t ms, StrBuffer* out) { EXPECT_EQ(out, s::time::FormatDuration(ms, out)); });
    StrBuffer* made = s::time::FormatDuration(61000, nullptr);
    ASSERT_NE(nullptr, made);
    EXPECT_EQ(std::wstring(L"1m 1s"), made->GetText());
    made->ReleaseToPool();
}

TEST(FormatPercentTenths, TenthsAndWrapping)
{
    const Case<int32_t> cases[] = {
        {0, L"0.0 %"}, {5, L"0.5 %"},    {456, L"45.6 %"},  {1000, L"100.0 %"},
        {1001, L"0.1 %"}, {2000, L"100.0 %"}, {2001, L"0.1 %"}, {-1, L""},
    };
    ExpectTexts(cases, [](int32_t tenths, StrBuffer* out) { counter::FormatPercentTenths(tenths, out); });
}

TEST(FormatHms, PaddedFieldsWithoutLimit)
{
    const Case<int64_t> cases[] = {
        {0, L"00:00:00"}, {59, L"00:00:59"}, {60, L"00:01:00"}, {3599, L"00:59:59"},
        {3725, L"01:02:05"}, {360000, L"100:00:00"}, {-3725, L"01:02:05"},
    };
    ExpectTexts(cases, [](int64_t seconds, StrBuffer* out) { counter::FormatHms(&seconds, out); });
    Out none;
    counter::FormatHms(nullptr, none.get());
    EXPECT_EQ(std::wstring(L""), none.Text());
}

TEST(FormatByteSize, EveryUnitBoundary)
{
    const Case<int64_t> cases[] = {
        {0, L"0 B"},
        {5, L"5 B"},
        {1023, L"1023 B"},
        {1024, L"1.00 KB"},
        {1100, L"1.07 KB"},
        {1536, L"1.50 KB"},
        {10239, L"9.99 KB"},
        {10240, L"10.0 KB"},
        {15872, L"15.5 KB"},
        {102399, L"99.9 KB"},
        {102400, L"100 KB"},
        {1048575, L"1023 KB"},
        {1048576, L"1.00 MB"},
        {1073741824LL, L"1.00 GB"},
        {1099511627776LL, L"1.00 TB"},
        {1099511627776LL * 150, L"150 TB"},
        // Past the ten bits of the terabyte field the count stays in terabytes.
        {1099511627776LL * 1024, L"1024 TB"},
        {-1, L"-"},
        {-2, L""},
    };
    ExpectTexts(cases, [](int64_t bytes, StrBuffer* out) { counter::FormatByteSize(&bytes, out); });
    Out none;
    counter::FormatByteSize(nullptr, none.get());
    EXPECT_EQ(std::wstring(L""), none.Text());
}

TEST(FormatBitSize, AppendsBitsAndMarksMissingOnes)
{
    const Case<int64_t> cases[] = {
        {100, L"stale800 b"},
        {127, L"stale1016 b"},
        {128, L"stale1.00 Kb"},
        {1536, L"stale12.0 Kb"},
        {131072, L"stale1.00 Mb"},
        {-2, L"stale"},
        {-1, L"-"},
    };
    ExpectTexts(cases, [](int64_t bytes, StrBuffer* out) { counter::FormatBitSize(&bytes, out); });
}

TEST(FormatTransferState, NineStates)
{
    const Case<int32_t> cases[] = {
        {-1, L""},          {0, L"Error"},           {1, L"Canceled"},     {2, L"Pending..."},
        {3, L"Paused"},     {4, L"Canceling..."},    {5, L"Retrying..."},  {6, L"Initializing..."},
        {7, L"Downloading"}, {8, L"Completed!"},      {9, L""},
    };
    ExpectTexts(cases, [](int32_t state, StrBuffer* out) { counter::FormatTransferState(state, out); });
}
