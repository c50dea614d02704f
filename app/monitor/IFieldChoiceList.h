#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace counter {
class MonitorBlock;
}
namespace gui {
namespace dialogs {
namespace monitor {

// The field customizer's list as the monitor reads and marks it: one record per field in the
// order the user arranged, each with its check. The customizer implements it over its list and
// hands it over with "UpdateFieldsByListBox" and "LoadDefaultSelection".
class IFieldChoiceList {
public:
    virtual ~IFieldChoiceList() {}
    virtual int32_t GetRecordCount() = 0;
    // The record's field; null for a record that names no field the monitor knows.
    virtual counter::MonitorBlock* GetFieldAt(int32_t index) = 0;
    virtual bool IsCheckedAt(int32_t index) = 0;
    virtual void SetCheckedAt(int32_t index, bool checked) = 0;
};

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
