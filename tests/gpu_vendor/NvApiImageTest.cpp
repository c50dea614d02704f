#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "gpu_vendor/NvApiLoader.h"

namespace {

// The headers of a mapped module, as far as the image identity reads them.
class FakeImage {
public:
    FakeImage(uint32_t checkSum, uint32_t stamp) : bytes_(4096, 0)
    {
        IMAGE_DOS_HEADER* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(bytes_.data());
        dos->e_magic = IMAGE_DOS_SIGNATURE;
        dos->e_lfanew = 0x80;
        IMAGE_NT_HEADERS* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(bytes_.data() + 0x80);
        nt->Signature = IMAGE_NT_SIGNATURE;
        nt->FileHeader.TimeDateStamp = stamp;
        nt->OptionalHeader.CheckSum = checkSum;
    }
    HMODULE Module() { return reinterpret_cast<HMODULE>(bytes_.data()); }

private:
    std::vector<BYTE> bytes_;
};

TEST(NvApiImage, TheCheckSumDecidesWhenTheModuleHasOneElseTheTimeStamp)
{
    struct Case {
        const char* what;
        uint32_t rememberedCheckSum, rememberedStamp, checkSum, stamp;
        bool changed;
    };
    const Case cases[] = {
        {"same image", 0x1234, 0x5000, 0x1234, 0x5000, false},
        {"other check sum", 0x1234, 0x5000, 0x9999, 0x5000, true},
        // The check sum alone decides: a rebuilt stamp with the same sum is the same image.
        {"same check sum, other stamp", 0x1234, 0x5000, 0x1234, 0x6000, false},
        {"no check sum, same stamp", 0x1234, 0x5000, 0, 0x5000, false},
        {"no check sum, other stamp", 0, 0x5000, 0, 0x6000, true},
        {"a first check sum where none was", 0, 0x5000, 0x1234, 0x5000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeImage remembered(c.rememberedCheckSum, c.rememberedStamp);
        NvApiRememberImage(remembered.Module(), kNvPowerSlot);
        FakeImage seen(c.checkSum, c.stamp);
        EXPECT_EQ(c.changed, NvApiImageChanged(seen.Module(), kNvPowerSlot));
        // A changed image is remembered in place of the old one: asked again, it is the same.
        EXPECT_FALSE(NvApiImageChanged(seen.Module(), kNvPowerSlot));
    }
}

TEST(NvApiImage, EachSlotRemembersItsOwnImage)
{
    FakeImage first(0, 0x1111);
    FakeImage second(0, 0x2222);
    NvApiRememberImage(first.Module(), kNvApiSlot);
    NvApiRememberImage(second.Module(), kNvPowerSlot);
    EXPECT_FALSE(NvApiImageChanged(first.Module(), kNvApiSlot));
    EXPECT_FALSE(NvApiImageChanged(second.Module(), kNvPowerSlot));
    EXPECT_TRUE(NvApiImageChanged(second.Module(), kNvApiSlot));
}

} // namespace
