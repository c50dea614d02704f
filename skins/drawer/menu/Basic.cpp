#include "skins/drawer/menu/Basic.h"

#include <algorithm>

#include "core/col/ArrayP.h"
#include "core/str/StrBuffer.h"
#include "skins/drawer/PaintArea.h"

namespace s {
namespace gui {
namespace drawer {
namespace menu {
namespace win {

namespace {

const int32_t kMenuSizeCode = -2;
// Room for a drop-down arrow.
const int32_t kExtraWidth = 15;
const int32_t kExtraHeight = 4;
const COLORREF kLinkColor = RGB(0, 0, 204);
const int32_t kMaxPadding = 1 << 16;

uint32_t CountOf(col::_array::ArrayP* list)
{
    return list ? list->GetCount() : 0;
}

const wchar_t* CaptionAt(col::_array::ArrayP* captions, uint32_t index)
{
    auto* caption = static_cast<str::strbuffer::StrBuffer*>(captions->Get(index));
    return caption ? caption->GetText() : nullptr;
}

// Paddings beyond any screen only overflow the sums.
int32_t LimitPadding(int32_t padding)
{
    return std::min(kMaxPadding, std::max(-kMaxPadding, padding));
}

void Store(int32_t* out, int32_t value)
{
    if (out)
        *out = value;
}

} // namespace

Basic::Basic()
    : highlightColor_(0), hotFill_(1), hotShift_(0), textDrawer_(text::win::Basic::New()),
      combo_(combo::win::Thin::New())
{
    Basic::Reset();
}

Basic::~Basic()
{
    delete textDrawer_;
    delete combo_;
}

const wchar_t* Basic::GetClassName()
{
    return L"s_gui_drawer_menu_win_Basic";
}

void Basic::Reset()
{
    normal_.Reset();
    normal_.SetSizeCode(kMenuSizeCode);
    highlight_.Reset();
    highlight_.SetSizeCode(kMenuSizeCode);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    highlight_.SetColor(RedOf(highlightText), GreenOf(highlightText), BlueOf(highlightText));
    highlightColor_ = GetSysColor(COLOR_HIGHLIGHT);
    hotFill_ = 1;
    hotShift_ = 0;
    if (textDrawer_)
        textDrawer_->Reset();
    if (combo_)
        combo_->Reset();
}

void Basic::ApplyToFonts(IFont* normal, IFont* highlight)
{
    text::win::Basic::ApplySetting(&normal_, normal);
    text::win::Basic::ApplySetting(&highlight_, highlight);
}

void Basic::MeasureItems(CDC* dc, col::_array::ArrayP* captions, col::_array::ArrayP* rectangles, IFont* font,
                         int32_t paddingX, int32_t paddingY, bool extra, int32_t* minimumWidth, int32_t* minimumHeight,
                         int32_t* maximumWidth, int32_t* maximumHeight)
{
    paddingX = LimitPadding(paddingX);
    paddingY = LimitPadding(paddingY);
    int32_t totalMin = 0;
    int32_t totalMax = 0;
    int32_t heightMin = 0;
    int32_t heightMax = 0;
    // Only as many rectangles as both lists hold are written.
    const uint32_t count = std::min(CountOf(captions), CountOf(rectangles));
    for (uint32_t i = 0; i < CountOf(captions); ++i) {
        int32_t minW = 0;
        int32_t minH = 0;
        int32_t maxW = 0;
        int32_t maxH = 0;
        textDrawer_->GetTextSizeLimits(dc, CaptionAt(captions, i), font, &minW, &minH, &maxW, &maxH);
        auto* rect = i < count ? static_cast<RECT*>(rectangles->Get(i)) : nullptr;
        if (rect)
            *rect = {totalMin, 0, totalMin + 2 * paddingX + minW, 2 * paddingY + minH};
        totalMin += 2 * paddingX + minW;
        totalMax += 2 * paddingX + maxW;
        heightMin = std::max(heightMin, 2 * paddingY + minH);
        heightMax = std::max(heightMax, 2 * paddingY + maxH);
    }
    for (uint32_t i = 0; i < count; ++i) {
        auto* rect = static_cast<RECT*>(rectangles->Get(i));
        if (rect)
            rect->bottom = heightMin;
    }
    if (extra) {
        totalMin += kExtraWidth;
        totalMax += kExtraWidth;
        heightMin += kExtraHeight;
        heightMax += kExtraHeight;
    }
    Store(minimumWidth, totalMin);
    Store(minimumHeight, heightMin);
    Store(maximumWidth, totalMax);
    Store(maximumHeight, heightMax);
}

void Basic::DrawBar(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, col::_array::ArrayP* captions,
                    col::_array::ArrayP* rectangles, IFont* normal, IFont* highlight, int32_t paddingX,
                    int32_t paddingY, int32_t hotIndex, bool pressed, bool popup, bool rightPlacedLast,
                    bool linkedLast)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    if (popup) {
        // The first item alone, as a drop-down face.
        if (CountOf(captions) > 0) {
            const int32_t state = hotIndex == 0 ? (pressed ? 2 : 1) : 0;
            combo_->Draw(dc, left, top, right, bottom, state, CaptionAt(captions, 0), normal, true);
        }
        return;
    }
    const uint32_t count = std::min(CountOf(captions), CountOf(rectangles));
    for (uint32_t i = 0; i < count; ++i) {
        const auto* q = static_cast<const RECT*>(rectangles->Get(i));
        if (!q)
            continue;
        const bool last = i + 1 == count;
        const bool hot = static_cast<int64_t>(hotIndex) == static_cast<int64_t>(i);
        const bool link = linkedLast && last;
        // The right-placed item ends at the bar's right edge; its fill moves with its text.
        const int32_t shift = rightPlacedLast && last ? right - q->right : 0;
        RECT textRect = {q->left + paddingX + shift, q->top + paddingY,
                         rightPlacedLast && last ? right - paddingX : q->right - paddingX, q->bottom - paddingY};
        IFont* font = normal;
        // The link item neither fills nor changes font while hot: it is underlined instead.
        if (hot && hotFill_ && !link) {
            FillBox(dc, q->left + shift, q->top, q->right - q->left, q->bottom - q->top, highlightColor_);
            font = highlight;
        }
        if (hot && hotShift_)
            OffsetRect(&textRect, pressed ? 1 : -1, pressed ? 1 : -1);
        COLORREF linkPrevious = 0;
        bool wasUnderlined = false;
        if (link && normal) {
            linkPrevious = normal->GetColor();
            wasUnderlined = normal->IsUnderline();
            normal->SetColor(GetRValue(kLinkColor), GetGValue(kLinkColor), GetBValue(kLinkColor));
            if (hot && !wasUnderlined)
                normal->SetUnderline(true);
        }
        textDrawer_->DrawText(dc, textRect.left, textRect.top, textRect.right, textRect.bottom, CaptionAt(captions, i),
                              font);
        if (link && normal) {
            normal->SetColor(GetRValue(linkPrevious), GetGValue(linkPrevious), GetBValue(linkPrevious));
            if (hot && !wasUnderlined)
                normal->SetUnderline(false);
        }
    }
}

} // namespace win
} // namespace menu
} // namespace drawer
} // namespace gui
} // namespace s
