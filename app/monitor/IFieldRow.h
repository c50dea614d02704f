#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace counter {

// A display row as its update callback sees it: the value text, the red highlight of its counter
// panel and the samples of its series. MonitorBlock is the row of the gadget; the callbacks know
// nothing else of it, so their rules can be shown over a recording row.
class IFieldRow;
// Called on every refresh of an enabled field with its user data and extra value.
typedef void (*FieldUpdateCallback)(IFieldRow* field, void* userData, int64_t extraValue);

class IFieldRow {
public:
    virtual ~IFieldRow() {}
    // What the refresh reads of a field: switched off fields are not read at all.
    virtual bool IsEnabled() = 0;
    virtual FieldUpdateCallback GetUpdateCallback() = 0;
    virtual void* GetUserData() = 0;
    virtual int64_t GetExtraValue() = 0;
    // 0 labels only; 1 and 2 a graph with one or two series; 3 and 4 the meter style.
    virtual int32_t GetDisplayType() = 0;
    virtual bool IsHighlighted() = 0;
    // Red counter background on, or back to the parent's background; sets the flag. Rows
    // without a counter ignore it.
    virtual void SetHighlighted(bool on) = 0;
    virtual void AddPrimarySample(int64_t value) = 0;
    virtual void AddSecondarySample(int64_t value) = 0;
    virtual int64_t GetLastPrimarySample() = 0;
    virtual void SetLastPrimarySample(int64_t value) = 0;
    virtual void SetLastSecondarySample(int64_t value) = 0;
    // With repaint the value label paints itself; without it the caller redraws the counter, or
    // the label only re-measures.
    virtual void SetValueText(const wchar_t* text, bool repaint) = 0;
    virtual void RedrawCounter() = 0;
    // Replaces the shown name; true when the label's text changed.
    virtual bool SetNameText(const wchar_t* text) = 0;
    // Lays the row out again after its name changed size.
    virtual void RelayoutRow() = 0;
};

} // namespace counter
} // namespace system
} // namespace s
