#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "skins/drawer/Canvas.h"
#include "skins/drawer/listbox/Basic.h"
#include "skins/drawer/listbox/Thin.h"
#include "windowing/paint/Font.h"
#include "windowing/paint/MemDC.h"

using s::gui::drawer::listbox::win::Basic;
using s::image::win::BufferedImage;
using testing_support::Canvas;

namespace {

const COLORREF kGround = RGB(250, 250, 240);
const COLORREF kAlternate = RGB(230, 230, 250);
const COLORREF kSelection = RGB(40, 90, 200);
const COLORREF kText = RGB(20, 20, 20);
const COLORREF kSelectedText = RGB(255, 255, 200);

// The item's features, defaulting to a plain unselected row.
struct Item {
    int32_t width = 120;
    int32_t height = 20;
    int32_t alignment = 0;
    bool selected = false, highlighted = false, fullRow = false, alternate = false;
    int32_t dropLevel = -1, dropPosition = 0;
    bool firstRow = false, lastRow = false;
    int32_t status = 0;
    const wchar_t* text = nullptr;
    bool hasIcon = false;
    s::image::IImageBuffer* icon = nullptr;
    bool hasCheckBox = false;
    int32_t checkState = 0;
    bool treeRow = false;
    int32_t expandState = 0, level = 0;
    bool ellipsis = false, bottomAlign = false, underline = false, link = false, progress = false,
         statusColor = false;
};

class ListItem : public ::testing::Test {
protected:
    void SetUp() override
    {
        drawer = Basic::New();
        drawer->SetBackgroundColor(GetRValue(kGround), GetGValue(kGround), GetBValue(kGround));
        drawer->SetAlternateColor(GetRValue(kAlternate), GetGValue(kAlternate), GetBValue(kAlternate));
        drawer->SetSelectionColor(GetRValue(kSelection), GetGValue(kSelection), GetBValue(kSelection));
        font = s::gui::win::Font::New();
        font->SetColor(GetRValue(kText), GetGValue(kText), GetBValue(kText));
        selectedFont = s::gui::win::Font::New();
        selectedFont->SetColor(GetRValue(kSelectedText), GetGValue(kSelectedText), GetBValue(kSelectedText));
    }
    void TearDown() override
    {
        selectedFont->ReleaseToPool();
        font->ReleaseToPool();
        drawer->ReleaseToPool();
    }
    RECT Draw(Canvas* canvas, const Item& item, BufferedImage* target = nullptr, CDC* dc = nullptr)
    {
        RECT text = {-1, -1, -1, -1};
        int32_t width = -1;
        int32_t height = -1;
        drawer->DrawItem(dc ? dc : &canvas->dc, target, 0, 0, item.width, item.height, item.alignment, item.selected,
                         item.highlighted, item.fullRow, item.alternate, item.dropLevel, item.dropPosition,
                         item.firstRow, item.lastRow, item.status, item.text, font, selectedFont, item.hasIcon,
                         item.icon, item.hasCheckBox, item.checkState, 0, item.treeRow, item.expandState, item.level,
                         reinterpret_cast<int32_t*>(&text.left), reinterpret_cast<int32_t*>(&text.top), &width,
                         &height, item.ellipsis, item.bottomAlign, item.underline, item.link, item.progress,
                         item.statusColor);
        text.right = text.left + width;
        text.bottom = text.top + height;
        return text;
    }
    // The columns of a row that hold a colour, as first and last x; -1 when none.
    static void Span(const Canvas& c, int32_t y, COLORREF color, int32_t* first, int32_t* last)
    {
        *first = -1;
        *last = -1;
        for (int32_t x = 0; x < c.Width(); ++x) {
            if (c.At(x, y) != color)
                continue;
            if (*first < 0)
                *first = x;
            *last = x;
        }
    }

    Basic* drawer = nullptr;
    s::gui::win::Font* font = nullptr;
    s::gui::win::Font* selectedFont = nullptr;
};

TEST_F(ListItem, BoxesFollowTheIndentOfTreeRowsOnly)
{
    struct Case {
        bool tree;
        int32_t level;
        int32_t checkLeft;
        int32_t textLeft;
    } cases[] = {
        {true, 0, 19, 53}, {true, 1, 34, 68}, {true, 2, 49, 83}, {false, 0, 4, 38}, {false, 2, 4, 38},
        // Negative levels count as level 0.
        {true, -3, 19, 53},
    };
    for (const Case& c : cases) {
        Item item;
        item.width = 160;
        item.treeRow = c.tree;
        item.level = c.level;
        item.hasCheckBox = true;
        item.checkState = 1;
        item.hasIcon = true;
        Canvas canvas(item.width, item.height);
        const RECT text = Draw(&canvas, item);
        // The unchecked box: its 2-pixel frame in the text colour, its inside in the ground.
        int32_t first = 0;
        int32_t last = 0;
        Span(canvas, 1, kText, &first, &last);
        EXPECT_EQ(c.checkLeft, first) << "tree " << c.tree << " level " << c.level;
        EXPECT_EQ(c.checkLeft + 14, last);
        EXPECT_EQ(kText, canvas.At(c.checkLeft, 15));
        EXPECT_EQ(kGround, canvas.At(c.checkLeft, 16));
        EXPECT_EQ(kGround, canvas.At(c.checkLeft + 7, 8));
        EXPECT_EQ(c.textLeft, text.left);
    }
    Item bare;
    Canvas canvas(bare.width, bare.height);
    EXPECT_EQ(4, Draw(&canvas, bare).left);
}

TEST_F(ListItem, TheExpanderGlyphStaysInItsBox)
{
    for (int32_t state : {1, 2, 9}) {
        Item item;
        item.treeRow = true;
        item.level = 2;
        item.expandState = state;
        Canvas canvas(item.width, item.height);
        Draw(&canvas, item);
        int32_t inked = 0;
        for (int32_t y = 0; y < item.height; ++y) {
            for (int32_t x = 0; x < item.width; ++x) {
                if (canvas.At(x, y) != kText)
                    continue;
                ++inked;
                EXPECT_TRUE(x >= 34 && x <= 46 && y >= 2 && y <= 15) << "state " << state << " at " << x << "," << y;
            }
        }
        EXPECT_GT(inked, 10) << "state " << state;
    }
    Item none;
    none.treeRow = true;
    Canvas canvas(none.width, none.height);
    Draw(&canvas, none);
    int32_t first = 0;
    int32_t last = 0;
    Span(canvas, 8, kText, &first, &last);
    EXPECT_EQ(-1, first);
}

TEST_F(ListItem, HitTestsMatchTheBoxesEdgesIncluded)
{
    struct Case {
        int32_t x, y, level;
        bool expander;
        bool treeCheck;
        bool flatCheck;
    } cases[] = {
        {4, 5, 0, true, false, true},    {16, 5, 0, true, false, true},  {3, 5, 0, false, false, false},
        {17, 5, 0, false, false, true},  {18, 5, 0, false, false, true}, {19, 5, 0, false, true, false},
        {33, 5, 0, false, true, false},  {34, 5, 0, false, false, false}, {10, 0, 0, false, false, false},
        {10, 1, 0, true, false, true},   {10, 15, 0, true, false, true}, {10, 16, 0, false, false, false},
        {34, 5, 2, true, false, false},  {46, 5, 2, true, false, false}, {47, 5, 2, false, false, false},
        {49, 5, 2, false, true, false},  {63, 5, 2, false, true, false}, {64, 5, 2, false, false, false},
        {10, 5, 2, false, false, true},  {4, 5, -1, true, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expander, drawer->HitExpander(c.x, c.y, c.level)) << c.x << "," << c.y << " level " << c.level;
        EXPECT_EQ(c.treeCheck, drawer->HitCheckBox(c.x, c.y, 1, c.level)) << c.x << "," << c.y;
        EXPECT_EQ(c.flatCheck, drawer->HitCheckBox(c.x, c.y, 0, c.level)) << c.x << "," << c.y;
    }
}

TEST_F(ListItem, SelectionCoversTheRowOrRunsFromTheIconToPastTheText)
{
    Item item;
    item.hasCheckBox = true;
    item.checkState = 1;
    item.text = L"Disk";
    item.selected = true;
    item.alternate = true;
    Canvas part(item.width, item.height);
    const RECT text = Draw(&part, item);
    int32_t first = 0;
    int32_t last = 0;
    Span(part, 0, kSelection, &first, &last);
    EXPECT_EQ(22, first);
    EXPECT_EQ(text.right + 3, last);
    EXPECT_EQ(kAlternate, part.At(2, 0));
    EXPECT_EQ(kAlternate, part.At(item.width - 1, 0));
    // The check box keeps the row's ground inside.
    EXPECT_EQ(kAlternate, part.At(11, 8));

    item.fullRow = true;
    Canvas full(item.width, item.height);
    Draw(&full, item);
    Span(full, 0, kSelection, &first, &last);
    EXPECT_EQ(0, first);
    EXPECT_EQ(item.width - 1, last);
    // The glyphs take the selected text colour, the box inside the selection colour.
    EXPECT_EQ(kSelectedText, full.At(4, 1));
    EXPECT_EQ(kSelection, full.At(11, 8));
}

TEST_F(ListItem, DropMarksLieAboveOrBelowAndThickenAtTheEnds)
{
    struct Case {
        int32_t position;
        bool firstRow, lastRow, tree;
        int32_t markRows[2];
        int32_t left;
    } cases[] = {
        {0, true, false, false, {0, 1}, 0},   {0, false, false, false, {0, -1}, 0},
        {1, false, true, false, {18, 19}, 0}, {1, false, false, false, {19, -1}, 0},
        {0, false, false, true, {0, -1}, 34}, {2, true, true, false, {-1, -1}, 0},
    };
    for (const Case& c : cases) {
        Item item;
        item.dropLevel = 1;
        item.dropPosition = c.position;
        item.firstRow = c.firstRow;
        item.lastRow = c.lastRow;
        item.treeRow = c.tree;
        Canvas canvas(item.width, item.height);
        Draw(&canvas, item);
        for (int32_t y = 0; y < item.height; ++y) {
            const bool mark = y == c.markRows[0] || y == c.markRows[1];
            int32_t first = 0;
            int32_t last = 0;
            Span(canvas, y, kSelection, &first, &last);
            EXPECT_EQ(mark ? c.left : -1, first) << "position " << c.position << " row " << y;
            if (mark) {
                EXPECT_EQ(item.width - 1, last);
            }
        }
    }
}

TEST_F(ListItem, CheckStatesDrawNothingAnEmptyBoxATickOrASquare)
{
    for (int32_t state : {-1, 0, 1, 2, 3, 4}) {
        Item item;
        item.hasCheckBox = true;
        item.checkState = state;
        Canvas canvas(item.width, item.height);
        Draw(&canvas, item);
        const bool box = state >= 1 && state <= 3;
        EXPECT_EQ(box ? kText : kGround, canvas.At(4, 1)) << state;
        EXPECT_EQ(box ? kText : kGround, canvas.At(18, 15)) << state;
        EXPECT_EQ(box ? kGround : kGround, canvas.At(6, 3)) << state;
        // The square fills x 8 to 14; the tick passes through its middle column.
        EXPECT_EQ(state == 3 ? kText : kGround, canvas.At(8, 5)) << state;
        int32_t inked = 0;
        for (int32_t y = 4; y <= 12; ++y)
            for (int32_t x = 7; x <= 15; ++x)
                inked += canvas.At(x, y) == kText ? 1 : 0;
        EXPECT_EQ(state == 2 ? 21 : state == 3 ? 49 : 0, inked) << state;
    }
}

TEST_F(ListItem, ProgressFillsItsShareInItsColourWithTheTextWhiteOverIt)
{
    struct Case {
        int32_t status;
        int32_t width;
        COLORREF color;
    } cases[] = {
        {500, 50, RGB(134, 196, 64)}, {2750, 75, RGB(0xAA, 0xAA, 0xAA)}, {4250, 25, RGB(255, 0, 0)},
        {1000, 100, RGB(134, 196, 64)}, {0, 0, RGB(134, 196, 64)},
        // Shares outside 0 to 1,000 stop at the ends.
        {1700, 100, RGB(134, 196, 64)}, {-40, 0, RGB(134, 196, 64)},
    };
    for (const Case& c : cases) {
        Item item;
        item.width = 104;
        item.height = 40;
        item.progress = true;
        item.text = L"50 %";
        item.status = c.status;
        Canvas canvas(item.width, item.height);
        Draw(&canvas, item);
        int32_t first = 0;
        int32_t last = 0;
        Span(canvas, 4, c.color, &first, &last);
        EXPECT_EQ(c.width > 0 ? 2 : -1, first) << c.status;
        EXPECT_EQ(c.width > 0 ? 1 + c.width : -1, last) << c.status;
        EXPECT_EQ(RGB(0xF0, 0xF0, 0xF0), canvas.At(1, 2)) << c.status;
        EXPECT_EQ(RGB(0xF0, 0xF0, 0xF0), canvas.At(102, 4)) << c.status;
        if (c.width < 100) {
            EXPECT_EQ(RGB(255, 255, 255), canvas.At(101, 4)) << c.status;
        }
    }
    // Over the fill the text shows white; beyond it black.
    Item full;
    full.width = 104;
    full.height = 40;
    full.progress = true;
    full.text = L"WWWW";
    full.status = 1000;
    Canvas canvas(full.width, full.height);
    const RECT text = Draw(&canvas, full);
    int32_t white = 0;
    int32_t black = 0;
    for (int32_t y = text.top; y < text.bottom; ++y) {
        for (int32_t x = text.left; x < text.right; ++x) {
            white += canvas.At(x, y) == RGB(255, 255, 255) ? 1 : 0;
            black += canvas.At(x, y) == RGB(0, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(white, 10);
    EXPECT_EQ(0, black);
    // The text is centred.
    EXPECT_NEAR(full.width - 4 - text.right, text.left - 4, 1);

    // An empty text gets no bar at all.
    Item empty = full;
    empty.text = L"";
    Canvas plain(full.width, full.height);
    Draw(&plain, empty);
    EXPECT_EQ(kGround, plain.At(1, 2));
}

TEST_F(ListItem, TheHighlightTagEndsInAPointOfHalfTheHeightInColumns)
{
    Item item;
    item.height = 18;
    item.highlighted = true;
    item.text = L"";
    Canvas canvas(item.width, item.height);
    Draw(&canvas, item);
    // An empty text: the bar has its least width 11, from x 3.
    int32_t first = 0;
    int32_t last = 0;
    Span(canvas, 1, kSelection, &first, &last);
    EXPECT_EQ(3, first);
    EXPECT_EQ(14, last);
    for (int32_t k = 1; k <= 8; ++k) {
        const int32_t x = 11 + 2 + k;
        EXPECT_EQ(kGround, canvas.At(x, k - 1)) << k;
        EXPECT_EQ(kSelection, canvas.At(x, k)) << k;
        EXPECT_EQ(kSelection, canvas.At(x, item.height - k - 1)) << k;
        EXPECT_EQ(kGround, canvas.At(x, item.height - k)) << k;
    }
    EXPECT_EQ(kGround, canvas.At(22, 9));
}

TEST_F(ListItem, StatusAndLinkColoursReplaceTheTextColour)
{
    struct Case {
        int32_t status;
        bool statusColor, link;
        COLORREF expected;
    } cases[] = {
        {8, true, false, RGB(68, 132, 5)}, {0, true, false, RGB(255, 0, 0)}, {1, true, false, RGB(255, 0, 0)},
        {3, true, false, RGB(0x99, 0x99, 0x99)}, {2, true, false, kText}, {8, false, false, kText},
        {2, false, true, RGB(0, 0, 255)},
    };
    for (const Case& c : cases) {
        Item item;
        item.text = L"WWW";
        item.status = c.status;
        item.statusColor = c.statusColor;
        item.link = c.link;
        Canvas canvas(item.width, item.height);
        const RECT text = Draw(&canvas, item);
        int32_t inked = 0;
        for (int32_t y = 0; y < item.height; ++y)
            for (int32_t x = 0; x < item.width; ++x)
                inked += canvas.At(x, y) == c.expected ? 1 : 0;
        EXPECT_GT(inked, 5) << "status " << c.status;
        EXPECT_GT(text.right, text.left);
    }
}

TEST_F(ListItem, TheIconIsScaledIntoTheItemsImage)
{
    BufferedImage* target = s::image::win::NewBufferedImage(120, 20);
    BufferedImage* icon = s::image::win::NewBufferedImage(32, 32);
    ASSERT_NE(nullptr, target);
    ASSERT_NE(nullptr, icon);
    for (int32_t y = 0; y < 32; ++y)
        for (int32_t x = 0; x < 32; ++x)
            icon->GetRow(y)[x] = 0xFFFF0000;
    s::gui::win::MemDC* dc = s::gui::win::MemDC::Create(nullptr, target, false);
    ASSERT_NE(nullptr, dc);
    Item item;
    item.hasCheckBox = true;
    item.checkState = 1;
    item.hasIcon = true;
    item.icon = icon;
    Canvas unused(1, 1);
    Draw(&unused, item, target, dc);
    GdiFlush();
    // The icon box after the check box: x 22 to 34, y 2 to 14.
    EXPECT_EQ(0xFF0000u, target->GetRow(2)[22] & 0xFFFFFF);
    EXPECT_EQ(0xFF0000u, target->GetRow(14)[34] & 0xFFFFFF);
    EXPECT_NE(0xFF0000u, target->GetRow(1)[22] & 0xFFFFFF);
    EXPECT_NE(0xFF0000u, target->GetRow(2)[35] & 0xFFFFFF);
    EXPECT_NE(0xFF0000u, target->GetRow(15)[30] & 0xFFFFFF);
    dc->ReleaseToPool();
    icon->ReleaseToPool();
    target->ReleaseToPool();
}

TEST_F(ListItem, TheSkinDrawerForwardsToItsInnerDrawer)
{
    s::gui::drawer::listbox::win::Thin* skin = s::gui::drawer::listbox::win::Thin::New();
    EXPECT_TRUE(skin->HitCheckBox(19, 5, 1, 0));
    EXPECT_TRUE(skin->HitExpander(4, 5, 0));
    Canvas canvas(50, 20);
    skin->FillBackground(&canvas.dc, 0, 0, 50, 20);
    EXPECT_EQ(RGB(51, 51, 51), canvas.At(10, 10));
    skin->ReleaseToPool();
}

TEST_F(ListItem, EmptyRectanglesAndMissingFontsOrTextsAreSkipped)
{
    Canvas canvas(40, 20);
    Canvas untouched(40, 20);
    drawer->DrawItem(&canvas.dc, nullptr, 0, 0, 0, 20, 0, 1, 1, 1, 1, 0, 0, 1, 1, 8, L"x", font, selectedFont, 1,
                     nullptr, 1, 2, 0, 1, 1, 3, nullptr, nullptr, nullptr, nullptr, 1, 1, 1, 1, 1, 1);
    drawer->DrawItem(nullptr, nullptr, 0, 0, 40, 20, 0, 1, 1, 1, 1, 0, 0, 1, 1, 8, L"x", font, selectedFont, 1,
                     nullptr, 1, 2, 0, 1, 1, 3, nullptr, nullptr, nullptr, nullptr, 1, 1, 1, 1, 1, 1);
    EXPECT_EQ(untouched.Pixels(), canvas.Pixels());
    // No fonts and no text: the ground and the boxes, without a crash.
    drawer->DrawItem(&canvas.dc, nullptr, 0, 0, 40, 20, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, 1,
                     nullptr, 1, 3, 0, 1, 1, 100000000, nullptr, nullptr, nullptr, nullptr, 1, 1, 1, 1, 1, 1);
    EXPECT_EQ(kGround, canvas.At(39, 19));
}

} // namespace
