#pragma once
#include <cstdint>
#include <string>

#include "core/io/IOutputStream.h"

// Takes at most a few bytes per write, and refuses everything after a limit.
class MeteredStream : public s::io::IOutputStream {
public:
    MeteredStream(uint32_t perWrite, uint32_t limit) : perWrite_(perWrite), limit_(limit) {}

    bool Write(const void* buffer, uint32_t count, uint32_t* done) override
    {
        *done = 0;
        if (taken.size() >= limit_)
            return false;
        uint32_t n = count < perWrite_ ? count : perWrite_;
        if (n > limit_ - taken.size())
            n = static_cast<uint32_t>(limit_ - taken.size());
        taken.append(static_cast<const char*>(buffer), n);
        *done = n;
        return true;
    }
    void ReleaseToPool() override {}
    void Reset() override {}
    bool Flush() override { return true; }
    void Truncate() override {}
    void Close() override {}
    uint64_t GetPosition() override { return taken.size(); }
    bool IsSeekable() override { return false; }
    bool SeekToStart() override { return false; }
    int64_t SeekToEnd() override { return -1; }
    bool SetPosition(uint64_t) override { return false; }
    int64_t SeekFromEnd(uint64_t) override { return -1; }
    bool SeekForward(uint64_t) override { return false; }
    bool SeekBackward(uint64_t) override { return false; }
    void Clear() override {}
    void Dispose() override {}

    std::string taken;

private:
    uint32_t perWrite_;
    uint32_t limit_;
};
