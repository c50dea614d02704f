#include "measurement/counter/CounterObjectsReport.h"

#include "measurement/counter/CounterNames.h"
#include "measurement/counter/CounterReaders.h"

namespace s {
namespace system {
namespace counter {
namespace win {

namespace {
using str::strarray::StrArray;
using str::strbuffer::StrBuffer;

// Each object with its counters (the kinds that follow it up to the next object) and the instance
// list the readers expanded for it. The names come from the counter layer's own choice, not from
// an enumeration of every object, which some systems' Pdh.dll does not offer.
struct ObjectRow {
    int32_t object;
    int32_t lastCounter;
    InstanceList instances;
};

const ObjectRow kObjects[] = {
    {kProcessorObject, kUserTime, kProcessorInstances},
    {kPhysicalDiskObject, kDiskTime, kPhysicalDiskInstances},
    {kLogicalDiskObject, kFreeMegabytes, kLogicalDiskInstances},
    {kNetworkObject, kBytesReceived, kNetworkInstances},
    {kProcessObject, kElapsedTime, kProcessInstances},
};

void AddLine(StrArray* lines, const wchar_t* prefix, const wchar_t* text)
{
    StrBuffer* line = StrBuffer::FromText(prefix);
    if (!line)
        return;
    line->Append(text);
    lines->Add(line);
}
} // namespace

StrArray* BuildCounterObjectsReport()
{
    StrArray* lines = StrArray::New();
    if (!lines)
        return nullptr;
    lines->AddText(L"[Performance Counter Objects] ");
    InitCounters();
    StrBuffer* instance = StrBuffer::New();
    for (const ObjectRow& row : kObjects) {
        AddLine(lines, L"# ", GetCounterName(row.object));
        for (int32_t kind = row.object + 1; kind <= row.lastCounter; ++kind)
            AddLine(lines, L"", GetCounterName(kind));
        const int32_t count = GetInstanceCount(row.instances);
        for (int32_t i = 0; instance && i < count; ++i) {
            if (GetInstanceName(row.instances, i, instance))
                AddLine(lines, L"## ", instance->GetText());
        }
    }
    if (instance)
        instance->ReleaseToPool();
    return lines;
}

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
