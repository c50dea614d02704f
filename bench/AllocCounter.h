#pragma once
#include <cstdint>

// Every heap request of the program, through new, malloc, calloc or realloc (the C calls wrapped
// at link time: link AllocCounter.cpp with -Wl,--wrap=malloc,--wrap=calloc,--wrap=realloc).
struct AllocTally {
    uint64_t blocks;
    uint64_t bytes;
};

AllocTally Allocations();

// The requests made between two tallies.
inline AllocTally operator-(AllocTally a, AllocTally b)
{
    return {a.blocks - b.blocks, a.bytes - b.bytes};
}
