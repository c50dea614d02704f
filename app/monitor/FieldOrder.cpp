#include "app/monitor/FieldOrder.h"

#include <string>

#include "app/monitor/FieldKey.h"
#include "storage/settings/IMappedData.h"

namespace s {
namespace system {
namespace counter {

namespace {
const wchar_t kCount[] = L"count";

std::wstring PositionName(int32_t i)
{
    return L"_" + std::to_wstring(i);
}
} // namespace

void ApplyFieldOrder(map::IMappedData* settings, const wchar_t* section, void** fields, int32_t count,
                     FieldKeyOf keyOf)
{
    if (!settings || !fields || count <= 0)
        return;
    const int32_t stored = settings->GetInt32(section, kCount, 0);
    const int32_t positions = stored < count ? stored : count;
    for (int32_t i = 0; i < positions; ++i) {
        const wchar_t* key = settings->GetString(section, PositionName(i).c_str(), L"", nullptr, false);
        if (!key || !key[0] || SameFieldKey(keyOf(fields[i]), key))
            continue;
        for (int32_t j = i + 1; j < count; ++j) {
            if (!SameFieldKey(keyOf(fields[j]), key))
                continue;
            void* moved = fields[j];
            for (int32_t k = j; k > i; --k)
                fields[k] = fields[k - 1];
            fields[i] = moved;
            break;
        }
    }
}

void StoreFieldOrder(map::IMappedData* settings, const wchar_t* section, void** fields, int32_t count,
                     FieldKeyOf keyOf)
{
    if (!settings)
        return;
    const bool autoSave = settings->GetAutoSave();
    settings->SetAutoSave(false);
    settings->SetInt32(section, kCount, count);
    for (int32_t i = 0; i < count; ++i)
        settings->SetString(section, PositionName(i).c_str(), keyOf(fields[i]));
    settings->Save();
    settings->SetAutoSave(autoSave);
}

bool UpdateLastVisible(map::IMappedData* settings, const wchar_t* section, int32_t enabledCount)
{
    if (!settings || settings->GetInt32(section, kCount, 0) == enabledCount)
        return false;
    settings->SetInt32(section, kCount, enabledCount);
    return true;
}

} // namespace counter
} // namespace system
} // namespace s
