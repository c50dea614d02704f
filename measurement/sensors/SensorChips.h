#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/str/StrArray.h"
#include "measurement/sensors/Chip.h"

namespace s {
namespace system {
namespace win {

// The known sensor chips, probed once (three PCI functions, then 29 Super I/O chips at the
// configuration ports 0x2E/0x2F and 0x4E/0x4F), the ones found, in the order found, and the log
// of what the probe saw. The process-wide set serves the gadget; a test makes its own.
class SensorChips {
public:
    static const uint32_t kLogLimit = 100;

    SensorChips();
    ~SensorChips();

    // Probes once; the done flag is tested before and after the detection lock.
    void Detect();
    // Detects, then asks the found chips in order; the first whose reader answers gives the
    // value (a temperature below 0 as 0). False, and 127 or 0, when none does.
    bool GetTemperature(int64_t* out, int32_t sensor);
    bool GetFanSpeed(int64_t* out, int32_t fan);
    // "[Chips]" and a copy of every log line, detecting first.
    str::strarray::StrArray* BuildReport();
    // Appends a line, dropping the oldest beyond kLogLimit.
    void AddLog(const wchar_t* text);

    uint32_t GetChipCount() { return chips_.GetCount(); }
    Chip* GetChip(uint32_t index) { return static_cast<Chip*>(chips_.Get(index)); }
    uint32_t GetFoundCount() { return found_.GetCount(); }
    Chip* GetFound(uint32_t index) { return static_cast<Chip*>(found_.Get(index)); }

    // State the chip families keep once per set: the first Winbond of the older rows has been
    // set up; the ITE fans have been discovered, and which of the five count.
    bool winbondInitDone;
    bool iteFansDiscovered;
    int32_t iteFanMask;

private:
    SensorChips(const SensorChips&) = delete;
    SensorChips& operator=(const SensorChips&) = delete;

    void CreateTable();
    Chip* AddChip(const wchar_t* name);
    void DetectPci();
    void Probe(Chip* chip);
    void ProbeAt(Chip* chip, uint16_t indexPort, uint16_t dataPort);
    void AddLogFormatted(const wchar_t* format, int32_t value);
    // The value of the first found chip whose temperature or fan reader [index] answers.
    bool AskFoundChips(int64_t* out, bool temperature, int32_t index);

    col::_array::ArrayP chips_;
    col::_array::ArrayP found_;
    str::strarray::StrArray log_;
    std::atomic<bool> detected_;
    bool idLogged_;
    CRITICAL_SECTION detectLock_;
    CRITICAL_SECTION logLock_;
};

// The process-wide set.
SensorChips& GetSensorChips();
// A board temperature (sensor 0 to 2) in degrees Celsius from the first found chip that has it.
bool GetSensorTemperature(int64_t* out, int32_t sensor);
// A fan speed (fan 0 to 4) in RPM from the first found chip that has it.
bool GetSensorFanSpeed(int64_t* out, int32_t fan);
str::strarray::StrArray* BuildChipsReport();
void AddChipLog(const wchar_t* text);

} // namespace win
} // namespace system
} // namespace s
