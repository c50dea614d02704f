#include "storage/archive/dll/win/Entry.h"

#include "core/str/StrBuffer.h"
#include "storage/archive/ResourceTypeCode.h"

namespace s {
namespace archive {
namespace dll {
namespace win {

Entry::Entry()
    : size_(0),
      nameIsId_(1),
      nameId_(0),
      nameText_(new str::strbuffer::StrBuffer()),
      typeIsCode_(1),
      typeCode_(0),
      typeText_(new str::strbuffer::StrBuffer()),
      language_(0),
      subLanguage_(0),
      handle_(nullptr)
{
}

Entry::~Entry()
{
    Reset();
    delete nameText_;
    delete typeText_;
}

const wchar_t* Entry::GetClassName()
{
    return L"s_archive_dll_win_Entry";
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
    size_ = 0;
    nameIsId_ = 1;
    nameId_ = 0;
    nameText_->Clear();
    typeIsCode_ = 1;
    typeCode_ = 0;
    typeText_->Clear();
    language_ = 0;
    subLanguage_ = 0;
    handle_ = nullptr;
}

void Entry::SetNameId(uint32_t id)
{
    nameId_ = id;
    nameIsId_ = 1;
}

void Entry::SetName(const wchar_t* name)
{
    if (IS_INTRESOURCE(name)) {
        SetNameId(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(name)));
        return;
    }
    nameText_->Assign(name);
    nameIsId_ = 0;
}

const wchar_t* Entry::GetNameText()
{
    return nameText_->GetText();
}

void Entry::SetTypeCode(uint32_t code)
{
    typeCode_ = code;
    typeIsCode_ = 1;
}

void Entry::SetType(const wchar_t* type)
{
    if (IS_INTRESOURCE(type)) {
        SetTypeCode(RtTypeToCode(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(type))));
        return;
    }
    typeText_->Assign(type);
    typeIsCode_ = 0;
}

const wchar_t* Entry::GetTypeText()
{
    return typeText_->GetText();
}

uint32_t Entry::GetRtType()
{
    return CodeToRtType(typeCode_);
}

thread::EasyPooler* Entry::GetPool()
{
    return &thread::PoolOf<Entry>();
}

Entry* Entry::New()
{
    return thread::TakeFromPool<Entry>();
}

} // namespace win
} // namespace dll
} // namespace archive
} // namespace s
