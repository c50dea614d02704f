// Run in a process where Pdh.dll cannot be loaded (the library is disabled for it).
#include <gtest/gtest.h>

#include <string>

#include "core/str/StrArray.h"
#include "measurement/counter/Counter.h"
#include "measurement/counter/CounterNames.h"
#include "measurement/counter/CounterReaders.h"
#include "measurement/counter/PdhLibrary.h"
#include "measurement/win/FailureBoxRecorder.h"

namespace cw = s::system::counter::win;
using testing_support::FailureBoxRecorder;

namespace {

void NoRebuild() {}

TEST(MissingPdh, IsToldOnceAndEveryOperationFailsQuietly)
{
    HMODULE probe = LoadLibraryW(L"Pdh.dll");
    if (probe) {
        FreeLibrary(probe);
        GTEST_SKIP() << "Pdh.dll loads in this process";
    }
    const DWORD error = GetLastError();
    ASSERT_FALSE(cw::IsPdhBound());
    FailureBoxRecorder::Take();

    cw::Counter& shared = cw::SharedCounter();
    cw::Counter* another = cw::Counter::New();
    ASSERT_NE(nullptr, another);
    const std::vector<std::wstring> boxes = FailureBoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Failed to Load Pdh.dll!!\nError Code - " + std::to_wstring(error), boxes[0]);
    EXPECT_NE(0u, error);

    EXPECT_FALSE(shared.IsQueryOpen());
    EXPECT_EQ(-1, shared.AddCounter(L"\\Processor(_Total)\\% Processor Time"));
    EXPECT_EQ(-1, another->AddCounter(L"\\Processor(_Total)\\% Processor Time"));
    another->ReleaseToPool();
    int64_t value = 4;
    EXPECT_FALSE(shared.Read(0, &value));
    EXPECT_EQ(0, value);

    s::str::strarray::StrArray* list = s::str::strarray::StrArray::New();
    cw::Counter::ExpandInstances(L"\\Processor(*)\\% Processor Time", list);
    EXPECT_EQ(0u, list->GetCount());
    list->ReleaseToPool();

    // The readers fail with no value, and nothing more is shown.
    cw::SetCounterRegistryRebuild(&NoRebuild);
    value = 4;
    EXPECT_FALSE(cw::GetProcessorTime(&value, -1));
    EXPECT_EQ(0, value);
    EXPECT_FALSE(cw::GetSystemUpTime(&value));
    EXPECT_TRUE(cw::CounterNamesMissing);
    EXPECT_STREQ(L"Processor", cw::GetCounterName(cw::kProcessorObject));
    EXPECT_TRUE(FailureBoxRecorder::Take().empty());
}

} // namespace
