#include "app/monitor/FieldRefresh.h"

#include "app/monitor/FieldSources.h"
#include "app/monitor/ProcessFields.h"

namespace s {
namespace system {
namespace counter {

void RefreshFields(IFieldRow* const* fields, int32_t count)
{
    GetFieldSources().refreshInstances();
    ResetProcessCaches();
    for (int32_t i = 0; i < count; ++i) {
        IFieldRow* field = fields[i];
        if (!field || !field->IsEnabled())
            continue;
        FieldUpdateCallback callback = field->GetUpdateCallback();
        if (callback)
            callback(field, field->GetUserData(), field->GetExtraValue());
    }
}

} // namespace counter
} // namespace system
} // namespace s
