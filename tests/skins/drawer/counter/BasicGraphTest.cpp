// The counter drawer's graph, pixel by pixel in a DIB section: history columns, the level bar and
// the centred graph, their scale, colours and marks, and what draws nothing.
#include <windows.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/thread/ObjLocker.h"
#include "skins/drawer/Canvas.h"
#include "skins/drawer/counter/Basic.h"
#include "support/Wait.h"
#include "windowing/paint/CounterData.h"

namespace {

using s::gui::counter::CounterData;
using s::gui::drawer::counter::win::Basic;
using testing_support::Canvas;

const COLORREF kCanvas = RGB(0x20, 0x40, 0x60);
const COLORREF kFirst = RGB(0xF0, 0x10, 0x10);
const COLORREF kSecond = RGB(0x10, 0xE0, 0x30);
const COLORREF kOwn = RGB(0x90, 0x30, 0xC0);
const COLORREF kBack = RGB(0x08, 0x08, 0x08);

// A series from the pool with the given ring and current point, given back at the end.
class Series {
public:
    Series(std::vector<int64_t> ring, uint32_t current, int64_t maximum = 100, int64_t base = 0)
        : data_(CounterData::New())
    {
        if (!data_)
            return;
        data_->Maximum = maximum;
        data_->BaseValue = base;
        data_->SetHistoryLength(static_cast<uint32_t>(ring.size()));
        for (size_t i = 0; i < ring.size(); ++i)
            data_->Points.Set(static_cast<uint32_t>(i), ring[i]);
        data_->Current = current;
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

// A drawer from the pool with the test's two series colours, given back at the end.
class Drawer {
public:
    Drawer() : drawer_(Basic::New())
    {
        if (!drawer_)
            return;
        drawer_->SetFirstColor(GetRValue(kFirst), GetGValue(kFirst), GetBValue(kFirst));
        drawer_->SetSecondColor(GetRValue(kSecond), GetGValue(kSecond), GetBValue(kSecond));
    }
    ~Drawer()
    {
        if (drawer_)
            drawer_->ReleaseToPool();
    }
    Basic* operator->() const { return drawer_; }
    Basic* Get() const { return drawer_; }

private:
    Drawer(const Drawer&) = delete;
    Drawer& operator=(const Drawer&) = delete;
    Basic* drawer_;
};

// The picture a test expects: the canvas colour with the rectangles it names filled in order.
class Picture {
public:
    Picture(int32_t width, int32_t height) : width_(width), height_(height), pixels_(width * height, kCanvas) {}

    Picture& Fill(int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color)
    {
        for (int32_t row = std::max(y, 0); row < std::min(y + height, height_); ++row)
            for (int32_t column = std::max(x, 0); column < std::min(x + width, width_); ++column)
                pixels_[row * width_ + column] = color;
        return *this;
    }

    // Empty when the canvas shows the picture; else the first pixels that differ.
    std::string DifferencesFrom(const Canvas& canvas) const
    {
        std::ostringstream out;
        int shown = 0;
        for (int32_t y = 0; y < height_; ++y) {
            for (int32_t x = 0; x < width_; ++x) {
                const COLORREF expected = pixels_[y * width_ + x];
                const COLORREF got = canvas.At(x, y);
                if (expected != got && shown++ < 8)
                    out << "(" << x << "," << y << ") expected " << std::hex << expected << " got " << got << std::dec
                        << "; ";
            }
        }
        return out.str();
    }

private:
    int32_t width_;
    int32_t height_;
    std::vector<COLORREF> pixels_;
};

void Draw(Basic* drawer, Canvas& canvas, RECT graph, int32_t mode, CounterData* first, CounterData* second,
          bool swap = false)
{
    drawer->DrawGraph(&canvas.dc, graph.left, graph.top, graph.right, graph.bottom, mode, first, second, swap);
}

TEST(CounterGraph, HistoryColumnsStandFromTheRightEdgeOnTheBottom)
{
    // A graph 10 wide and 20 high at (1, 2): on 0..100 a point is worth a pixel per 5.
    Canvas canvas(12, 24);
    ASSERT_TRUE(canvas.IsReady());
    Drawer drawer;
    // The first series starts at the point before the current one and goes back round the ring.
    Series first({10, 20, 30, 40, 50}, 2);
    // The second starts at its current point; points at the base draw nothing.
    Series second({50, 0, 25, 0, 0}, 2);
    Draw(drawer.Get(), canvas, {1, 2, 11, 22}, 0, first.Get(), second.Get());

    Picture expected(12, 24);
    expected.Fill(10, 18, 1, 4, kFirst).Fill(9, 20, 1, 2, kFirst).Fill(8, 12, 1, 10, kFirst).Fill(7, 14, 1, 8, kFirst);
    expected.Fill(10, 17, 1, 5, kSecond).Fill(8, 12, 1, 10, kSecond);
    EXPECT_EQ("", expected.DifferencesFrom(canvas));
}

TEST(CounterGraph, ColumnsAreLimitedByTheWidthAndByTheHistory)
{
    struct Case {
        int32_t width;
        uint32_t history;
        int32_t columns;
    };
    // One column fewer than the history, and no more than the width.
    const Case cases[] = {{100, 60, 59}, {30, 60, 30}, {5, 2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << c.width << ", history " << c.history);
        Canvas canvas(c.width + 2, 12);
        ASSERT_TRUE(canvas.IsReady());
        Drawer drawer;
        Series first(std::vector<int64_t>(c.history, 50), 0);
        Draw(drawer.Get(), canvas, {1, 1, 1 + c.width, 11}, 0, first.Get(), nullptr);
        Picture expected(c.width + 2, 12);
        expected.Fill(1 + c.width - c.columns, 6, c.columns, 5, kFirst);
        EXPECT_EQ("", expected.DifferencesFrom(canvas));
    }
}

TEST(CounterGraph, TheAutomaticScaleRunsToTheLargestPointInViewAndCarriesTheSecondSeries)
{
    struct Case {
        const char* what;
        std::vector<int64_t> first;
        uint8_t automatic;
        // The scale the columns are drawn on.
        int64_t scale;
    };
    // The points in view are the current one and those before it, as many as there are columns.
    const Case cases[] = {
        {"points up to 250 in view", {250, 100, 50, 0}, 1, 250},
        {"all below the floor", {60, 100, 50, 0}, 1, 100},
        {"the fixed maximum", {250, 100, 50, 0}, 0, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Canvas canvas(10, 30);
        ASSERT_TRUE(canvas.IsReady());
        Drawer drawer;
        Series first(c.first, 0);
        first->Unbounded = c.automatic;
        first->MaximumFloor = 100;
        // The second series' own flag, floor and maximum are not consulted on an automatic scale.
        Series second({0, 0, 0, 125}, 3, 50);
        second->Unbounded = 1;
        second->MaximumFloor = 1000;
        Draw(drawer.Get(), canvas, {0, 0, 10, 25}, 0, first.Get(), second.Get());

        Picture expected(10, 30);
        const int64_t secondScale = c.automatic ? c.scale : 50;
        const int32_t h50 = static_cast<int32_t>(50 * 25 / c.scale);
        const int32_t h100 = static_cast<int32_t>(100 * 25 / c.scale);
        expected.Fill(8, 25 - h50, 1, h50, kFirst).Fill(7, 25 - h100, 1, h100, kFirst);
        const int32_t h125 = static_cast<int32_t>(125 * 25 / secondScale);
        // Above its maximum a column goes on past the top edge.
        expected.Fill(9, 25 - h125, 1, h125, kSecond);
        EXPECT_EQ("", expected.DifferencesFrom(canvas));
    }
}

TEST(CounterGraph, APointAboveTheBaseShowsAtLeastOnePixelUnlessTheSecondSeriesHidesUnderTheFirst)
{
    // 40 high on 0..100: a point of 1 scales to 0.4 pixels.
    Canvas canvas(6, 40);
    ASSERT_TRUE(canvas.IsReady());
    Drawer drawer;
    // First series columns: x 5 = point 3 (1: one pixel), x 4 = point 2 (the base: nothing),
    // x 3 = point 1 (50), x 2 = point 0.
    Series first({0, 50, 0, 1, 0}, 4);
    // Second series columns: x 5 = point 4, the first series' last ring index, where nothing is
    // compared: one pixel; x 3 = point 2, not below the first series' 0 there: one pixel;
    // x 2 = point 1, below the first series' 50 there: hidden.
    Series second({0, 1, 1, 0, 1}, 4);
    Draw(drawer.Get(), canvas, {0, 0, 6, 40}, 0, first.Get(), second.Get());

    Picture expected(6, 40);
    expected.Fill(5, 39, 1, 1, kFirst).Fill(3, 20, 1, 20, kFirst);
    expected.Fill(5, 39, 1, 1, kSecond).Fill(3, 39, 1, 1, kSecond);
    EXPECT_EQ("", expected.DifferencesFrom(canvas));
}

TEST(CounterGraph, DotMarksTopTheWouldBeColumnOrSitSymmetricAboutTheMiddle)
{
    Canvas canvas(4, 22);
    ASSERT_TRUE(canvas.IsReady());
    Drawer drawer;
    // 20 high on 0..100: 50 is a column of 10.
    Series first({50, 50, 50}, 0);
    first->DotMarks = 1;

    Draw(drawer.Get(), canvas, {0, 1, 4, 21}, 0, first.Get(), nullptr);
    Picture columns(4, 22);
    columns.Fill(2, 11, 2, 5, kFirst);
    EXPECT_EQ("", columns.DifferencesFrom(canvas));

    canvas.Clear(kCanvas);
    Draw(drawer.Get(), canvas, {0, 1, 4, 21}, 2, first.Get(), nullptr);
    // u = (20 - 10) / 2: marks at rows 1 + 5 and 21 - 5 - 5, meeting at the middle line.
    Picture centred(4, 22);
    centred.Fill(2, 6, 2, 5, kFirst).Fill(2, 11, 2, 5, kFirst);
    EXPECT_EQ("", centred.DifferencesFrom(canvas));

    // The level bar has no marks.
    canvas.Clear(kCanvas);
    Draw(drawer.Get(), canvas, {0, 1, 4, 21}, 1, first.Get(), nullptr);
    Picture bar(4, 22);
    bar.Fill(0, 1, 2, 20, kFirst);
    EXPECT_EQ("", bar.DifferencesFrom(canvas));
}

TEST(CounterGraph, CentredColumnsRoundTheFirstSeriesAndTruncateTheSecond)
{
    {
        // H = 41: 49 scales to 20.09, rounded 20, which starts (41 - 20) / 2 = 10 below the top.
        Canvas canvas(3, 45);
        ASSERT_TRUE(canvas.IsReady());
        Drawer drawer;
        Series first({49, 0}, 1);
        Draw(drawer.Get(), canvas, {1, 2, 3, 43}, 2, first.Get(), nullptr);
        Picture expected(3, 45);
        expected.Fill(2, 12, 1, 20, kFirst);
        EXPECT_EQ("", expected.DifferencesFrom(canvas));
    }
    {
        // H = 20: 13 scales to 2.6, 3 pixels for the first series and 2 for the second; no
        // one-pixel minimum for 1, which scales to 0.2.
        Canvas canvas(4, 20);
        ASSERT_TRUE(canvas.IsReady());
        Drawer drawer;
        Series first({0, 13, 0}, 2);
        Series second({0, 1, 13}, 2);
        Draw(drawer.Get(), canvas, {0, 0, 4, 20}, 2, first.Get(), second.Get());
        Picture expected(4, 20);
        expected.Fill(3, 8, 1, 3, kFirst).Fill(3, 9, 1, 2, kSecond);
        EXPECT_EQ("", expected.DifferencesFrom(canvas));
    }
}

TEST(CounterGraph, TheLevelBarShowsTheCurrentPointAcrossTheFullHeight)
{
    Canvas canvas(84, 12);
    ASSERT_TRUE(canvas.IsReady());
    Drawer drawer;
    // Half the range in 80 pixels; the second bar over the first from the same left edge.
    Series first({10, 50}, 1);
    Series second({90, 25}, 1);
    Draw(drawer.Get(), canvas, {2, 1, 82, 11}, 1, first.Get(), second.Get());
    Picture expected(84, 12);
    expected.Fill(2, 1, 40, 10, kFirst).Fill(2, 1, 20, 10, kSecond);
    EXPECT_EQ("", expected.DifferencesFrom(canvas));

    // The automatic maximum of the bar looks at the points before the current one.
    canvas.Clear(kCanvas);
    Series automatic({200, 50}, 1);
    automatic->Unbounded = 1;
    Draw(drawer.Get(), canvas, {2, 1, 82, 11}, 1, automatic.Get(), nullptr);
    Picture scaled(84, 12);
    scaled.Fill(2, 1, 20, 10, kFirst);
    EXPECT_EQ("", scaled.DifferencesFrom(canvas));
}

TEST(CounterGraph, SwapExchangesTheColoursOfColumnsAndBarAndOwnColoursWin)
{
    struct Case {
        int32_t mode;
        bool swap;
        bool ownFirst;
        bool ownSecond;
        COLORREF firstColor;
        COLORREF secondColor;
    };
    const Case cases[] = {
        {0, false, false, false, kFirst, kSecond}, {0, true, false, false, kSecond, kFirst},
        {1, true, false, false, kSecond, kFirst},  {2, true, false, false, kFirst, kSecond},
        {0, true, true, false, kOwn, kFirst},      {1, false, false, true, kFirst, kOwn},
        {2, true, true, true, kOwn, kOwn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " swap " << c.swap << " own " << c.ownFirst << "/"
                                        << c.ownSecond);
        Canvas canvas(4, 20);
        ASSERT_TRUE(canvas.IsReady());
        Drawer drawer;
        // The first series higher than the second, so both show in each mode.
        Series first({100, 100}, 1);
        Series second({50, 50}, 1);
        for (CounterData* data : {first.Get(), second.Get()}) {
            data->OwnRed = GetRValue(kOwn) | 0x100;
            data->OwnGreen = GetGValue(kOwn);
            data->OwnBlue = GetBValue(kOwn);
        }
        first->OwnColor = c.ownFirst;
        second->OwnColor = c.ownSecond;
        Draw(drawer.Get(), canvas, {0, 0, 4, 20}, c.mode, first.Get(), second.Get(), c.swap);
        // A pixel that only the first series covers, and one the second covers.
        const POINT onlyFirst = c.mode == 1 ? POINT{3, 10} : POINT{3, 0};
        const POINT bothAt = c.mode == 1 ? POINT{1, 10} : POINT{3, 10};
        EXPECT_EQ(c.firstColor, canvas.At(onlyFirst.x, onlyFirst.y));
        EXPECT_EQ(c.secondColor, canvas.At(bothAt.x, bothAt.y));
    }
}

TEST(CounterGraph, ATransparentBackgroundIsLeftAloneAndAColouredOneFilledFirst)
{
    Canvas canvas(8, 8);
    ASSERT_TRUE(canvas.IsReady());
    Drawer drawer;
    // 6 high: 50 is a column of 3.
    Series half({50, 50, 50}, 0);
    Draw(drawer.Get(), canvas, {1, 1, 7, 7}, 0, half.Get(), nullptr);
    EXPECT_EQ("", Picture(8, 8).Fill(5, 4, 2, 3, kFirst).DifferencesFrom(canvas));
    canvas.Clear(kCanvas);
    for (int32_t mode : {3, -1})
        Draw(drawer.Get(), canvas, {1, 1, 7, 7}, mode, half.Get(), nullptr);
    EXPECT_EQ("", Picture(8, 8).DifferencesFrom(canvas));

    drawer->SetBackgroundColor(GetRValue(kBack), GetGValue(kBack), GetBValue(kBack));
    for (int32_t mode : {3, -1}) {
        canvas.Clear(kCanvas);
        Draw(drawer.Get(), canvas, {1, 1, 7, 7}, mode, half.Get(), nullptr);
        EXPECT_EQ("", Picture(8, 8).Fill(1, 1, 6, 6, kBack).DifferencesFrom(canvas));
    }
    canvas.Clear(kCanvas);
    Series full({100, 100, 100}, 0);
    Draw(drawer.Get(), canvas, {1, 1, 7, 7}, 0, full.Get(), nullptr);
    EXPECT_EQ("", Picture(8, 8).Fill(1, 1, 6, 6, kBack).Fill(5, 1, 2, 6, kFirst).DifferencesFrom(canvas));
}

TEST(CounterGraph, NothingIsDrawnWithoutARectangleAContextARangeOrTwoPoints)
{
    Drawer drawer;
    drawer->SetBackgroundColor(GetRValue(kBack), GetGValue(kBack), GetBValue(kBack));
    Canvas canvas(8, 8);
    ASSERT_TRUE(canvas.IsReady());
    Series good({50, 50, 50}, 0);

    // Not even the background.
    for (RECT empty : {RECT{4, 1, 4, 7}, RECT{1, 4, 7, 4}, RECT{6, 1, 2, 7}, RECT{1, 6, 7, 2}}) {
        Draw(drawer.Get(), canvas, empty, 0, good.Get(), nullptr);
        EXPECT_EQ("", Picture(8, 8).DifferencesFrom(canvas));
    }
    drawer->DrawGraph(nullptr, 1, 1, 7, 7, 0, good.Get(), nullptr, false);
    CDC detached;
    drawer->DrawGraph(&detached, 1, 1, 7, 7, 0, good.Get(), nullptr, false);

    // The background, and no series.
    struct Case {
        const char* what;
        std::vector<int64_t> ring;
        int64_t maximum;
        int64_t base;
    };
    const Case cases[] = {
        {"a range of 0", {50, 50, 50}, 20, 20},
        {"a maximum below the base", {50, 50, 50}, 10, 20},
        {"one point", {50}, 100, 0},
        {"no points", {}, 100, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int32_t mode : {0, 1, 2}) {
            canvas.Clear(kCanvas);
            Series first(c.ring, 0, c.maximum, c.base);
            Series second(c.ring, 0, c.maximum, c.base);
            Draw(drawer.Get(), canvas, {1, 1, 7, 7}, mode, first.Get(), second.Get());
            EXPECT_EQ("", Picture(8, 8).Fill(1, 1, 6, 6, kBack).DifferencesFrom(canvas));
        }
    }
    canvas.Clear(kCanvas);
    Draw(drawer.Get(), canvas, {1, 1, 7, 7}, 0, nullptr, good.Get());
    EXPECT_EQ("", Picture(8, 8).Fill(1, 1, 6, 6, kBack).DifferencesFrom(canvas));
}

TEST(CounterGraph, ACurrentPointBeyondTheRingIsTakenRoundIt)
{
    Drawer drawer;
    Canvas expected(6, 20);
    Canvas beyond(6, 20);
    ASSERT_TRUE(expected.IsReady() && beyond.IsReady());
    Series inside({10, 20, 30, 40}, 2);
    Series outside({10, 20, 30, 40}, 6);
    for (int32_t mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        expected.Clear(kCanvas);
        beyond.Clear(kCanvas);
        Draw(drawer.Get(), expected, {0, 0, 6, 20}, mode, inside.Get(), inside.Get());
        Draw(drawer.Get(), beyond, {0, 0, 6, 20}, mode, outside.Get(), outside.Get());
        EXPECT_EQ(expected.Pixels(), beyond.Pixels());
        EXPECT_NE(Picture(6, 20).DifferencesFrom(expected), "");
    }
}

struct Painting {
    Basic* drawer;
    Canvas* canvas;
    CounterData* first;
    CounterData* second;
};

DWORD WINAPI PaintGraph(void* argument)
{
    Painting* painting = static_cast<Painting*>(argument);
    painting->drawer->DrawGraph(&painting->canvas->dc, 0, 0, 4, 10, 0, painting->first, painting->second, false);
    return 0;
}

TEST(CounterGraph, EachSeriesIsReadUnderItsOwnLock)
{
    Drawer drawer;
    Canvas canvas(4, 10);
    ASSERT_TRUE(canvas.IsReady());
    Series first({50, 50, 50}, 0);
    Series second({50, 50, 50}, 0);
    for (CounterData* held : {first.Get(), second.Get()}) {
        EnterCriticalSection(&held->Lock.lock);
        Painting painting{drawer.Get(), &canvas, first.Get(), second.Get()};
        HANDLE painter = CreateThread(nullptr, 0, &PaintGraph, &painting, 0, nullptr);
        ASSERT_NE(nullptr, painter);
        // While an adder holds the series the painter waits for it.
        EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(painter, 200));
        LeaveCriticalSection(&held->Lock.lock);
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(painter, 10000));
        CloseHandle(painter);
    }
}

} // namespace
