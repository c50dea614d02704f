#include "windowing/paint/ColorSpace.h"

namespace s {
namespace gui {
namespace color {

namespace {

const int32_t kDegreesPerSextant = 60;
const int32_t kFullCircle = 360;

void Put(int32_t* slot, int32_t value)
{
    if (slot)
        *slot = value;
}

void PutRgb(int32_t* red, int32_t* green, int32_t* blue, int32_t r, int32_t g, int32_t b)
{
    Put(red, r);
    Put(green, g);
    Put(blue, b);
}

// One channel of HSL to RGB from its hue position t.
double HslChannel(double p, double q, double t)
{
    if (t < 0.0)
        t += 1.0;
    if (t > 1.0)
        t -= 1.0;
    if (6.0 * t < 1.0)
        return p + (q - p) * 6.0 * t;
    if (2.0 * t < 1.0)
        return q;
    if (3.0 * t < 2.0)
        return p + (q - p) * (2.0 / 3.0 - t) * 6.0;
    return p;
}

} // namespace

void HsvToRgb(int32_t hue, int32_t saturation, int32_t value, int32_t* red, int32_t* green, int32_t* blue)
{
    const int32_t v = static_cast<int32_t>(static_cast<float>(value * 255) / 100.0f);
    if (saturation == 0) {
        PutRgb(red, green, blue, v, v, v);
        return;
    }
    // A negative hue would fall into sextant 0 by the truncating division and give a channel
    // below 0: it writes nothing, as a hue past the circle does.
    if (hue < 0 || hue >= kFullCircle)
        return;
    const int32_t m = static_cast<int32_t>(static_cast<float>((100 - saturation) * v) / 100.0f);
    const int32_t d = v - m;
    auto t = [d](int32_t k) { return static_cast<int32_t>(static_cast<float>(k * d) / 60.0f); };
    switch (hue / kDegreesPerSextant) {
    case 0:
        PutRgb(red, green, blue, v, m + t(hue), m);
        break;
    case 1:
        PutRgb(red, green, blue, v - t(hue - 60), v, m);
        break;
    case 2:
        PutRgb(red, green, blue, m, v, m + t(hue - 120));
        break;
    case 3:
        PutRgb(red, green, blue, m, v - t(hue - 180), v);
        break;
    case 4:
        PutRgb(red, green, blue, m + t(hue - 240), m, v);
        break;
    case 5:
        PutRgb(red, green, blue, v, m, v - t(hue - 300));
        break;
    default:
        break;
    }
}

void RgbToHsl(int32_t red, int32_t green, int32_t blue, int32_t* hue, int32_t* saturation, int32_t* lightness)
{
    const double r = red / 255.0;
    const double g = green / 255.0;
    const double b = blue / 255.0;
    const double max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    const double min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    const double l = (max + min) / 2.0;
    double h = 0.0;
    double s = 0.0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2.0 - max - min);
        if (r == max)
            h = (g - b) / d;
        else if (g == max)
            h = (b - r) / d + 2.0;
        else
            h = (r - g) / d + 4.0;
        h /= 6.0;
        if (h < 0.0)
            h += 1.0;
    }
    int32_t degrees = static_cast<int32_t>(h * kFullCircle);
    while (degrees < 0)
        degrees += kFullCircle;
    while (degrees > kFullCircle - 1)
        degrees -= kFullCircle;
    Put(hue, degrees);
    Put(saturation, static_cast<int32_t>(s * 100.0));
    Put(lightness, static_cast<int32_t>(l * 100.0));
}

void HslToRgb(int32_t hue, int32_t saturation, int32_t lightness, int32_t* red, int32_t* green, int32_t* blue)
{
    const double s = saturation / 100.0;
    const double l = lightness / 100.0;
    if (s == 0.0) {
        const int32_t grey = static_cast<int32_t>(l * 255.0);
        PutRgb(red, green, blue, grey, grey, grey);
        return;
    }
    const double q = l <= 0.5 ? (1.0 + s) * l : l + s - l * s;
    const double p = 2.0 * l - q;
    const double h = hue / 360.0;
    PutRgb(red, green, blue, static_cast<int32_t>(HslChannel(p, q, h + 1.0 / 3.0) * 255.0),
           static_cast<int32_t>(HslChannel(p, q, h) * 255.0),
           static_cast<int32_t>(HslChannel(p, q, h - 1.0 / 3.0) * 255.0));
}

} // namespace color
} // namespace gui
} // namespace s
