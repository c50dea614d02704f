#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// The test side of the stand-in hardware-access library (tests/fixtures/FakeWinRing0.cpp): loads
// it by its path, so that the sensors' LoadLibraryW("WinRing0x64.dll") finds it already loaded,
// and scripts its registers, PCI devices and ports.
class FakeRing {
public:
    // The Super I/O entry keys.
    static const std::vector<BYTE> kKeyA;
    static const std::vector<BYTE> kKeyB2E;
    static const std::vector<BYTE> kKeyB4E;

    // True when the stand-in in the folder beside the program ("fakering", or
    // "fakering-incomplete") is now the process's "WinRing0x64.dll".
    static bool Install(const wchar_t* folder = L"fakering");

    // Forgets the script and the writes; the set-up counts stay.
    static void Reset();
    static void SetInitFails(bool fails);
    static long Inits();
    static long Deinits();

    static void SetMsr(uint32_t index, uint32_t low, uint32_t high);
    static void FailMsr(uint32_t index, bool failTx, bool failPlain);
    static long MsrReads(uint32_t index);

    static void AddPciDevice(uint16_t vendor, uint16_t device, uint32_t address);
    static void AnswerEveryPciIndex(uint32_t address);
    static long FindCalls();
    static void SetPciConfig(uint32_t address, uint32_t offset, uint32_t value);

    static void AddSuperIo(uint16_t indexPort, const std::vector<BYTE>& key, BYTE idHigh, BYTE idLow, BYTE revision,
                           uint16_t base);
    static int ConfigRegister(uint16_t indexPort, BYTE reg);
    static bool InConfigMode(uint16_t indexPort);
    static void AddRegisterFile(uint16_t addressPort, uint16_t dataPort, bool banked);
    static void SetRegister(uint16_t dataPort, int reg, BYTE value);
    static void FailRegister(uint16_t dataPort, int reg);
    static int Register(uint16_t dataPort, int reg);
    static void SetPort(uint16_t port, BYTE value);
    static void FailPort(uint16_t port);
    static int Port(uint16_t port);
    static std::vector<std::pair<uint16_t, BYTE>> Writes();

    // Registers that make a processor of this vendor ("GenuineIntel" or "AuthenticAMD") read
    // celsius: TjMax 100 with a valid package reading, or a K10 northbridge reading. False for
    // another vendor.
    static bool ScriptCpuTemperature(const wchar_t* vendor, int celsius);
};

} // namespace testing_support
