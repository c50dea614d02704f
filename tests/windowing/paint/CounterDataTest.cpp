// The value history of a counter: how samples become points, the cap, the ring, who is told of a
// new point and when, and what the history length does to the ring.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "core/thread/ObjLocker.h"
#include "support/TestWindowClass.h"
#include "windowing/paint/CounterData.h"
#include "windowing/paint/IRedrawable.h"

namespace {

using s::gui::counter::CounterData;

const int64_t kMax64 = std::numeric_limits<int64_t>::max();
const int64_t kMin64 = std::numeric_limits<int64_t>::min();

// Counts the redraws it is asked for.
class CountingListener : public s::gui::IRedrawable {
public:
    void Redraw() override { ++redraws; }
    std::atomic<int> redraws{0};
};

// A series from the pool, given back at the end of the test.
class Series {
public:
    explicit Series(uint32_t history) : data_(CounterData::New())
    {
        if (data_)
            data_->SetHistoryLength(history);
    }
    ~Series()
    {
        if (data_)
            data_->ReleaseToPool();
    }
    CounterData* operator->() const { return data_; }
    CounterData* Get() const { return data_; }

private:
    Series(const Series&) = delete;
    Series& operator=(const Series&) = delete;
    CounterData* data_;
};

std::vector<int64_t> RingOf(CounterData* data)
{
    std::vector<int64_t> ring;
    for (uint32_t i = 0; i < data->Points.GetCount(); ++i)
        ring.push_back(data->Points.Get(i));
    return ring;
}

TEST(CounterData, ComesFromItsPoolWithItsDefaultsAndGoesBackReset)
{
    CounterData* data = CounterData::New();
    ASSERT_NE(nullptr, data);
    EXPECT_STREQ(L"s_gui_counter_CounterData", data->GetClassName());
    CountingListener listener;
    data->SetHistoryLength(5);
    data->Unbounded = 1;
    data->MaximumFloor = 7;
    data->Maximum = 9;
    data->BaseValue = 3;
    data->SamplesPerPoint = 4;
    data->DotMarks = 1;
    data->OwnColor = 1;
    data->OwnRed = 10;
    data->AddListener(&listener);
    data->AddSample(1);
    data->Reset();

    EXPECT_EQ(0, data->Unbounded);
    EXPECT_EQ(100, data->MaximumFloor);
    EXPECT_EQ(100, data->Maximum);
    EXPECT_EQ(0, data->BaseValue);
    EXPECT_EQ(1u, data->SamplesPerPoint);
    EXPECT_EQ(0u, data->SampleCount);
    EXPECT_EQ(0u, data->Points.GetCount());
    EXPECT_EQ(0u, data->Current);
    EXPECT_EQ(0u, data->Listeners.GetCount());
    EXPECT_EQ(0, data->DotMarks);
    EXPECT_EQ(0, data->OwnColor);
    EXPECT_EQ(0, data->OwnRed);
    data->ReleaseToPool();
}

TEST(CounterData, SamplesAreSummedPerPointAndCapped)
{
    struct Case {
        const char* what;
        uint32_t samplesPerPoint;
        uint8_t unbounded;
        int64_t base;
        std::vector<int64_t> samples;
        // The point the last sample went into; the first point after reset takes every sample of
        // its count, the next one starts at the base value.
        int64_t point;
    };
    const Case cases[] = {
        {"one sample per point", 1, 0, 0, {40, 60}, 60},
        {"three samples summed from the base", 3, 0, 2, {1, 1, 1, 5, 6, 7}, 2 + 18},
        {"the sum capped at the maximum", 3, 0, 0, {1, 1, 1, 50, 40, 30}, 100},
        {"a sample above the maximum", 1, 0, 0, {150}, 100},
        {"unbounded keeps it", 1, 1, 0, {150}, 150},
        {"negative samples go below zero", 2, 0, 0, {0, 0, -30, -50}, -80},
        {"a sum past the 64-bit end stops there", 3, 1, 0, {kMax64 - 5, 10, 10}, kMax64},
        {"and past the lower end", 3, 0, 0, {kMin64 + 5, -10, -10}, kMin64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Series data(4);
        ASSERT_NE(nullptr, data.Get());
        data->SamplesPerPoint = c.samplesPerPoint;
        data->Unbounded = c.unbounded;
        data->BaseValue = c.base;
        data->SetHistoryLength(4);
        for (int64_t sample : c.samples)
            data->AddSample(sample);
        EXPECT_EQ(c.point, data->Points.Get(data->Current));
    }
}

TEST(CounterData, TheRingWrapsAndARedrawComesOnlyWithANewPoint)
{
    Series data(4);
    ASSERT_NE(nullptr, data.Get());
    CountingListener first;
    CountingListener second;
    data->AddListener(&first);
    data->AddListener(&second);

    // The first sample after reset goes into point 0 without a redraw.
    data->AddSample(10);
    EXPECT_EQ(0u, data->Current);
    EXPECT_EQ(0, first.redraws);
    for (int64_t sample : {11, 12, 13})
        data->AddSample(sample);
    EXPECT_EQ(3u, data->Current);
    EXPECT_EQ(3, first.redraws);
    EXPECT_EQ(3, second.redraws);
    // The fifth point overwrites point 0.
    data->AddSample(14);
    EXPECT_EQ(0u, data->Current);
    EXPECT_EQ((std::vector<int64_t>{14, 11, 12, 13}), RingOf(data.Get()));
    EXPECT_EQ(4, first.redraws);

    // With two samples per point only every second sample starts one.
    data->SamplesPerPoint = 2;
    data->AddSample(1);
    EXPECT_EQ(0u, data->Current);
    data->AddSample(1);
    EXPECT_EQ(1u, data->Current);
    EXPECT_EQ(5, first.redraws);

    data->RemoveListener(&first);
    data->AddSample(1);
    data->AddSample(1);
    EXPECT_EQ(5, first.redraws);
    EXPECT_EQ(6, second.redraws);
}

TEST(CounterData, TheHistoryLengthRefillsTheRingWithTheBaseValue)
{
    Series data(3);
    ASSERT_NE(nullptr, data.Get());
    for (int64_t sample : {5, 6, 7})
        data->AddSample(sample);
    ASSERT_EQ(2u, data->Current);
    data->BaseValue = 9;

    // Longer: every point at the base value; the current point and its count stay.
    data->SetHistoryLength(6);
    EXPECT_EQ((std::vector<int64_t>{9, 9, 9, 9, 9, 9}), RingOf(data.Get()));
    EXPECT_EQ(2u, data->Current);
    EXPECT_EQ(1u, data->SampleCount);

    // Shorter than the current point: the point wraps to 0 instead of lying outside the ring.
    data->SetHistoryLength(2);
    EXPECT_EQ(2u, data->Points.GetCount());
    EXPECT_EQ(0u, data->Current);
    data->AddSample(1);
    EXPECT_EQ(1u, data->Current);
    EXPECT_EQ((std::vector<int64_t>{9, 10}), RingOf(data.Get()));

    // An index left beyond the ring by its users is brought back into it too.
    data->SamplesPerPoint = 2;
    data->Current = 7;
    data->AddSample(1);
    EXPECT_EQ(0u, data->Current);
    EXPECT_EQ((std::vector<int64_t>{10, 10}), RingOf(data.Get()));

    // A length that cannot be had leaves the ring as it was.
    for (uint32_t huge : {CounterData::kMaxHistoryLength + 1, 0xFFFFFFFFu}) {
        data->SetHistoryLength(huge);
        EXPECT_EQ((std::vector<int64_t>{10, 10}), RingOf(data.Get()));
    }

    // No ring: samples are ignored.
    data->SetHistoryLength(0);
    EXPECT_EQ(0u, data->Points.GetCount());
    EXPECT_EQ(0u, data->Current);
    data->AddSample(1);
    EXPECT_EQ(0u, data->Points.GetCount());
    EXPECT_EQ(0u, data->Current);
}

TEST(CounterData, SamplesBeforeAnyHistoryAreIgnored)
{
    Series data(0);
    ASSERT_NE(nullptr, data.Get());
    CountingListener listener;
    data->AddListener(&listener);
    data->AddSample(1);
    data->AddSample(2);
    EXPECT_EQ(0u, data->Points.GetCount());
    EXPECT_EQ(0u, data->SampleCount);
    EXPECT_EQ(0, listener.redraws);
}

// A window that repaints from the series, under its lock, as a counter does: on its own and
// whenever a listener asks it to.
struct RepaintingWindow {
    static const UINT kRepaint = WM_APP + 40;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == kRepaint) {
            CounterData* data = reinterpret_cast<CounterData*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            s::thread::ScopedLock hold(data->Lock);
            int64_t sum = 0;
            for (uint32_t i = 0; i < data->Points.GetCount(); ++i)
                sum += data->Points.Get(i);
            return static_cast<LRESULT>(sum != 0);
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

// Asks the window to repaint and waits for it, as a redraw that updates at once does.
class SendingListener : public s::gui::IRedrawable {
public:
    explicit SendingListener(HWND window) : window_(window) {}
    void Redraw() override
    {
        DWORD_PTR result = 0;
        if (SendMessageTimeoutW(window_, RepaintingWindow::kRepaint, 0, 0, SMTO_NORMAL, 5000, &result))
            ++answered;
        else
            ++timedOut;
    }
    std::atomic<int> answered{0};
    std::atomic<int> timedOut{0};

private:
    HWND window_;
};

struct Adder {
    CounterData* data;
    int samples;
};

DWORD WINAPI AddSamples(void* argument)
{
    Adder* adder = static_cast<Adder*>(argument);
    for (int i = 0; i < adder->samples; ++i)
        adder->data->AddSample(i + 1);
    return 0;
}

TEST(CounterData, ListenersAreToldOutsideTheLockSoARepaintOnItsOwnThreadGoesOn)
{
    static const wchar_t kClass[] = L"PulsegridCounterDataTest";
    ASSERT_TRUE(testing_support::RegisterTestWindowClass(kClass, &RepaintingWindow::Procedure));
    HWND window = CreateWindowExW(0, kClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    Series data(16);
    ASSERT_NE(nullptr, data.Get());
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data.Get()));
    SendingListener listener(window);
    data->AddListener(&listener);

    // Six samples, five new points: were the listeners told under the lock, each would stall 5 s.
    Adder adder{data.Get(), 6};
    HANDLE worker = CreateThread(nullptr, 0, &AddSamples, &adder, 0, nullptr);
    ASSERT_NE(nullptr, worker);
    // The window's thread keeps repainting on its own while it serves the worker's requests.
    const ULONGLONG end = GetTickCount64() + 40000;
    while (WaitForSingleObject(worker, 0) == WAIT_TIMEOUT && GetTickCount64() < end) {
        SendMessageW(window, RepaintingWindow::kRepaint, 0, 0);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        Sleep(1);
    }
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker, 0));
    CloseHandle(worker);
    EXPECT_EQ(5, listener.answered);
    EXPECT_EQ(0, listener.timedOut);
    DestroyWindow(window);
}

} // namespace
