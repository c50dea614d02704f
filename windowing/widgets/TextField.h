#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/Brush.h"
#include "mfc/Edit.h"
#include "windowing/component/Component.h"
#include "windowing/paint/Font.h"
#include "windowing/widgets/ITextField.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace win {

// The toolkit's text field (see ITextField) over the system's edit control, whose
// notifications come back to it reflected by the toolkit's window class.
class TextField : public Component<ITextField, CEdit>, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_TextField";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr UINT kControlId = 1001;
    // The content size of a created field.
    static constexpr int32_t kContentWidth = 50;
    static constexpr int32_t kContentHeight = 23;

    TextField();
    ~TextField() override;

    static thread::EasyPooler* GetPool();
    static TextField* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // ITextField
    void SetText(const wchar_t* text, bool notify) override;
    const wchar_t* GetText() override;
    void SetNotifyChanges(bool notify) override;
    bool IsNotifyChanges() override;
    void SetMinWidth(int32_t width) override;
    void AddListener(events::IEventListener* listener) override;
    void AddEnterListener(events::IEventListener* listener) override;
    void AddFocusLostListener(events::IEventListener* listener) override;
    void SetPassword(bool password) override;
    bool IsPassword() override;
    void SetSpecialBackground(bool special) override;
    IFont* GetFont() override;
    void SelectAll() override;
    void SelectAllNow() override;

    // A share of the parent's width, and fixed pixels; each stores the value for the next layout.
    void SetWidthPercent(int32_t percent) { widthPercent_ = percent; }
    void SetFixedWidth(int32_t width) { fixedWidth_ = width; }
    void SetFixedHeight(int32_t height) { fixedHeight_ = height; }

    // The component operations where a text field differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;
    bool IsEditable() override;
    void SetEditable(bool editable) override;
    int32_t GetMinWidth() override;
    int32_t GetMaxWidth() override;
    // The maximum wins over a larger minimum.
    void SetLayoutSize(int32_t width, int32_t height) override { SetLayoutSizeMaximumWinning(width, height); }

    // Enter is told to the Enter listeners and kept from the control.
    BOOL PreTranslateMessage(MSG* message) override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum ListenerList { kChange, kEnter, kFocusLost, kListenerLists };

    void Tell(ListenerList list, int32_t code);
    LRESULT AnswerColor(HDC dc);
    void TypeCharacter(UINT message, WPARAM wParam, LPARAM lParam);
    void ResetTextField();

    str::strbuffer::StrBuffer* text_;
    Font font_;
    CBrush brush_;
    bool editable_;
    bool notifyChanges_;
    // Set while the field itself sets the control's text without telling anybody.
    bool quiet_;
    bool password_;
    bool specialBackground_;
    int32_t explicitMinWidth_;
    col::_array::ArrayP listeners_[kListenerLists];
};

} // namespace win
} // namespace gui
} // namespace s
