#include "app/monitor/FieldRowRules.h"

namespace s {
namespace system {
namespace counter {

namespace {
bool IsMeter(IFieldRow* field)
{
    const int32_t type = field->GetDisplayType();
    return type == 3 || type == 4;
}
} // namespace

void ApplyHighlight(IFieldRow* field, bool red)
{
    if (field->GetDisplayType() == 0)
        return;
    if (red != field->IsHighlighted())
        field->SetHighlighted(red);
}

void PublishField(IFieldRow* field, const wchar_t* text, FieldRedraw redraw, const int64_t* primary,
                  const int64_t* secondary)
{
    bool changed = true;
    if (primary && field->GetDisplayType() != 0) {
        if (IsMeter(field))
            changed = *primary != field->GetLastPrimarySample();
        field->AddPrimarySample(*primary);
        if (secondary)
            field->AddSecondarySample(*secondary);
        if (IsMeter(field)) {
            field->SetLastPrimarySample(*primary);
            if (secondary)
                field->SetLastSecondarySample(*secondary);
        }
    }
    switch (redraw) {
    case kRedrawAlways:
        field->SetValueText(text, false);
        field->RedrawCounter();
        break;
    case kRedrawOnChange:
        if (changed) {
            field->SetValueText(text, false);
            field->RedrawCounter();
        } else {
            field->SetValueText(text, true);
        }
        break;
    case kRedrawTextOnly:
        field->SetValueText(text, true);
        break;
    case kRedrawTextQuiet:
        field->SetValueText(text, false);
        break;
    }
}

void FormatGroupedNumber(int64_t value, str::strbuffer::StrBuffer* out)
{
    out->Clear();
    // Digits from the right, a comma before every third; built backwards in a small buffer.
    wchar_t digits[32];
    int32_t n = 0;
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    int32_t inGroup = 0;
    do {
        if (inGroup == 3) {
            digits[n++] = L',';
            inGroup = 0;
        }
        digits[n++] = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
        ++inGroup;
    } while (magnitude);
    if (value < 0)
        digits[n++] = L'-';
    while (n > 0)
        out->AppendChar(digits[--n]);
}

} // namespace counter
} // namespace system
} // namespace s
