#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace gui {
class IComponent;
class IWindow;
} // namespace gui

namespace image {
namespace gui {

// The option panel of one format's encoder setting: a widget tree a host places in its save
// dialog. Made by the setting's CreateConfigBox, read back by its ApplyConfigBox.
class IEncodeSettingBox : public base::IObject {
public:
    // The window the panel is shown in: its language gives the captions and it owns the colour
    // dialog. Not owned.
    virtual void SetWindow(s::gui::IWindow* window) = 0;
    // The root of a new widget tree showing the setting, owned by the host that places it; null
    // for a panel that has no setting yet.
    virtual s::gui::IComponent* Build() = 0;
    virtual const wchar_t* GetTitle() = 0;
    virtual void SetTitle(const wchar_t* title) = 0;
};

} // namespace gui
} // namespace image
} // namespace s
