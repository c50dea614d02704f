// The list item: its layout of expander, check box, icon and text, the hit tests that match
// it, and its painting.
#include "skins/drawer/listbox/Basic.h"

#include <algorithm>

#include "images/Composition.h"
#include "images/win/BufferedImage.h"
#include "skins/drawer/PaintArea.h"
#include "skins/drawer/SelectedFont.h"

namespace s {
namespace gui {
namespace drawer {
namespace listbox {
namespace win {

namespace {

const int32_t kIndent = 15;
const int32_t kExpanderLeft = 4;
const int32_t kExpanderWidth = 13;
const int32_t kExpanderHeight = 15;
const int32_t kCheckBoxSize = 15;
const int32_t kIconSize = 13;
// Deeper levels than this only push the boxes further out of the item.
const int32_t kMaxLevel = 100000;

const UINT kTextFlags = DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER;
const UINT kMeasureFlags = DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER | DT_END_ELLIPSIS;

const COLORREF kLinkColor = 0xFF0000;
const COLORREF kProgressFrame = 0xF0F0F0;
const COLORREF kWhite = 0xFFFFFF;
const COLORREF kBlack = 0;
const COLORREF kStatusRed = RGB(255, 0, 0);
const COLORREF kStatusGrey = 0x999999;
const COLORREF kStatusGreen = RGB(68, 132, 5);
const COLORREF kProgressGreen = RGB(134, 196, 64);
const COLORREF kProgressGrey = 0xAAAAAA;
const COLORREF kProgressRed = RGB(255, 0, 0);

int32_t ClampLevel(int32_t level)
{
    return std::min(kMaxLevel, std::max(0, level));
}

bool IsEmpty(const RECT& r)
{
    return r.left >= r.right || r.top >= r.bottom;
}

bool HasText(const wchar_t* text)
{
    return text && text[0] != L'\0';
}

struct ItemLayout {
    RECT expander;
    RECT checkBox;
    RECT icon;
    RECT text;
};

// The boxes from the left; each is empty (zero wide at its place) when its feature is off. Only
// tree rows are indented, as the hit tests count.
void LayoutBoxes(int32_t left, int32_t top, bool treeRow, int32_t level, bool hasCheckBox, bool hasIcon,
                 ItemLayout* layout)
{
    const int32_t ex = left + kExpanderLeft + (treeRow ? kIndent * ClampLevel(level) : 0);
    layout->expander = treeRow ? RECT{ex, top + 1, ex + kExpanderWidth, top + 1 + kExpanderHeight}
                               : RECT{ex, top + 1, ex, top + 1};
    const int32_t cx = layout->expander.right + (IsEmpty(layout->expander) ? 0 : 2);
    layout->checkBox = hasCheckBox ? RECT{cx, top + 1, cx + kCheckBoxSize, top + 1 + kCheckBoxSize}
                                   : RECT{cx, top + 1, cx, top + 1};
    const int32_t ix = layout->checkBox.right + (IsEmpty(layout->checkBox) ? 0 : 3);
    layout->icon = hasIcon ? RECT{ix, top + 2, ix + kIconSize, top + 2 + kIconSize} : RECT{ix, top + 2, ix, top + 2};
}

} // namespace

void Basic::FillBackground(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (CanPaint(dc, left, top, right, bottom))
        FillBox(dc, left, top, right - left, bottom - top, background_);
}

bool Basic::HitExpander(int32_t x, int32_t y, int32_t level)
{
    const int32_t indent = kIndent * ClampLevel(level);
    return y >= 1 && y <= kExpanderHeight && x >= kExpanderLeft + indent &&
           x <= kExpanderLeft + kExpanderWidth - 1 + indent;
}

bool Basic::HitCheckBox(int32_t x, int32_t y, uint8_t treeRow, int32_t level)
{
    if (y < 1 || y > kCheckBoxSize)
        return false;
    const int32_t boxLeft =
        treeRow ? kExpanderLeft + kExpanderWidth + 2 + kIndent * ClampLevel(level) : kExpanderLeft;
    return x >= boxLeft && x <= boxLeft + kCheckBoxSize - 1;
}

void Basic::DrawItem(CDC* dc, image::win::BufferedImage* target, int32_t left, int32_t top, int32_t right,
                     int32_t bottom, int32_t alignment, uint8_t selected, uint8_t highlighted, uint8_t fullRowSelect,
                     uint8_t alternateRow, int32_t dropLevel, int32_t dropPosition, uint8_t firstRow, uint8_t lastRow,
                     int32_t status, const wchar_t* text, IFont* font, IFont* selectedFont, uint8_t hasIcon,
                     image::IImageBuffer* icon, uint8_t hasCheckBox, int32_t checkState, uint8_t /*option*/,
                     uint8_t treeRow, int32_t expandState, int32_t level, int32_t* textLeft, int32_t* textTop,
                     int32_t* textWidth, int32_t* textHeight, uint8_t endEllipsis, uint8_t bottomAlign,
                     uint8_t underline, uint8_t linkColor, uint8_t progress, uint8_t statusColor)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    const int32_t L = left;
    const int32_t T = top;
    const int32_t W = right - left;
    const int32_t H = bottom - top;
    const bool hasText = HasText(text);
    const bool progressItem = progress && hasText;
    const UINT alignFlag = alignment == 1 ? DT_CENTER : alignment == 2 ? DT_RIGHT : 0;

    // 1. Layout, the text measured in the font of the item's state.
    ItemLayout layout;
    LayoutBoxes(L, T, treeRow != 0, level, hasCheckBox != 0, hasIcon != 0, &layout);
    const int32_t spaceLeft = layout.icon.right + (IsEmpty(layout.icon) ? 0 : 3);
    const int32_t spaceRight = right - 4;
    IFont* layoutFont = selected ? selectedFont : font;
    RECT measured = {spaceLeft, T, spaceRight, bottom};
    if (text && layoutFont) {
        SelectedFont selection(dc, layoutFont);
        dc->DrawText(text, -1, &measured, kMeasureFlags | alignFlag);
    } else {
        measured = {spaceLeft, T, spaceLeft, T};
    }
    const int32_t measuredWidth = measured.right - measured.left;
    const int32_t measuredHeight = measured.bottom - measured.top;
    const int32_t remaining = spaceRight - spaceLeft - measuredWidth;
    int32_t dx = 0;
    if (progress || alignment == 1)
        dx = remaining / 2;
    else if (alignment == 2)
        dx = remaining;
    layout.text = {spaceLeft + dx, T, spaceLeft + dx + measuredWidth, T + measuredHeight};
    OffsetRect(&layout.text, 0, (H - measuredHeight) / 2);

    // 2. and 3. Ground and selection.
    const COLORREF ground = alternateRow ? alternate_ : background_;
    FillBox(dc, L, T, W, H, ground);
    const bool rowSelected = selected && fullRowSelect;
    if (selected) {
        if (fullRowSelect)
            FillBox(dc, L, T, W, H, selection_);
        else
            FillBox(dc, layout.icon.left, T, layout.text.right + 4 - layout.icon.left, H, selection_);
    }

    // 4. Drop mark above or below the row.
    if (dropLevel >= 0) {
        const int32_t markLeft = treeRow ? L + kIndent * ClampLevel(dropLevel) + 19 : L;
        if (dropPosition == 0)
            FillBox(dc, markLeft, T, W, firstRow ? 2 : 1, selection_);
        else if (dropPosition == 1)
            FillBox(dc, markLeft, lastRow ? T + H - 2 : T + H - 1, W, lastRow ? 2 : 1, selection_);
    }

    // 5. to 7. Expander and check box in the glyph colour.
    IFont* glyphFont = rowSelected ? selectedFont : font;
    text::win::Basic* glyphSetting = rowSelected ? selectedText_ : textDrawer_;
    const COLORREF glyph = glyphFont ? glyphFont->GetColor() : glyphSetting->GetNormalFontSetting()->GetColor();
    const int32_t gr = RedOf(glyph);
    const int32_t gg = GreenOf(glyph);
    const int32_t gb = BlueOf(glyph);
    if (treeRow && expandState != 0) {
        const RECT& e = layout.expander;
        glyphButton_->DrawGlyph(dc, e.left, e.top + 1, e.right, e.bottom - 1,
                                expandState == 1 ? L"#TreeOpen" : L"#TreeClosed", gr, gg, gb);
    }
    if (hasCheckBox && checkState >= 1 && checkState <= 3) {
        const RECT& c = layout.checkBox;
        const int32_t size = c.right - c.left;
        FillBox(dc, c.left, c.top, size, size, glyph);
        FillBox(dc, c.left + 2, c.top + 2, size - 4, size - 4, rowSelected ? selection_ : ground);
        if (checkState == 3)
            FillBox(dc, c.left + 4, c.top + 4, size - 8, size - 8, glyph);
        else if (checkState == 2)
            glyphButton_->DrawGlyph(dc, c.left + 3, c.top + 3, c.right - 3, c.bottom - 3, L"#Check", gr, gg, gb);
    }

    // 8. The icon goes into the item's image, through which the context paints.
    if (hasIcon && icon && target) {
        GdiFlush();
        image::DrawImageOver(target, layout.icon.left, layout.icon.top, kIconSize, kIconSize, icon, 0, 0, true);
    }

    // 9. Text colour, font and flags.
    const bool lit = selected || highlighted;
    IFont* drawFont = lit ? selectedFont : font;
    COLORREF textColor = drawFont ? drawFont->GetColor()
                                  : (lit ? selectedText_ : textDrawer_)->GetNormalFontSetting()->GetColor();
    if (linkColor)
        textColor = kLinkColor;
    UINT flags = kTextFlags;
    if (endEllipsis && !progressItem)
        flags |= DT_END_ELLIPSIS;
    if (!progress)
        flags |= alignFlag;
    const bool underlined = underline && drawFont && !drawFont->IsUnderline();
    if (underlined)
        drawFont->SetUnderline(true);
    const int previousMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF previousColor = dc->GetSafeHdc() ? GetTextColor(dc->GetSafeHdc()) : 0;
    {
        SelectedFont selection(dc, drawFont);

        // 10. The pointed tag behind a highlighted item's text.
        if (highlighted && text) {
            RECT tag = layout.text;
            dc->DrawText(text, -1, &tag, flags | DT_CALCRECT);
            const int32_t w = std::max<int32_t>(11, tag.right + tag.left - 2 * L - 7);
            FillBox(dc, L + 3, T + 1, w, H - 2, selection_);
            for (int32_t k = 1; k <= (H - 2) / 2; ++k)
                FillBox(dc, L + w + 2 + k, T + k, 1, H - 2 * k, selection_);
        }

        // 11. and 12. The progress bar's ground and the status colours.
        if (progressItem) {
            textColor = kBlack;
            FillBox(dc, L + 1, T + 2, W - 2, H - 4, kProgressFrame);
            FillBox(dc, L + 2, T + 3, W - 4, H - 6, kWhite);
        }
        if (statusColor) {
            if (status == 0 || status == 1)
                textColor = kStatusRed;
            else if (status == 3)
                textColor = kStatusGrey;
            else if (status == 8)
                textColor = kStatusGreen;
        }

        // 13. The text, moved down to the item's bottom when asked.
        RECT place = layout.text;
        if (bottomAlign && place.bottom < bottom)
            OffsetRect(&place, 0, bottom - place.bottom);
        if (text && drawFont) {
            dc->SetTextColor(textColor);
            dc->DrawText(text, -1, &place, flags);
        }

        // 14. The progress fill, with the text over it in white.
        if (progressItem) {
            COLORREF fill = kProgressGreen;
            int32_t thousandths = status;
            if (status >= 2000 && status <= 3000) {
                fill = kProgressGrey;
                thousandths = status - 2000;
            } else if (status >= 4000 && status <= 5000) {
                fill = kProgressRed;
                thousandths = status - 4000;
            }
            thousandths = std::min(1000, std::max(0, thousandths));
            const int32_t fillWidth = static_cast<int32_t>(static_cast<int64_t>(W - 4) * thousandths / 1000);
            FillBox(dc, L + 2, T + 3, fillWidth, H - 6, fill);
            if (text && drawFont && fillWidth > 0) {
                const int saved = dc->SaveDC();
                dc->IntersectClipRect(place.left, place.top, std::min<int32_t>(place.right, L + 2 + fillWidth),
                                      place.bottom);
                dc->SetTextColor(kWhite);
                dc->DrawText(text, -1, &place, flags);
                dc->RestoreDC(saved);
            }
        }
    }

    // 15. The context and the font as they were; the layout's text rectangle to the caller.
    dc->SetBkMode(previousMode);
    dc->SetTextColor(previousColor);
    if (underlined)
        drawFont->SetUnderline(false);
    if (textLeft)
        *textLeft = layout.text.left;
    if (textTop)
        *textTop = layout.text.top;
    if (textWidth)
        *textWidth = layout.text.right - layout.text.left;
    if (textHeight)
        *textHeight = layout.text.bottom - layout.text.top;
}

} // namespace win
} // namespace listbox
} // namespace drawer
} // namespace gui
} // namespace s
