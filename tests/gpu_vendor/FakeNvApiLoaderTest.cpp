// Run with the stand-in nvapi64.dll loaded through the loader's library call.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "gpu_vendor/FakeNvApiControl.h"
#include "gpu_vendor/NvApi.h"
#include "gpu_vendor/NvApiLoader.h"
#include "support/Wait.h"

using testing_support::FakeNvApi;

namespace {

HMODULE Loaded()
{
    return GetModuleHandleW(L"nvapi64.dll");
}

NvAPI_Status ReadTach(uint32_t* rpm)
{
    // The stand-in's first GPU of the current epoch.
    NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS] = {};
    uint32_t count = 0;
    const NvAPI_Status status = NvAPI_EnumPhysicalGPUs(handles, &count);
    if (status != NVAPI_OK)
        return status;
    return NvAPI_GPU_GetTachReading(handles[0], rpm);
}

// One call of each of the five interfaces on the stand-in's first GPU; true when all answer.
bool CallEveryInterface()
{
    NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS] = {};
    uint32_t count = 0, rpm = 0;
    NvDynamicPstatesRecord pstates = {};
    pstates.version = kNvDynamicPstatesVersion1;
    NvThermalRecord thermal = {};
    thermal.version = kNvThermalVersion2;
    return NvAPI_EnumTCCPhysicalGPUs(handles, &count) == NVAPI_OK
        && NvAPI_EnumPhysicalGPUs(handles, &count) == NVAPI_OK
        && NvAPI_GPU_GetDynamicPstatesInfoEx(handles[0], &pstates) == NVAPI_OK
        && NvAPI_GPU_GetThermalSettings(handles[0], 0, &thermal) == NVAPI_OK
        && NvAPI_GPU_GetTachReading(handles[0], &rpm) == NVAPI_OK;
}

const FakeNvApiEntry kInterfaces[] = {kFakeEnumPhysical, kFakeEnumTcc, kFakePstates, kFakeThermal, kFakeTach};

// Every test starts with nothing loaded and ends so, with no call in flight.
class FakeNvApiLoader : public testing::Test {
protected:
    void SetUp() override
    {
        script_ = &FakeNvApi::Reset();
        FakeNvApi::Install(1);
        ASSERT_EQ(nullptr, Loaded());
    }
    void TearDown() override
    {
        script_->release = 1;
        script_->unloadStatus = 0;
        script_->known = (1u << kFakeEntryCount) - 1;
        for (int i = 0; i < 20 && Loaded(); ++i) {
            if (NvAPI_Unload() != NVAPI_OK)
                Sleep(50);
        }
        EXPECT_EQ(nullptr, Loaded());
        EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
        FakeNvApi::Uninstall();
    }
    FakeNvApiScript* script_ = nullptr;
};

TEST_F(FakeNvApiLoader, TheFirstInitialiseLoadsAndInitialisesOnceAndHoldsNoCount)
{
    const uint32_t generation = NvApiLoadGeneration();
    EXPECT_EQ(NVAPI_OK, NvAPI_Initialize());
    EXPECT_NE(nullptr, Loaded());
    EXPECT_EQ(1, FakeNvApi::LoadAttempts());
    EXPECT_EQ(1, script_->calls[kFakeInitialize]);
    EXPECT_EQ(generation + 1, NvApiLoadGeneration());
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));

    EXPECT_EQ(NVAPI_OK, NvAPI_Initialize());
    EXPECT_EQ(1, FakeNvApi::LoadAttempts());
    EXPECT_EQ(1, script_->calls[kFakeInitialize]);
    EXPECT_EQ(generation + 1, NvApiLoadGeneration());
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
}

TEST_F(FakeNvApiLoader, UnloadFreesTheLibraryAndTheNextCallLoadsItAgain)
{
    EXPECT_EQ(NVAPI_API_NOT_INITIALIZED, NvAPI_Unload());
    EXPECT_EQ(0, script_->calls[kFakeUnload]);

    uint32_t rpm = 0;
    ASSERT_EQ(NVAPI_OK, ReadTach(&rpm));
    EXPECT_EQ(1234u, rpm);
    EXPECT_EQ(NVAPI_OK, NvAPI_Unload());
    EXPECT_EQ(1, script_->calls[kFakeUnload]);
    EXPECT_EQ(nullptr, Loaded());
    EXPECT_EQ(1, script_->detaches);
    EXPECT_EQ(NVAPI_API_NOT_INITIALIZED, NvAPI_Unload());

    // Loaded afresh, and each interface looked up again in the new library.
    const uint32_t generation = NvApiLoadGeneration();
    ASSERT_TRUE(CallEveryInterface());
    EXPECT_EQ(2, FakeNvApi::LoadAttempts());
    EXPECT_EQ(2, script_->calls[kFakeInitialize]);
    EXPECT_EQ(generation + 1, NvApiLoadGeneration());
    EXPECT_EQ(2, script_->queries[kFakeTach]);
    EXPECT_EQ(2, script_->queries[kFakeEnumPhysical]);
    EXPECT_EQ(1, script_->queries[kFakeThermal]);
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
}

TEST_F(FakeNvApiLoader, ALibraryThatRefusesToInitialiseIsFreedAndTriedAgainNextTime)
{
    struct Case {
        const char* what;
        int32_t initializeStatus;
        bool initializeKnown;
    };
    const Case cases[] = {{"initialise fails", -1, true}, {"initialise unknown", 0, false}};
    long attempts = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        script_->initializeStatus = c.initializeStatus;
        FakeNvApi::Know(kFakeInitialize, c.initializeKnown);
        EXPECT_EQ(NVAPI_ERROR, NvAPI_Initialize());
        EXPECT_EQ(++attempts, FakeNvApi::LoadAttempts());
        EXPECT_EQ(nullptr, Loaded());
        EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
        uint32_t rpm = 0;
        EXPECT_EQ(NVAPI_ERROR, NvAPI_GPU_GetTachReading(nullptr, &rpm));
        EXPECT_EQ(++attempts, FakeNvApi::LoadAttempts());
        EXPECT_EQ(0, script_->calls[kFakeTach]);
        EXPECT_EQ(NVAPI_API_NOT_INITIALIZED, NvAPI_Unload());
    }
    // Not a missing library: once it initialises, it is used.
    script_->initializeStatus = 0;
    FakeNvApi::Know(kFakeInitialize, true);
    EXPECT_EQ(NVAPI_OK, NvAPI_Initialize());
}

TEST_F(FakeNvApiLoader, AnIdTheLibraryDoesNotKnowIsNoImplementationAndNeverCalled)
{
    FakeNvApi::Know(kFakeTach, false);
    uint32_t rpm = 5;
    EXPECT_EQ(NVAPI_NO_IMPLEMENTATION, ReadTach(&rpm));
    EXPECT_EQ(5u, rpm);
    EXPECT_EQ(0, script_->calls[kFakeTach]);
    EXPECT_EQ(1, script_->queries[kFakeTach]);
    // The enumeration before it was bracketed; the refused call was not.
    EXPECT_EQ(1, script_->calls[kFakePreCallHook]);
    EXPECT_EQ(1, script_->calls[kFakePostCallHook]);
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
    // Not cached as missing for good: asked again on the next call.
    EXPECT_EQ(NVAPI_NO_IMPLEMENTATION, ReadTach(&rpm));
    EXPECT_EQ(2, script_->queries[kFakeTach]);
}

TEST_F(FakeNvApiLoader, TheHooksBracketEachCallWithOneCookie)
{
    script_->tachStatus = -7;
    uint32_t rpm = 0;
    EXPECT_EQ(-7, ReadTach(&rpm));
    EXPECT_EQ(2, script_->calls[kFakePreCallHook]);
    EXPECT_EQ(2, script_->calls[kFakePostCallHook]);
    EXPECT_EQ(0, script_->unbracketedCalls);
    EXPECT_NE(0u, script_->handedCookie);
    EXPECT_EQ(script_->handedCookie, script_->returnedCookie);
    EXPECT_EQ(-7, script_->lastPostStatus);
    // The loader's own calls are not interface calls and are not bracketed.
    EXPECT_EQ(1, script_->calls[kFakeInitialize]);
}

TEST_F(FakeNvApiLoader, OneHookAloneIsNeverCalled)
{
    for (FakeNvApiEntry missing : {kFakePreCallHook, kFakePostCallHook}) {
        SCOPED_TRACE(missing);
        FakeNvApi::Reset();
        FakeNvApi::Know(missing, false);
        uint32_t rpm = 0;
        EXPECT_EQ(NVAPI_OK, ReadTach(&rpm));
        EXPECT_EQ(1234u, rpm);
        EXPECT_EQ(0, script_->calls[kFakePreCallHook]);
        EXPECT_EQ(0, script_->calls[kFakePostCallHook]);
        EXPECT_EQ(2, script_->unbracketedCalls);
        ASSERT_EQ(NVAPI_OK, NvAPI_Unload());
    }
}

TEST_F(FakeNvApiLoader, AReplacedImageIsResolvedAgainAndEveryInterfaceLookedUpOnce)
{
    ASSERT_TRUE(CallEveryInterface());
    EXPECT_EQ(1, script_->lastImage);
    const uint32_t generation = NvApiLoadGeneration();

    // Someone else frees the library under the loader and loads another build of it.
    HMODULE first = Loaded();
    ASSERT_NE(nullptr, first);
    FreeLibrary(first);
    ASSERT_EQ(nullptr, Loaded());
    HMODULE second = LoadLibraryW(FakeNvApi::Path(2).c_str());
    ASSERT_NE(nullptr, second);

    EXPECT_TRUE(CallEveryInterface());
    EXPECT_EQ(2, script_->lastImage);
    EXPECT_EQ(generation + 1, NvApiLoadGeneration());
    EXPECT_EQ(2, script_->calls[kFakeInitialize]);
    EXPECT_EQ(1, FakeNvApi::LoadAttempts());
    // Each looked up once in the new image, then kept.
    EXPECT_TRUE(CallEveryInterface());
    for (FakeNvApiEntry entry : kInterfaces) {
        EXPECT_EQ(2, script_->queries[entry]) << entry;
        EXPECT_EQ(3, script_->calls[entry]) << entry;
    }

    // The loader took a reference of its own: unloading gives back only that one.
    EXPECT_EQ(NVAPI_OK, NvAPI_Unload());
    EXPECT_EQ(second, Loaded());
    FreeLibrary(second);
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
}

TEST_F(FakeNvApiLoader, ALibraryLeftInMemoryAfterAnUnloadIsInitialisedAgainBeforeUse)
{
    HMODULE kept = LoadLibraryW(FakeNvApi::Path(1).c_str());
    ASSERT_NE(nullptr, kept);
    uint32_t rpm = 0;
    EXPECT_EQ(NVAPI_OK, ReadTach(&rpm));
    EXPECT_EQ(0, FakeNvApi::LoadAttempts());
    EXPECT_EQ(NVAPI_OK, NvAPI_Unload());
    EXPECT_EQ(kept, Loaded());

    const uint32_t generation = NvApiLoadGeneration();
    EXPECT_EQ(NVAPI_OK, ReadTach(&rpm));
    EXPECT_EQ(generation + 1, NvApiLoadGeneration());
    EXPECT_EQ(2, script_->calls[kFakeInitialize]);
    EXPECT_EQ(2, script_->queries[kFakeTach]);
    EXPECT_EQ(NVAPI_OK, NvAPI_Unload());
    EXPECT_EQ(2, script_->calls[kFakeUnload]);
    FreeLibrary(kept);
}

TEST_F(FakeNvApiLoader, AnUnloadThatTheLibraryRefusesOrCannotDoKeepsItLoaded)
{
    ASSERT_EQ(NVAPI_OK, NvAPI_Initialize());
    script_->unloadStatus = -1;
    EXPECT_EQ(NVAPI_ERROR, NvAPI_Unload());
    EXPECT_NE(nullptr, Loaded());
    FakeNvApi::Know(kFakeUnload, false);
    EXPECT_EQ(NVAPI_NO_IMPLEMENTATION, NvAPI_Unload());
    EXPECT_NE(nullptr, Loaded());
    uint32_t rpm = 0;
    EXPECT_EQ(NVAPI_OK, ReadTach(&rpm));
}

TEST_F(FakeNvApiLoader, AnUnloadWhileACallIsInFlightIsRefused)
{
    script_->blockEntry = kFakeTach;
    NvAPI_Status result = 99;
    std::thread caller([&] {
        uint32_t rpm = 0;
        result = ReadTach(&rpm);
    });
    ASSERT_TRUE(testing_support::WaitUntil([&] { return script_->blocked == 1; }, 20000));
    EXPECT_EQ(1, NvApiInUseCount(kNvApiSlot));
    EXPECT_EQ(NVAPI_ERROR, NvAPI_Unload());
    EXPECT_NE(nullptr, Loaded());
    EXPECT_EQ(0, script_->calls[kFakeUnload]);
    script_->release = 1;
    caller.join();
    EXPECT_EQ(NVAPI_OK, result);
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
    EXPECT_EQ(NVAPI_OK, NvAPI_Unload());
}

TEST_F(FakeNvApiLoader, CallsWaitForAnUnloadTenTimesAndThenGiveUp)
{
    ASSERT_EQ(NVAPI_OK, NvAPI_Initialize());
    script_->blockEntry = kFakeUnload;
    NvAPI_Status unloaded = 99;
    std::thread unloader([&] { unloaded = NvAPI_Unload(); });
    ASSERT_TRUE(testing_support::WaitUntil([&] { return script_->blocked == 1; }, 20000));

    const ULONGLONG start = GetTickCount64();
    uint32_t rpm = 0;
    EXPECT_EQ(NVAPI_ERROR, NvAPI_GPU_GetTachReading(nullptr, &rpm));
    // Ten waits of 100 ms; the bound below leaves room for a coarse clock.
    EXPECT_GE(GetTickCount64() - start, 900u);
    EXPECT_EQ(0, script_->calls[kFakeTach]);
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));

    // A call that starts waiting goes on once the unload is over, with the library loaded afresh.
    NvAPI_Status waited = 99;
    std::thread caller([&] { waited = ReadTach(&rpm); });
    Sleep(150);
    script_->release = 1;
    unloader.join();
    caller.join();
    EXPECT_EQ(NVAPI_OK, unloaded);
    EXPECT_EQ(NVAPI_OK, waited);
    EXPECT_EQ(2, FakeNvApi::LoadAttempts());
    EXPECT_EQ(1, script_->calls[kFakeTach]);
}

TEST_F(FakeNvApiLoader, ALibraryIsNeverFreedUnderACallWhileAnotherThreadUnloads)
{
    std::atomic<bool> stop{false};
    std::atomic<long> unloads{0}, calls{0}, unexpected{0};
    std::thread unloader([&] {
        while (!stop) {
            if (NvAPI_Unload() == NVAPI_OK)
                ++unloads;
            Sleep(1);
        }
    });
    std::thread caller([&] {
        while (!stop) {
            uint32_t rpm = 0;
            const NvAPI_Status status = ReadTach(&rpm);
            if (status == NVAPI_OK && rpm == 1234)
                ++calls;
            else if (status != NVAPI_ERROR)
                ++unexpected;
        }
    });
    // Runs until both sides have met often enough; a library freed under a call would fault.
    EXPECT_TRUE(testing_support::WaitUntil([&] { return unloads > 20 && calls > 20; }, 60000));
    stop = true;
    unloader.join();
    caller.join();
    EXPECT_EQ(0, unexpected);
}

} // namespace
