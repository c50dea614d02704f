#pragma once

namespace s {
namespace image {

typedef void (*InfoBoxFunction)(const wchar_t* text);

// Shows an information box for the image library (printing failures). The library sits below the
// toolkit, so the box is passed in from above: by default it is the application's box
// (AfxMessageBox with MB_ICONINFORMATION, the box the toolkit's ShowInfoMessage shows).
void ShowInfoBox(const wchar_t* text);

// Installs the function that shows the box and returns the one it replaces; null restores the default.
InfoBoxFunction SetInfoBoxFunction(InfoBoxFunction function);

} // namespace image
} // namespace s
