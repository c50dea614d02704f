#include "AllocCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<uint64_t> blocks{0};
std::atomic<uint64_t> bytes{0};

void Count(size_t size)
{
    ++blocks;
    bytes += size;
}
} // namespace

AllocTally Allocations()
{
    return {blocks.load(), bytes.load()};
}

extern "C" void* __real_malloc(size_t size);
extern "C" void* __real_calloc(size_t count, size_t size);
extern "C" void* __real_realloc(void* block, size_t size);

extern "C" void* __wrap_malloc(size_t size)
{
    Count(size);
    return __real_malloc(size);
}

extern "C" void* __wrap_calloc(size_t count, size_t size)
{
    Count(count * size);
    return __real_calloc(count, size);
}

// A grown block counts whole: it is fresh memory unless the heap could extend it in place.
extern "C" void* __wrap_realloc(void* block, size_t size)
{
    Count(size);
    return __real_realloc(block, size);
}

void* operator new(size_t size)
{
    Count(size);
    void* block = __real_malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    Count(size);
    return __real_malloc(size ? size : 1);
}

void* operator new[](size_t size)
{
    return operator new(size);
}

void* operator new[](size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, size_t) noexcept
{
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block, size_t) noexcept
{
    std::free(block);
}
