// Times the counter graph of a field as every refresh paints it (300 points in mode 0 into a
// 100 x 20 memory context, one and two series) against as many plain solid fills as it makes
// columns; and a sample added to a series against a bare add under a critical section.
#include "BenchClock.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "core/thread/ObjLocker.h"
#include "images/win/BufferedImage.h"
#include "skins/drawer/counter/Basic.h"
#include "windowing/paint/CounterData.h"
#include "windowing/paint/MemDC.h"

using s::gui::counter::CounterData;
using s::gui::drawer::counter::win::Basic;
using s::gui::win::MemDC;

namespace {

const int kPaints = 2000;
const int kWidth = 100;
const int kHeight = 20;
const uint32_t kHistory = 300;
const int kSamples = 2000000;

void Report(const char* what, double ours, double baseline)
{
    std::printf("%-58s %8.2f ms, baseline %8.2f ms, ratio %.2f\n", what, ours * 1e3, baseline * 1e3,
                ours / baseline);
}

CounterData* FilledSeries(uint32_t seed)
{
    CounterData* data = CounterData::New();
    data->SetHistoryLength(kHistory);
    for (uint32_t i = 0; i < kHistory * 2; ++i)
        data->AddSample(static_cast<int64_t>((i * 37 + seed) % 100 + 1));
    return data;
}

void Graph(MemDC* memory, bool twoSeries)
{
    Basic* drawer = Basic::New();
    drawer->SetFirstColor(0, 200, 0);
    drawer->SetSecondColor(200, 0, 0);
    CounterData* first = FilledSeries(3);
    // The same values: no second-series column hides under the first, so each one is filled.
    CounterData* second = FilledSeries(3);
    const double ours = Best([&] {
        for (int i = 0; i < kPaints; ++i)
            drawer->DrawGraph(memory, 0, 0, kWidth, kHeight, 0, first, twoSeries ? second : nullptr, false);
        GdiFlush();
    });
    // Every point lies above the base, so the graph fills one column per pixel of width and series.
    const int fills = kWidth * (twoSeries ? 2 : 1);
    const double baseline = Best([&] {
        for (int i = 0; i < kPaints; ++i)
            for (int f = 0; f < fills; ++f)
                memory->FillSolidRect(kWidth - 1 - f % kWidth, kHeight / 2, 1, kHeight / 2, RGB(0, 200, 0));
        GdiFlush();
    });
    first->ReleaseToPool();
    second->ReleaseToPool();
    drawer->ReleaseToPool();
    Report(twoSeries ? "DrawGraph, two series, 300 points, 100 x 20 vs plain fills"
                     : "DrawGraph, one series, 300 points, 100 x 20 vs plain fills",
           ours, baseline);
}

void Samples()
{
    CounterData* data = CounterData::New();
    data->SetHistoryLength(kHistory);
    const double ours = Best([&] {
        for (int i = 0; i < kSamples; ++i)
            data->AddSample(i & 127);
    });
    s::thread::ObjLocker locker;
    volatile int64_t sum = 0;
    const double baseline = Best([&] {
        for (int i = 0; i < kSamples; ++i) {
            s::thread::ScopedLock hold(locker);
            sum = sum + (i & 127);
        }
    });
    data->ReleaseToPool();
    Report("CounterData::AddSample vs a bare add under a lock", ours, baseline);
}

} // namespace

int main()
{
    s::image::win::BufferedImage* image = s::image::win::NewBufferedImage(kWidth, kHeight);
    MemDC* memory = image ? MemDC::Create(nullptr, image, true) : nullptr;
    if (!memory) {
        std::printf("no memory context could be made\n");
        return 1;
    }
    Graph(memory, false);
    Graph(memory, true);
    memory->ReleaseToPool();
    Samples();
    return 0;
}
