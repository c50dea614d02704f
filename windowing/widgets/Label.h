#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/component/Component.h"
#include "windowing/component/SkinLink.h"
#include "storage/events/IEventListener.h"
#include "windowing/paint/Font.h"
#include "windowing/widgets/ILabel.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace drawer {
namespace text {
namespace win {
class Basic;
}
} // namespace text
} // namespace drawer
namespace win {

// The toolkit's text widget (see ILabel): a transparent child window of the toolkit class that
// measures its text through a text drawer, paints it off-screen over its parent's background
// and copies it to the screen in one block transfer.
class Label : public Component<ILabel>, public thread::IPoolable, public events::IEventListener {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_Label";
    static constexpr int32_t kPoolCapacity = 1000;
    // Widths beyond this are measured each time instead of growing the per-width caches.
    static constexpr int32_t kCachedWidthLimit = 65536;

    // How a link opens its target; replaceable so that no test starts a browser.
    using ShellOpener = bool (*)(const wchar_t* target);

    Label();
    ~Label() override;

    static thread::EasyPooler* GetPool();
    static Label* New();
    // A label from the pool with its text id, word wrap and size code; null when none could be
    // made.
    static Label* Create(int32_t textId, bool wordWrap, int32_t sizeCode);
    // The previous opener; null puts the shell's back.
    static ShellOpener SetShellOpener(ShellOpener opener);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Back to a new label's state: no window, marked visible and enabled, no text.
    void Reset() override;

    // A change of language: the text of the id is read again. A new current skin of the
    // window's skin manager: its text drawer is taken on the label's own thread.
    void OnEvent(base::IObject* source, int32_t code) override;

    // ILabel
    void SetTextId(int32_t textId) override;
    int32_t GetTextId() override;
    bool SetText(const wchar_t* text, bool redraw) override;
    const wchar_t* GetText() override;
    void ShowTemporaryText(const wchar_t* text, int32_t periodMillis) override;
    IFont* GetFont() override;
    void SetFontPreset(int32_t code) override;
    void SetFontSize(int32_t points) override;
    void SetFontBold(bool bold) override;
    void SetFontOutline(int32_t style) override;
    void SetFontAttribute1(bool on) override;
    void SetFontAttribute2(bool on) override;
    void SetTextDrawer(drawer::IText* drawer, bool owned) override;
    drawer::IText* GetTextDrawer() override;
    IFont* GetDisabledFont() override;
    IFont* GetLinkFont() override;
    void SetLinkColors(COLORREF normal, COLORREF hover) override;
    IFont* GetHoverFont() override;
    IFont* GetPressedFont() override;
    void SetLink(bool link) override;
    bool IsLink() override;
    void SetLinkTarget(const wchar_t* target) override;
    void AddClickListener(events::IEventListener* listener) override;
    int32_t GetHoverState() override;

    // The component operations where a label differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    void SetEnabled(bool enabled) override;
    // Measures the text wrapped at the width (below 0 as 0) and takes that size; the height is
    // not used.
    void SetLayoutSize(int32_t width, int32_t height) override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The records of the label's private messages, on the sender's stack.
    struct TextChange {
        const wchar_t* text;
        bool redraw;
    };
    struct TemporaryText {
        const wchar_t* text;
        bool redraw;
        UINT periodMillis;
    };

    // Applies a text on the label's thread (or at once without a window).
    bool ApplyText(const wchar_t* text, bool redraw);
    void ApplyTemporaryText(const wchar_t* text, UINT periodMillis);
    void RestoreKeptText();
    // Empties the per-width caches and measures the four size limits.
    void Measure();
    void Paint();
    // The font of the current state, for painting.
    IFont* PaintFont();
    Font* StateFont(Font** slot);
    void ReleaseStateFonts();
    // Lets the drawer prepare the label's font and the state fonts made so far.
    void ApplyDrawerToFonts();
    template <class Change>
    void ChangeFonts(Change change, bool stateFontsToo);
    void HandleMouseMove(WPARAM wParam, LPARAM lParam);
    void HandleButtonDown(LPARAM lParam);
    void HandleButtonUp(LPARAM lParam);
    bool IsInside(LPARAM lParam);
    void SetHoverState(int32_t state);
    void TellClickListeners();
    void JoinLocalizer();
    void LeaveLocalizer();
    // The joined manager's current text drawer; null without a current skin.
    drawer::IText* SkinTextDrawer();
    // The skin's text drawer, not owned (the label's own without a current skin); measures and
    // repaints.
    void TakeSkinDrawer();
    // Stores the drawer and lets it prepare the fonts; no measuring.
    void StoreDrawer(drawer::IText* drawer, bool owned);
    void ResetLabel();

    str::strbuffer::StrBuffer* text_;
    str::strbuffer::StrBuffer* keptText_;
    // Set from the first temporary text until the kept text is back, so that a label whose
    // text was empty keeps that empty text too.
    bool temporaryShowing_;
    int32_t textId_;
    Font font_;
    Font* disabledFont_;
    Font* linkFont_;
    Font* hoverFont_;
    Font* pressedFont_;
    drawer::text::win::Basic* ownDrawer_;
    drawer::IText* drawer_;
    bool ownsDrawer_;
    bool link_;
    bool ownLinkColors_;
    COLORREF linkColor_;
    COLORREF hoverLinkColor_;
    str::strbuffer::StrBuffer* linkTarget_;
    col::_array::ArrayP clickListeners_;
    int32_t hoverState_;
    bool pressed_;
    // Measured width and height per layout width; -1 where not measured yet.
    col::_array::ArrayS32 widthCache_;
    col::_array::ArrayS32 heightCache_;
    lang::Localizer* localizer_;
    SkinLink skinLink_;
};

} // namespace win
} // namespace gui
} // namespace s
