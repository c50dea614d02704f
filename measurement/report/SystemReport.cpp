#include "measurement/report/SystemReport.h"

#include "core/thread/ObjLocker.h"
#include "measurement/codepage/CodePage.h"
#include "measurement/counter/CounterObjectsReport.h"
#include "measurement/hdd/Hdds.h"
#include "measurement/network/NicConns.h"
#include "measurement/report/OsReport.h"
#include "measurement/report/WsaInitializer.h"
#include "measurement/sensors/CpuIdentity.h"
#include "measurement/sensors/SensorChips.h"

namespace s {
namespace system {
namespace win {

namespace {
using str::strarray::StrArray;
using str::strbuffer::StrBuffer;

// A process-wide text list under its own lock. The report prints the packet watcher's log and
// one more list; nothing in the system fills either.
struct ReportLog {
    thread::ObjLocker locker;
    StrArray lines;
};

ReportLog& PacketWatcherLog()
{
    static ReportLog log;
    return log;
}

ReportLog& OtherLog()
{
    static ReportLog log;
    return log;
}

void CopyLog(ReportLog& log, StrArray* into)
{
    thread::ScopedLock hold(log.locker);
    for (uint32_t i = 0; i < log.lines.GetCount(); ++i)
        into->AddText(log.lines.Get(i)->GetText());
}

// Moves a section's lines into the report and gives the section back.
void Take(StrArray* report, StrArray* section)
{
    if (!section)
        return;
    for (uint32_t i = 0; i < section->GetCount(); ++i)
        report->AddText(section->Get(i)->GetText());
    section->ReleaseToPool();
}

void AddCodePageLine(StrArray* report)
{
    if (!codepage::CodePage::IsLoaded())
        codepage::CodePage::LoadInstalled();
    codepage::CodePage* oem = codepage::CodePage::GetAt(static_cast<uint32_t>(codepage::CodePage::GetOemIndex()));
    StrBuffer* line = StrBuffer::FromText(L"[CodePage] Code: ");
    if (!line)
        return;
    if (oem)
        line->AppendInt32(oem->number)->Append(L", ")->Append(oem->name.GetText());
    report->Add(line);
}
} // namespace

StrArray* BuildNicReport(network::win::NicConnList* list)
{
    StrArray* lines = StrArray::New();
    if (!lines)
        return nullptr;
    lines->AddText(L"[NIC]");
    StrBuffer* description = StrBuffer::New();
    for (int32_t i = 0; description && i < list->GetCount(); ++i) {
        network::INicConn* connection = list->Get(i);
        if (connection && connection->IsValid() && connection->GetDescription(description))
            lines->AddText(description->GetText());
    }
    if (description)
        description->ReleaseToPool();
    return lines;
}

StrArray* BuildNicReport()
{
    return BuildNicReport(&network::win::GetNicConnList());
}

StrArray* BuildSystemReport()
{
    StrArray* report = StrArray::New();
    if (!report)
        return nullptr;
    StrBuffer* os = BuildOsReport();
    if (os)
        report->Add(os);
    AddCodePageLine(report);
    Take(report, BuildCpuReport());
    Take(report, BuildChipsReport());
    Take(report, hdd::win::BuildHddReport());
    Take(report, BuildNicReport());
    report->AddText(L"[WSA Initializer]");
    report->AddText(network::win::WsaInitializer::Get().GetStatus()->GetText());
    report->AddText(L"[Packet Watcher]");
    CopyLog(PacketWatcherLog(), report);
    CopyLog(OtherLog(), report);
    Take(report, counter::win::BuildCounterObjectsReport());
    return report;
}

} // namespace win
} // namespace system
} // namespace s
