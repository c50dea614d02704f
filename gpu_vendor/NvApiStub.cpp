#include "gpu_vendor/NvApiStub.h"

NvApiStub::NvApiStub(uint32_t id) : id_(id), lock_(SRWLOCK_INIT), entry_(nullptr), generation_(0) {}

NvAPI_Status NvApiStub::Enter(void** entry)
{
    *entry = nullptr;
    HMODULE module = nullptr;
    const NvAPI_Status status = NvApiEnsureLoaded(&module);
    if (status != NVAPI_OK && status != kNvApiReloaded)
        return status;
    const uint32_t generation = NvApiLoadGeneration();
    const NvApiQueryFn query = NvApiQueryEntry();
    void* found = nullptr;
    AcquireSRWLockExclusive(&lock_);
    if (status == kNvApiReloaded || generation_ != generation)
        entry_ = nullptr;
    if (!entry_ && module && query) {
        entry_ = query(id_);
        generation_ = generation;
    }
    found = entry_;
    ReleaseSRWLockExclusive(&lock_);
    // No entry means no implementation: nothing is called.
    if (!found) {
        NvApiReleaseUse();
        return NVAPI_NO_IMPLEMENTATION;
    }
    *entry = found;
    return NVAPI_OK;
}
