#include "storage/file/Extension.h"

#include "core/col/ArrayP.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace file {

typedef str::strbuffer::StrBuffer StrBuffer;

Extension::Extension() : label_(StrBuffer::New()), members_(nullptr) {}

Extension::~Extension()
{
    // Deleted outright: at exit the pools may already be gone.
    delete members_;
    delete label_;
}

int32_t Extension::CompareTo(base::IComparable* other, base::IComparator* comparator)
{
    return label_ ? label_->CompareTo(other, comparator) : base::IObject::CompareTo(other, comparator);
}

int32_t Extension::CompareToIgnoreCase(base::IComparable* other, base::IComparator* comparator)
{
    return label_ ? label_->CompareToIgnoreCase(other, comparator)
                  : base::IObject::CompareToIgnoreCase(other, comparator);
}

bool Extension::Equals(base::IComparable* other, base::IComparator* comparator)
{
    return label_ ? label_->Equals(other, comparator) : base::IObject::Equals(other, comparator);
}

bool Extension::EqualsIgnoreCase(base::IComparable* other, base::IComparator* comparator)
{
    return label_ ? label_->EqualsIgnoreCase(other, comparator) : base::IObject::EqualsIgnoreCase(other, comparator);
}

uint32_t Extension::HashCode()
{
    return label_ ? label_->HashCode() : 0;
}

uint32_t Extension::HashCodeIgnoreCase()
{
    return label_ ? label_->HashCodeIgnoreCase() : 0;
}

const wchar_t* Extension::GetClassName()
{
    return L"s_file_Extension";
}

base::IObject* Extension::NewInstance()
{
    return New();
}

void Extension::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Extension::Reset()
{
    if (members_) {
        members_->ReleaseToPool();
        members_ = nullptr;
    }
    if (label_)
        label_->FreeAll();
}

thread::EasyPooler* Extension::GetPool()
{
    return &thread::PoolOf<Extension>();
}

Extension* Extension::New()
{
    return thread::TakeFromPool<Extension>();
}

Extension* Extension::NewWithLabel(StrBuffer* label)
{
    Extension* group = New();
    if (group && !group->label_) {
        group->ReleaseToPool();
        return nullptr;
    }
    if (group)
        group->label_->AssignStr(label);
    return group;
}

int32_t Extension::CompareByMemberCount(void* a, void* b, void*)
{
    const uint32_t x = static_cast<Extension*>(a)->GetMemberCount();
    const uint32_t y = static_cast<Extension*>(b)->GetMemberCount();
    return x < y ? -1 : (x > y ? 1 : 0);
}

int32_t Extension::CompareByLabelIgnoreCase(void* a, void* b, void*)
{
    return static_cast<Extension*>(a)->label_->CompareToIgnoreCase(static_cast<Extension*>(b)->label_);
}

uint32_t Extension::GetMemberCount()
{
    return members_ ? members_->GetCount() : 0;
}

win::PathWin* Extension::GetMember(uint32_t index)
{
    return static_cast<win::PathWin*>(members_->Get(index));
}

void Extension::AddMember(win::PathWin* path)
{
    if (!members_)
        members_ = col::_array::ArrayP::New();
    if (members_)
        members_->Append(path);
}

} // namespace file
} // namespace s
