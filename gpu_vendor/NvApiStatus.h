#pragma once
#include <cstdint>

// The status every NVIDIA interface call answers, with the values the system tells apart.
typedef int32_t NvAPI_Status;

static const NvAPI_Status NVAPI_OK = 0;
static const NvAPI_Status NVAPI_ERROR = -1;
static const NvAPI_Status NVAPI_LIBRARY_NOT_FOUND = -2;
static const NvAPI_Status NVAPI_NO_IMPLEMENTATION = -3;
static const NvAPI_Status NVAPI_API_NOT_INITIALIZED = -4;
static const NvAPI_Status NVAPI_INCOMPATIBLE_STRUCT_VERSION = -9;
static const NvAPI_Status NVAPI_HANDLE_INVALIDATED = -10;
static const NvAPI_Status NVAPI_EXPECTED_PHYSICAL_GPU_HANDLE = -101;
// The loader's own answer: the library was loaded or reloaded by this call, so every cached
// entry is stale. Never returned by NvAPI_Initialize or by an interface call.
static const NvAPI_Status kNvApiReloaded = -14;
