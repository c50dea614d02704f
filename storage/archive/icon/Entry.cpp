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

bool LoadEntryBytes(Entry* entry, io::IInputStream* in)
{
    col::_array::ArrayU08* bytes = entry->Bytes();
    const uint32_t count = entry->Record().bytesInEntry;
    bytes->SetCount(0);
    entry->SetLoaded(false);
    // A record may claim far more than the file holds: storage beyond a first block grows only
    // with the bytes that really arrive.
    bytes->ReserveExact(count < kExactReserve ? count : kExactReserve);
    uint8_t chunk[kChunkBytes];
    while (bytes->GetCount() < count) {
        const uint32_t want = count - bytes->GetCount() < kChunkBytes ? count - bytes->GetCount() : kChunkBytes;
        if (!io::ReadAll(in, chunk, want)) {
            bytes->FreeAll();
            return false;
        }
        bytes->AppendRaw(chunk, want, 0);
    }
    bytes->SeekToStart();
    entry->SetLoaded(true);
    return true;
}

} // namespace icon
} // namespace archive
} // namespace s
