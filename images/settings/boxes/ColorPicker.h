#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/IPoolable.h"
#include "core/thread/PooledClass.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace gui {
class IWindow;
class IComponent;
class IButton;
class ITextField;
namespace win {
class Box;
}
namespace dialogs {
namespace win {
class ColorPicker;
}
} // namespace dialogs
} // namespace gui

namespace image {
namespace gui {
namespace boxes {

// The panels' colour well: the colour as six hex digits to type, a swatch, and a button that
// opens the system colour dialog. Listeners hear (this well, 0) when the colour changes.
class ColorPicker
    : public thread::PooledClass<ColorPicker, s::gui::events::IEventListener, base::IObject, thread::IPoolable> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_ColorPicker";
    static constexpr uint32_t kWhite = 0xFFFFFF;

    ColorPicker();
    ~ColorPicker() override;

    void Reset() override;

    // From the button: the colour dialog; from the text field: six hex digits of a new colour.
    void OnEvent(base::IObject* source, int32_t code) override;

    // The row "# ", hex field, swatch and button; null when a widget cannot be had. The button
    // and the field start disabled.
    s::gui::IComponent* Build();
    // The colour shown in the field (without telling its listeners) and the swatch.
    void ShowColor();

    void SetWindow(s::gui::IWindow* window) { window_ = window; }
    // 0xRRGGBB.
    uint32_t GetColor() const { return color_; }
    void SetColor(uint32_t color) { color_ = color & kWhite; }
    void AddListener(s::gui::events::IEventListener* listener);

    s::gui::IButton* GetButton() { return button_; }
    s::gui::ITextField* GetTextField() { return field_; }
    s::gui::win::Box* GetSwatch() { return swatch_; }

    // Six upper-case hex digits of the colour, red first.
    static void FormatHex(uint32_t color, wchar_t (&text)[7]);
    // True with the colour for exactly six hex digits of either case.
    static bool ParseHex(const wchar_t* text, uint32_t* color);
    // The components of a colour, and the colour of the components' low bytes.
    static int32_t RedByte(uint32_t color) { return static_cast<int32_t>(color >> 16 & 0xFF); }
    static int32_t GreenByte(uint32_t color) { return static_cast<int32_t>(color >> 8 & 0xFF); }
    static int32_t BlueByte(uint32_t color) { return static_cast<int32_t>(color & 0xFF); }
    static uint32_t FromBytes(int32_t red, int32_t green, int32_t blue)
    {
        return static_cast<uint32_t>(red & 0xFF) << 16 | static_cast<uint32_t>(green & 0xFF) << 8 |
               static_cast<uint32_t>(blue & 0xFF);
    }

private:
    ColorPicker(const ColorPicker&) = delete;
    ColorPicker& operator=(const ColorPicker&) = delete;

    void PaintSwatch();
    void ChooseInDialog();
    void TellListeners();

    s::gui::IWindow* window_;
    s::gui::IComponent* root_;
    s::gui::win::Box* swatch_;
    s::gui::IButton* button_;
    s::gui::ITextField* field_;
    uint32_t color_;
    s::gui::dialogs::win::ColorPicker* dialog_;
    col::_array::ArrayP listeners_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
