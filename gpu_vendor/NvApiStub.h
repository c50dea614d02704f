#pragma once
#include <windows.h>

#include <cstdint>

#include "gpu_vendor/NvApiLoader.h"

// One NVIDIA interface, reached by its 32-bit id: each call makes sure the library is loaded,
// looks the entry up once per load generation, brackets the call with the library's pre- and
// post-call hooks and holds an in-use count for the whole call, so that NvAPI_Unload never frees
// the library under it.
class NvApiStub {
public:
    explicit NvApiStub(uint32_t id);

    uint32_t GetId() const { return id_; }

    // The entry's status, the loader's failure (-2, -1) or -3 when the library lacks the
    // interface; the arguments reach the entry unchanged.
    template <class... Args>
    NvAPI_Status Call(Args... args)
    {
        void* entry = nullptr;
        const NvAPI_Status status = Enter(&entry);
        if (status != NVAPI_OK)
            return status;
        typedef NvAPI_Status (*Entry)(Args...);
        const NvApiCallHooks hooks = NvApiGetCallHooks();
        uint64_t cookie = 0;
        if (hooks.pre)
            hooks.pre(id_, &cookie);
        const NvAPI_Status result = reinterpret_cast<Entry>(entry)(args...);
        if (hooks.post)
            hooks.post(id_, cookie, result);
        NvApiReleaseUse();
        return result;
    }

private:
    NvApiStub(const NvApiStub&) = delete;
    NvApiStub& operator=(const NvApiStub&) = delete;

    // Loads and finds the entry; on NVAPI_OK the caller holds an in-use count.
    NvAPI_Status Enter(void** entry);

    const uint32_t id_;
    // Guards the cached entry and its generation as one pair; never held across a call.
    SRWLOCK lock_;
    void* entry_;
    uint32_t generation_;
};
