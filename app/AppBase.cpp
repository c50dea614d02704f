#include "app/AppBase.h"

#include <objbase.h>

#include "app/CommandLine.h"
#include "app/InstanceFinder.h"
#include "app/SkinNames.h"
#include "app/TextIds.h"
#include "core/str/StrBuffer.h"
#include "images/codecs/DecodeFromResource.h"
#include "images/codecs/ico/win/IconArchiveImages.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "images/win/BufferedImage.h"
#include "mfc/Ole.h"
#include "mfc/WinApp.h"
#include "skins/Skinner.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/icon/Archive.h"
#include "storage/file/ModulePath.h"
#include "storage/file/PathWin.h"
#include "storage/file/ShellServices.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/reg/RegDir.h"
#include "storage/reg/RegMappedData.h"
#include "storage/settings/XmlMappedData.h"

namespace s {
namespace app {
namespace win {

namespace {

const wchar_t kEmpty[] = L"";
const wchar_t kNoVersion[] = L"0.00";
const wchar_t kSectionSoftwareType[] = L"SoftwareType";
const wchar_t kSectionSoftwareId[] = L"SoftwareID";
const wchar_t kSectionVersion[] = L"Version";
const wchar_t kSectionLanguage[] = L"Language";
const wchar_t kSectionSkin[] = L"Skin";
const wchar_t kProgramKeyParent[] = L"Software\\Zorv\\";
const wchar_t kSilentValue[] = L"Silent";
const int32_t kIconDepth = 32;

// A running version of the form "1.76": the page is offered only for such releases, not for
// test builds numbered otherwise.
bool IsReleaseVersion(const wchar_t* version)
{
    uint32_t length = 0;
    int64_t dot = -1;
    for (; version[length]; ++length) {
        if (dot < 0 && version[length] == L'.')
            dot = length;
    }
    return dot >= 0 && length == static_cast<uint64_t>(dot) + 3;
}

bool SameIgnoringCase(str::strbuffer::StrBuffer* text, const wchar_t* other)
{
    return text->MatchesIgnoreCaseAt(0, other ? other : kEmpty, 0, -1);
}

// Gives back an optional object of any class: to its pool when it has one.
void ReleaseObject(base::IObject** slot)
{
    if (!*slot)
        return;
    if (thread::IPoolable* poolable = dynamic_cast<thread::IPoolable*>(*slot))
        poolable->ReleaseToPool();
    else
        delete *slot;
    *slot = nullptr;
}

template <class T>
void GiveBack(T** slot)
{
    if (*slot) {
        (*slot)->ReleaseToPool();
        *slot = nullptr;
    }
}

void ReleasePicture(image::IEncodedImage** slot)
{
    if (thread::IPoolable* poolable = dynamic_cast<thread::IPoolable*>(*slot))
        poolable->ReleaseToPool();
    *slot = nullptr;
}

// The embedded JPEG picture of that resource; null when it is missing or does not decode.
image::IEncodedImage* LoadPicture(archive::dll::IArchive* resources, const wchar_t* type, uint32_t id)
{
    if (!resources || !type)
        return nullptr;
    image::jpg::win::Jpeg* picture = image::jpg::win::Jpeg::New();
    if (picture && !image::DecodeFromResource(picture, resources, type, id)) {
        picture->ReleaseToPool();
        return nullptr;
    }
    return picture;
}

image::win::BufferedImage* RenderFirstImage(image::IEncodedImage* picture)
{
    return picture ? dynamic_cast<image::win::BufferedImage*>(picture->ToBufferedImage(0, nullptr)) : nullptr;
}

} // namespace

AppBase::AppBase()
    : scratch_(nullptr), scratch2_(nullptr), softwareType_(kFreeware), baseTextId_(kBaseTextId),
      commandLine_(nullptr), modulePath_(nullptr), moduleFolder_(nullptr), resources_(nullptr), langPack_(nullptr),
      member23_(nullptr), member24_(nullptr), member25_(nullptr), skinner_(nullptr), iconArchive_(nullptr),
      picture1_(nullptr), picture2_(nullptr), settingsWritten_(0), settings_(nullptr), defaultSkinName_(nullptr)
{
    CoInitialize(nullptr);
    scratch_ = StrBuffer::New();
    scratch2_ = StrBuffer::New();
}

AppBase::~AppBase()
{
    Reset();
    // Deleted, not given back: at process exit the string pool may already be gone.
    delete scratch_;
    delete scratch2_;
    CoUninitialize();
}

const wchar_t* AppBase::GetClassName()
{
    return kClassName;
}

base::IObject* AppBase::NewInstance()
{
    return New();
}

void AppBase::ReleaseToPool()
{
    GetPool()->Give(this);
}

void AppBase::Reset()
{
    if (scratch_)
        scratch_->Clear();
    softwareType_ = kFreeware;
    baseTextId_ = kBaseTextId;
    GiveBack(&commandLine_);
    GiveBack(&modulePath_);
    GiveBack(&moduleFolder_);
    GiveBack(&resources_);
    GiveBack(&langPack_);
    ReleaseObject(&member23_);
    ReleaseObject(&member24_);
    ReleaseObject(&member25_);
    GiveBack(&iconArchive_);
    ReleasePicture(&picture1_);
    ReleasePicture(&picture2_);
    GiveBack(&skinner_);
    // The normal end of the program: the settings reach the file here.
    if (settings_) {
        if (!settingsWritten_)
            settings_->Save();
        static_cast<xml::MappedData*>(settings_)->ReleaseToPool();
        settings_ = nullptr;
    }
    settingsWritten_ = 0;
    GiveBack(&defaultSkinName_);
    if (scratch2_)
        scratch2_->Clear();
}

const wchar_t* AppBase::GetSoftwareType()
{
    return softwareType_;
}

AppBase::PathWin* AppBase::GetModulePath()
{
    return modulePath_;
}

AppBase::PathWin* AppBase::GetModuleFolder()
{
    return moduleFolder_;
}

AppBase::CommandLine* AppBase::GetCommandLine()
{
    return commandLine_;
}

archive::icon::Archive* AppBase::GetIconArchive()
{
    return iconArchive_;
}

bool AppBase::FindIcon(int32_t side, uint32_t* index)
{
    return iconArchive_ && iconArchive_->FindBestImage(side, side, kIconDepth, index);
}

image::ico::win::IconImage* AppBase::GetIcon16()
{
    uint32_t index = 0;
    return FindIcon(16, &index) ? archive::icon::GetIconImage(iconArchive_, index) : nullptr;
}

image::ico::win::IconImage* AppBase::GetIcon32()
{
    uint32_t index = 0;
    return FindIcon(32, &index) ? archive::icon::GetIconImage(iconArchive_, index) : nullptr;
}

image::win::BufferedImage* AppBase::GetIcon64()
{
    uint32_t index = 0;
    return FindIcon(64, &index) ? archive::icon::DecodeImage(iconArchive_, index) : nullptr;
}

archive::icon::Archive* AppBase::OpenIconArchive(int32_t iconGroupId)
{
    if (!resources_ || iconGroupId < 0)
        return nullptr;
    archive::icon::Archive* icons = archive::icon::Archive::New();
    if (icons && !icons->LoadGroupById(resources_, static_cast<uint32_t>(iconGroupId))) {
        icons->ReleaseToPool();
        return nullptr;
    }
    return icons;
}

int32_t AppBase::GetBaseTextId()
{
    return baseTextId_;
}

lang::Localizer* AppBase::GetLangPack()
{
    return langPack_;
}

base::IObject* AppBase::GetMember23()
{
    return member23_;
}

base::IObject* AppBase::GetMember24()
{
    return member24_;
}

base::IObject* AppBase::GetMember25()
{
    return member25_;
}

image::win::BufferedImage* AppBase::RenderPicture131()
{
    return RenderFirstImage(picture1_);
}

image::IEncodedImage* AppBase::GetPicture131()
{
    return picture1_;
}

image::win::BufferedImage* AppBase::RenderPicture132()
{
    return RenderFirstImage(picture2_);
}

image::IEncodedImage* AppBase::GetPicture132()
{
    return picture2_;
}

map::IMappedData* AppBase::GetSettings()
{
    return settings_;
}

bool AppBase::SaveSettings()
{
    if (!settings_)
        return false;
    const bool saved = settings_->Save();
    settingsWritten_ = 1;
    return saved;
}

bool AppBase::HasSkinner()
{
    return skinner_ != nullptr;
}

gui::drawer::Skinner* AppBase::GetSkinner()
{
    return skinner_;
}

const wchar_t* AppBase::GetLanguage()
{
    if (!scratch2_)
        return kEmpty;
    lang::LangPack* current = langPack_ ? langPack_->GetCurrentPack() : nullptr;
    // Copied: the store's text lives only until its next read.
    scratch2_->Assign(current ? current->GetEngName()->GetText() : kEmpty);
    if (settings_)
        scratch2_->Assign(settings_->GetString(kSectionLanguage, kEmpty, scratch2_->GetText(), nullptr, false));
    return scratch2_->GetText();
}

void AppBase::SetLanguage(const wchar_t* engName)
{
    if (settings_)
        settings_->SetString(kSectionLanguage, kEmpty, engName ? engName : kEmpty);
}

const wchar_t* AppBase::GetSkin()
{
    const wchar_t* fallback = defaultSkinName_ ? defaultSkinName_->GetText() : kEmpty;
    if (!scratch2_ || !settings_)
        return fallback;
    scratch2_->Assign(settings_->GetString(kSectionSkin, kEmpty, fallback, nullptr, false));
    // A skin that was deleted or renamed since it was stored is no choice any more.
    if (skinner_ && !HasSkinNamed(skinner_, scratch2_->GetText()))
        return fallback;
    return scratch2_->GetText();
}

void AppBase::SetSkin(const wchar_t* name)
{
    if (settings_)
        settings_->SetString(kSectionSkin, kEmpty, name ? name : kEmpty);
}

bool AppBase::SignalOtherInstance(bool signal, bool alsoNotify, bool byTitle)
{
    DWORD processId = 0;
    if (!InstanceFinder::FindProcess(&processId))
        return false;
    if (signal)
        InstanceFinder::SignalProcess(processId, byTitle ? GetLangPack() : nullptr, GetBaseTextId(), alsoNotify);
    return true;
}

bool AppBase::SignalOtherInstanceOnDesktop(bool signal, bool alsoNotify, bool byTitle)
{
    if (!signal)
        return InstanceFinder::HasOtherOnDesktop();
    return InstanceFinder::FindOnDesktop(GetThreadDesktop(GetCurrentThreadId()), byTitle ? GetLangPack() : nullptr,
                                         GetBaseTextId(), alsoNotify);
}

xml::MappedData* AppBase::OpenSettingsFile()
{
    StrBuffer* path = StrBuffer::New();
    if (!path)
        return nullptr;
    if (moduleFolder_)
        path->Append(moduleFolder_->GetText())->AppendChar(L'\\');
    path->Append(kSettingsFile);
    xml::MappedData* store = xml::MappedData::OpenFile(path->GetText());
    path->ReleaseToPool();
    return store;
}

reg::MappedData* AppBase::OpenRegistrySettings()
{
    return reg::MappedData::OpenProgramSettings(TextOf(kSoftwareIdText));
}

void AppBase::RunFirstStartHook()
{
    StrBuffer* keyPath = StrBuffer::New();
    if (!keyPath)
        return;
    keyPath->Append(kProgramKeyParent)->Append(TextOf(kSoftwareIdText));
    reg::win::RegDir* key = reg::win::RegDir::OpenNew(HKEY_CURRENT_USER, keyPath->GetText());
    keyPath->ReleaseToPool();
    if (!key)
        return;
    // Only a number is a request: a text or binary value of four bytes would read as one.
    uint32_t type = 0;
    uint32_t length = 0;
    const bool silent = key->ReadValue(kSilentValue, &type, &length, REG_DWORD) && key->GetBool(kSilentValue, false);
    if (silent)
        key->SetBool(kSilentValue, false);
    key->ReleaseToPool();
    if (silent)
        system::win::ShellOpen(GetSoftwarePage());
}

// Through the getter: a base that gives its pack from elsewhere names its pages, version and
// title from that same pack.
const wchar_t* AppBase::TextOf(int32_t id)
{
    lang::Localizer* pack = GetLangPack();
    return pack ? pack->GetText(id) : kEmpty;
}

const wchar_t* AppBase::GetSoftwarePage()
{
    return TextOf(baseTextId_ + kSoftwarePageOffset);
}

const wchar_t* AppBase::GetFeedbackPage()
{
    return TextOf(baseTextId_ + kFeedbackPageOffset);
}

const wchar_t* AppBase::GetSkinsPage()
{
    return TextOf(baseTextId_ + kSkinsPageOffset);
}

const wchar_t* AppBase::GetVersion()
{
    return TextOf(baseTextId_ + kVersionOffset);
}

const wchar_t* AppBase::GetSoftwareListPage()
{
    return TextOf(kSoftwareListPageText);
}

const wchar_t* AppBase::GetWorkplacePage()
{
    return TextOf(kWorkplacePageText);
}

const wchar_t* AppBase::GetTranslationPage()
{
    return TextOf(kTranslationPageText);
}

const wchar_t* AppBase::GetEnglishTitle()
{
    lang::Localizer* pack = GetLangPack();
    return pack ? pack->GetEnglishText(baseTextId_ + kTitleOffset) : kEmpty;
}

void AppBase::ReadModulePath()
{
    modulePath_ = file::win::GetModulePath(nullptr);
    if (modulePath_)
        moduleFolder_ = modulePath_->GetParent();
}

void AppBase::CheckVersion()
{
    const wchar_t* running = GetVersion();
    scratch_->Assign(settings_->GetString(kSectionVersion, kEmpty, kNoVersion, nullptr, false));
    if (!SameIgnoringCase(scratch_, running) && IsReleaseVersion(running))
        system::win::ShellOpen(GetSoftwarePage());
}

void AppBase::SelectStoredLanguage()
{
    if (!langPack_)
        return;
    langPack_->SelectLanguage(GetLanguage());
    lang::LangPack* current = langPack_->GetCurrentPack();
    if (!current)
        return;
    // Against what the file holds, not the default: a first start stores the language too.
    scratch_->Assign(settings_->GetString(kSectionLanguage, kEmpty, kEmpty, nullptr, false));
    if (!SameIgnoringCase(scratch_, current->GetEngName()->GetText()))
        SetLanguage(current->GetEngName()->GetText());
}

bool AppBase::Init(CWinApp* app, const wchar_t* softwareType, int32_t iconGroupId, const wchar_t* langPackType,
                   uint32_t langPackId, const wchar_t* picture1Type, uint32_t picture1Id,
                   const wchar_t* picture2Type, uint32_t picture2Id)
{
    if (!scratch_ || !scratch2_)
        return false;
    // COM security is the process's once: a second set-up fails as too late, which is no error.
    AfxOleInit();
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                         EOAC_NONE, nullptr);
    SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
    baseTextId_ = kBaseTextId;
    softwareType_ = softwareType ? softwareType : kFreeware;
    commandLine_ = CommandLine::New();
    if (commandLine_) {
        if (app)
            app->ParseCommandLine(*commandLine_);
        commandLine_->Walk();
    }
    ReadModulePath();
    resources_ = modulePath_ ? archive::dll::win::Archive::OpenModule(modulePath_) : nullptr;
    iconArchive_ = OpenIconArchive(iconGroupId);
    picture1_ = LoadPicture(resources_, picture1Type, picture1Id);
    picture2_ = LoadPicture(resources_, picture2Type, picture2Id);
    langPack_ = lang::Localizer::CreateFromResource(resources_, langPackType, langPackId);
    defaultSkinName_ = StrBuffer::New();
    // What start-up stores reaches the file with the next change or at the end.
    settings_ = OpenSettingsFile();
    if (!settings_)
        return false;
    settings_->SetAutoSave(false);
    CheckVersion();
    settings_->SetString(kSectionSoftwareType, kEmpty, softwareType_);
    settings_->SetString(kSectionSoftwareId, kEmpty, TextOf(kSoftwareIdText));
    settings_->SetString(kSectionVersion, kEmpty, GetVersion());
    SelectStoredLanguage();
    // Never during start-up: the base gets no skin manager of its own there.
    if (skinner_)
        skinner_->SelectSkinByName(GetSkin());
    settings_->SetAutoSave(true);
    return true;
}

thread::EasyPooler* AppBase::GetPool()
{
    return &thread::PoolOf<AppBase>();
}

AppBase* AppBase::New()
{
    return thread::TakeFromPool<AppBase>();
}

AppBase* AppBase::Create(CWinApp* app)
{
    AppBase* base = New();
    if (base)
        base->Init(app, kFreeware, kIconGroupId, kXmlResourceType, kLangPackResourceId, kJpegResourceType,
                   kPicture131Id, kJpegResourceType, kPicture132Id);
    return base;
}

} // namespace win
} // namespace app
} // namespace s
