#include "measurement/sensors/Chip.h"

namespace s {
namespace system {
namespace win {

namespace {
const int32_t kHighestPort = 0xFFFF;
} // namespace

Chip::Chip() : name(str::strbuffer::StrBuffer::New())
{
    Chip::Reset();
}

Chip::~Chip()
{
    if (name)
        name->ReleaseToPool();
}

const wchar_t* Chip::GetClassName()
{
    return L"s_system_win_Chip";
}

base::IObject* Chip::NewInstance()
{
    return New();
}

void Chip::ReleaseToPool()
{
    thread::GiveToPool(this);
}

void Chip::Reset()
{
    if (name)
        name->Assign(L"");
    matched = false;
    pciReader = nullptr;
    init = nullptr;
    for (Reader& reader : temperatureReaders)
        reader = nullptr;
    for (Reader& reader : fanReaders)
        reader = nullptr;
    pciFound = false;
    pciVendor = 0;
    pciDevice = 0;
    wantedPciFunction = -1;
    foundBus = -1;
    foundDevice = -1;
    foundFunction = -1;
    found = false;
    chipId = -1;
    idMask = 0;
    logicalDevice = -1;
    for (int32_t i = 0; i < kKeyLength; ++i) {
        key2E[i] = -1;
        key4E[i] = -1;
    }
    indexPort = -1;
    dataPort = -1;
    baseAddress = -1;
    revision = 0;
    active = false;
    portReach = 0;
    owner = nullptr;
}

thread::EasyPooler* Chip::GetPool()
{
    return &thread::PoolOf<Chip>();
}

Chip* Chip::New()
{
    return thread::TakeFromPool<Chip>();
}

bool Chip::FitsBase(int32_t address) const
{
    return address >= 1 && address <= kHighestPort - portReach;
}

bool Chip::IsQueryable() const
{
    return found && baseAddress > 0 && active;
}

} // namespace win
} // namespace system
} // namespace s
