#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace system {
namespace win {

class SensorChips;

// One known sensor chip: how to find it (a Super I/O id at the configuration ports, or a PCI
// function), what was found, and its family's operations. Made from its pool by the chip set.
class Chip : public base::IObject, public thread::IPoolable {
public:
    typedef bool (*PciReader)(Chip* chip, uint32_t* value);
    typedef void (*InitOperation)(Chip* chip);
    typedef bool (*Reader)(Chip* chip, int32_t* value);

    static const int32_t kTemperatureCount = 3;
    static const int32_t kFanCount = 5;
    static const int32_t kKeyLength = 4;

    Chip();
    ~Chip() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static Chip* New();

    // True when the chip's family registers, the highest lying portReach above the base, all
    // fit below port 0x10000.
    bool FitsBase(int32_t address) const;
    // Found with an address and active: its readers may be asked.
    bool IsQueryable() const;
    // The port at offset above the base address.
    uint16_t PortAt(int32_t offset) const { return static_cast<uint16_t>(baseAddress + offset); }

    str::strbuffer::StrBuffer* name;
    bool matched;
    PciReader pciReader;
    InitOperation init;
    Reader temperatureReaders[kTemperatureCount];
    Reader fanReaders[kFanCount];

    bool pciFound;
    int32_t pciVendor;
    int32_t pciDevice;
    int32_t wantedPciFunction;
    int32_t foundBus;
    int32_t foundDevice;
    int32_t foundFunction;

    bool found;
    int32_t chipId;
    int32_t idMask;
    int32_t logicalDevice;
    // The bytes that open the configuration mode at port 0x2E and at port 0x4E; -1 for none.
    int32_t key2E[kKeyLength];
    int32_t key4E[kKeyLength];

    int32_t indexPort;
    int32_t dataPort;
    int32_t baseAddress;
    int32_t revision;
    bool active;

    // How far above the base the family's highest register port lies (0 without registers).
    int32_t portReach;
    // The set the chip belongs to, whose once-per-set state its family's operations share.
    SensorChips* owner;

private:
    Chip(const Chip&) = delete;
    Chip& operator=(const Chip&) = delete;
};

} // namespace win
} // namespace system
} // namespace s
