#include "storage/lang/Localizer.h"

#include <initializer_list>

#include "core/str/StrBuffer.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/events/IEventListener.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/UiLanguage.h"
#include "storage/xml/Node.h"

namespace s {
namespace lang {

namespace {

using str::strbuffer::StrBuffer;

const wchar_t kEmptyText[] = L"";
const wchar_t kEnglish[] = L"English";

// A family of languages split by script or country: a name that begins with the family's name
// falls back to its first variant present, else to its second.
struct Family {
    const wchar_t* prefix;
    const wchar_t* first;
    const wchar_t* second;
};

const Family kFamilies[] = {
    {L"Chinese", L"CHINESE_SIMPLIFIED", L"CHINESE_TRADITIONAL"},
    {L"Portuguese", L"PORTUGUESE_BRAZILIAN", L"PORTUGUESE_PORTUGAL"},
    {L"Serbian", L"SERBIAN_CYRILLIC", L"SERBIAN_LATIN"},
};

const uint32_t kWhole = StrBuffer::kWhole;

bool HasEngName(LangPack* pack, const wchar_t* name)
{
    return pack->GetEngName()->MatchesIgnoreCaseAt(0, name, 0, -1);
}

bool IsElement(xml::IXml* node, const wchar_t* name)
{
    return node && !node->IsComment() && node->NameEquals(name, kWhole);
}

// The first pack whose tag is the element's name, ignoring case.
LangPack* PackOfTag(Localizer* localizer, xml::IXml* element)
{
    if (!element || element->IsComment())
        return nullptr;
    const uint32_t count = localizer->GetPackCount();
    for (uint32_t i = 0; i < count; ++i) {
        LangPack* pack = localizer->GetPack(i);
        if (pack->GetTagName()->GetLength() != 0 && element->NameEquals(pack->GetTagName()->GetText(), kWhole))
            return pack;
    }
    return nullptr;
}

void AddEntryText(LangPack* pack, bool numeric, int32_t id, const wchar_t* key, const wchar_t* text)
{
    if (numeric)
        pack->AddText(id, text);
    else
        pack->AddKeyedText(key, text);
}

} // namespace

Localizer::Localizer() : current_(nullptr)
{
    packs_.SetCleaner(LangPack::GetPool());
}

Localizer::~Localizer()
{
    // Deleted, not given back: the pack pool may already be gone at process exit.
    const uint32_t count = packs_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        delete GetPack(i);
    packs_.SetCleaner(nullptr);
    packs_.Clear();
    current_ = nullptr;
}

const wchar_t* Localizer::GetClassName()
{
    return L"s_lang_Localizer";
}

base::IObject* Localizer::NewInstance()
{
    return New();
}

void Localizer::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Localizer::Reset()
{
    packs_.FreeAll();
    current_ = nullptr;
    listeners_.FreeAll();
}

Localizer* Localizer::CreateFromResource(archive::dll::win::Archive* archive, const wchar_t* type, uint32_t id)
{
    Localizer* localizer = New();
    if (!localizer)
        return nullptr;
    StrBuffer* text = archive::dll::win::Archive::ReadTextResource(archive, type, id);
    if (text) {
        xml::Node* root = xml::Node::New();
        if (root) {
            // A document cut short still holds the elements read before the cut.
            root->Parse(text->GetText());
            localizer->BuildPacks(root);
            root->ReleaseToPool();
        }
        text->ReleaseToPool();
    }
    localizer->SelectLanguage(GetUserUiLanguageName());
    return localizer;
}

void Localizer::BuildPacks(xml::IXml* root)
{
    if (!root)
        return;
    xml::IXml* languages = root->FindChild(L"languages", kWhole);
    const uint32_t languageCount = languages ? languages->GetChildCount() : 0;
    for (uint32_t i = 0; i < languageCount; ++i) {
        xml::IXml* language = languages->GetChild(i);
        if (!IsElement(language, L"entry"))
            continue;
        LangPack* pack = LangPack::New();
        if (!pack)
            continue;
        language->CopyAttributeTo(pack->GetTagName(), L"tagName", L"", false);
        language->CopyAttributeTo(pack->GetEngName(), L"engName", L"", false);
        language->CopyAttributeTo(pack->GetTrueName(), L"trueName", L"", false);
        AddPack(pack);
    }

    xml::IXml* entries = root->FindChild(L"entries", kWhole);
    if (!entries || GetPackCount() == 0)
        return;
    StrBuffer* text = StrBuffer::New();
    StrBuffer* fallback = StrBuffer::New();
    const uint32_t entryCount = entries->GetChildCount();
    for (uint32_t i = 0; text && fallback && i < entryCount; ++i) {
        xml::IXml* entry = entries->GetChild(i);
        if (!IsElement(entry, L"entry"))
            continue;
        // An entry without an id could never be asked for.
        const wchar_t* key = entry->GetAttribute(L"id", nullptr);
        if (!key)
            continue;
        const bool numeric = key[0] >= L'0' && key[0] <= L'9';
        const int32_t id = numeric ? entry->GetInt32Attribute(L"id", 0) : 0;
        // Each entry's own: a language that lacks this entry gets this entry's first text.
        fallback->Clear();
        bool haveFallback = false;
        const uint32_t childCount = entry->GetChildCount();
        for (uint32_t c = 0; c < childCount; ++c) {
            xml::IXml* child = entry->GetChild(c);
            LangPack* pack = PackOfTag(this, child);
            if (!pack)
                continue;
            child->CopyAttributeTo(text, L"", L"", false);
            AddEntryText(pack, numeric, id, key, text->GetText());
            if (!haveFallback) {
                fallback->AssignStr(text);
                haveFallback = true;
            }
        }
        const uint32_t packCount = GetPackCount();
        for (uint32_t p = 0; p < packCount; ++p) {
            LangPack* pack = GetPack(p);
            if (numeric ? !pack->HasId(id) : !pack->HasKey(key))
                AddEntryText(pack, numeric, id, key, fallback->GetText());
        }
    }
    if (text)
        text->ReleaseToPool();
    if (fallback)
        fallback->ReleaseToPool();
}

void Localizer::AddPack(LangPack* pack)
{
    if (pack)
        packs_.Append(pack);
}

LangPack* Localizer::FindPack(const wchar_t* engName)
{
    if (!engName)
        return nullptr;
    const uint32_t count = GetPackCount();
    for (uint32_t i = 0; i < count; ++i) {
        if (HasEngName(GetPack(i), engName))
            return GetPack(i);
    }
    StrBuffer* name = StrBuffer::New();
    if (!name)
        return nullptr;
    name->Assign(engName);
    LangPack* found = nullptr;
    for (const Family& family : kFamilies) {
        if (!name->StartsWithIgnoreCase(family.prefix, -1))
            continue;
        for (const wchar_t* variant : {family.first, family.second}) {
            for (uint32_t i = 0; i < count && !found; ++i) {
                if (HasEngName(GetPack(i), variant))
                    found = GetPack(i);
            }
        }
        break;
    }
    name->ReleaseToPool();
    return found;
}

void Localizer::ChooseFirst()
{
    if (current_ || GetPackCount() == 0)
        return;
    current_ = FindPack(GetUserUiLanguageName());
    if (!current_)
        current_ = GetPack(0);
}

LangPack* Localizer::EnglishPack()
{
    LangPack* english = FindPack(kEnglish);
    return english ? english : (GetPackCount() ? GetPack(0) : nullptr);
}

void Localizer::MakeCurrent(LangPack* pack)
{
    if (!pack || pack == current_)
        return;
    current_ = pack;
    gui::events::TellListeners(listeners_, this, kLanguageChanged);
}

void Localizer::SelectLanguage(const wchar_t* engName)
{
    ChooseFirst();
    if (!current_ || (engName && HasEngName(current_, engName)))
        return;
    LangPack* pack = FindPack(engName);
    MakeCurrent(pack ? pack : EnglishPack());
}

void Localizer::SelectLanguageAt(uint32_t index)
{
    if (index < GetPackCount())
        MakeCurrent(GetPack(index));
}

LangPack* Localizer::GetCurrentPack()
{
    ChooseFirst();
    return current_;
}

const wchar_t* Localizer::GetText(int32_t id)
{
    ChooseFirst();
    StrBuffer* text = current_ ? current_->FindText(id) : nullptr;
    return text ? text->GetText() : kEmptyText;
}

const wchar_t* Localizer::GetEnglishText(int32_t id)
{
    ChooseFirst();
    LangPack* english = current_ && HasEngName(current_, kEnglish) ? current_ : EnglishPack();
    StrBuffer* text = english ? english->FindText(id) : nullptr;
    return text ? text->GetText() : kEmptyText;
}

void Localizer::AddListener(gui::events::IEventListener* listener)
{
    listeners_.Append(listener);
}

void Localizer::RemoveListener(gui::events::IEventListener* listener)
{
    listeners_.RemoveValue(listener);
}

thread::EasyPooler* Localizer::GetPool()
{
    return &thread::PoolOf<Localizer>();
}

Localizer* Localizer::New()
{
    return thread::TakeFromPool<Localizer>();
}

} // namespace lang
} // namespace s
