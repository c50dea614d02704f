#include "images/InfoBox.h"

#include <windows.h>

#include <atomic>

#include "mfc/AppMessageBox.h"

namespace s {
namespace image {

namespace {

void ApplicationInfoBox(const wchar_t* text)
{
    AfxMessageBox(text, MB_ICONINFORMATION);
}

std::atomic<InfoBoxFunction> infoBox{&ApplicationInfoBox};

} // namespace

void ShowInfoBox(const wchar_t* text)
{
    infoBox.load()(text);
}

InfoBoxFunction SetInfoBoxFunction(InfoBoxFunction function)
{
    return infoBox.exchange(function ? function : &ApplicationInfoBox);
}

} // namespace image
} // namespace s
