#pragma once
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/io/IInputStream.h"

namespace codecs_test {

// Bytes placed so that their end touches a page that may not be read: whatever reads one byte
// past them faults at once instead of reading stale memory.
class GuardedBytes {
public:
    explicit GuardedBytes(const std::vector<uint8_t>& bytes) : size_(bytes.size())
    {
        SYSTEM_INFO system = {};
        GetSystemInfo(&system);
        const size_t page = system.dwPageSize;
        const size_t pages = (size_ + page - 1) / page + 1;
        base_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, pages * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base_ + (pages - 1) * page, page, PAGE_NOACCESS, &old);
        data_ = base_ + (pages - 1) * page - size_;
        if (size_)
            std::memcpy(data_, bytes.data(), size_);
    }
    ~GuardedBytes() { VirtualFree(base_, 0, MEM_RELEASE); }
    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }

private:
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;
    uint8_t* base_;
    uint8_t* data_;
    size_t size_;
};

// A stream reading guarded bytes in place.
class GuardedInput : public s::io::IInputStream {
public:
    explicit GuardedInput(const GuardedBytes& bytes) : bytes_(bytes), position_(0) {}
    void ReleaseToPool() override {}
    void Reset() override { position_ = 0; }
    bool Read(void* buffer, uint32_t count, uint32_t* done) override
    {
        uint32_t ignored = 0;
        if (!done)
            done = &ignored;
        *done = 0;
        if (count == 0)
            return true;
        if (position_ >= bytes_.size())
            return false;
        const uint64_t left = bytes_.size() - position_;
        *done = static_cast<uint32_t>(left < count ? left : count);
        std::memcpy(buffer, bytes_.data() + position_, *done);
        position_ += *done;
        return true;
    }
    void Close() override { position_ = 0; }
    uint64_t GetPosition() override { return position_; }
    bool IsSeekable() override { return true; }
    bool SeekToStart() override
    {
        position_ = 0;
        return true;
    }
    int64_t SeekToEnd() override
    {
        position_ = bytes_.size();
        return static_cast<int64_t>(position_);
    }
    bool SetPosition(uint64_t position) override
    {
        position_ = position;
        return true;
    }
    int64_t SeekFromEnd(uint64_t distance) override
    {
        position_ = distance > bytes_.size() ? 0 : bytes_.size() - distance;
        return static_cast<int64_t>(position_);
    }
    bool SeekForward(uint64_t distance) override
    {
        position_ += distance;
        return true;
    }
    bool SeekBackward(uint64_t distance) override
    {
        position_ = distance > position_ ? 0 : position_ - distance;
        return true;
    }
    void Clear() override {}
    void Dispose() override {}

private:
    const GuardedBytes& bytes_;
    uint64_t position_;
};

} // namespace codecs_test
