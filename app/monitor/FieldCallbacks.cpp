#include "app/monitor/FieldCallbacks.h"

#include <cmath>
#include <cstdio>
#include <cwchar>

#include "app/monitor/FieldRowRules.h"
#include "app/monitor/FieldSources.h"
#include "app/monitor/ScratchText.h"
#include "core/io/Formatters.h"

namespace s {
namespace system {
namespace counter {

using str::strbuffer::StrBuffer;

namespace {
const wchar_t kUnavailable[] = L"-----";
const wchar_t kNoAddress[] = L"---------";
const wchar_t kDegreesC[] = L" \u00B0C";
const wchar_t kDegreesF[] = L" \u00B0F";
const int64_t kDiskMaximumStart = 20971520;
const int64_t kLowDriveFreeBytes = 3220176896LL;
const int64_t kBytesPerMegabyte = 1048576;
const int32_t kClockTextLength = 128;

int64_t Read(FieldSources::InstanceReader reader, int32_t instance)
{
    int64_t value = 0;
    if (!reader(&value, instance))
        value = 0;
    return value;
}

int32_t Instance(int64_t extraValue)
{
    return static_cast<int32_t>(extraValue);
}

void AppendNumber(StrBuffer* text, int64_t value, const wchar_t* unit)
{
    text->AppendInt64(value);
    text->Append(unit);
}

int64_t Fahrenheit(int64_t celsius)
{
    return celsius * 9 / 5 + 32;
}

// The disk-rate maxima: one per callback, shared by its total and per-disk fields; they never fall.
int64_t diskIoMaximum = kDiskMaximumStart;
int64_t diskReadMaximum = kDiskMaximumStart;
int64_t diskWriteMaximum = kDiskMaximumStart;

bool OverRunningMaximum(int64_t rate, int64_t* maximum)
{
    if (rate > *maximum)
        *maximum = rate;
    // rate / maximum >= 0.75 without a division.
    return rate * 4 >= *maximum * 3;
}

// The processor clock's last readings.
struct ClockState {
    bool frequencyRead = false;
    int64_t frequency = 0;
    bool hasLast = false;
    uint64_t lastStamp = 0;
    int64_t lastCounter = 0;
} clockState;

// Network warm-up: one mark per callback; peaks are raised only once the mark is cleared, a
// full second after the first call.
enum WarmUp : int32_t {
    kWarmIo, kWarmIn, kWarmOut, kWarmMax, kWarmInMax, kWarmOutMax, kWarmMaxBits, kWarmInMaxBits, kWarmOutMaxBits,
    kWarmCount
};
struct WarmUpMark {
    bool started = false;
    int64_t mark = 0;
} warmUp[kWarmCount];

enum PeakRaise : int32_t { kRaiseReceived = 1, kRaiseSent = 2, kRaiseTotal = 4, kRaiseAll = 7 };

// Reads the received and sent rates of a connection, or of all of them for -1, raising the
// peaks named once the callback is warm.
void ReadNetwork(int32_t instance, WarmUp which, int32_t raise, int64_t* received, int64_t* sent)
{
    FieldSources& sources = GetFieldSources();
    WarmUpMark& warm = warmUp[which];
    if (!warm.started) {
        warm.started = true;
        warm.mark = sources.wallSeconds();
    }
    const bool raising = warm.mark == 0;
    *received = 0;
    *sent = 0;
    const int32_t count = sources.nicCount();
    const int32_t first = instance < 0 ? 0 : instance;
    const int32_t last = instance < 0 ? count - 1 : instance;
    for (int32_t n = first; n <= last; ++n) {
        const int64_t in = Read(sources.networkReceived, n);
        const int64_t out = Read(sources.networkSent, n);
        *received += in;
        *sent += out;
        network::INicConn* connection = raising ? sources.nic(n) : nullptr;
        if (!connection)
            continue;
        if (raise & kRaiseReceived)
            connection->RaisePeakReceived(in);
        if (raise & kRaiseSent)
            connection->RaisePeakSent(out);
        if (raise & kRaiseTotal)
            connection->RaisePeakTotal(in + out);
    }
    if (warm.mark != 0 && warm.mark + 1 < sources.wallSeconds())
        warm.mark = 0;
}

enum PeakKind : int32_t { kPeakTotal, kPeakReceived, kPeakSent };

int64_t Peak(int32_t instance, PeakKind kind)
{
    FieldSources& sources = GetFieldSources();
    const int32_t count = sources.nicCount();
    const int32_t first = instance < 0 ? 0 : instance;
    const int32_t last = instance < 0 ? count - 1 : instance;
    int64_t sum = 0;
    for (int32_t n = first; n <= last; ++n) {
        network::INicConn* connection = sources.nic(n);
        if (!connection)
            continue;
        sum += kind == kPeakTotal ? connection->GetPeakTotal()
             : kind == kPeakReceived ? connection->GetPeakReceived() : connection->GetPeakSent();
    }
    return sum;
}

void ShowPeak(IFieldRow* field, int32_t instance, WarmUp which, int32_t raise, PeakKind kind, bool bits)
{
    int64_t received = 0, sent = 0;
    ReadNetwork(instance, which, raise, &received, &sent);
    const int64_t peak = Peak(instance, kind);
    ScratchText text;
    if (bits)
        FormatBitSize(&peak, text.get());
    else
        FormatByteSize(&peak, text.get());
    PublishField(field, text->GetText(), kRedrawTextQuiet, nullptr, nullptr);
}

enum OctetKind : int32_t { kOctetsTotal, kOctetsIn, kOctetsOut };

void ShowOctets(IFieldRow* field, int32_t instance, OctetKind kind)
{
    FieldSources& sources = GetFieldSources();
    const int32_t count = sources.nicCount();
    const int32_t first = instance < 0 ? 0 : instance;
    const int32_t last = instance < 0 ? count - 1 : instance;
    int64_t sum = 0;
    bool any = false;
    for (int32_t n = first; n <= last; ++n) {
        network::INicConn* connection = sources.nic(n);
        if (!connection)
            continue;
        int64_t value = 0;
        const bool ok = kind == kOctetsTotal ? connection->GetTotalOctets(&value)
                      : kind == kOctetsIn ? connection->GetInOctets(&value) : connection->GetOutOctets(&value);
        if (ok) {
            sum += value;
            any = true;
        }
    }
    ScratchText text;
    if (any)
        FormatByteSize(&sum, text.get());
    else
        text->Assign(kUnavailable);
    PublishField(field, text->GetText(), kRedrawTextQuiet, nullptr, nullptr);
}

// The used percent of a fixed drive, or of all of them for -1; 0 beyond the list.
int32_t DriveUsed(int32_t instance)
{
    FieldSources& sources = GetFieldSources();
    if (instance < 0)
        return sources.fixedDrivesUsedPercent();
    const wchar_t* root = instance < sources.fixedDriveCount() ? sources.fixedDriveRoot(instance) : nullptr;
    return root ? sources.driveUsedPercent(root) : 0;
}

MEMORYSTATUSEX Memory()
{
    MEMORYSTATUSEX status = {};
    if (!GetFieldSources().memoryStatus(&status))
        status = MEMORYSTATUSEX();
    return status;
}

// The graphics temperature: AMD first, then the NVIDIA sensor 0 while its reading is below
// the sensor's own maximum; -1 when neither answers.
int32_t GpuTemperature()
{
    FieldSources& sources = GetFieldSources();
    int32_t celsius = sources.adlTemperature();
    if (celsius != -1)
        return celsius;
    sources.initNvGpu();
    int32_t minimum = 0, current = 0, maximum = 0;
    if (sources.nvHasTemperature() && sources.nvThermal(0, &minimum, &current, &maximum) && current < maximum)
        return current;
    return -1;
}

void ShowGpuTemperature(IFieldRow* field, bool fahrenheit)
{
    const int32_t celsius = GpuTemperature();
    ScratchText text;
    if (celsius <= 0)
        text->Assign(kUnavailable);
    else
        AppendNumber(text.get(), fahrenheit ? Fahrenheit(celsius) : celsius, fahrenheit ? kDegreesF : kDegreesC);
    ApplyHighlight(field, celsius >= 88);
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void ShowCpuTemperature(IFieldRow* field, bool fahrenheit)
{
    const int32_t celsius = GetFieldSources().cpuTemperature();
    ScratchText text;
    if (celsius == -100)
        text->Assign(kUnavailable);
    else
        AppendNumber(text.get(), fahrenheit ? Fahrenheit(celsius) : celsius, fahrenheit ? kDegreesF : kDegreesC);
    ApplyHighlight(field, celsius >= (fahrenheit ? 80 : 100));
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void ShowDiskRate(IFieldRow* field, int64_t rate, const int64_t* secondary, int64_t* maximum)
{
    ScratchText text;
    FormatByteSize(&rate, text.get());
    ApplyHighlight(field, OverRunningMaximum(rate, maximum));
    PublishField(field, text->GetText(), kRedrawAlways, &rate, secondary);
}

void ShowHddTemperature(IFieldRow* field, int32_t instance, bool fahrenheit)
{
    FieldSources& sources = GetFieldSources();
    hdd::IHdd* disk = instance >= 0 && instance < sources.hddCount() ? sources.hdd(instance) : nullptr;
    int32_t celsius = hdd::IHdd::kNoTemperature;
    int32_t shown = hdd::IHdd::kNoTemperature;
    if (disk && disk->HasSmart()) {
        disk->RequestRefresh();
        celsius = disk->GetTemperature();
        shown = fahrenheit ? disk->GetTemperatureFahrenheit() : celsius;
    }
    ScratchText text;
    if (celsius == hdd::IHdd::kNoTemperature)
        text->Assign(kUnavailable);
    else
        AppendNumber(text.get(), shown, fahrenheit ? kDegreesF : kDegreesC);
    ApplyHighlight(field, celsius >= 80);
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void ShowSensorTemperature(IFieldRow* field, int32_t instance, bool fahrenheit)
{
    int64_t celsius = 0;
    const bool ok = GetFieldSources().sensorTemperature(&celsius, instance);
    ScratchText text;
    if (!ok || celsius == 127) {
        // A sensor that stops answering keeps the colour it had.
        text->Assign(kUnavailable);
    } else {
        AppendNumber(text.get(), fahrenheit ? Fahrenheit(celsius) : celsius, fahrenheit ? kDegreesF : kDegreesC);
        ApplyHighlight(field, celsius >= 80);
    }
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void ShowCount(IFieldRow* field, int64_t count)
{
    ScratchText text;
    FormatGroupedNumber(count, text.get());
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

int64_t ReadTotal(FieldSources::TotalReader reader)
{
    int64_t value = 0;
    if (!reader(&value))
        value = 0;
    return value;
}
} // namespace

void FormatClockTime(time_t time, StrBuffer* out)
{
    out->Clear();
    struct tm local = {};
    if (localtime_s(&local, &time) != 0)
        return;
    wchar_t buffer[kClockTextLength];
    if (std::wcsftime(buffer, kClockTextLength, L"%H:%M", &local) == 0)
        return;
    out->Assign(buffer);
}

void FormatCpuClock(int64_t megahertz, StrBuffer* out)
{
    wchar_t buffer[64];
    std::swprintf(buffer, 64, L"%f", static_cast<double>(megahertz) / 1000.0);
    const size_t length = std::wcslen(buffer);
    out->Assign(buffer);
    if (length > 5) {
        out->Clear();
        out->AppendChars(buffer, 5);
    } else if (length == 1) {
        out->Append(L".000");
    } else if (length == 2) {
        out->Append(L".00");
    } else if (length == 3) {
        out->Append(megahertz >= 100000 ? L".0" : L"00");
    } else if (length == 4) {
        out->Append(L"0");
    }
}

void UpdateDateTime(IFieldRow* field, void* userData, int64_t extraValue)
{
    FieldSources& sources = GetFieldSources();
    SYSTEMTIME now = {};
    sources.localTime(&now);
    time_t time = 0;
    if (now.wYear >= 1900) {
        struct tm calendar = {};
        calendar.tm_year = now.wYear - 1900;
        calendar.tm_mon = now.wMonth - 1;
        calendar.tm_mday = now.wDay;
        calendar.tm_hour = now.wHour;
        calendar.tm_min = now.wMinute;
        calendar.tm_sec = now.wSecond;
        calendar.tm_isdst = -1;
        time = std::mktime(&calendar);
        if (time == static_cast<time_t>(-1))
            time = 0;
    }
    struct tm local = {};
    localtime_s(&local, &time);
    const bool brackets = userData && *static_cast<const uint8_t*>(userData) != 0;
    const DateNameList* names = reinterpret_cast<const DateNameList*>(static_cast<intptr_t>(extraValue));
    ScratchText name;
    if (brackets)
        name->Append(L"[");
    if (names)
        name->Append(names->names[local.tm_mon].c_str());
    name->Append(L" ");
    name->AppendInt32(local.tm_mday);
    name->Append(L", ");
    if (names)
        name->Append(names->names[12 + local.tm_wday].c_str());
    if (brackets)
        name->Append(L"]");
    if (field->SetNameText(name->GetText()))
        field->RelayoutRow();
    ScratchText text;
    FormatClockTime(time, text.get());
    const int64_t sample = (local.tm_min + local.tm_hour * 60) * 100 / 1440;
    PublishField(field, text->GetText(), kRedrawOnChange, &sample, nullptr);
}

void UpdateCpuGhz(IFieldRow* field, void*, int64_t)
{
    FieldSources& sources = GetFieldSources();
    if (!clockState.frequencyRead) {
        clockState.frequencyRead = true;
        if (!sources.performanceFrequency(&clockState.frequency))
            clockState.frequency = 0;
    }
    const uint64_t stamp = sources.timeStamp();
    int64_t counter = 0;
    const bool counted = sources.performanceCounter(&counter);
    int64_t megahertz = 0;
    if (clockState.hasLast && counted && clockState.frequency > 0 && counter != clockState.lastCounter) {
        const float ticks = static_cast<float>(stamp - clockState.lastStamp);
        const float elapsed = static_cast<float>(counter - clockState.lastCounter);
        const float value = ticks * static_cast<float>(clockState.frequency) / (elapsed * 1000000.0f);
        megahertz = static_cast<int64_t>(std::round(value));
    }
    clockState.hasLast = counted;
    clockState.lastStamp = stamp;
    clockState.lastCounter = counter;
    ScratchText text;
    FormatCpuClock(megahertz, text.get());
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void UpdateCpuUsage(IFieldRow* field, void*, int64_t extraValue)
{
    FieldSources& sources = GetFieldSources();
    const int64_t total = Read(sources.processorTime, Instance(extraValue));
    const int64_t user = Read(sources.processorUserTime, Instance(extraValue));
    ScratchText text;
    AppendNumber(text.get(), total, L"%");
    ApplyHighlight(field, total >= 95);
    const int64_t privileged = total - user;
    PublishField(field, text->GetText(), kRedrawAlways, &total, &privileged);
}

void UpdateCpuTempC(IFieldRow* field, void*, int64_t)
{
    ShowCpuTemperature(field, false);
}

void UpdateCpuTempF(IFieldRow* field, void*, int64_t)
{
    ShowCpuTemperature(field, true);
}

void UpdateGpuUsage(IFieldRow* field, void*, int64_t)
{
    FieldSources& sources = GetFieldSources();
    int64_t usage = sources.adlActivity();
    if (usage == -1)
        usage = sources.nvUsage();
    ScratchText text;
    if (usage < 0)
        text->Assign(kUnavailable);
    else
        AppendNumber(text.get(), usage, L"%");
    ApplyHighlight(field, usage >= 95);
    PublishField(field, text->GetText(), kRedrawAlways, &usage, nullptr);
}

void UpdateGpuTempC(IFieldRow* field, void*, int64_t)
{
    ShowGpuTemperature(field, false);
}

void UpdateGpuTempF(IFieldRow* field, void*, int64_t)
{
    ShowGpuTemperature(field, true);
}

void UpdateGpuFan(IFieldRow* field, void*, int64_t)
{
    FieldSources& sources = GetFieldSources();
    int32_t rpm = sources.adlFan();
    if (rpm == -1) {
        sources.initNvGpu();
        if (!sources.nvHasFan() || !sources.nvFan(&rpm) || rpm <= 0)
            rpm = -1;
    }
    ScratchText text;
    if (rpm < 0)
        text->Assign(kUnavailable);
    else
        FormatGroupedNumber(rpm, text.get());
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void UpdateMemoryUsage(IFieldRow* field, void*, int64_t)
{
    const MEMORYSTATUSEX memory = Memory();
    const int64_t load = memory.dwMemoryLoad;
    ScratchText text;
    AppendNumber(text.get(), load, L"%");
    ApplyHighlight(field, load >= 90);
    PublishField(field, text->GetText(), kRedrawOnChange, &load, nullptr);
}

void UpdateMemoryUsed(IFieldRow* field, void*, int64_t)
{
    const MEMORYSTATUSEX memory = Memory();
    const int64_t load = memory.dwMemoryLoad;
    const int64_t used = memory.ullTotalPhys > memory.ullAvailPhys
                       ? static_cast<int64_t>(memory.ullTotalPhys - memory.ullAvailPhys) : 0;
    ScratchText text;
    FormatByteSize(&used, text.get());
    ApplyHighlight(field, load >= 90);
    PublishField(field, text->GetText(), kRedrawOnChange, &load, nullptr);
}

void UpdateMemoryFree(IFieldRow* field, void*, int64_t)
{
    const MEMORYSTATUSEX memory = Memory();
    const int64_t load = memory.dwMemoryLoad;
    const int64_t available = static_cast<int64_t>(memory.ullAvailPhys);
    ScratchText text;
    FormatByteSize(&available, text.get());
    ApplyHighlight(field, load >= 90);
    const int64_t sample = 100 - load;
    PublishField(field, text->GetText(), kRedrawOnChange, &sample, nullptr);
}

void UpdateMemorySwap(IFieldRow* field, void*, int64_t)
{
    PERFORMANCE_INFORMATION info = {};
    int64_t swapped = 0;
    // A commit limit of 0 (or no answer) shows 0 % rather than dividing by it.
    if (GetFieldSources().performanceInfo(&info) && info.CommitLimit > 0)
        swapped = static_cast<int64_t>(static_cast<uint64_t>(info.CommitTotal) * 100 / info.CommitLimit);
    ScratchText text;
    AppendNumber(text.get(), swapped, L"%");
    ApplyHighlight(field, swapped >= 95);
    PublishField(field, text->GetText(), kRedrawOnChange, &swapped, nullptr);
}

void UpdateDriveUsed(IFieldRow* field, void*, int64_t extraValue)
{
    const int64_t used = DriveUsed(Instance(extraValue));
    ScratchText text;
    AppendNumber(text.get(), used, L"%");
    ApplyHighlight(field, used >= 95);
    PublishField(field, text->GetText(), kRedrawOnChange, &used, nullptr);
}

void UpdateDriveFree(IFieldRow* field, void*, int64_t extraValue)
{
    const int64_t used = DriveUsed(Instance(extraValue));
    const int64_t free = Read(GetFieldSources().driveFreeMegabytes, Instance(extraValue)) * kBytesPerMegabyte;
    ScratchText text;
    FormatByteSize(&free, text.get());
    ApplyHighlight(field, free <= kLowDriveFreeBytes);
    const int64_t sample = 100 - used;
    PublishField(field, text->GetText(), kRedrawOnChange, &sample, nullptr);
}

void UpdateDiskIo(IFieldRow* field, void*, int64_t extraValue)
{
    FieldSources& sources = GetFieldSources();
    const int64_t read = Read(sources.diskReadBytes, Instance(extraValue));
    const int64_t written = Read(sources.diskWriteBytes, Instance(extraValue));
    ShowDiskRate(field, read + written, &written, &diskIoMaximum);
}

void UpdateDiskRead(IFieldRow* field, void*, int64_t extraValue)
{
    ShowDiskRate(field, Read(GetFieldSources().diskReadBytes, Instance(extraValue)), nullptr, &diskReadMaximum);
}

void UpdateDiskWrite(IFieldRow* field, void*, int64_t extraValue)
{
    ShowDiskRate(field, Read(GetFieldSources().diskWriteBytes, Instance(extraValue)), nullptr, &diskWriteMaximum);
}

void UpdateDiskSeek(IFieldRow* field, void*, int64_t extraValue)
{
    FieldSources& sources = GetFieldSources();
    const int64_t writes = Read(sources.diskWrites, Instance(extraValue));
    const int64_t seeks = Read(sources.diskReads, Instance(extraValue)) + writes;
    const int64_t busy = Read(sources.diskTime, -1);
    ScratchText text;
    text->AppendInt64(seeks);
    ApplyHighlight(field, busy > 0 && seeks >= 50);
    PublishField(field, text->GetText(), kRedrawAlways, &seeks, &writes);
}

void UpdateDiskBusy(IFieldRow* field, void*, int64_t extraValue)
{
    FieldSources& sources = GetFieldSources();
    const int64_t busy = Read(sources.diskTime, Instance(extraValue));
    const int64_t seeks = Read(sources.diskReads, -1) + Read(sources.diskWrites, -1);
    ScratchText text;
    AppendNumber(text.get(), busy, L"%");
    ApplyHighlight(field, busy > 0 && seeks >= 50);
    PublishField(field, text->GetText(), kRedrawOnChange, &busy, nullptr);
}

void UpdateHddTempC(IFieldRow* field, void*, int64_t extraValue)
{
    ShowHddTemperature(field, Instance(extraValue), false);
}

void UpdateHddTempF(IFieldRow* field, void*, int64_t extraValue)
{
    ShowHddTemperature(field, Instance(extraValue), true);
}

void UpdateSensorTempC(IFieldRow* field, void*, int64_t extraValue)
{
    ShowSensorTemperature(field, Instance(extraValue), false);
}

void UpdateSensorTempF(IFieldRow* field, void*, int64_t extraValue)
{
    ShowSensorTemperature(field, Instance(extraValue), true);
}

void UpdateSensorFan(IFieldRow* field, void*, int64_t extraValue)
{
    int64_t rpm = 0;
    ScratchText text;
    if (GetFieldSources().sensorFan(&rpm, Instance(extraValue)))
        FormatGroupedNumber(rpm, text.get());
    else
        text->Assign(kUnavailable);
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void UpdateNetworkIo(IFieldRow* field, void*, int64_t extraValue)
{
    int64_t received = 0, sent = 0;
    ReadNetwork(Instance(extraValue), kWarmIo, kRaiseAll, &received, &sent);
    const int64_t total = received + sent;
    ScratchText text;
    FormatByteSize(&total, text.get());
    PublishField(field, text->GetText(), kRedrawAlways, &total, &sent);
}

void UpdateNetworkIn(IFieldRow* field, void*, int64_t extraValue)
{
    int64_t received = 0, sent = 0;
    ReadNetwork(Instance(extraValue), kWarmIn, kRaiseReceived, &received, &sent);
    ScratchText text;
    FormatByteSize(&received, text.get());
    PublishField(field, text->GetText(), kRedrawAlways, &received, nullptr);
}

void UpdateNetworkOut(IFieldRow* field, void*, int64_t extraValue)
{
    int64_t received = 0, sent = 0;
    ReadNetwork(Instance(extraValue), kWarmOut, kRaiseSent, &received, &sent);
    ScratchText text;
    FormatByteSize(&sent, text.get());
    PublishField(field, text->GetText(), kRedrawAlways, &sent, nullptr);
}

void UpdateNetworkMax(IFieldRow* field, void*, int64_t extraValue)
{
    ShowPeak(field, Instance(extraValue), kWarmMax, kRaiseAll, kPeakTotal, false);
}

void UpdateNetworkInMax(IFieldRow* field, void*, int64_t extraValue)
{
    ShowPeak(field, Instance(extraValue), kWarmInMax, kRaiseReceived, kPeakReceived, false);
}

void UpdateNetworkOutMax(IFieldRow* field, void*, int64_t extraValue)
{
    ShowPeak(field, Instance(extraValue), kWarmOutMax, kRaiseSent, kPeakSent, false);
}

void UpdateNetworkMaxBits(IFieldRow* field, void*, int64_t extraValue)
{
    ShowPeak(field, Instance(extraValue), kWarmMaxBits, kRaiseAll, kPeakTotal, true);
}

void UpdateNetworkInMaxBits(IFieldRow* field, void*, int64_t extraValue)
{
    ShowPeak(field, Instance(extraValue), kWarmInMaxBits, kRaiseReceived, kPeakReceived, true);
}

void UpdateNetworkOutMaxBits(IFieldRow* field, void*, int64_t extraValue)
{
    ShowPeak(field, Instance(extraValue), kWarmOutMaxBits, kRaiseSent, kPeakSent, true);
}

void UpdateNetworkSum(IFieldRow* field, void*, int64_t extraValue)
{
    ShowOctets(field, Instance(extraValue), kOctetsTotal);
}

void UpdateNetworkInSum(IFieldRow* field, void*, int64_t extraValue)
{
    ShowOctets(field, Instance(extraValue), kOctetsIn);
}

void UpdateNetworkOutSum(IFieldRow* field, void*, int64_t extraValue)
{
    ShowOctets(field, Instance(extraValue), kOctetsOut);
}

void UpdateLocalIp(IFieldRow* field, void*, int64_t extraValue)
{
    FieldSources& sources = GetFieldSources();
    const int32_t instance = Instance(extraValue);
    network::INicConn* connection = instance >= 0 && instance < sources.nicCount() ? sources.nic(instance) : nullptr;
    ScratchText text;
    if (!connection || !connection->IsValid() || !connection->GetIpAddress(text.get()))
        text->Assign(kNoAddress);
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void UpdateGlobalIp(IFieldRow* field, void*, int64_t)
{
    FieldSources& sources = GetFieldSources();
    network::IGipFinder* finder = sources.gipFinder();
    ScratchText text;
    text->Assign(kNoAddress);
    bool anyValid = false;
    const int32_t count = sources.nicCount();
    for (int32_t n = 0; n < count && !anyValid; ++n) {
        network::INicConn* connection = sources.nic(n);
        if (!connection || !connection->IsValid())
            continue;
        anyValid = true;
        if (!finder->IsFound())
            finder->Start();
        // The finder may forget its address between the test and the copy.
        if (!finder->IsFound() || !finder->GetAddress(text.get()))
            text->Assign(L"finding..");
    }
    if (!anyValid) {
        // Looked up again when a connection comes back.
        if (!finder->IsFound())
            finder->Start();
        finder->ClearFound();
    }
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void UpdateConnectionCount(IFieldRow* field, void*, int64_t)
{
    int64_t count = 0;
    if (!GetFieldSources().establishedConnections(&count))
        count = 0;
    ShowCount(field, count);
}

void UpdateProcessCount(IFieldRow* field, void*, int64_t)
{
    // The counter list skips the idle process.
    ShowCount(field, static_cast<int64_t>(GetFieldSources().processCount()) + 1);
}

void UpdateThreadCount(IFieldRow* field, void*, int64_t)
{
    ShowCount(field, ReadTotal(GetFieldSources().totalThreads));
}

void UpdateHandleCount(IFieldRow* field, void*, int64_t)
{
    ShowCount(field, ReadTotal(GetFieldSources().totalHandles));
}

void UpdateUptime(IFieldRow* field, void*, int64_t)
{
    const int64_t seconds = ReadTotal(GetFieldSources().upTimeSeconds);
    ScratchText text;
    time::FormatDuration(seconds * 1000, text.get());
    PublishField(field, text->GetText(), kRedrawTextOnly, nullptr, nullptr);
}

void UpdateBattery(IFieldRow* field, void*, int64_t)
{
    SYSTEM_POWER_STATUS power = {};
    ScratchText text;
    text->Assign(L"---");
    int64_t percent = 100;
    bool onBattery = false;
    if (GetFieldSources().powerStatus(&power)) {
        if (power.ACLineStatus == 1) {
            text->Assign(L"AC");
            percent = power.BatteryLifePercent == 255 ? 100 : power.BatteryLifePercent;
        } else if (power.ACLineStatus == 0) {
            onBattery = true;
            if (power.BatteryLifePercent != 255) {
                percent = power.BatteryLifePercent;
                text->Clear();
                AppendNumber(text.get(), percent, L"%");
            }
        }
    }
    ApplyHighlight(field, onBattery && percent <= 15);
    PublishField(field, text->GetText(), kRedrawOnChange, &percent, nullptr);
}

void ResetFieldCallbackState()
{
    diskIoMaximum = kDiskMaximumStart;
    diskReadMaximum = kDiskMaximumStart;
    diskWriteMaximum = kDiskMaximumStart;
    clockState = ClockState();
    for (WarmUpMark& mark : warmUp)
        mark = WarmUpMark();
}

} // namespace counter
} // namespace system
} // namespace s
