#pragma once
#include <cstdint>
#include <string>

#include "core/col/Arrays.h"

// A byte stream whose reads fail once they reach a given offset, as a file's do when the disk
// or the network fails midway. Lives on the stack: it never enters the array pool.
class FailingBytes : public s::col::_array::ArrayU08 {
public:
    FailingBytes(const std::string& bytes, uint32_t failAt) : failAt_(failAt)
    {
        AppendRaw(bytes.data(), static_cast<uint32_t>(bytes.size()), 0);
    }
    ~FailingBytes() override { Clear(); }

    bool Read(void* buffer, uint32_t count, uint32_t* done) override
    {
        const uint64_t at = GetPosition();
        if (at >= failAt_ && at < GetCount()) {
            *done = 0;
            return false;
        }
        if (at < failAt_ && at + count > failAt_)
            count = static_cast<uint32_t>(failAt_ - at);
        return ArrayU08::Read(buffer, count, done);
    }

private:
    uint32_t failAt_;
};
