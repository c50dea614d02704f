#include "measurement/codepage/CodePage.h"

#include <atomic>
#include <climits>

#include "core/base/Cleaner.h"
#include "core/col/MergeSort.h"
#include "core/str/CodePageUse.h"
#include "core/str/NumberText.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace system {
namespace codepage {

namespace {

const int32_t kUtf8 = 65001;
const int32_t kUtf16 = 1200;
const int32_t kUtf16Be = 1201;
const wchar_t kUtf8Name[] = L"UTF-8";

struct NamedCodePage {
    int32_t number;
    const wchar_t* name;
};

// Only the code pages named here are offered; others the system lists are left out.
const NamedCodePage kNames[] = {
    {850, L"Western (IBM-850)"},
    {852, L"Central European (IBM-852)"},
    {855, L"Cyrillic (IBM-855)"},
    {857, L"Turkish (IBM-857)"},
    {866, L"Russian (CP-866)"},
    {874, L"Thai (Windows-874)"},
    {932, L"Japanese (Shift_JIS)"},
    {936, L"Chinese Simplified (GBK)"},
    {949, L"Korean (UHC)"},
    {950, L"Chinese Traditional (Big5)"},
    {1200, L"UTF-16"},
    {1201, L"UTF-16BE"},
    {1250, L"Central European (Windows-1250)"},
    {1251, L"Cyrillic (Windows-1251)"},
    {1252, L"Western (Windows-1252)"},
    {1253, L"Greek (Windows-1253)"},
    {1254, L"Turkish (Windows-1254)"},
    {1255, L"Hebrew (Windows-1255)"},
    {1256, L"Arabic (Windows-1256)"},
    {1257, L"Baltic (Windows-1257)"},
    {1258, L"Vetnamese (Windows-1258)"},
    {1361, L"Korean (JOHAB)"},
    {20000, L"Chinese Traditional (CNS)"},
    {20127, L"English (ASCII)"},
    {20866, L"Russian (KOI8)"},
    {20932, L"Japanese (EUC-JP)"},
    {20936, L"Chinese Simplified (GB2312)"},
    {21866, L"Ukrainian (KOI8-U)"},
    {28591, L"Western (ISO 8859-1)"},
    {28592, L"Central European (ISO 8859-2)"},
    {28594, L"Baltic (ISO 8859-4)"},
    {28595, L"Cyrillic (ISO 8859-5)"},
    {28597, L"Greek (ISO 8859-7)"},
    {28599, L"Turkish (ISO 8859-9)"},
    {28605, L"Western (ISO 8859-15)"},
    {50220, L"Japanese (ISO-2022-JP)"},
    {50225, L"Korean (ISO-2022-KR)"},
    {50227, L"Chinese Simplified (ISO-2022-CN)"},
    {50229, L"Chinese Traditional (Big5-HKSCS)"},
    {51949, L"Korean (EUC-KR)"},
    {52936, L"Chinese Simplified (HZ)"},
    {54936, L"Chinese Simplified (GB18030)"},
    {65001, L"UTF-8"},
};

// The process-wide list with its lock; the list owns its entries and frees them at exit.
struct Installed {
    cleaner::CleanerIObject owner;
    col::_array::ArrayP list;
    thread::ObjLocker lock;
    std::atomic<bool> loaded{false};
    CodePage* utf8 = nullptr;
    CodePage* utf16 = nullptr;
    CodePage* utf16Be = nullptr;
    // What the OEM lookup falls back to, compared ignoring case.
    str::strbuffer::StrBuffer utf8Name;

    Installed()
    {
        list.SetCleaner(&owner);
        utf8Name.Assign(kUtf8Name);
    }
};

Installed& TheInstalled()
{
    static Installed installed;
    return installed;
}

CodePage* EntryAt(col::_array::ArrayP& list, uint32_t index)
{
    return static_cast<CodePage*>(static_cast<base::IObject*>(list.GetSlots()[index]));
}

CodePage* FindNumber(col::_array::ArrayP& list, int32_t number)
{
    for (uint32_t i = 0; i < list.GetCount(); ++i)
        if (EntryAt(list, i)->number == number)
            return EntryAt(list, i);
    return nullptr;
}

CodePage* AddEntry(col::_array::ArrayP& list, int32_t number, const wchar_t* name)
{
    CodePage* entry = CodePage::New();
    if (!entry)
        return nullptr;
    entry->number = number;
    entry->name.Assign(name);
    list.Append(static_cast<base::IObject*>(entry));
    return entry;
}

// Called by the system for each installed code page, while the loader holds the list's lock.
BOOL CALLBACK AddInstalled(LPWSTR numberText)
{
    const int32_t number = static_cast<int32_t>(str::numtext::ParseInteger(numberText, INT32_MIN, INT32_MAX));
    const wchar_t* name = CodePage::DisplayNameOf(number);
    col::_array::ArrayP& list = TheInstalled().list;
    if (name && !FindNumber(list, number))
        AddEntry(list, number, name);
    return TRUE;
}

int32_t CompareNames(void* a, void* b, void*)
{
    CodePage* left = static_cast<CodePage*>(static_cast<base::IObject*>(a));
    CodePage* right = static_cast<CodePage*>(static_cast<base::IObject*>(b));
    return left->name.CompareToIgnoreCase(&right->name);
}

Installed& LoadedInstalled()
{
    Installed& installed = TheInstalled();
    if (!installed.loaded)
        CodePage::LoadInstalled();
    return installed;
}

// The string conversions' view of a record: the list's two UTF-16 records by identity (the list
// loads first when it is not yet), any other by its number.
str::CodePageUse UseForStrings(CodePage* cp)
{
    if (cp == CodePage::GetUtf16())
        return str::CodePageUse{str::CodePageUse::kUtf16, kUtf16};
    if (cp == CodePage::GetUtf16Be())
        return str::CodePageUse{str::CodePageUse::kUtf16Be, kUtf16Be};
    return str::CodePageUse{str::CodePageUse::kBytes, static_cast<uint32_t>(cp->number)};
}

} // namespace

CodePage::CodePage() : number(0)
{
    // A record reaches the string conversions only after it was built here.
    str::SetCodePageResolver(&UseForStrings);
}

const wchar_t* CodePage::GetClassName()
{
    return L"s_system_codepage_CodePage";
}

base::IObject* CodePage::NewInstance()
{
    return New();
}

void CodePage::ReleaseToPool()
{
    thread::GiveToPool(this);
}

void CodePage::Reset()
{
    number = 0;
    name.ClearText();
}

thread::EasyPooler* CodePage::GetPool()
{
    return &thread::PoolOf<CodePage>();
}

CodePage* CodePage::New()
{
    return thread::TakeFromPool<CodePage>();
}

void CodePage::LoadInstalled()
{
    Installed& installed = TheInstalled();
    thread::ScopedLock hold(installed.lock);
    if (installed.loaded)
        return;
    EnumSystemCodePagesW(&AddInstalled, CP_SUPPORTED);
    installed.utf16 = FindNumber(installed.list, kUtf16);
    if (!installed.utf16)
        installed.utf16 = AddEntry(installed.list, kUtf16, DisplayNameOf(kUtf16));
    installed.utf16Be = FindNumber(installed.list, kUtf16Be);
    if (!installed.utf16Be)
        installed.utf16Be = AddEntry(installed.list, kUtf16Be, DisplayNameOf(kUtf16Be));
    installed.utf8 = FindNumber(installed.list, kUtf8);
    col::SortArray(&installed.list, &CompareNames, nullptr);
    installed.loaded = true;
}

bool CodePage::IsLoaded()
{
    return TheInstalled().loaded;
}

col::_array::ArrayP& CodePage::GetInstalled()
{
    return LoadedInstalled().list;
}

CodePage* CodePage::GetAt(uint32_t index)
{
    col::_array::ArrayP& list = GetInstalled();
    return index < list.GetCount() ? EntryAt(list, index) : nullptr;
}

CodePage* CodePage::GetUtf16()
{
    return LoadedInstalled().utf16;
}

CodePage* CodePage::GetUtf16Be()
{
    return LoadedInstalled().utf16Be;
}

CodePage* CodePage::GetUtf8()
{
    return LoadedInstalled().utf8;
}

int32_t CodePage::GetOemIndex()
{
    return IndexForOem(static_cast<int32_t>(GetOEMCP()));
}

int32_t CodePage::IndexForOem(int32_t oemNumber)
{
    Installed& installed = LoadedInstalled();
    col::_array::ArrayP& list = installed.list;
    for (uint32_t i = 0; i < list.GetCount(); ++i)
        if (EntryAt(list, i)->number == oemNumber)
            return static_cast<int32_t>(i);
    for (uint32_t i = 0; i < list.GetCount(); ++i)
        if (EntryAt(list, i)->name.EqualsIgnoreCase(&installed.utf8Name))
            return static_cast<int32_t>(i);
    return 0;
}

const wchar_t* CodePage::DisplayNameOf(int32_t codePageNumber)
{
    for (const NamedCodePage& named : kNames)
        if (named.number == codePageNumber)
            return named.name;
    return nullptr;
}

} // namespace codepage
} // namespace system
} // namespace s
