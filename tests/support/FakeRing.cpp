#include "support/FakeRing.h"

namespace testing_support {

namespace {
HMODULE gFake = nullptr;

template <class F>
F Entry(const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(gFake, name)));
}

std::wstring FakePath(const wchar_t* folder)
{
    wchar_t exe[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, n);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + folder + L"\\WinRing0x64.dll";
}
} // namespace

const std::vector<BYTE> FakeRing::kKeyA = {0x87, 0x87};
const std::vector<BYTE> FakeRing::kKeyB2E = {0x87, 0x01, 0x55, 0x55};
const std::vector<BYTE> FakeRing::kKeyB4E = {0x87, 0x01, 0x55, 0xAA};

bool FakeRing::Install(const wchar_t* folder)
{
    if (!gFake) {
        gFake = LoadLibraryW(FakePath(folder).c_str());
        if (!gFake)
            return false;
    }
    HMODULE byName = LoadLibraryW(L"WinRing0x64.dll");
    if (byName)
        FreeLibrary(byName);
    return byName == gFake;
}

void FakeRing::Reset()
{
    Entry<void (*)()>("FakeRingReset")();
}

void FakeRing::SetInitFails(bool fails)
{
    Entry<void (*)(BOOL)>("FakeRingSetInitFails")(fails ? TRUE : FALSE);
}

long FakeRing::Inits()
{
    return Entry<LONG (*)()>("FakeRingInits")();
}

long FakeRing::Deinits()
{
    return Entry<LONG (*)()>("FakeRingDeinits")();
}

void FakeRing::SetMsr(uint32_t index, uint32_t low, uint32_t high)
{
    Entry<void (*)(DWORD, DWORD, DWORD)>("FakeRingSetMsr")(index, low, high);
}

void FakeRing::FailMsr(uint32_t index, bool failTx, bool failPlain)
{
    Entry<void (*)(DWORD, BOOL, BOOL)>("FakeRingFailMsr")(index, failTx, failPlain);
}

long FakeRing::MsrReads(uint32_t index)
{
    return Entry<LONG (*)(DWORD)>("FakeRingMsrReads")(index);
}

void FakeRing::AddPciDevice(uint16_t vendor, uint16_t device, uint32_t address)
{
    Entry<void (*)(WORD, WORD, DWORD)>("FakeRingAddPciDevice")(vendor, device, address);
}

void FakeRing::AnswerEveryPciIndex(uint32_t address)
{
    Entry<void (*)(DWORD)>("FakeRingAnswerEveryPciIndex")(address);
}

long FakeRing::FindCalls()
{
    return Entry<LONG (*)()>("FakeRingFindCalls")();
}

void FakeRing::SetPciConfig(uint32_t address, uint32_t offset, uint32_t value)
{
    Entry<void (*)(DWORD, DWORD, DWORD)>("FakeRingSetPciConfig")(address, offset, value);
}

void FakeRing::AddSuperIo(uint16_t indexPort, const std::vector<BYTE>& key, BYTE idHigh, BYTE idLow, BYTE revision,
                          uint16_t base)
{
    Entry<void (*)(WORD, const BYTE*, int, BYTE, BYTE, BYTE, WORD)>("FakeRingAddSuperIo")(
        indexPort, key.data(), static_cast<int>(key.size()), idHigh, idLow, revision, base);
}

int FakeRing::ConfigRegister(uint16_t indexPort, BYTE reg)
{
    return Entry<int (*)(WORD, BYTE)>("FakeRingConfigRegister")(indexPort, reg);
}

bool FakeRing::InConfigMode(uint16_t indexPort)
{
    return Entry<BOOL (*)(WORD)>("FakeRingInConfigMode")(indexPort) != FALSE;
}

void FakeRing::AddRegisterFile(uint16_t addressPort, uint16_t dataPort, bool banked)
{
    Entry<void (*)(WORD, WORD, BOOL)>("FakeRingAddRegisterFile")(addressPort, dataPort, banked);
}

void FakeRing::SetRegister(uint16_t dataPort, int reg, BYTE value)
{
    Entry<void (*)(WORD, int, BYTE)>("FakeRingSetRegister")(dataPort, reg, value);
}

void FakeRing::FailRegister(uint16_t dataPort, int reg)
{
    Entry<void (*)(WORD, int)>("FakeRingFailRegister")(dataPort, reg);
}

int FakeRing::Register(uint16_t dataPort, int reg)
{
    return Entry<int (*)(WORD, int)>("FakeRingRegister")(dataPort, reg);
}

void FakeRing::SetPort(uint16_t port, BYTE value)
{
    Entry<void (*)(WORD, BYTE)>("FakeRingSetPort")(port, value);
}

void FakeRing::FailPort(uint16_t port)
{
    Entry<void (*)(WORD)>("FakeRingFailPort")(port);
}

int FakeRing::Port(uint16_t port)
{
    return Entry<int (*)(WORD)>("FakeRingPort")(port);
}

std::vector<std::pair<uint16_t, BYTE>> FakeRing::Writes()
{
    std::vector<std::pair<uint16_t, BYTE>> writes;
    auto at = Entry<BOOL (*)(LONG, WORD*, BYTE*)>("FakeRingWriteAt");
    WORD port = 0;
    BYTE value = 0;
    for (LONG n = 0; at(n, &port, &value); ++n)
        writes.emplace_back(port, value);
    return writes;
}

bool FakeRing::ScriptCpuTemperature(const wchar_t* vendor, int celsius)
{
    if (_wcsicmp(vendor, L"GenuineIntel") == 0) {
        SetMsr(0x1A2, 100u << 16, 0);
        SetMsr(0x1B1, 0x80000000u | (static_cast<uint32_t>(100 - celsius) << 16), 0);
        return true;
    }
    if (_wcsicmp(vendor, L"AuthenticAMD") == 0) {
        const uint32_t address = (24u << 3) | 3u;
        AddPciDevice(0x1022, 0x1203, address);
        SetPciConfig(address, 0xA4, static_cast<uint32_t>(celsius) << 24);
        return true;
    }
    return false;
}

} // namespace testing_support
