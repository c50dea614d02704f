#include "storage/archive/cur/Archive.h"

#include "storage/archive/cur/Entry.h"

namespace s {
namespace archive {
namespace cur {

Archive::Archive() : icon::Archive(kCursorType) {}

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

icon::Entry* Archive::NewEntry()
{
    return Entry::New();
}

} // namespace cur
} // namespace archive
} // namespace s
