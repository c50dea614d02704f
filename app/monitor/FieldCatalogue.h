#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/monitor/FieldCallbacks.h"
#include "app/monitor/IFieldRow.h"

namespace s {
namespace lang {
class Localizer;
}
namespace map {
class IMappedData;
}

namespace system {
namespace counter {

// One field of the catalogue as the controller creates it (MonitorBlock::New's arguments).
struct FieldDescription {
    std::wstring key;
    int32_t displayType = 0;
    // The series reference value; -1 keeps the series bounded to 100.
    int32_t maximum = -1;
    std::wstring prefix;
    int32_t labelTextId = 0;
    std::wstring suffix;
    std::wstring sample;
    FieldUpdateCallback callback = nullptr;
    // The instance text of a per-instance field; the date field's user data is the bracket flag.
    std::wstring instanceText;
    bool userDataIsBracketFlag = false;
    int64_t extraValue = 0;
    bool defaultEnabled = false;
    // The stored on/off state, else the default.
    bool enabled = false;
    // Process-name fields: their value label ends long names with an ellipsis.
    bool longValue = false;
    // Outgoing rates draw their graph the other way up.
    bool toggleCounterFlag = false;
};

// Every field this machine can show, in catalogue order, with what was found while building.
class FieldCatalogue {
public:
    // The keys "Restore All Default" turns on.
    static bool IsDefaultField(const wchar_t* key);

    // Builds the list once from the sources, the language pack (date names and the text parts
    // of the labels) and the stored "Field" section; a null store or localizer gives defaults
    // and empty texts.
    void Build(lang::Localizer* localizer, map::IMappedData* settings, const wchar_t* fieldSection);

    const std::vector<FieldDescription>& GetFields() const { return fields_; }
    // The date field's list; its address is the field's extra value.
    const DateNameList& GetDateNames() const { return dateNames_; }
    const FieldDescription* Find(const wchar_t* key) const;
    // The month and weekday names from the current language (after a change of language).
    void RefillDateNames(lang::Localizer* localizer);

    bool cpuTemperatureReadable = false;
    bool diskTemperatureReadable = false;
    bool gpuUsageReadable = false;
    bool gpuTemperatureReadable = false;
    bool onBattery = false;

private:
    std::vector<FieldDescription> fields_;
    DateNameList dateNames_;
};

} // namespace counter
} // namespace system
} // namespace s
