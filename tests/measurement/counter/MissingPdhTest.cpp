// Run in a process where Pdh.dll cannot be loaded (the library is disabled for it).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>

#include "core/str/StrArray.h"
#include "measurement/counter/Counter.h"
#include "measurement/counter/CounterNames.h"
#include "measurement/counter/CounterReaders.h"
#include "measurement/counter/PdhLibrary.h"
#include "measurement/win/FailureBox.h"
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

// The box about the missing library is shown while the readers set themselves up; a real box runs
// its own message loop, which may let the window's next update, and so a reading, in on the same
// thread. Run in a child process: the set-up runs once per process.
int nestedReads = 0;
bool nestedGotValue = true;

void ReadInsideTheBox(const wchar_t*)
{
    int64_t value = 4;
    nestedGotValue = cw::GetProcessorTime(&value, -1) || value != 0;
    ++nestedReads;
}

void ReadWhileTheFailureIsShown()
{
    std::thread([] {
        Sleep(20000);
        std::_Exit(99);
    }).detach();
    cw::SetCounterRegistryRebuild(&NoRebuild);
    s::system::win::SetFailureBox(&ReadInsideTheBox);
    int64_t value = 4;
    const bool gotValue = cw::GetProcessorTime(&value, -1);
    std::_Exit(!gotValue && value == 0 && nestedReads == 1 && !nestedGotValue ? 0 : 1);
}

TEST(MissingPdh, AReadingLetInWhileTheFailureIsShownReturnsWithoutAValue)
{
    HMODULE probe = LoadLibraryW(L"Pdh.dll");
    if (probe) {
        FreeLibrary(probe);
        GTEST_SKIP() << "Pdh.dll loads in this process";
    }
    EXPECT_EXIT(ReadWhileTheFailureIsShown(), testing::ExitedWithCode(0), "");
}

} // namespace
