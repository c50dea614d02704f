#include "storage/archive/cur/Entry.h"

namespace s {
namespace archive {
namespace cur {

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

} // namespace cur
} // namespace archive
} // namespace s
