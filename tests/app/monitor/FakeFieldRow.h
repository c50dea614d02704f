#pragma once
#include <string>
#include <vector>

#include "app/monitor/IFieldRow.h"

// A row that records what a callback did to it.
class FakeFieldRow : public s::system::counter::IFieldRow {
public:
    explicit FakeFieldRow(int32_t displayType = 3) : type(displayType) {}
    bool IsEnabled() override { return enabled; }
    s::system::counter::FieldUpdateCallback GetUpdateCallback() override { return callback; }
    void* GetUserData() override { return userData; }
    int64_t GetExtraValue() override { return extraValue; }
    int32_t GetDisplayType() override { return type; }
    bool IsHighlighted() override { return highlighted; }
    void SetHighlighted(bool on) override
    {
        highlighted = on;
        ++colourChanges;
    }
    void AddPrimarySample(int64_t value) override { primary.push_back(value); }
    void AddSecondarySample(int64_t value) override { secondary.push_back(value); }
    int64_t GetLastPrimarySample() override { return lastPrimary; }
    void SetLastPrimarySample(int64_t value) override { lastPrimary = value; }
    void SetLastSecondarySample(int64_t value) override { lastSecondary = value; }
    void SetValueText(const wchar_t* text, bool repaint) override
    {
        value = text;
        labelRepaints += repaint ? 1 : 0;
        ++valueSets;
    }
    void RedrawCounter() override { ++counterRedraws; }
    bool SetNameText(const wchar_t* text) override
    {
        const bool changed = name != text;
        name = text;
        return changed;
    }
    void RelayoutRow() override { ++relayouts; }

    void ClearCounts()
    {
        labelRepaints = valueSets = counterRedraws = colourChanges = relayouts = 0;
        primary.clear();
        secondary.clear();
    }

    int32_t type;
    bool enabled = true;
    s::system::counter::FieldUpdateCallback callback = nullptr;
    void* userData = nullptr;
    int64_t extraValue = 0;
    bool highlighted = false;
    int32_t colourChanges = 0;
    std::vector<int64_t> primary, secondary;
    int64_t lastPrimary = -1, lastSecondary = -1;
    std::wstring value, name;
    int32_t labelRepaints = 0, valueSets = 0, counterRedraws = 0, relayouts = 0;
};
