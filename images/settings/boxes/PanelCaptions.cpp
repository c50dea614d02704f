#include "images/settings/boxes/PanelCaptions.h"

#include "storage/lang/Localizer.h"
#include "windowing/IWindow.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

bool HasLanguageText(s::gui::IWindow* window, int32_t id)
{
    if (!window || !window->HasLocalizer() || !window->GetLocalizer())
        return false;
    const wchar_t* text = window->GetLocalizer()->GetText(id);
    return text && text[0];
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
