// The caption glyphs of the button drawer: named shapes drawn from filled rectangles, and the
// "#Color-" swatches.
#include "skins/drawer/button/Thin.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "core/str/NumberText.h"
#include "skins/drawer/PaintArea.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace button {
namespace win {

namespace {

const wchar_t kSwatchPrefix[] = L"#Color-";
// The shapes repeat per pixel of their size: a glyph larger than any screen is not drawn.
const int32_t kMaxGlyphSize = 1 << 15;

// The largest even number not above n.
int32_t EvenFloor(int32_t n)
{
    return n % 2 == 0 ? n : n - 1;
}

// The glyph's rectangle (l, t, r, b) and the measures the shapes are built from.
struct Terms {
    Terms(int32_t left, int32_t top, int32_t right, int32_t bottom)
        : l(left), t(top), r(right), b(bottom), W(r - l - 2), H(b - t - 2), x0(l + 1), y0(t + 1),
          S(EvenFloor(std::min(W, H))), mx((W - S) / 2), my((H - S) / 2), sx(x0 + mx), sy(y0 + my), SW(W - 2 * mx),
          SH(H - 2 * my), S3(S / 3), q(static_cast<int32_t>(0.8 * H)), half(y0 + H / 2), A((W - S3) / 2),
          D((H - S3) / 2)
    {
    }
    int32_t l, t, r, b;
    int32_t W, H, x0, y0, S, mx, my, sx, sy, SW, SH, S3, q, half, A, D;
};

class Pen {
public:
    Pen(CDC* dc, COLORREF color) : dc_(dc), color_(color) {}
    void Fill(int32_t x, int32_t y, int32_t width, int32_t height) const { FillBox(dc_, x, y, width, height, color_); }
    void Dot(int32_t x, int32_t y) const { Fill(x, y, 2, 2); }

private:
    CDC* dc_;
    COLORREF color_;
};

using GlyphPainter = void (*)(const Terms&, const Pen&);

void Underscore(const Terms& g, const Pen& p)
{
    p.Fill(g.x0, g.y0 + g.q, g.W, 2);
}

void Period(const Terms& g, const Pen& p)
{
    p.Fill(g.r - 3, g.y0 + g.q, 2, 2);
}

void Transform(const Terms& g, const Pen& p)
{
    p.Fill(g.x0, g.t + 2, g.r - g.l - 3, 2);
    p.Fill(g.l + 2, g.t + 2, 1, 3);
    p.Fill(g.l + 3, g.t + 2, 1, 4);
    p.Fill(g.l + 4, g.t + 2, 1, 5);
    const int32_t u = g.t + g.q;
    p.Fill(g.l + 2, u + 1, g.r - g.l - 3, 2);
    p.Fill(g.r - 3, u, 1, 3);
    p.Fill(g.r - 4, u - 1, 1, 4);
    p.Fill(g.r - 5, u - 2, 1, 5);
}

void Cross(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.sx + k < g.r - 1 && g.sy + k < g.b - 2; ++k)
        p.Dot(g.sx + k, g.sy + k);
    for (int32_t k = 0; g.r - 3 - g.mx - k >= g.x0 && g.sy + k < g.b - 2; ++k)
        p.Dot(g.r - 3 - g.mx - k, g.sy + k);
}

void Window(const Terms& g, const Pen& p)
{
    p.Fill(g.sx, g.sy, g.SW, 3);
    p.Fill(g.r - g.mx - 2, g.sy, 1, g.SH);
    p.Fill(g.sx, g.b - g.my - 2, g.SW, 1);
    p.Fill(g.sx, g.sy, 1, g.SH);
}

void Restore(const Terms& g, const Pen& p)
{
    const int32_t d = g.W - 3;
    const int32_t e = g.H - 3;
    const int32_t Y = EvenFloor(std::min(d, e));
    const int32_t z = (d - Y) / 2;
    const int32_t pad = (e - Y) / 2;
    const int32_t L = g.l + z;
    const int32_t R = g.r - z;
    const int32_t w = g.r - g.l - 2 * z - 5;
    const int32_t h = g.b - g.t - 2 * pad - 5;
    p.Fill(L + 1, g.t + pad + 4, w, 2);
    p.Fill(R - 5, g.t + pad + 4, 1, h);
    p.Fill(L + 1, g.b - pad - 2, w, 1);
    p.Fill(L + 1, g.t + pad + 4, 1, h);
    p.Fill(L + 4, g.t + pad + 1, w, 2);
    p.Fill(R - 2, g.t + pad + 1, 1, h);
    p.Fill(R - 3, g.b - pad - 5, 1, 1);
}

void Play(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.sx + 2 * k < g.r - 1 && g.sy + k < g.half; ++k)
        p.Fill(g.sx + 2 * k, g.sy + k, 2, g.SH - 2 * k);
}

void Pause(const Terms& g, const Pen& p)
{
    const int32_t P = (g.W - g.S / 4) / 2;
    p.Fill(g.sx, g.sy, P - g.mx, g.SH);
    p.Fill(g.r - P - 1, g.sy, P - g.mx, g.SH);
}

void Stop(const Terms& g, const Pen& p)
{
    p.Fill(g.sx, g.sy, g.SW, g.SH);
}

// The speaker's corner, centred with odd spare room going right and down.
void SpeakerOrigin(const Terms& g, int32_t* u, int32_t* v)
{
    const int32_t spareX = g.r - g.l - 9;
    const int32_t spareY = g.b - g.t - 9;
    *u = g.l + spareX / 2 + (spareX % 2 != 0 ? 1 : 0);
    *v = g.t + spareY / 2 + (spareY % 2 != 0 ? 1 : 0);
}

void SpeakerBody(const Pen& p, int32_t U, int32_t V)
{
    p.Fill(U, V + 2, 2, 5);
    p.Fill(U + 2, V + 1, 1, 7);
    p.Fill(U + 3, V, 1, 9);
}

void Speaker(const Terms& g, const Pen& p)
{
    int32_t U = 0;
    int32_t V = 0;
    SpeakerOrigin(g, &U, &V);
    SpeakerBody(p, U, V);
    p.Fill(U + 7, V, 1, 1);
    p.Fill(U + 6, V + 1, 1, 1);
    p.Fill(U + 5, V + 2, 1, 1);
    p.Fill(U + 5, V + 4, 3, 1);
    p.Fill(U + 5, V + 6, 1, 1);
    p.Fill(U + 6, V + 7, 1, 1);
    p.Fill(U + 7, V + 8, 1, 1);
}

void Mute(const Terms& g, const Pen& p)
{
    int32_t U = 0;
    int32_t V = 0;
    SpeakerOrigin(g, &U, &V);
    SpeakerBody(p, U, V);
    p.Fill(U + 6, V, 2, 9);
}

void Right(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.l + g.A + k + 1 < g.r - 1 && g.sy + k < g.half; ++k) {
        p.Dot(g.l + g.A + k, g.sy + k);
        p.Dot(g.l + g.A + k, g.t + g.b - g.sy - k - 2);
    }
}

void RightRight(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.l + g.A + 1 + k < g.r - 1 && g.sy + k < g.half; ++k) {
        const int32_t y = g.sy + k;
        p.Dot(g.l + g.A - 3 + k, y);
        p.Dot(g.l + g.A - 3 + k, g.t + g.b - y - 2);
        p.Dot(g.l + g.A + 3 + k, y);
        p.Dot(g.l + g.A + 3 + k, g.t + g.b - y - 2);
    }
}

void Left(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.x0 < g.r - 2 - g.A - k && g.sy + k < g.half; ++k) {
        p.Dot(g.r - 2 - g.A - k, g.sy + k);
        p.Dot(g.r - 2 - g.A - k, g.t + g.b - g.sy - k - 2);
    }
}

void LeftLeft(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.x0 < g.r - 2 - g.A - k && g.sy + k < g.half; ++k) {
        const int32_t y = g.sy + k;
        for (const int32_t x : {g.r - 5 - g.A - k, g.r + 1 - g.A - k}) {
            p.Dot(x, y);
            p.Dot(x, g.t + g.b - y - 2);
        }
    }
}

void Down(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.sx + k < g.x0 + g.W / 2 && g.y0 + g.D + k < g.b - 1; ++k) {
        p.Dot(g.sx + k, g.y0 + g.D - 1 + k);
        p.Dot(g.l + g.r - g.sx - k - 2, g.y0 + g.D - 1 + k);
    }
}

void Up(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.sx + k < g.x0 + g.W / 2 && g.y0 < g.b - 2 - g.D - k; ++k) {
        p.Dot(g.sx + k, g.b - 2 - g.D - k);
        p.Dot(g.l + g.r - g.sx - k - 2, g.b - 2 - g.D - k);
    }
}

void ThumbLineV(const Terms& g, const Pen& p)
{
    p.Fill(g.l + (g.W - 3) / 2 + 1, g.y0, 1, g.H);
    p.Fill(g.l + (g.W - 3) / 2 + 3, g.y0, 1, g.H);
}

void ThumbLineH(const Terms& g, const Pen& p)
{
    p.Fill(g.x0, g.t + (g.H - 3) / 2 + 1, g.W, 1);
    p.Fill(g.x0, g.t + (g.H - 3) / 2 + 3, g.W, 1);
}

// The bar thickness of the minus and plus signs.
int32_t SignThickness(const Terms& g)
{
    return std::max(1, EvenFloor(std::min(g.W, g.H) / 5));
}

void Minus(const Terms& g, const Pen& p)
{
    const int32_t m = (g.H - SignThickness(g)) / 2;
    p.Fill(g.sx, g.t + m + 1, g.SW, g.b - g.t - 2 * m - 2);
}

void Plus(const Terms& g, const Pen& p)
{
    Minus(g, p);
    const int32_t n = (g.W - SignThickness(g)) / 2;
    p.Fill(g.l + n + 1, g.sy, g.r - g.l - 2 * n - 2, g.SH);
}

void PlusMinus(const Terms& g, const Pen& p)
{
    const int32_t T = SignThickness(g);
    const int32_t m = (g.H - T) / 2;
    const int32_t n = (g.W - T) / 2;
    p.Fill(g.sx, g.t + 1 + 2 * m - g.my, g.SW, g.b - g.t - 2 * m - 2);
    p.Fill(g.sx, g.y0 + (g.H - T) / 3, g.SW, g.b - g.t - 2 * m - 2);
    p.Fill(g.l + n + 1, g.sy, g.r - g.l - 2 * n - 2, g.SH * 7 / 10);
}

void Check(const Terms& g, const Pen& p)
{
    const int32_t U = g.l + (g.r - g.l - 9) / 2;
    const int32_t V = g.t + (g.b - g.t - 9) / 2;
    const int32_t rise[7] = {3, 4, 5, 4, 3, 2, 1};
    for (int32_t i = 0; i < 7; ++i)
        p.Fill(U + 1 + i, V + rise[i], 1, 3);
}

void Next(const Terms& g, const Pen& p)
{
    int32_t last = -1;
    for (int32_t k = 0; g.l + g.A + k - 1 < g.r - 1 && g.sy + k < g.half; ++k) {
        p.Fill(g.l + g.A - 2 + k, g.sy + k, 2, g.SH - 2 * k);
        last = k;
    }
    if (last >= 0)
        p.Fill(g.l + g.A + last + 1, g.sy, 2, g.S);
}

void Prev(const Terms& g, const Pen& p)
{
    bool drawn = false;
    int32_t leftmost = 0;
    for (int32_t k = 0; g.x0 < g.r - g.A - k && g.sy + k < g.half; ++k) {
        leftmost = g.r - g.A - k;
        p.Fill(leftmost, g.sy + k, 2, g.SH - 2 * k);
        drawn = true;
    }
    if (drawn)
        p.Fill(leftmost - 3, g.sy, 2, g.S);
}

void Resizer(const Terms& g, const Pen& p)
{
    p.Dot(g.r, g.b - 8);
    p.Dot(g.r, g.b - 4);
    p.Dot(g.r - 4, g.b - 4);
    p.Dot(g.r, g.b);
    p.Dot(g.r - 4, g.b);
    p.Dot(g.r - 8, g.b);
}

void TreeOpen(const Terms& g, const Pen& p)
{
    for (int32_t k = 0; g.sx + k < g.x0 + g.W / 2 && g.sy + 2 * k < g.b - 1; ++k)
        p.Fill(g.sx + k, g.sy + 2 * k, g.SW - 2 * k, 2);
}

void TurnRight(const Terms& g, const Pen& p)
{
    p.Fill(g.sx, g.sy, 2, g.S);
    p.Fill(g.sx, g.sy, g.S, 2);
    for (int32_t k = 0; k <= g.S3; ++k)
        p.Dot(g.l + g.mx + g.S - 1 - k, g.sy + k);
}

void TurnLeft(const Terms& g, const Pen& p)
{
    p.Fill(g.l + g.mx + g.S - 1, g.sy, 2, g.S);
    p.Fill(g.l + g.mx + 1, g.sy, g.S, 2);
    for (int32_t k = 2; k <= g.S3 + 1; ++k)
        p.Dot(g.l + g.mx + k, g.sy + k - 1);
}

void OnTop(const Terms& g, const Pen& p)
{
    const int32_t c = g.l + (g.r - g.l - 4) / 2;
    p.Fill(c + 1, g.y0, 2, g.H);
    for (int32_t i = 0; i < 4; ++i) {
        p.Dot(c - i, g.t + 2 + i);
        p.Dot(c + 2 + i, g.t + 2 + i);
    }
}

// The two corners of the fit glyphs: the top-left arm and the bottom-right one.
void FitCorners(const Terms& g, const Pen& p, bool inward)
{
    const int32_t a = g.W / 3;
    const int32_t e = g.H / 3;
    const int32_t gy = g.y0 + e;
    const int32_t m = g.r - a - 3;
    const int32_t n = g.b - a - 3;
    if (inward) {
        p.Fill(g.x0, gy, a + 2, 2);
        p.Fill(g.x0 + a, g.y0, 2, e + 2);
    } else {
        p.Fill(g.x0, g.y0, a + 2, 2);
        p.Fill(g.x0, g.y0, 2, e + 2);
    }
    for (int32_t k = 0; k <= a && g.y0 + k <= gy; ++k)
        p.Dot(g.x0 + k, g.y0 + k);
    if (inward) {
        p.Fill(m, n, a + 2, 2);
        p.Fill(m, n, 2, a + 2);
    } else {
        p.Fill(m, g.b - 3, a + 2, 2);
        p.Fill(g.r - 3, n, 2, a + 2);
    }
    for (int32_t k = 0; m + k <= g.r - 3 && g.b - g.r + m + k <= g.b - 3; ++k)
        p.Dot(m + k, g.b - g.r + m + k);
}

void FitWindow(const Terms& g, const Pen& p)
{
    FitCorners(g, p, true);
}

void FitToWindow(const Terms& g, const Pen& p)
{
    FitCorners(g, p, false);
}

void Palm(const Terms& g, const Pen& p)
{
    const int32_t h = g.y0 + g.H / 2;
    const int32_t f = g.H / 2 - 3;
    p.Fill(g.l + 4, h, g.r - g.l - 8, 1);
    p.Fill(g.l + 3, h + 1, g.r - g.l - 6, g.b - 3 - h);
    p.Fill(g.l + 4, g.b - 2, g.r - g.l - 8, 1);
    p.Fill(g.l + 2, g.t + 3, 2, 1);
    p.Fill(g.x0, g.t + 4, 3, f);
    p.Fill(g.l + 6, g.y0, 2, 1);
    p.Fill(g.l + 5, g.t + 2, 4, f);
    p.Fill(g.l + 6, g.t + g.H / 2 - 1, 2, 1);
    p.Fill(g.l + 10, g.t + 3, 2, 1);
    p.Fill(g.l + 10, g.t + 4, 3, f);
}

void KeepRatio(const Terms& g, const Pen& p)
{
    const int32_t hi = g.b - g.t - 8;
    const int32_t ho = g.b - g.t - 6;
    p.Fill(g.x0, g.t + 4, 1, hi);
    p.Fill(g.l + 2, g.t + 3, 1, ho);
    p.Fill(g.l + 3, g.t + 3, 2, 2);
    p.Fill(g.l + 3, g.b - 5, 2, 2);
    p.Fill(g.l + 5, g.t + 3, 1, ho);
    p.Fill(g.l + 6, g.t + 4, 1, hi);
    p.Fill(g.r - 2, g.t + 4, 1, hi);
    p.Fill(g.r - 3, g.t + 3, 1, ho);
    p.Fill(g.r - 5, g.t + 3, 2, 2);
    p.Fill(g.r - 5, g.b - 5, 2, 2);
    p.Fill(g.r - 6, g.t + 3, 1, ho);
    p.Fill(g.r - 7, g.t + 4, 1, hi);
}

struct Glyph {
    const wchar_t* name;
    GlyphPainter paint;
};

// Compared in this order, case-sensitively.
const Glyph kGlyphs[] = {
    {L"#_", Underscore},
    {L"#.", Period},
    {L"#Transform", Transform},
    {L"#X", Cross},
    {L"#\x25A1", Window},
    {L"#\x2199", Restore},
    {L"#Play", Play},
    {L"#TreeClosed", Play},
    {L"#Pause", Pause},
    {L"#Stop", Stop},
    {L"#Speaker", Speaker},
    {L"#Mute", Mute},
    {L"#Right", Right},
    {L"#RightRight", RightRight},
    {L"#Left", Left},
    {L"#LeftLeft", LeftLeft},
    {L"#Down", Down},
    {L"#Up", Up},
    {L"#ThumbLineV", ThumbLineV},
    {L"#ThumbLineH", ThumbLineH},
    {L"#Minus", Minus},
    {L"#Plus", Plus},
    {L"#PlusMinus", PlusMinus},
    {L"#Check", Check},
    {L"#Next", Next},
    {L"#Prev", Prev},
    {L"#Resizer", Resizer},
    {L"#TreeOpen", TreeOpen},
    {L"#TurnRight", TurnRight},
    {L"#TurnLeft", TurnLeft},
    {L"#OnTop", OnTop},
    {L"#FitWindow", FitWindow},
    {L"#FitToWindow", FitToWindow},
    {L"#Palm", Palm},
    {L"#KeepRatio", KeepRatio},
};

// The colour of a "#Color-" text: the first eight hexadecimal digits as a number whose low 24
// bits are a COLORREF. False unless at least one digit and nothing but digits follow the prefix.
bool ParseSwatch(const wchar_t* text, COLORREF* color)
{
    const size_t prefix = sizeof(kSwatchPrefix) / sizeof(wchar_t) - 1;
    if (std::wcsncmp(text, kSwatchPrefix, prefix) != 0 || text[prefix] == L'\0')
        return false;
    uint32_t value = 0;
    int32_t digits = 0;
    for (const wchar_t* c = text + prefix; *c; ++c, ++digits) {
        const int32_t digit = str::numtext::HexValue(*c);
        if (digit < 0)
            return false;
        if (digits < 8)
            value = (value << 4) | static_cast<uint32_t>(digit);
    }
    *color = value & 0xFFFFFF;
    return true;
}

} // namespace

bool Thin::DrawGlyph(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                     int32_t red, int32_t green, int32_t blue)
{
    if (!text || text[0] != L'#')
        return false;
    // A rectangle too small or too large for the shape still names it: nothing is drawn, and the
    // caption is not shown as text either.
    const bool paintable = CanPaint(dc, left, top, right, bottom) && right - left <= kMaxGlyphSize &&
                           bottom - top <= kMaxGlyphSize;
    for (const Glyph& glyph : kGlyphs) {
        if (std::wcscmp(text, glyph.name) != 0)
            continue;
        if (paintable)
            glyph.paint(Terms(left, top, right, bottom), Pen(dc, ComposeColor(red, green, blue)));
        return true;
    }
    COLORREF swatch = 0;
    if (!ParseSwatch(text, &swatch))
        return false;
    if (paintable) {
        FillBox(dc, left + 1, top + 1, right - left - 2, bottom - top - 2, RGB(0, 0, 0));
        FillBox(dc, left + 2, top + 2, right - left - 4, bottom - top - 4, swatch);
    }
    return true;
}

} // namespace win
} // namespace button
} // namespace drawer
} // namespace gui
} // namespace s
