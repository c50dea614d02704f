#include <gtest/gtest.h>

#include "core/col/ArrayP.h"
#include "core/str/StrBuffer.h"
#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/combo/Thin.h"
#include "skins/drawer/menu/Basic.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/Font.h"

using s::col::_array::ArrayP;
using s::gui::drawer::menu::win::Basic;
using s::str::strbuffer::StrBuffer;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

const COLORREF kHighlight = RGB(30, 60, 200);

// Captions and their rectangles, as a menu bar holds them.
class MenuBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        drawer = Basic::New();
        drawer->SetHighlightColor(GetRValue(kHighlight), GetGValue(kHighlight), GetBValue(kHighlight));
        font = s::gui::win::Font::New();
        font->SetColor(10, 10, 10);
        highlight = s::gui::win::Font::New();
        highlight->SetColor(250, 250, 250);
        text = s::gui::drawer::text::win::Basic::New();
        captions = ArrayP::New();
        rectangles = ArrayP::New();
    }
    void TearDown() override
    {
        for (uint32_t i = 0; i < captions->GetCount(); ++i)
            static_cast<StrBuffer*>(captions->Get(i))->ReleaseToPool();
        captions->ReleaseToPool();
        rectangles->ReleaseToPool();
        text->ReleaseToPool();
        highlight->ReleaseToPool();
        font->ReleaseToPool();
        drawer->ReleaseToPool();
    }
    void Add(const wchar_t* caption, RECT* rect)
    {
        StrBuffer* buffer = StrBuffer::New();
        buffer->Append(caption);
        captions->Append(buffer);
        if (rect)
            rectangles->Append(rect);
    }
    int32_t WidthOf(CDC* dc, const wchar_t* caption)
    {
        int32_t w = 0;
        text->GetTextSizeLimits(dc, caption, font, &w, nullptr, nullptr, nullptr);
        return w;
    }
    int32_t HeightOf(CDC* dc, const wchar_t* caption)
    {
        int32_t h = 0;
        text->GetTextSizeLimits(dc, caption, font, nullptr, &h, nullptr, nullptr);
        return h;
    }

    Basic* drawer = nullptr;
    s::gui::win::Font* font = nullptr;
    s::gui::win::Font* highlight = nullptr;
    s::gui::drawer::text::win::Basic* text = nullptr;
    ArrayP* captions = nullptr;
    ArrayP* rectangles = nullptr;
};

TEST_F(MenuBar, MeasuresItemsSideBySideWithTheirPadding)
{
    Canvas canvas(10, 10);
    RECT file = {};
    RECT settings = {};
    Add(L"File", &file);
    Add(L"Settings", &settings);
    const int32_t w1 = WidthOf(&canvas.dc, L"File");
    const int32_t w2 = WidthOf(&canvas.dc, L"Settings");
    const int32_t h = HeightOf(&canvas.dc, L"File");
    for (bool extra : {false, true}) {
        int32_t minW = -1, minH = -1, maxW = -1, maxH = -1;
        drawer->MeasureItems(&canvas.dc, captions, rectangles, font, 4, 2, extra, &minW, &minH, &maxW, &maxH);
        EXPECT_EQ(0, file.left);
        EXPECT_EQ(8 + w1, file.right);
        EXPECT_EQ(8 + w1, settings.left);
        EXPECT_EQ(16 + w1 + w2, settings.right);
        EXPECT_EQ(4 + h, file.bottom);
        EXPECT_EQ(4 + h, settings.bottom);
        EXPECT_EQ(16 + w1 + w2 + (extra ? 15 : 0), minW);
        EXPECT_EQ(minW, maxW);
        EXPECT_EQ(4 + h + (extra ? 4 : 0), minH);
        EXPECT_EQ(minH, maxH);
    }
}

TEST_F(MenuBar, NeverWritesMoreRectanglesThanTheListHolds)
{
    Canvas canvas(10, 10);
    RECT only = {};
    RECT beyond = {-7, -7, -7, -7};
    Add(L"View", &only);
    Add(L"Help", nullptr);
    int32_t minW = 0;
    drawer->MeasureItems(&canvas.dc, captions, rectangles, font, 3, 1, false, &minW, nullptr, nullptr, nullptr);
    EXPECT_EQ(6 + WidthOf(&canvas.dc, L"View"), only.right);
    EXPECT_EQ(-7, beyond.left);
    EXPECT_EQ(12 + WidthOf(&canvas.dc, L"View") + WidthOf(&canvas.dc, L"Help"), minW);
    drawer->MeasureItems(&canvas.dc, nullptr, nullptr, font, 3, 1, true, &minW, nullptr, nullptr, nullptr);
    EXPECT_EQ(15, minW);
}

TEST_F(MenuBar, PopupModePaintsTheFirstItemAsADropDownFace)
{
    RECT r = {};
    Add(L"Language", &r);
    struct Case {
        int32_t hot;
        bool pressed;
        int32_t state;
    } cases[] = {{1, false, 0}, {-1, true, 0}, {0, false, 1}, {0, true, 2}};
    for (const Case& c : cases) {
        Canvas actual(120, 22);
        Canvas expected(120, 22);
        drawer->DrawBar(&actual.dc, 0, 0, 120, 22, captions, rectangles, font, highlight, 4, 2, c.hot, c.pressed,
                        true, false, false);
        static_cast<s::gui::drawer::combo::win::Thin*>(drawer->GetComboDrawer())
            ->Draw(&expected.dc, 0, 0, 120, 22, c.state, L"Language", font, true);
        EXPECT_TRUE(SamePixels(actual, expected)) << "hot " << c.hot << " pressed " << c.pressed;
    }
}

TEST_F(MenuBar, TheHotItemIsFilledUnlessItIsTheLink)
{
    Canvas canvas(200, 24);
    RECT file = {};
    RECT about = {};
    Add(L"File", &file);
    Add(L"About", &about);
    drawer->MeasureItems(&canvas.dc, captions, rectangles, font, 4, 2, false, nullptr, nullptr, nullptr, nullptr);
    drawer->SetHotFill(1);
    for (int32_t hot : {0, 1}) {
        for (bool link : {false, true}) {
            Canvas actual(200, 24);
            drawer->DrawBar(&actual.dc, 0, 0, 200, 24, captions, rectangles, font, highlight, 4, 2, hot, false,
                            false, true, link);
            const RECT& q = hot == 0 ? file : about;
            // The last item stands at the bar's right edge.
            const int32_t shift = hot == 1 ? 200 - about.right : 0;
            const bool filled = !(link && hot == 1);
            EXPECT_EQ(filled, actual.At(q.left + shift, q.top) == kHighlight) << hot << " link " << link;
            EXPECT_EQ(filled, actual.At(q.right + shift - 1, q.bottom - 1) == kHighlight) << hot;
            EXPECT_NE(kHighlight, actual.At(q.left + shift - 1, q.top)) << hot;
        }
    }
    // The link's colour and underline come back afterwards.
    EXPECT_EQ(RGB(10, 10, 10), font->GetColor());
    EXPECT_FALSE(font->IsUnderline());
}

TEST_F(MenuBar, TheLinkIsDrawnInItsBlue)
{
    Canvas canvas(200, 24, RGB(255, 255, 255));
    RECT file = {};
    RECT link = {};
    Add(L"File", &file);
    Add(L"WWW", &link);
    drawer->MeasureItems(&canvas.dc, captions, rectangles, font, 4, 2, false, nullptr, nullptr, nullptr, nullptr);
    drawer->DrawBar(&canvas.dc, 0, 0, 200, 24, captions, rectangles, font, highlight, 4, 2, -1, false, false, false,
                    true);
    int32_t blue = 0;
    for (int32_t y = 0; y < 24; ++y)
        for (int32_t x = link.left; x < link.right; ++x)
            blue += canvas.At(x, y) == RGB(0, 0, 204) ? 1 : 0;
    EXPECT_GT(blue, 5);
    Canvas untouched(200, 24, RGB(255, 255, 255));
    Canvas empty(200, 24, RGB(255, 255, 255));
    drawer->DrawBar(&empty.dc, 0, 0, 0, 24, captions, rectangles, font, highlight, 4, 2, 0, false, false, false, true);
    drawer->DrawBar(&empty.dc, 0, 0, 200, 24, captions, nullptr, font, highlight, 4, 2, 0, false, false, false, true);
    drawer->DrawBar(&empty.dc, 0, 0, 200, 24, nullptr, nullptr, font, highlight, 4, 2, 0, false, true, false, true);
    EXPECT_TRUE(SamePixels(empty, untouched));
}

} // namespace
