#include "measurement/hdd/Hdds.h"

#include <winioctl.h>

#include <atomic>

#include "core/thread/ObjLocker.h"
#include "measurement/hdd/DiskDeviceCalls.h"
#include "measurement/hdd/Hdd.h"

namespace s {
namespace system {
namespace hdd {
namespace win {

namespace {
using str::strbuffer::StrBuffer;
using str::strarray::StrArray;

const int32_t kDriveNumbers = 24;
const DWORD kGeometrySize = 24;

struct ProcessList {
    thread::ObjLocker locker;
    std::atomic<bool> done{false};
    HddList list;
};

ProcessList& Process()
{
    static ProcessList process;
    return process;
}

void AddLine(StrArray* lines, const wchar_t* label, const wchar_t* text)
{
    StrBuffer* line = StrBuffer::FromText(label);
    if (!line)
        return;
    line->Append(text);
    lines->Add(line);
}

const wchar_t* Accessible(bool yes)
{
    return yes ? L"Accessible" : L"Not Accessible";
}

void AddValues(StrArray* lines, const wchar_t* label, int64_t value, int64_t low, int64_t high)
{
    StrBuffer* line = StrBuffer::FromText(label);
    if (!line)
        return;
    line->AppendInt32(static_cast<int32_t>(value))->Append(L" ")->AppendInt32(static_cast<int32_t>(low))->Append(L" ")
        ->AppendInt32(static_cast<int32_t>(high));
    lines->Add(line);
}
} // namespace

Hdd* OpenHdd(int32_t driveNumber)
{
    DiskDeviceCalls& calls = GetDiskDeviceCalls();
    StrBuffer* path = StrBuffer::FromText(L"\\\\.\\PhysicalDrive");
    if (!path)
        return nullptr;
    path->AppendInt32(driveNumber);
    const HANDLE device = calls.open(path->GetText(), 0);
    path->ReleaseToPool();
    if (device == INVALID_HANDLE_VALUE)
        return nullptr;
    DISK_GEOMETRY geometry = {};
    DWORD returned = 0;
    const bool ok = calls.control(device, IOCTL_DISK_GET_DRIVE_GEOMETRY, nullptr, 0, &geometry, kGeometrySize,
                                  &returned) != 0;
    calls.close(device);
    if (!ok)
        return nullptr;
    Hdd* disk = Hdd::New();
    if (disk)
        disk->SetDevice(driveNumber, geometry.Cylinders.QuadPart, geometry.TracksPerCylinder, geometry.SectorsPerTrack,
                        geometry.BytesPerSector);
    return disk;
}

void LoadHdds(HddList* list)
{
    for (int32_t n = 0; n < kDriveNumbers; ++n) {
        Hdd* disk = OpenHdd(n);
        if (!disk)
            continue;
        disk->SetIndex(static_cast<uint32_t>(list->GetCount()));
        disk->ReadSmart(nullptr);
        list->Append(disk);
    }
}

StrArray* BuildHddReport(HddList* list)
{
    StrArray* lines = StrArray::New();
    if (!lines)
        return nullptr;
    lines->AddText(L"[HDD]");
    StrBuffer* number = StrBuffer::New();
    for (int32_t i = 0; number && i < list->GetCount(); ++i) {
        IHdd* disk = list->Get(i);
        number->Assign(L"#")->AppendUInt32(disk->GetIndex());
        lines->AddText(number->GetText());
        AddLine(lines, L"Name: ", disk->GetName()->GetText());
        AddLine(lines, L"Firmware: ", disk->GetFirmware()->GetText());
        AddLine(lines, L"Device Handle: ", Accessible(disk->IsAccessible()));
        AddLine(lines, L"Version IO Control: ", Accessible(disk->HasVersionIoControl()));
        AddLine(lines, L"Identify Command: ", disk->HasIdentifyCommand() ? L"Successful" : L"Failed");
        AddLine(lines, L"Device Info: ", Accessible(disk->HasDeviceInfo()));
        AddLine(lines, L"S.M.A.R.T: ", disk->HasSmart() ? L"Supported" : L"Not Supoorted");
        AddValues(lines, L"194: ", disk->GetAttribute194(), disk->GetAttribute194Min(), disk->GetAttribute194Max());
        AddValues(lines, L"231: ", disk->GetAttribute231(), disk->GetAttribute231Min(), disk->GetAttribute231Max());
        disk->ReadSmart(lines);
    }
    if (number)
        number->ReleaseToPool();
    return lines;
}

void LoadHdds()
{
    ProcessList& process = Process();
    if (process.done)
        return;
    thread::ScopedLock hold(process.locker);
    if (process.done)
        return;
    LoadHdds(&process.list);
    process.done = true;
}

HddList& GetHddList()
{
    LoadHdds();
    return Process().list;
}

int32_t GetHddCount()
{
    return GetHddList().GetCount();
}

IHdd* GetHdd(int32_t index)
{
    return GetHddList().Get(index);
}

StrArray* BuildHddReport()
{
    return BuildHddReport(&GetHddList());
}

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
