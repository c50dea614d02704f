// The well's colour dialog.
#include "images/settings/boxes/ColorPicker.h"

#include "windowing/IWindow.h"
#include "windowing/dialogs/ColorPicker.h"
#include "windowing/widgets/ITextField.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

void ColorPicker::ChooseInDialog()
{
    if (!dialog_)
        return;
    dialog_->SetInitialColor(RedByte(color_), GreenByte(color_), BlueByte(color_));
    // Blocks this thread, the window's, until the user closes the dialog.
    if (!dialog_->Run(window_))
        return;
    color_ = dialog_->GetColor() & kWhite;
    PaintSwatch();
    if (field_) {
        wchar_t text[7];
        FormatHex(color_, text);
        field_->SetText(text, true);
    }
    TellListeners();
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
