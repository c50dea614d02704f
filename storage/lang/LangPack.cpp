#include "storage/lang/LangPack.h"

#include <initializer_list>

#include "core/base/Cleaner.h"
#include "core/str/StrBuffer.h"
#include "measurement/win/OsVersion.h"

namespace s {
namespace lang {

namespace {

using str::strbuffer::StrBuffer;

const wchar_t kVecTag[] = L"vec";
const wchar_t kBarredL = 0x019A;
const wchar_t kStrokedL = 0x0142;

// -1 until asked, then 0 or 1.
int gBarredLFallback = -1;

// Built before the first pack and so destroyed after the last one.
base::IDestructor* TextDeleter()
{
    static cleaner::CleanerIObject deleter;
    return &deleter;
}

// A key text as a string from the pool, for the table's lookups; null for a null text.
class PooledKey {
public:
    explicit PooledKey(const wchar_t* text) : str_(text ? StrBuffer::New() : nullptr)
    {
        if (str_)
            str_->Assign(text);
    }
    ~PooledKey()
    {
        if (str_)
            str_->ReleaseToPool();
    }
    StrBuffer* Get() const { return str_; }

private:
    PooledKey(const PooledKey&) = delete;
    PooledKey& operator=(const PooledKey&) = delete;

    StrBuffer* str_;
};

StrBuffer* CopyOf(const wchar_t* text)
{
    StrBuffer* copy = StrBuffer::New();
    if (copy)
        copy->Assign(text ? text : L"");
    return copy;
}

} // namespace

LangPack::LangPack()
    : tagName_(nullptr),
      engName_(nullptr),
      trueName_(nullptr),
      keyedTexts_(nullptr, nullptr, nullptr, TextDeleter())
{
    InitMembers();
}

LangPack::~LangPack()
{
    // Deleted, not given back: the string pool may already be gone at process exit.
    delete tagName_;
    delete engName_;
    delete trueName_;
}

void LangPack::InitMembers()
{
    tagName_ = StrBuffer::New();
    engName_ = StrBuffer::New();
    trueName_ = StrBuffer::New();
}

const wchar_t* LangPack::GetClassName()
{
    return L"s_lang_LangPack";
}

base::IObject* LangPack::NewInstance()
{
    return New();
}

void LangPack::ReleaseToPool()
{
    GetPool()->Give(this);
}

void LangPack::Reset()
{
    for (StrBuffer* name : {tagName_, engName_, trueName_}) {
        if (name)
            name->FreeAll();
    }
    ids_.Clear();
    texts_.Clear();
    keyedTexts_.Clear(nullptr, StrBuffer::GetPool());
    keys_.Clear();
}

void LangPack::ApplyVecRule(StrBuffer* text)
{
    if (!NeedsBarredLFallback() || !tagName_ || !tagName_->MatchesAt(0, kVecTag, 0, -1))
        return;
    wchar_t* chars = text->GetBuffer();
    const uint32_t length = text->GetLength();
    for (uint32_t i = 0; i < length; ++i) {
        if (chars[i] == kBarredL)
            chars[i] = kStrokedL;
    }
}

void LangPack::AddText(int32_t id, const wchar_t* text)
{
    StrBuffer* copy = CopyOf(text);
    if (!copy)
        return;
    ApplyVecRule(copy);
    // Id and text go in together: lookups rely on their positions matching.
    ids_.Append(id);
    texts_.Add(copy);
}

void LangPack::AddKeyedText(const wchar_t* key, const wchar_t* text)
{
    if (!key)
        return;
    StrBuffer* keyCopy = CopyOf(key);
    StrBuffer* textCopy = CopyOf(text);
    if (!keyCopy || !textCopy) {
        if (keyCopy)
            keyCopy->ReleaseToPool();
        if (textCopy)
            textCopy->ReleaseToPool();
        return;
    }
    ApplyVecRule(textCopy);
    if (!keyedTexts_.Put(keyCopy->HashCode(), keyCopy, reinterpret_cast<uintptr_t>(textCopy))) {
        // The earlier text stays; the copies are nobody's.
        keyCopy->ReleaseToPool();
        textCopy->ReleaseToPool();
        return;
    }
    keys_.Add(keyCopy);
}

bool LangPack::HasId(int32_t id)
{
    return ids_.IndexOf(id, nullptr);
}

bool LangPack::HasKey(const wchar_t* key)
{
    return FindKeyedText(key) != nullptr;
}

StrBuffer* LangPack::FindText(int32_t id)
{
    int32_t index = -1;
    return ids_.IndexOf(id, &index) ? texts_.Get(static_cast<uint32_t>(index)) : nullptr;
}

StrBuffer* LangPack::FindKeyedText(const wchar_t* key)
{
    const PooledKey lookup(key);
    if (!lookup.Get())
        return nullptr;
    return reinterpret_cast<StrBuffer*>(static_cast<uintptr_t>(keyedTexts_.Get(lookup.Get())));
}

thread::EasyPooler* LangPack::GetPool()
{
    return &thread::PoolOf<LangPack>();
}

LangPack* LangPack::New()
{
    return thread::TakeFromPool<LangPack>();
}

bool LangPack::NeedsBarredLFallback()
{
    if (gBarredLFallback < 0) {
        system::win::OsVersionInfo& version = system::win::GetOsVersion();
        if (!version.done)
            system::win::LoadOsVersion();
        gBarredLFallback = version.isVistaOrLater ? 0 : 1;
    }
    return gBarredLFallback != 0;
}

void LangPack::SetBarredLFallback(bool on)
{
    gBarredLFallback = on ? 1 : 0;
}

} // namespace lang
} // namespace s
