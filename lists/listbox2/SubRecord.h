#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace listbox2 {

class Record;

// Writes the display text of a cell's value; null leaves the cell without text.
typedef void (*CellFormatter)(uint64_t value, str::strbuffer::StrBuffer* out);

// One cell of a report-list row. Its creator fills the fields directly.
class SubRecord : public base::IObject, public thread::IPoolable {
public:
    SubRecord();
    ~SubRecord() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Replaces the value, the old one going to the value destructor, and drops the cached text.
    void ReplaceValue(uint64_t newValue);
    // The cached text, formatted from the value first when there is none; null without formatter.
    str::strbuffer::StrBuffer* GetDisplayText();
    void DropText();

    static thread::EasyPooler* GetPool();
    static SubRecord* New();

    Record* record;
    int32_t column;
    str::strbuffer::StrBuffer* text;
    uint64_t value;
    base::IDestructor* valueDestructor;
    CellFormatter formatter;
    str::strbuffer::StrBuffer* iconSource;
    // 0 no check box, 1 unchecked, 2 checked, 3 indeterminate.
    int32_t checkState;
    uint8_t emphasised;
    uint8_t drawerFlag;
    uint8_t dimmed;
    // On the row's tree cell: 0 no expander, 1 expanded, 2 collapsed.
    int32_t expandState;
    uint8_t iconFromShell;
    uint8_t buttonShown;
    uint8_t buttonWhenHot;
    uint8_t hotTracked;
    // The cell button's area as the drawer last reported it: x, y, width, height.
    int32_t hotRect[4];

private:
    SubRecord(const SubRecord&) = delete;
    SubRecord& operator=(const SubRecord&) = delete;

    void DestroyValue();
};

} // namespace listbox2
} // namespace gui
} // namespace s
