#include "app/monitor/FieldCatalogue.h"

#include "app/monitor/FieldKey.h"
#include "app/monitor/FieldSources.h"
#include "app/monitor/ProcessFields.h"
#include "app/monitor/ScratchText.h"
#include "measurement/counter/CounterReaders.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/IMappedData.h"

namespace s {
namespace system {
namespace counter {

namespace {
const wchar_t* const kDefaultKeys[] = {
    L"BOTTLENECK", L"MAIN_VILLAIN", L"CPU_USAGE_TOTAL", L"CPU_VILLAIN", L"CPU_TEMP_C_TOTAL", L"GPU_USAGE_TOTAL",
    L"GPU_TEMP_C_1", L"MEMORY_FREE_BYTES_TOTAL", L"DRIVE_FREE_BYTES_0", L"DISK_IO_TOTAL", L"DISK_SEEK_TOTAL",
    L"DISK_BUSY_TOTAL", L"HDD_VILLAIN", L"HDD_TEMP_C_0", L"NETWORK_IO_TOTAL", L"NETWORK_GIP", L"UPTIME_NORMAL",
    L"BATTERY_LEFT_TOTAL",
};

// Language ids of the label parts.
const int32_t kTextEmpty = 904000, kTextNetwork = 905000, kTextLocalIp = 905500, kTextHdd = 906000;
const int32_t kTextCelsius = 903500, kTextFahrenheit = 903600;
const int32_t kFirstMonthId = 5000100, kFirstWeekdayId = 5100100, kDateIdStep = 100;

const wchar_t kSampleVillain[] = L"-----------";
const wchar_t kSampleDashes[] = L"-----";
const wchar_t kSampleRate[] = L"00.0 KB";
const wchar_t kSamplePercent[] = L"100%";
const wchar_t kSampleBytes[] = L"000 GB";

std::wstring Number(int64_t value)
{
    return std::to_wstring(value);
}

// The drive letters after a disk instance's number ("0 C: D:" gives "C: D:"); a name without
// a space is shown after "HDD".
std::wstring DiskPrefix(const std::wstring& instance)
{
    const size_t space = instance.find(L' ');
    if (space == std::wstring::npos)
        return L"HDD" + instance;
    return instance.substr(space + 1);
}

class Builder {
public:
    Builder(lang::Localizer* localizer, std::vector<FieldDescription>* fields) : localizer_(localizer), fields_(fields) {}

    std::wstring Text(int32_t id)
    {
        const wchar_t* text = localizer_ ? localizer_->GetText(id) : nullptr;
        return text ? text : L"";
    }

    FieldDescription& Add(const wchar_t* key, int32_t labelId, int32_t type, int32_t maximum, const wchar_t* sample,
                   FieldUpdateCallback callback, int64_t extra, bool on)
    {
        FieldDescription field;
        field.key = key;
        field.labelTextId = labelId;
        field.displayType = type;
        field.maximum = maximum;
        field.sample = sample;
        field.callback = callback;
        field.extraValue = extra;
        field.defaultEnabled = on;
        fields_->push_back(field);
        return fields_->back();
    }

    FieldDescription& AddInstance(const std::wstring& key, const std::wstring& prefix, int32_t labelId,
                           const std::wstring& suffix, int32_t type, int32_t maximum, const wchar_t* sample,
                           FieldUpdateCallback callback, const std::wstring& instanceText, int64_t n, bool on)
    {
        FieldDescription& field = Add(key.c_str(), labelId, type, maximum, sample, callback, n, on);
        field.prefix = prefix;
        field.suffix = suffix;
        field.instanceText = instanceText;
        return field;
    }

private:
    lang::Localizer* localizer_;
    std::vector<FieldDescription>* fields_;
};

std::vector<std::wstring> InstanceNames(int32_t list)
{
    FieldSources& sources = GetFieldSources();
    std::vector<std::wstring> names;
    const int32_t count = sources.instanceCount(list);
    ScratchText name;
    for (int32_t i = 0; i < count; ++i) {
        name->Clear();
        sources.instanceName(list, i, name.get());
        names.push_back(name->GetText());
    }
    return names;
}

// Per-disk fields of one counter, only when there is more than one disk instance.
void AddDiskFields(Builder* b, const std::vector<std::wstring>& disks, const wchar_t* keyPrefix, int32_t labelId,
                   int32_t type, int32_t maximum, const wchar_t* sample, FieldUpdateCallback callback)
{
    if (disks.size() <= 1)
        return;
    for (size_t n = 0; n < disks.size(); ++n)
        b->AddInstance(keyPrefix + Number(n), DiskPrefix(disks[n]), labelId, L"", type, maximum, sample, callback,
                       disks[n], static_cast<int64_t>(n), false);
}

// A total network field and, when there is more than one connection, one per connection.
void AddNetworkFields(Builder* b, int32_t connections, const wchar_t* totalKey, int32_t totalId,
                      const wchar_t* keyPrefix, int32_t suffixId, int32_t type, FieldUpdateCallback callback, bool on)
{
    b->Add(totalKey, totalId, type, 1024, kSampleRate, callback, -1, on);
    if (connections <= 1)
        return;
    const std::wstring tail = suffixId ? b->Text(suffixId) : L"";
    for (int32_t n = 0; n < connections; ++n)
        b->AddInstance(keyPrefix + Number(n), L"", kTextNetwork, L" #" + Number(n + 1) + tail, type, 1024,
                       kSampleRate, callback, L"", n, false);
}
} // namespace

bool FieldCatalogue::IsDefaultField(const wchar_t* key)
{
    if (!key)
        return false;
    for (const wchar_t* candidate : kDefaultKeys) {
        if (SameFieldKey(candidate, key))
            return true;
    }
    return false;
}

const FieldDescription* FieldCatalogue::Find(const wchar_t* key) const
{
    for (const FieldDescription& field : fields_) {
        if (SameFieldKey(field.key.c_str(), key))
            return &field;
    }
    return nullptr;
}

void FieldCatalogue::RefillDateNames(lang::Localizer* localizer)
{
    Builder b(localizer, nullptr);
    for (int32_t m = 0; m < 12; ++m)
        dateNames_.names[m] = b.Text(kFirstMonthId + m * kDateIdStep);
    for (int32_t d = 0; d < 7; ++d)
        dateNames_.names[12 + d] = b.Text(kFirstWeekdayId + d * kDateIdStep);
}

void FieldCatalogue::Build(lang::Localizer* localizer, map::IMappedData* settings, const wchar_t* fieldSection)
{
    FieldSources& sources = GetFieldSources();
    fields_.clear();
    Builder b(localizer, &fields_);

    // What this machine can read, for the defaults.
    cpuTemperatureReadable = sources.cpuTemperature() != -100;
    gpuUsageReadable = sources.adlActivity() != -1 || sources.nvUsage() != -1;
    gpuTemperatureReadable = sources.adlTemperature() != -1;
    if (!gpuTemperatureReadable) {
        sources.initNvGpu();
        int32_t minimum = 0, current = 0, maximum = 0;
        gpuTemperatureReadable = sources.nvHasTemperature() && sources.nvThermal(0, &minimum, &current, &maximum)
                              && current < maximum;
    }
    hdd::IHdd* firstDisk = sources.hddCount() > 0 ? sources.hdd(0) : nullptr;
    if (firstDisk)
        firstDisk->RequestRefresh();
    diskTemperatureReadable = firstDisk && firstDisk->GetTemperature() != hdd::IHdd::kNoTemperature;
    SYSTEM_POWER_STATUS power = {};
    onBattery = sources.powerStatus(&power) && power.ACLineStatus == 0;

    ScratchText computer;
    sources.computerName(computer.get());
    b.Add(L"COMPUTER_NAME", 1000100, 0, -1, computer->GetText(), nullptr, 0, false);

    RefillDateNames(localizer);
    FieldDescription& date = b.Add(L"DATE_TIME", 1015000, 3, -1, L"00:00", UpdateDateTime,
                            reinterpret_cast<intptr_t>(&dateNames_), false);
    date.userDataIsBracketFlag = true;

    b.Add(L"BOTTLENECK", 1022000, 3, -1, kSampleVillain, UpdateBottleneck, 0, true);
    b.Add(L"MAIN_VILLAIN", 1016001, 3, -1, kSampleVillain, UpdateMainVillain, 0, true).longValue = true;
    b.Add(L"CPU_GHZ_TOTAL", 1000010, 0, -1, L"0.000", UpdateCpuGhz, 0, false);
    b.Add(L"CPU_USAGE_TOTAL", 1000000, 2, -1, kSamplePercent, UpdateCpuUsage, -1, true);
    const std::vector<std::wstring> cores = InstanceNames(win::kProcessorInstances);
    if (cores.size() > 1) {
        for (size_t n = 0; n < cores.size(); ++n)
            b.AddInstance(L"CPU_USAGE_" + Number(n), L"CPU #" + Number(n + 1), kTextEmpty, L"", 2, -1,
                          kSamplePercent, UpdateCpuUsage, cores[n], static_cast<int64_t>(n), false);
    }
    b.Add(L"CPU_VILLAIN", 1017000, 3, -1, kSampleVillain, UpdateCpuVillain, 0, true).longValue = true;
    b.Add(L"CPU_TEMP_C_TOTAL", 907000, 3, -1, kSampleDashes, UpdateCpuTempC, -1, cpuTemperatureReadable).suffix =
        b.Text(kTextCelsius);
    b.Add(L"CPU_TEMP_F_TOTAL", 907000, 3, -1, kSampleDashes, UpdateCpuTempF, -1, false).suffix =
        b.Text(kTextFahrenheit);
    b.Add(L"GPU_USAGE_TOTAL", 907500, 1, -1, kSampleDashes, UpdateGpuUsage, -1, gpuUsageReadable);
    b.Add(L"GPU_TEMP_C_1", 907500, 3, -1, kSampleDashes, UpdateGpuTempC, -1, gpuTemperatureReadable).suffix =
        b.Text(kTextCelsius);
    b.Add(L"GPU_TEMP_F_1", 907500, 3, -1, kSampleDashes, UpdateGpuTempF, -1, false).suffix = b.Text(kTextFahrenheit);
    b.Add(L"GPU_FAN_RPM_1", 907520, 3, -1, kSampleDashes, UpdateGpuFan, -1, false);
    for (int32_t n = 0; n < 3; ++n)
        b.AddInstance(L"SYS_TEMP_C_" + Number(n), L"", 908000, Number(n + 1) + b.Text(kTextCelsius), 3, -1,
                      kSampleDashes, UpdateSensorTempC, L"", n, false);
    for (int32_t n = 0; n < 3; ++n)
        b.AddInstance(L"SYS_TEMP_F_" + Number(n), L"", 908000, Number(n + 1) + b.Text(kTextFahrenheit), 3, -1,
                      kSampleDashes, UpdateSensorTempF, L"", n, false);
    for (int32_t n = 0; n < 5; ++n)
        b.AddInstance(L"FAN_SPEED_RPM_" + Number(n), L"", 909000, Number(n + 1) + b.Text(910000), 3, -1,
                      kSampleDashes, UpdateSensorFan, L"", n, false);

    b.Add(L"MEMORY_USAGE_TOTAL", 1001000, 3, -1, kSamplePercent, UpdateMemoryUsage, 0, false);
    b.Add(L"MEMORY_USED_BYTES_TOTAL", 1001400, 3, -1, kSampleBytes, UpdateMemoryUsed, 0, false);
    b.Add(L"MEMORY_FREE_BYTES_TOTAL", 1001500, 3, -1, kSampleBytes, UpdateMemoryFree, 0, true);
    b.Add(L"MEMORY_SWAPPED_TOTAL", 1002000, 3, -1, kSamplePercent, UpdateMemorySwap, 0, false);
    b.Add(L"MEM_VILLAIN", 1018000, 3, -1, L"------------", UpdateMemVillain, 0, false).longValue = true;

    const int32_t drives = sources.fixedDriveCount();
    b.Add(L"DRIVE_USED_TOTAL", 1004000, 3, -1, kSamplePercent, UpdateDriveUsed, -1, false);
    if (drives > 1) {
        for (int32_t n = 0; n < drives; ++n)
            b.AddInstance(L"DRIVE_USED_" + Number(n), sources.fixedDriveRoot(n), 900000, L"", 3, -1, kSamplePercent,
                          UpdateDriveUsed, sources.fixedDriveRoot(n), n, false);
    }
    b.Add(L"DRIVE_FREE_BYTES_TOTAL", 1004500, 3, -1, kSampleBytes, UpdateDriveFree, -1, false);
    for (int32_t n = 0; n < drives; ++n)
        b.AddInstance(L"DRIVE_FREE_BYTES_" + Number(n), sources.fixedDriveRoot(n), 900500, L"", 3, -1, kSampleBytes,
                      UpdateDriveFree, sources.fixedDriveRoot(n), n, n == 0);

    const std::vector<std::wstring> disks = InstanceNames(win::kPhysicalDiskInstances);
    b.Add(L"DISK_IO_TOTAL", 1005000, 2, 1024, kSampleRate, UpdateDiskIo, -1, true);
    AddDiskFields(&b, disks, L"DISK_IO_", 901000, 2, 1024, kSampleRate, UpdateDiskIo);
    b.Add(L"DISK_IO_READ_TOTAL", 1005100, 1, 1024, kSampleRate, UpdateDiskRead, -1, false);
    AddDiskFields(&b, disks, L"DISK_IO_READ_", 901010, 1, 1024, kSampleRate, UpdateDiskRead);
    b.Add(L"DISK_IO_WRITE_TOTAL", 1005200, 1, 1024, kSampleRate, UpdateDiskWrite, -1, false);
    AddDiskFields(&b, disks, L"DISK_IO_WRITE_", 901020, 1, 1024, kSampleRate, UpdateDiskWrite);
    b.Add(L"DISK_SEEK_TOTAL", 1006000, 2, 100, L"000", UpdateDiskSeek, -1, true);
    AddDiskFields(&b, disks, L"DISK_SEEK_", 902000, 2, 100, L"000", UpdateDiskSeek);
    b.Add(L"DISK_BUSY_TOTAL", 1007000, 3, -1, kSamplePercent, UpdateDiskBusy, -1, true);
    AddDiskFields(&b, disks, L"DISK_BUSY_", 903000, 3, -1, kSamplePercent, UpdateDiskBusy);

    const int32_t hdds = sources.hddCount();
    for (int32_t pass = 0; pass < 2; ++pass) {
        for (int32_t n = 0; n < hdds; ++n) {
            hdd::IHdd* disk = sources.hdd(n);
            if (!disk || !disk->HasSmart())
                continue;
            const std::wstring number = hdds > 1 ? L"#" + Number(n + 1) : L"";
            b.AddInstance((pass == 0 ? L"HDD_TEMP_C_" : L"HDD_TEMP_F_") + Number(n), L"", kTextHdd,
                          number + b.Text(pass == 0 ? kTextCelsius : kTextFahrenheit), 3, -1,
                          pass == 0 ? L"0 \u00B0C" : L"0 \u00B0F", pass == 0 ? UpdateHddTempC : UpdateHddTempF, L"",
                          n, pass == 0 && n == 0 && diskTemperatureReadable);
        }
    }
    b.Add(L"HDD_VILLAIN", 1019000, 3, -1, kSampleVillain, UpdateHddVillain, 0, true).longValue = true;

    const int32_t connections = sources.nicCount();
    AddNetworkFields(&b, connections, L"NETWORK_IO_TOTAL", 1008000, L"NETWORK_IO_", 0, 2, UpdateNetworkIo, true);
    AddNetworkFields(&b, connections, L"NETWORK_IO_IN_TOTAL", 1008100, L"NETWORK_IO_IN_", 901100, 1, UpdateNetworkIn,
                     false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_OUT_TOTAL", 1008200, L"NETWORK_IO_OUT_", 901200, 1,
                     UpdateNetworkOut, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_MAX_TOTAL", 1008010, L"NETWORK_IO_MAX_", 901300, 0,
                     UpdateNetworkMax, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_IN_MAX_TOTAL", 1008110, L"NETWORK_IO_IN_MAX_", 901110, 0,
                     UpdateNetworkInMax, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_OUT_MAX_TOTAL", 1008210, L"NETWORK_IO_OUT_MAX_", 901210, 0,
                     UpdateNetworkOutMax, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_MAXB_TOTAL", 1008011, L"NETWORK_IO_MAXB_", 901400, 0,
                     UpdateNetworkMaxBits, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_IN_MAXB_TOTAL", 1008111, L"NETWORK_IO_IN_MAXB_", 901120, 0,
                     UpdateNetworkInMaxBits, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_OUT_MAXB_TOTAL", 1008211, L"NETWORK_IO_OUT_MAXB_", 901220, 0,
                     UpdateNetworkOutMaxBits, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_SUM_TOTAL", 1008020, L"NETWORK_IO_SUM_", 901500, 0,
                     UpdateNetworkSum, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_IN_SUM_TOTAL", 1008120, L"NETWORK_IO_IN_SUM_", 901130, 0,
                     UpdateNetworkInSum, false);
    AddNetworkFields(&b, connections, L"NETWORK_IO_OUT_SUM_TOTAL", 1008220, L"NETWORK_IO_OUT_SUM_", 901230, 0,
                     UpdateNetworkOutSum, false);
    b.Add(L"NETWORK_GIP", 1008300, 0, -1, L"---------", UpdateGlobalIp, 0, true);
    if (connections == 1) {
        b.Add(L"NETWORK_IP", 1008400, 0, -1, L"---------", UpdateLocalIp, 0, false);
    } else {
        for (int32_t n = 0; n < connections; ++n)
            b.AddInstance(L"NETWORK_IP_" + Number(n), L"", kTextNetwork,
                          L" #" + Number(n + 1) + L" " + b.Text(kTextLocalIp), 0, -1, L"---------", UpdateLocalIp, L"",
                          n, false);
    }
    b.Add(L"CONNECTION_NUM_TOTAL", 1009000, 0, -1, L"00", UpdateConnectionCount, 0, false);
    b.Add(L"PROCESS_NUM_TOTAL", 1010000, 0, -1, L"00", UpdateProcessCount, 0, false);
    b.Add(L"THREAD_NUM_TOTAL", 1011000, 0, -1, L"000", UpdateThreadCount, 0, false);
    b.Add(L"THREAD_VILLAIN", 1020000, 3, -1, kSampleVillain, UpdateThreadVillain, 0, false).longValue = true;
    b.Add(L"HANDLE_NUM_TOTAL", 1012000, 0, -1, L"00,000", UpdateHandleCount, 0, false);
    b.Add(L"HANDLE_VILLAIN", 1021000, 3, -1, kSampleVillain, UpdateHandleVillain, 0, false).longValue = true;
    b.Add(L"UPTIME_NORMAL", 1013000, 0, -1, L"00h 00m", UpdateUptime, 0, true);
    b.Add(L"BATTERY_LEFT_TOTAL", 1014000, 3, -1, kSamplePercent, UpdateBattery, 0, onBattery);

    for (FieldDescription& field : fields_) {
        // The outgoing graphs; the maximum and sum fields have no counter to flip.
        const std::wstring& key = field.key;
        field.toggleCounterFlag = field.displayType != 0
            && (key.compare(0, 14, L"DISK_IO_WRITE_") == 0 || key.compare(0, 15, L"NETWORK_IO_OUT_") == 0);
        field.enabled = settings ? settings->GetBool(fieldSection, key.c_str(), field.defaultEnabled)
                                : field.defaultEnabled;
    }
}

} // namespace counter
} // namespace system
} // namespace s
