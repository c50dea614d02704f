#include "storage/reg/RegDir.h"

#include <cwchar>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/str/AsciiFold.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "storage/reg/NtRegistryApi.h"
#include "storage/reg/RegDirShared.h"
#include "storage/reg/RegRoot.h"

namespace s {
namespace reg {
namespace win {

namespace {

const ULONG kObjCaseInsensitive = 0x40;
// Listings offer this much at first; a record that does not fit grows the buffer.
const uint32_t kListingOffer = 1024;
const uint32_t kListingRoom = 1024;
// The longest text a counted string can hold, in characters.
const size_t kMaxCountedChars = 0x7FFE;
const wchar_t kSeparator = L'\\';
const NTSTATUS kStatusObjectNameInvalid = static_cast<NTSTATUS>(0xC0000033u);
// What opening a key below a root that is none of the predefined ones reports.
const NTSTATUS kStatusInvalidHandle = static_cast<NTSTATUS>(0xC0000008u);

RegSharedBuffer& SubKeyListBuffer()
{
    static RegSharedBuffer shared;
    return shared;
}

RegSharedBuffer& PrefixListBuffer()
{
    static RegSharedBuffer shared;
    return shared;
}

RegSharedBuffer& ValueNameListBuffer()
{
    static RegSharedBuffer shared;
    return shared;
}

// Whether the status says the record did not fit into the buffer offered.
bool DidNotFit(NTSTATUS status)
{
    return status == kStatusBufferOverflow || status == kStatusBufferTooSmall;
}

// Runs a native enumeration call for one index into the shared buffer, growing it for records
// that do not fit, so that a long name does not cut the listing short.
template <class Enumerate>
NTSTATUS EnumerateInto(RegSharedBuffer& shared, Enumerate enumerate)
{
    uint32_t offer = shared.GetCapacity() > kListingOffer ? shared.GetCapacity() : kListingOffer;
    for (;;) {
        uint8_t* buffer = shared.Reserve(offer);
        ULONG needed = 0;
        const NTSTATUS status = enumerate(buffer, offer, &needed);
        if (!DidNotFit(status))
            return status;
        offer = GrownOffer(offer, needed, kListingRoom);
    }
}

struct RootPrefix {
    const wchar_t* name;
    HKEY root;
};

// The order in which full names are tested.
const RootPrefix kRootPrefixes[] = {
    {L"HKEY_USERS", HKEY_USERS},
    {L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {L"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    {L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
};

// Whether text starts with prefix, ignoring case; its length when it does.
bool StartsWithIgnoreCase(const wchar_t* text, const wchar_t* prefix, size_t* prefixLength)
{
    size_t i = 0;
    for (; prefix[i]; ++i) {
        if (str::ToUpperAscii(text[i]) != str::ToUpperAscii(prefix[i]))
            return false;
    }
    *prefixLength = i;
    return true;
}

} // namespace

RegDir::RegDir()
    : valueData_(col::_array::ArrayU08::New()),
      expansion_(col::_array::ArrayU08::New()),
      valueName_(),
      key_(nullptr),
      access_(0),
      usable_(LoadNtRegistryApi()),
      root_(HKEY_LOCAL_MACHINE),
      rootName_(StrBuffer::New()),
      ntRoot_(StrBuffer::New()),
      subPath_(StrBuffer::New()),
      fullName_(StrBuffer::New()),
      ntPath_(StrBuffer::New()),
      ntPathCounted_(),
      attributes_(),
      named_(false)
{
    RegDir::Reset();
}

RegDir::~RegDir()
{
    Close();
    delete valueData_;
    delete expansion_;
    delete rootName_;
    delete ntRoot_;
    delete subPath_;
    delete fullName_;
    delete ntPath_;
}

const wchar_t* RegDir::GetClassName()
{
    return L"s_reg_win_RegDir";
}

RegDir* RegDir::NewInstance()
{
    return New();
}

void RegDir::ReleaseToPool()
{
    thread::GiveToPool(this);
}

void RegDir::Reset()
{
    valueData_->Clear();
    expansion_->Clear();
    Close();
    named_ = false;
    valueName_ = UNICODE_STRING();
    ntPathCounted_ = UNICODE_STRING();
    attributes_ = OBJECT_ATTRIBUTES();
    SetRoot(HKEY_LOCAL_MACHINE);
    subPath_->FreeAll();
    fullName_->FreeAll();
    ntPath_->FreeAll();
}

thread::EasyPooler* RegDir::GetPool()
{
    return &thread::PoolOf<RegDir>();
}

RegDir* RegDir::New()
{
    return thread::TakeFromPool<RegDir>();
}

RegDir* RegDir::OpenNew(HKEY root, const wchar_t* path)
{
    RegDir* key = New();
    if (key)
        key->Open(root, path);
    return key;
}

const wchar_t* RegDir::GetKeyName()
{
    return fullName_->GetText();
}

const wchar_t* RegDir::GetNtPath()
{
    return ntPath_->GetText();
}

RegDir* RegDir::GetParent()
{
    RegDir* parent = New();
    if (!parent)
        return nullptr;
    uint32_t last = 0;
    parent->SetRoot(root_);
    if (subPath_->LastIndexOfChar(kSeparator, &last, StrBuffer::kFromEnd)) {
        StrBuffer* path = StrBuffer::New();
        path->AppendChars(subPath_->GetText(), last);
        parent->SetSubPath(path->GetText());
        path->ReleaseToPool();
    } else {
        parent->SetSubPath(L"");
    }
    return parent;
}

void RegDir::SetRoot(HKEY root)
{
    root_ = root;
    // Names of the previous root must not stay: they would open a key below a root not asked for.
    const RegRoot* known = FindRegRoot(root);
    rootName_->Assign(known ? known->name : L"");
    ntRoot_->Assign(known ? known->ntPath : L"");
}

const wchar_t* RegDir::GetSubPath()
{
    return subPath_->GetText();
}

NTSTATUS RegDir::SetSubPath(const wchar_t* path)
{
    Close();
    subPath_->Assign(path ? path : L"");
    subPath_->TrimEndChars(L"\\", 1);

    named_ = false;
    if (!FindRegRoot(root_)) {
        // No root: the name is the path as given, and there is no NT path to open.
        fullName_->AssignStr(subPath_);
        ntPath_->Clear();
        return kStatusInvalidHandle;
    }

    // The root itself has no separator after it: a trailing '\' would name no key.
    fullName_->AssignStr(rootName_);
    ntPath_->AssignStr(ntRoot_);
    if (subPath_->GetLength()) {
        fullName_->AppendChar(kSeparator);
        fullName_->AppendStr(subPath_);
        ntPath_->AppendChar(kSeparator);
        ntPath_->AppendStr(subPath_);
    }

    if (!usable_)
        return kStatusLayerUnusable;
    if (ntPath_->GetLength() > kMaxCountedChars)
        return kStatusObjectNameInvalid;
    GetNtRegistryApi().RtlInitUnicodeString(&ntPathCounted_, ntPath_->GetText());
    attributes_ = OBJECT_ATTRIBUTES();
    attributes_.Length = sizeof(OBJECT_ATTRIBUTES);
    attributes_.RootDirectory = nullptr;
    attributes_.ObjectName = &ntPathCounted_;
    attributes_.Attributes = kObjCaseInsensitive;
    named_ = true;

    const NTSTATUS status = GetNtRegistryApi().NtOpenKey(&key_, kKeyRead, &attributes_);
    if (NT_SUCCESS(status) && key_)
        access_ = kKeyRead;
    else
        key_ = nullptr;
    return status;
}

IRegDir::StrBuffer* RegDir::GetLeafName(StrBuffer* out, bool append)
{
    StrBuffer* target = StrBuffer::PrepareTarget(out, append);
    if (!target)
        return nullptr;
    uint32_t last = 0;
    if (subPath_->LastIndexOfChar(kSeparator, &last, StrBuffer::kFromEnd))
        target->AppendCharsFrom(subPath_->GetText(), subPath_->GetLength() - last - 1, last + 1);
    else
        target->AppendStr(subPath_);
    return target;
}

void RegDir::SetFromFullName(const wchar_t* fullName)
{
    const wchar_t* text = fullName ? fullName : L"";
    for (const RootPrefix& prefix : kRootPrefixes) {
        size_t length = 0;
        // The root name must end where the text ends or at its separator: "HKEY_USERSX" is none.
        if (!StartsWithIgnoreCase(text, prefix.name, &length) || (text[length] && text[length] != kSeparator))
            continue;
        Open(prefix.root, text[length] ? text + length + 1 : L"");
        return;
    }
    Open(nullptr, text);
}

NTSTATUS RegDir::Open(HKEY root, const wchar_t* path)
{
    SetRoot(root);
    return SetSubPath(path);
}

void RegDir::Close()
{
    if (key_) {
        GetNtRegistryApi().NtClose(key_);
        key_ = nullptr;
    }
    access_ = 0;
}

bool RegDir::Reopen()
{
    if (!key_)
        return false;
    const ACCESS_MASK access = access_;
    Close();
    return OpenWith(access);
}

bool RegDir::OpenIfNeeded()
{
    return OpenWith(kKeyRead);
}

bool RegDir::OpenWith(ACCESS_MASK wanted)
{
    if (key_ && (access_ & wanted) == wanted)
        return true;
    if (!named_)
        return false;
    HANDLE opened = nullptr;
    const NTSTATUS status = GetNtRegistryApi().NtOpenKey(&opened, wanted, &attributes_);
    return TakeHandle(status, opened, wanted);
}

bool RegDir::CreateForWriting()
{
    HANDLE created = nullptr;
    const NTSTATUS status = GetNtRegistryApi().NtCreateKey(&created, kKeyWrite, &attributes_, 0, nullptr, 0, nullptr);
    return TakeHandle(status, created, kKeyWrite);
}

bool RegDir::TakeHandle(NTSTATUS status, HANDLE opened, ACCESS_MASK access)
{
    if (!NT_SUCCESS(status) || !opened)
        return false;
    Close();
    key_ = opened;
    access_ = access;
    return true;
}

void RegDir::Create()
{
    if ((key_ && (access_ & kKeyWrite) == kKeyWrite) || !named_)
        return;
    if (CreateForWriting())
        return;
    // A held handle means the key exists and only writing was refused: parents cannot help. The
    // root is never created; below it the missing levels are made from the top down.
    if (key_ || !subPath_->GetLength())
        return;
    RegDir* parent = GetParent();
    if (!parent)
        return;
    parent->Create();
    const bool parentExists = parent->IsOpen();
    parent->ReleaseToPool();
    if (parentExists)
        CreateForWriting();
}

void RegDir::DeleteTree(bool deleteSelf)
{
    if (!OpenIfNeeded())
        return;
    ArrayP* children = ListSubKeys();
    if (children) {
        const uint32_t count = children->GetCount();
        for (uint32_t i = 0; i < count; ++i)
            static_cast<RegDir*>(children->Get(i))->DeleteTree(true);
        children->ReleaseToPool();
    }
    if (deleteSelf) {
        if (OpenWith(kKeyDeleteSelf))
            GetNtRegistryApi().NtDeleteKey(key_);
        Close();
    }
}

void RegDir::Rename(const wchar_t* newLeafName)
{
    if (!OpenWith(kKeyWrite))
        return;
    UNICODE_STRING name;
    if (newLeafName && wcslen(newLeafName) <= kMaxCountedChars) {
        GetNtRegistryApi().RtlInitUnicodeString(&name, newLeafName);
        GetNtRegistryApi().NtRenameKey(key_, &name);
    }
    Close();
}

void RegDir::Flush()
{
    if (key_)
        GetNtRegistryApi().NtFlushKey(key_);
}

IRegDir::ArrayP* RegDir::ListSubKeys()
{
    return ListKeys(nullptr);
}

IRegDir::ArrayP* RegDir::ListSubKeysStartingWith(const wchar_t* prefix)
{
    return ListKeys(prefix ? prefix : L"");
}

IRegDir::ArrayP* RegDir::ListKeys(const wchar_t* prefix)
{
    ArrayP* keys = ArrayP::NewWithCleaner(GetPool());
    if (!keys || !key_)
        return keys;
    RegSharedBuffer& shared = prefix ? PrefixListBuffer() : SubKeyListBuffer();
    thread::ScopedLock hold(shared.locker);
    const NtRegistryApi& nt = GetNtRegistryApi();
    StrBuffer* path = StrBuffer::New();
    for (ULONG index = 0;; ++index) {
        const NTSTATUS status = EnumerateInto(shared, [&](uint8_t* buffer, ULONG offer, ULONG* needed) {
            return nt.NtEnumerateKey(key_, index, kKeyBasicInformation, buffer, offer, needed);
        });
        if (!NT_SUCCESS(status))
            break;
        const KeyBasicInformation* info = reinterpret_cast<const KeyBasicInformation*>(shared.bytes.GetData());
        path->Clear();
        path->AppendChars(info->name, info->nameLength / sizeof(wchar_t));
        if (prefix && !path->StartsWithIgnoreCase(prefix, -1))
            continue;
        if (subPath_->GetLength()) {
            path->PrependChars(L"\\", 1);
            path->PrependChars(subPath_->GetText(), subPath_->GetLength());
        }
        RegDir* child = OpenNew(root_, path->GetText());
        if (child)
            keys->Append(child);
    }
    path->ReleaseToPool();
    return keys;
}

IRegDir::StrArray* RegDir::ListValueNames()
{
    StrArray* names = StrArray::New();
    if (!names || !key_)
        return names;
    RegSharedBuffer& shared = ValueNameListBuffer();
    thread::ScopedLock hold(shared.locker);
    const NtRegistryApi& nt = GetNtRegistryApi();
    for (ULONG index = 0;; ++index) {
        const NTSTATUS status = EnumerateInto(shared, [&](uint8_t* buffer, ULONG offer, ULONG* needed) {
            return nt.NtEnumerateValueKey(key_, index, kKeyValueBasicInformation, buffer, offer, needed);
        });
        if (!NT_SUCCESS(status))
            break;
        const KeyValueBasicInformation* info =
            reinterpret_cast<const KeyValueBasicInformation*>(shared.bytes.GetData());
        StrBuffer* name = StrBuffer::New();
        if (!name)
            break;
        name->AppendChars(info->name, info->nameLength / sizeof(wchar_t));
        names->Add(name);
    }
    return names;
}

uint64_t RegDir::GetTreeDataSize(bool recurse, uint32_t* valueCount, uint32_t* keyCount, bool withValues)
{
    if (!Reopen())
        return 0;
    uint64_t total = 0;
    if (recurse) {
        ArrayP* children = ListSubKeys();
        if (children) {
            const uint32_t count = children->GetCount();
            if (keyCount)
                *keyCount += count;
            for (uint32_t i = 0; i < count; ++i)
                total += static_cast<RegDir*>(children->Get(i))->GetTreeDataSize(true, valueCount, keyCount, withValues);
            children->ReleaseToPool();
        }
    }
    if (withValues) {
        StrArray* names = ListValueNames();
        if (names) {
            const uint32_t count = names->GetCount();
            if (valueCount)
                *valueCount += count;
            for (uint32_t i = 0; i < count; ++i)
                total += GetValueSize(names->Get(i)->GetText());
            names->ReleaseToPool();
        }
    }
    return total;
}

bool RegDir::SetValueName(const wchar_t* name)
{
    const wchar_t* text = name ? name : L"";
    if (wcslen(text) > kMaxCountedChars)
        return false;
    GetNtRegistryApi().RtlInitUnicodeString(&valueName_, text);
    return true;
}

} // namespace win
} // namespace reg
} // namespace s
