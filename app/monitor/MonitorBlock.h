#pragma once
#include <cstdint>

#include "app/monitor/IFieldRow.h"
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace lang {
class Localizer;
}
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
class IComponent;
namespace win {
class Box;
class Counter;
class Label;
class Spacer;
} // namespace win
} // namespace gui

namespace system {
namespace counter {

// One row of the gadget: a name label and a value label, for most kinds over a counter panel
// that draws the field's meter or graph behind them. Made once per field of the catalogue and
// switched on and off by the user; refreshed through its update callback.
class MonitorBlock : public base::IObject, public thread::IPoolable, public IFieldRow {
public:
    static constexpr const wchar_t* kClassName = L"s_system_counter_MonitorBlock";
    static const int32_t kPoolCapacity = 1000;
    static const int32_t kHistoryLength = 300;
    static const int32_t kMinTextHeight = 30;
    // The label font presets: bold 11 points for values, regular 8 for names.
    static const int32_t kValuePreset = -103;
    static const int32_t kNamePreset = -2;
    static const int32_t kOutlined = 7;
    static const int32_t kPlain = 1;

    MonitorBlock();
    ~MonitorBlock() override;

    static thread::EasyPooler* GetPool();
    // A block from the pool built by Init; null when none could be made.
    static MonitorBlock* New(const uint8_t* bracketFlag, lang::Localizer* localizer, const wchar_t* key, bool enabled,
                             int32_t displayType, int32_t maximum, bool nameBold, bool nameOutline, int32_t nameSize,
                             const wchar_t* prefix, int32_t labelTextId, const wchar_t* suffix, bool valueBold,
                             bool valueOutline, int32_t valueSize, const wchar_t* sampleText,
                             FieldUpdateCallback callback, void* userData, int64_t extraValue);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Builds the row's widgets for the display type (once, right after the block is taken).
    // A maximum above 0 makes the series unbounded with it as their reference value.
    void Init(const uint8_t* bracketFlag, lang::Localizer* localizer, const wchar_t* key, bool enabled,
              int32_t displayType, int32_t maximum, bool nameBold, bool nameOutline, int32_t nameSize,
              const wchar_t* prefix, int32_t labelTextId, const wchar_t* suffix, bool valueBold, bool valueOutline,
              int32_t valueSize, const wchar_t* sampleText, FieldUpdateCallback callback, void* userData,
              int64_t extraValue);

    // Shows the row sized by the current layout form, or hides it and gives its images back.
    // The same state again changes nothing.
    void SetEnabled(bool on);
    // The column forms (variant: the name above a level bar rather than above the graph) and
    // the row forms (variant: no fixed height); only enabled rows are sized.
    void LayoutVertical(bool variant);
    void LayoutHorizontal(bool variant);
    // The name again from the language and the bracket setting.
    void RefreshLabel();

    // The name and value labels' fonts: bold, outlined, points.
    void SetFonts(bool nameBold, bool nameOutline, int32_t nameSize, bool valueBold, bool valueOutline,
                  int32_t valueSize);

    // The component the container holds: the counter, or the content Box of a row without one.
    ::s::gui::IComponent* GetRow();
    ::s::gui::win::Box* GetContent() { return content_; }
    ::s::gui::win::Counter* GetCounter() { return counter_; }
    ::s::gui::win::Label* GetNameLabel() { return nameLabel_; }
    ::s::gui::win::Label* GetValueLabel() { return valueLabel_; }
    const wchar_t* GetKey();
    const wchar_t* GetShownLabel();
    const wchar_t* GetSampleText();
    str::strbuffer::StrBuffer* GetSavedValueText() { return savedValue_; }
    int32_t GetLayoutMode() const { return layoutMode_; }
    bool IsLongValue() const { return longValue_; }
    void SetLongValue(bool on) { longValue_ = on; }
    // The row geometry's settings, set by the controller for its layout forms.
    void SetCellAspectFactor(float factor) { cellAspect_ = factor; }
    void SetCellSizing(bool on) { cellSizing_ = on; }
    void SetFixedCellWidth(bool on) { fixedCellWidth_ = on; }
    void SetCellWidthMultiplier(int32_t multiplier) { cellWidthMultiplier_ = multiplier; }

    // IFieldRow
    bool IsEnabled() override { return enabled_; }
    FieldUpdateCallback GetUpdateCallback() override { return callback_; }
    void* GetUserData() override { return userData_; }
    int64_t GetExtraValue() override { return extraValue_; }
    int32_t GetDisplayType() override { return displayType_; }
    bool IsHighlighted() override { return highlighted_; }
    void SetHighlighted(bool on) override;
    void AddPrimarySample(int64_t value) override;
    void AddSecondarySample(int64_t value) override;
    int64_t GetLastPrimarySample() override { return lastPrimary_; }
    void SetLastPrimarySample(int64_t value) override { lastPrimary_ = value; }
    void SetLastSecondarySample(int64_t value) override { lastSecondary_ = value; }
    void SetValueText(const wchar_t* text, bool repaint) override;
    void RedrawCounter() override;
    bool SetNameText(const wchar_t* text) override;
    void RelayoutRow() override;

private:
    MonitorBlock(const MonitorBlock&) = delete;
    MonitorBlock& operator=(const MonitorBlock&) = delete;

    void ComposeLabel();
    void SetUpSeries(int32_t series, int32_t history, int32_t maximum);
    void ApplyFont(::s::gui::win::Label* label, bool bold, bool outline, int32_t size);
    // With a fixed cell width the row is that many pixels (times the multiplier, less 5), else
    // the parent's width.
    void ApplyWidthRule(int32_t width);
    void ApplyLayout();
    void ReleaseWidgets();

    str::strbuffer::StrBuffer* shownLabel_;
    str::strbuffer::StrBuffer* spare_;
    int32_t historyLength_;
    int32_t minTextHeight_;
    lang::Localizer* localizer_;
    str::strbuffer::StrBuffer* key_;
    int32_t displayType_;
    int32_t layoutMode_;
    float cellAspect_;
    ::s::gui::win::Spacer* spacer_;
    bool cellSizing_;
    bool fixedCellWidth_;
    int32_t cellWidthMultiplier_;
    str::strbuffer::StrBuffer* sample_;
    str::strbuffer::StrBuffer* savedValue_;
    str::strbuffer::StrBuffer* prefix_;
    int32_t labelTextId_;
    str::strbuffer::StrBuffer* suffix_;
    ::s::gui::win::Box* content_;
    ::s::gui::win::Label* nameLabel_;
    ::s::gui::win::Counter* counter_;
    ::s::gui::win::Label* valueLabel_;
    bool highlighted_;
    bool longValue_;
    bool enabled_;
    FieldUpdateCallback callback_;
    void* userData_;
    int64_t extraValue_;
    int64_t lastPrimary_;
    int64_t lastSecondary_;
    const uint8_t* bracketFlag_;
};

} // namespace counter
} // namespace system
} // namespace s
