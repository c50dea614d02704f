#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {

class IWindow;
namespace win {
class Box;
class Button;
class Slider;
class TextField;
} // namespace win

namespace dialogs {

// One colour row of the skin colour editor: a caption, a swatch that opens the colour dialog,
// the colour as six hex digits with a Copy button, and hue, saturation and lightness sliders with
// a step button on each side. Keeps the shown colour and the saved one and tells its listener
// (code 0) after every change of the shown colour. Runs on the editor's window thread.
class SkinCustomizerClrPicker : public events::IEventListener, public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_dialogs_SkinCustomizerClrPicker";
    static const int32_t kPoolCapacity = 1000;
    // The code the listener is told with.
    static const int32_t kEventColorChanged = 0;
    // The colour of a panel no skin colour was loaded into.
    static const COLORREF kResetColor = RGB(244, 137, 162);
    static const int32_t kHueMax = 359;
    static const int32_t kPercentMax = 100;

    SkinCustomizerClrPicker();
    ~SkinCustomizerClrPicker() override;

    static thread::EasyPooler* GetPool();
    static SkinCustomizerClrPicker* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Both colours back to the reset colour; the controls are forgotten (they go with the window).
    void Reset() override;

    // Builds the controls for the owner window's thread and returns the outer box for the
    // editor's rows. The listener is stored last, so building tells nobody.
    gui::win::Box* Build(IWindow* owner, events::IEventListener* listener, const wchar_t* caption);
    // The shown colour, the swatch and the sliders; the hex text and each of hue, saturation and
    // lightness only when asked. The listener is told.
    void SetColor(COLORREF color, bool updateText, bool updateHue, bool updateSaturation, bool updateLightness);
    // The hex field's colour: exactly six hex digits, red, green and blue pairs.
    bool ParseHexText(COLORREF* color);
    void OnEvent(base::IObject* source, int32_t code) override;

    COLORREF GetColor() const { return shown_; }
    COLORREF GetSavedColor() const { return saved_; }
    void SetSavedColor(COLORREF color) { saved_ = color; }
    // Loading a skin's colours must not tell the editor; null detaches.
    events::IEventListener* GetListener() const { return listener_; }
    void SetListener(events::IEventListener* listener) { listener_ = listener; }
    int32_t GetHue() const { return hue_; }
    int32_t GetSaturation() const { return saturation_; }
    int32_t GetLightness() const { return lightness_; }

    gui::win::Box* GetPanel() { return panel_; }
    gui::win::TextField* GetHexField() { return hexField_; }
    gui::win::Button* GetSwatch() { return swatch_; }
    gui::win::Button* GetCopyButton() { return copy_; }
    gui::win::Slider* GetHueSlider() { return hueSlider_; }
    gui::win::Slider* GetSaturationSlider() { return saturationSlider_; }
    gui::win::Slider* GetLightnessSlider() { return lightnessSlider_; }
    gui::win::Button* GetHueLeft() { return hueLeft_; }
    gui::win::Button* GetHueRight() { return hueRight_; }
    gui::win::Button* GetSaturationLeft() { return saturationLeft_; }
    gui::win::Button* GetSaturationRight() { return saturationRight_; }
    gui::win::Button* GetLightnessLeft() { return lightnessLeft_; }
    gui::win::Button* GetLightnessRight() { return lightnessRight_; }

private:
    SkinCustomizerClrPicker(const SkinCustomizerClrPicker&) = delete;
    SkinCustomizerClrPicker& operator=(const SkinCustomizerClrPicker&) = delete;

    void ForgetControls();
    // The upper-case RRGGBB text of the colour.
    void FormatHex(COLORREF color, str::strbuffer::StrBuffer* text);
    void ShowSwatch();
    void ShowSliders();
    // After a slider or a step button: the colour from the three values, which stay as they are.
    void ApplyHsl();
    void OnHexChanged();
    void ChooseInDialog();
    void CopyHex();
    void Tell();

    str::strbuffer::StrBuffer* swatchCaption_;
    IWindow* owner_;
    events::IEventListener* listener_;
    COLORREF saved_;
    COLORREF shown_;
    int32_t hue_;
    int32_t saturation_;
    int32_t lightness_;
    gui::win::Box* panel_;
    gui::win::TextField* hexField_;
    gui::win::Button* swatch_;
    gui::win::Button* copy_;
    gui::win::Slider* hueSlider_;
    gui::win::Button* hueLeft_;
    gui::win::Button* hueRight_;
    gui::win::Slider* saturationSlider_;
    gui::win::Button* saturationLeft_;
    gui::win::Button* saturationRight_;
    gui::win::Slider* lightnessSlider_;
    gui::win::Button* lightnessLeft_;
    gui::win::Button* lightnessRight_;
};

} // namespace dialogs
} // namespace gui
} // namespace s
