#include "storage/archive/icon/Entry.h"

#include <cstring>

#include "core/io/IInputStream.h"
#include "core/io/StreamCopy.h"

namespace s {
namespace archive {
namespace icon {

namespace {

const uint32_t kExactReserve = 1u << 20;
const uint32_t kChunkBytes = 4096;

} // namespace

Entry::Entry() : loaded_(0)
{
    std::memset(&record_, 0, sizeof(record_));
}

thread::EasyPooler* Entry::GetPool()
{
    return &thread::PoolOf<Entry>();
}

Entry* Entry::New()
{
    return thread::TakeFromPool<Entry>();
}

const wchar_t* Entry::GetClassName()
{
    return kClassName;
}

base::IObject* Entry::NewInstance()
{
    return New();
}

void Entry::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Entry::Reset()
{
    bytes_.FreeAll();
    loaded_ = 0;
}

} // namespace icon

bool LoadEntryBytes(icon::Entry* entry, io::IInputStream* in)
{
    col::_array::ArrayU08* bytes = entry->Bytes();
    const uint32_t count = entry->Record().bytesInEntry;
    bytes->SetCount(0);
    entry->SetLoaded(false);
    // A record may claim far more than the stream holds: storage beyond a first block grows only
    // with the bytes that really arrive.
    bytes->ReserveExact(count < icon::kExactReserve ? count : icon::kExactReserve);
    uint8_t chunk[icon::kChunkBytes];
    bool whole = in != nullptr;
    while (whole && bytes->GetCount() < count) {
        const uint32_t want = count - bytes->GetCount() < icon::kChunkBytes ? count - bytes->GetCount() : icon::kChunkBytes;
        uint32_t done = 0;
        whole = in->Read(chunk, want, &done) && done != 0 && done <= want;
        if (whole)
            bytes->AppendRaw(chunk, done, 0);
    }
    if (!whole) {
        // What never arrived reads as zeros, never as a former image's bytes; the entry stays
        // unloaded so that a later use reads it again.
        const uint32_t arrived = bytes->GetCount();
        bytes->SetCount(count);
        std::memset(static_cast<uint8_t*>(bytes->GetData()) + arrived, 0, count - arrived);
        bytes->SeekToStart();
        return false;
    }
    bytes->SeekToStart();
    entry->SetLoaded(true);
    return true;
}

} // namespace archive
} // namespace s
