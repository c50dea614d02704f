#include "storage/archive/icon/Archive.h"

#include <cstdlib>

#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"
#include "core/io/StreamCopy.h"
#include "storage/archive/icon/Entry.h"
#include "storage/file/FileInputStream.h"
#include "storage/file/IPath.h"

namespace s {
namespace archive {
namespace icon {

namespace {

const uint32_t kHeaderBytes = 6;
const uint32_t kRecordBytes = 16;
// A single-image file's image follows its header and one record.
const uint32_t kSingleImageOffset = kHeaderBytes + kRecordBytes;
const int32_t kPreferredDepth = 32;

void PutHeader(uint8_t* at, uint16_t type, uint16_t count)
{
    at[0] = 0;
    at[1] = 0;
    at[2] = static_cast<uint8_t>(type);
    at[3] = static_cast<uint8_t>(type >> 8);
    at[4] = static_cast<uint8_t>(count);
    at[5] = static_cast<uint8_t>(count >> 8);
}

// The record's first 12 bytes and the offset where its image is written.
bool WriteRecord(io::IOutputStream* out, const DirectoryRecord& record, uint32_t offset)
{
    DirectoryRecord written = record;
    written.offset = offset;
    return io::WriteAll(out, &written, sizeof(written));
}

} // namespace

Archive::Archive() : Archive(kIconType) {}

Archive::Archive(uint16_t kind)
    : baseOffset_(0), size_(0), pending_(0), fromFile_(0), ownedStream_(nullptr), input_(nullptr), reserved_(0),
      type_(0), count_(0), kind_(kind)
{
}

Entry* Archive::NewEntry()
{
    return Entry::New();
}

// The entries' pool may be gone when this one's pool goes at exit: the entries go with the archive.
Archive::~Archive()
{
    for (Entry* entry : entries_)
        delete entry;
    entries_.clear();
    Close();
}

thread::EasyPooler* Archive::GetPool()
{
    return &thread::PoolOf<Archive>();
}

Archive* Archive::New()
{
    return thread::TakeFromPool<Archive>();
}

const wchar_t* Archive::GetClassName()
{
    return kClassName;
}

base::IObject* Archive::NewInstance()
{
    return New();
}

void Archive::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Archive::Reset()
{
    Close();
}

void Archive::FreeEntries()
{
    for (Entry* entry : entries_)
        entry->ReleaseToPool();
    entries_.clear();
}

void Archive::Close()
{
    pending_ = 0;
    if (ownedStream_)
        ownedStream_->Dispose();
    ownedStream_ = nullptr;
    input_ = nullptr;
    FreeEntries();
    baseOffset_ = 0;
    size_ = 0;
    fromFile_ = 0;
    reserved_ = 0;
    type_ = 0;
    count_ = 0;
}

IEntry* Archive::GetEntry(uint32_t index)
{
    return GetIconEntry(index);
}

Entry* Archive::GetIconEntry(uint32_t index)
{
    return index < entries_.size() ? entries_[index] : nullptr;
}

void Archive::SetSource(io::IInputStream* in, uint64_t baseOffset, uint64_t size)
{
    Close();
    input_ = in;
    baseOffset_ = baseOffset;
    size_ = size;
}

void Archive::AddEntry(Entry* entry)
{
    if (entry)
        entries_.push_back(entry);
}

bool Archive::Open(file::IPath* path)
{
    if (!path || !path->Exists())
        return false;
    Close();
    // Reading is all an icon file needs: a read-only file opens as well.
    file::win::FileInputStream* in = path->OpenInputStream();
    if (!in)
        return false;
    const int64_t size = in->SeekToEnd();
    ownedStream_ = in;
    input_ = in;
    size_ = size > 0 ? static_cast<uint64_t>(size) : 0;
    fromFile_ = 1;
    if (!ReadDirectory()) {
        Close();
        return false;
    }
    return true;
}

bool Archive::ReadDirectory()
{
    FreeEntries();
    reserved_ = 0;
    type_ = 0;
    count_ = 0;
    uint8_t header[kHeaderBytes];
    if (!input_ || !input_->SetPosition(baseOffset_) || !io::ReadAll(input_, header, kHeaderBytes))
        return false;
    const uint16_t reserved = static_cast<uint16_t>(header[0] | header[1] << 8);
    const uint16_t type = static_cast<uint16_t>(header[2] | header[3] << 8);
    const uint16_t count = static_cast<uint16_t>(header[4] | header[5] << 8);
    // A directory that reaches past the source is no icon's.
    if (reserved != 0 || type != kind_ || kHeaderBytes + uint64_t(kRecordBytes) * count > size_)
        return false;
    reserved_ = reserved;
    type_ = type;
    count_ = count;
    for (uint32_t i = 0; i < count; ++i) {
        Entry* entry = NewEntry();
        if (!entry || !io::ReadAll(input_, &entry->Record(), kRecordBytes)) {
            if (entry)
                entry->ReleaseToPool();
            FreeEntries();
            return false;
        }
        entry->Reset();
        // Cursor files may leave the height out.
        if (kind_ == kCursorType && entry->Record().height == 0)
            entry->Record().height = entry->Record().width;
        entries_.push_back(entry);
    }
    return true;
}

Entry* Archive::LoadEntry(uint32_t index)
{
    Entry* entry = GetIconEntry(index);
    if (!entry || entry->IsLoaded())
        return entry;
    const DirectoryRecord& record = entry->Record();
    // Bytes claimed beyond the source are never read, however the stream would answer.
    if (!input_ || uint64_t(record.offset) + record.bytesInEntry > size_ ||
        !input_->SetPosition(baseOffset_ + record.offset) || !LoadEntryBytes(entry, input_))
        return nullptr;
    return entry;
}

bool Archive::ReadEntry(IEntry* entry, io::IOutputStream* out)
{
    uint32_t index = 0;
    while (index < entries_.size() && entries_[index] != entry)
        ++index;
    Entry* loaded = LoadEntry(index);
    if (!loaded || !out)
        return false;
    uint8_t header[kHeaderBytes];
    PutHeader(header, kind_, 1);
    col::_array::ArrayU08* bytes = loaded->Bytes();
    return io::WriteAll(out, header, kHeaderBytes) && WriteRecord(out, loaded->Record(), kSingleImageOffset) &&
           io::WriteAll(out, bytes->GetData(), bytes->GetCount());
}

bool Archive::WriteIco(io::IOutputStream* out)
{
    if (!out || entries_.size() > 0xFFFF)
        return false;
    for (uint32_t i = 0; i < entries_.size(); ++i) {
        if (!LoadEntry(i))
            return false;
    }
    reserved_ = 0;
    type_ = kind_;
    count_ = static_cast<uint16_t>(entries_.size());
    uint8_t header[kHeaderBytes];
    PutHeader(header, type_, count_);
    if (!io::WriteAll(out, header, kHeaderBytes))
        return false;
    uint64_t offset = kHeaderBytes + uint64_t(kRecordBytes) * count_;
    for (Entry* entry : entries_) {
        if (offset > 0xFFFFFFFFu || !WriteRecord(out, entry->Record(), static_cast<uint32_t>(offset)))
            return false;
        offset += entry->Record().bytesInEntry;
    }
    for (Entry* entry : entries_) {
        col::_array::ArrayU08* bytes = entry->Bytes();
        // The record's count is what the offsets assumed.
        if (bytes->GetCount() != entry->Record().bytesInEntry ||
            !io::WriteAll(out, bytes->GetData(), bytes->GetCount()))
            return false;
    }
    return true;
}

bool Archive::FindBestImage(int32_t width, int32_t height, int32_t, uint32_t* index)
{
    if (index)
        *index = 0;
    if (entries_.empty())
        return false;
    for (uint32_t i = 0; i < entries_.size(); ++i) {
        const DirectoryRecord& record = entries_[i]->Record();
        if (record.width == width && record.height == height && record.bitCount == kPreferredDepth) {
            if (index)
                *index = i;
            return true;
        }
    }
    const int64_t wanted = int64_t(width) * height;
    uint32_t best = 0;
    int64_t bestArea = 0;
    int64_t bestDepth = 0;
    for (uint32_t i = 0; i < entries_.size(); ++i) {
        const DirectoryRecord& record = entries_[i]->Record();
        const int64_t area = std::llabs(wanted - int64_t(record.width) * record.height);
        const int64_t depth = std::llabs(int64_t(record.bitCount) - kPreferredDepth);
        if (i == 0 || area < bestArea || (area == bestArea && depth < bestDepth)) {
            best = i;
            bestArea = area;
            bestDepth = depth;
        }
    }
    if (index)
        *index = best;
    return true;
}

} // namespace icon
} // namespace archive
} // namespace s
