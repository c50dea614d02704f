#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/Brush.h"
#include "mfc/Button.h"
#include "mfc/DC.h"
#include "storage/events/IEventListener.h"
#include "windowing/component/Component.h"
#include "windowing/component/SkinLink.h"
#include "windowing/paint/Font.h"
#include "windowing/paint/FontSetting.h"
#include "windowing/widgets/IButton.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace win {

// The toolkit's push button (see IButton) over the system's button control, whose click and
// colour notifications come back to it reflected by the toolkit's window class. It paints
// through the skin's drawer when it has one, as the dot grip for "#Resizer", else natively. In a
// window with a skin manager it takes the current skin's button drawer and follows each change.
class Button : public Component<IButton, CButton>, public thread::IPoolable, public events::IEventListener {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_Button";
    // A button given back is destroyed, never kept.
    static constexpr int32_t kPoolCapacity = 0;
    static constexpr UINT kControlId = 1000;
    static constexpr UINT_PTR kFirstRepeatTimer = 20001;
    static constexpr UINT_PTR kRepeatTimer = 20002;
    static constexpr UINT kFirstRepeatMillis = 500;
    static constexpr UINT kRepeatMillis = 100;
    static constexpr const wchar_t* kResizerCaption = L"#Resizer";
    // The grip's dot colours.
    static constexpr COLORREF kGripDot = 0xA1B5B8;
    static constexpr COLORREF kGripLight = 0xFFFFFF;
    // How far in from each edge a drawer paints a text caption: its frame and its push shift.
    static constexpr int32_t kDrawnCaptionInset = 2;
    // What the button tells its own window from other threads.
    static constexpr UINT kMakeDefault = WM_USER + 1;
    static constexpr UINT kMakeNotDefault = WM_USER + 2;

    Button();
    ~Button() override;

    static thread::EasyPooler* GetPool();
    static Button* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // IButton
    void SetCaption(const wchar_t* caption) override;
    const wchar_t* GetCaption() override;
    void SetCaptionTextId(int32_t id) override;
    void SetColorSwatch(int32_t red, int32_t green, int32_t blue) override;
    void SetDrawer(drawer::IButton* drawer, bool owned) override;
    void SetHighlight(bool highlight) override;
    void SetToggleMode(bool toggles, bool canUncheck, bool invertLook, bool drawerFlag) override;
    void SetAutoRepeat(bool autoRepeat) override;
    bool IsChecked() override;
    void SetChecked(bool checked) override;
    void SetDefaultButton() override;
    void ClearDefaultButton() override;
    bool IsDefaultButton() override;
    void SetFixedSize(int32_t width, int32_t height) override;
    // A width in percent of the parent's client width; the next layout uses it.
    void SetWidthPercent(int32_t percent) { this->widthPercent_ = percent; }
    void AddClickListener(events::IEventListener* listener) override;
    void AddToggleListener(events::IEventListener* listener) override;
    void AddPressListener(events::IEventListener* listener) override;

    // The font settings of the three looks: normal, disabled, checked.
    FontSetting* GetNormalFontSetting() { return &normalSetting_; }
    FontSetting* GetDisabledFontSetting() { return &disabledSetting_; }
    FontSetting* GetCheckedFontSetting() { return &checkedSetting_; }
    // The skin's drawer or one set explicitly; null when Windows paints the button.
    drawer::IButton* GetDrawer() { return drawer_; }
    // The hover state: 0 normal, 1 hover, 2 pressed.
    int32_t GetHoverState() { return hoverState_; }

    // A new current skin of the window's skin manager.
    void OnEvent(base::IObject* source, int32_t code) override;

    // The component operations where a button differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    void AfterMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT result) override;

private:
    enum ListenerList { kClick, kAfterClick, kPress, kListenerLists };

    bool PaintsItself();
    bool IsResizer();
    void Measure();
    // Gives back a font made for one measuring or painting.
    static void ReleaseFont(IFont* font);
    void FitDrawnCaption(IFont* font, SIZE* size);
    void Paint();
    void PaintGrip(CDC* dc, int32_t width, int32_t height);
    void Tell(ListenerList list, int32_t code);
    void Press();
    void Click();
    bool IsInside(LPARAM lParam);
    POINT ScreenPoint(LPARAM lParam);
    void HandleButtonDown(LPARAM lParam);
    void HandleButtonUp(LPARAM lParam);
    void HandleMouseMove(WPARAM wParam, LPARAM lParam);
    // Resizes the top-level window by the move from the last point to this one.
    void ResizeWindow(POINT point);
    bool HandleTimer(UINT_PTR id);
    void HandleWheel(WPARAM wParam, LPARAM lParam);
    void SetDefaultStyle(bool on);
    void TakeSkinDrawer();
    void ResetButton();

    str::strbuffer::StrBuffer* caption_;
    int32_t captionTextId_;
    FontSetting normalSetting_;
    FontSetting disabledSetting_;
    FontSetting checkedSetting_;
    Font font_;
    bool fontMade_;
    drawer::IButton* drawer_;
    bool drawerOwned_;
    CBrush brush_;
    bool autoRepeat_;
    bool pressed_;
    POINT lastPoint_;
    int32_t hoverState_;
    bool highlight_;
    bool toggles_;
    bool canUncheck_;
    bool invertLook_;
    bool drawerFlag_;
    bool checked_;
    bool defaultButton_;
    col::_array::ArrayP listeners_[kListenerLists];
    SkinLink skinLink_;
};

} // namespace win
} // namespace gui
} // namespace s
