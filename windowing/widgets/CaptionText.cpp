#include "windowing/widgets/CaptionText.h"

namespace s {
namespace gui {
namespace win {

std::wstring DoubledAmpersands(const wchar_t* text)
{
    std::wstring doubled;
    for (const wchar_t* c = text; c && *c; ++c) {
        doubled += *c;
        if (*c == L'&')
            doubled += L'&';
    }
    return doubled;
}

} // namespace win
} // namespace gui
} // namespace s
