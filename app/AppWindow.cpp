#include "app/AppWindow.h"

#include <windows.h>

#include "app/AppBase.h"
#include "app/ProgramIcon.h"
#include "app/SkinNames.h"
#include "app/TextIds.h"
#include "core/str/AsciiFold.h"
#include "core/str/StrBuffer.h"
#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/IMappedData.h"
#include "windowing/MiddleClickActions.h"

namespace s {
namespace app {
namespace win {

namespace {

using gui::win::kMiddleClickClose;
using gui::win::kMiddleClickDoNothing;
using gui::win::kMiddleClickIconize;

const wchar_t kEmpty[] = L"";
const wchar_t kValueX[] = L"X";
const wchar_t kValueY[] = L"Y";
const wchar_t kValueWidth[] = L"Width";
const wchar_t kValueHeight[] = L"Height";
const wchar_t kValueEasyDrag[] = L"EasyDrag";
const wchar_t kValueMaximized[] = L"Maximized";
const wchar_t kValueKeepOnTop[] = L"KeepOnTop";
const wchar_t kValueMiddleClick[] = L"OnMClick";
const wchar_t kGroupSoftwareType[] = L"SoftwareType";
const wchar_t kGroupSoftwareId[] = L"SoftwareID";
const wchar_t kGroupVersion[] = L"Version";
const int32_t kDefaultSide = 500;
const int kSmallIconSide = 16;
const int kBigIconSide = 32;

bool SameText(const wchar_t* a, const wchar_t* b)
{
    return str::EqualsIgnoreCaseAscii(a ? a : kEmpty, b ? b : kEmpty);
}

// The shared text of a stored action, ignoring case; any other text does nothing.
const wchar_t* ToMiddleClickAction(const wchar_t* text)
{
    if (SameText(text, kMiddleClickIconize))
        return kMiddleClickIconize;
    if (SameText(text, kMiddleClickClose))
        return kMiddleClickClose;
    return kMiddleClickDoNothing;
}

} // namespace

AppWindow::AppWindow()
    : scratch_(StrBuffer::New()), sectionPath_(StrBuffer::New()), app_(nullptr), name_(StrBuffer::New()),
      softwareType_(AppBase::kFreeware), baseTextId_(kBaseTextId), langPack_(nullptr), skinner_(nullptr),
      ownsSkinner_(0), defaultSkinName_(StrBuffer::New()), defaultWidth_(kDefaultSide), defaultHeight_(kDefaultSide),
      defaultEasyDrag_(1), defaultMaximized_(0), defaultKeepOnTop_(0), middleClickAction_(kMiddleClickClose)
{
}

AppWindow::~AppWindow()
{
    Reset();
    // Deleted, not given back: at process exit the string pool may already be gone.
    delete scratch_;
    delete sectionPath_;
    delete name_;
    delete defaultSkinName_;
}

const wchar_t* AppWindow::GetClassName()
{
    return kClassName;
}

base::IObject* AppWindow::NewInstance()
{
    return New();
}

void AppWindow::ReleaseToPool()
{
    GetPool()->Give(this);
}

void AppWindow::Reset()
{
    if (scratch_)
        scratch_->Clear();
    if (sectionPath_)
        sectionPath_->Clear();
    app_ = nullptr;
    if (name_)
        name_->Clear();
    softwareType_ = AppBase::kFreeware;
    baseTextId_ = kBaseTextId;
    if (langPack_) {
        langPack_->ReleaseToPool();
        langPack_ = nullptr;
    }
    if (skinner_ && ownsSkinner_)
        skinner_->ReleaseToPool();
    skinner_ = nullptr;
    ownsSkinner_ = 0;
    if (defaultSkinName_)
        defaultSkinName_->Clear();
    defaultWidth_ = kDefaultSide;
    defaultHeight_ = kDefaultSide;
    defaultEasyDrag_ = 1;
    defaultMaximized_ = 0;
    defaultKeepOnTop_ = 0;
    middleClickAction_ = kMiddleClickClose;
}

AppBase* AppWindow::GetApp()
{
    return app_;
}

const wchar_t* AppWindow::GetName()
{
    return name_ ? name_->GetText() : kEmpty;
}

const wchar_t* AppWindow::GetSectionPath(const wchar_t* group)
{
    if (!sectionPath_)
        return kEmpty;
    sectionPath_->Assign(GetName());
    sectionPath_->AppendChar(L'\\');
    sectionPath_->Append(group ? group : kEmpty);
    return sectionPath_->GetText();
}

int32_t AppWindow::GetBaseTextId()
{
    return baseTextId_;
}

lang::Localizer* AppWindow::GetLangPack()
{
    if (langPack_)
        return langPack_;
    return app_ ? app_->GetLangPack() : nullptr;
}

bool AppWindow::HasSkinner()
{
    return skinner_ != nullptr;
}

gui::drawer::Skinner* AppWindow::GetSkinner()
{
    return skinner_;
}

const wchar_t* AppWindow::GetSkinName()
{
    if (!ownsSkinner_)
        return app_ ? app_->GetSkin() : kEmpty;
    map::IMappedData* settings = Settings();
    const wchar_t* fallback = defaultSkinName_ ? defaultSkinName_->GetText() : kEmpty;
    if (!settings || !scratch_)
        return fallback;
    scratch_->Assign(settings->GetString(GetSectionPath(kGroupSkin), kEmpty, fallback, nullptr, false));
    // A skin that was deleted or renamed since it was stored is no choice any more.
    if (skinner_ && !HasSkinNamed(skinner_, scratch_->GetText()))
        return fallback;
    return scratch_->GetText();
}

void AppWindow::SetSkinName(const wchar_t* name)
{
    if (!ownsSkinner_) {
        if (app_)
            app_->SetSkin(name);
        return;
    }
    if (map::IMappedData* settings = Settings())
        settings->SetString(GetSectionPath(kGroupSkin), kEmpty, name ? name : kEmpty);
}

bool AppWindow::HasPosition()
{
    return HasX() && HasY();
}

void AppWindow::SetBounds(int32_t x, int32_t y, int32_t width, int32_t height)
{
    SetX(x);
    SetY(y);
    SetWidth(width);
    SetHeight(height);
}

void AppWindow::SetSize(int32_t width, int32_t height)
{
    SetWidth(width);
    SetHeight(height);
}

void AppWindow::ClearBounds()
{
    map::IMappedData* settings = Settings();
    if (!settings)
        return;
    settings->RemoveValue(ViewSection(), kValueX);
    settings->RemoveValue(ViewSection(), kValueY);
    settings->RemoveValue(ViewSection(), kValueWidth);
    settings->RemoveValue(ViewSection(), kValueHeight);
}

bool AppWindow::HasX()
{
    return HasViewValue(kValueX);
}

int32_t AppWindow::GetX()
{
    return ReadViewInt(kValueX, 0);
}

void AppWindow::SetX(int32_t x)
{
    WriteViewInt(kValueX, x);
}

bool AppWindow::HasY()
{
    return HasViewValue(kValueY);
}

int32_t AppWindow::GetY()
{
    return ReadViewInt(kValueY, 0);
}

void AppWindow::SetY(int32_t y)
{
    WriteViewInt(kValueY, y);
}

bool AppWindow::IsWidthValid()
{
    const int32_t width = GetWidth();
    return width >= kMinSide && width <= GetSystemMetrics(SM_CXVIRTUALSCREEN);
}

bool AppWindow::HasWidth()
{
    return HasViewValue(kValueWidth);
}

int32_t AppWindow::GetWidth()
{
    return ReadViewInt(kValueWidth, defaultWidth_);
}

void AppWindow::SetWidth(int32_t width)
{
    WriteViewInt(kValueWidth, width);
}

bool AppWindow::IsHeightValid()
{
    const int32_t height = GetHeight();
    return height >= kMinSide && height <= GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

bool AppWindow::HasHeight()
{
    return HasViewValue(kValueHeight);
}

int32_t AppWindow::GetHeight()
{
    return ReadViewInt(kValueHeight, defaultHeight_);
}

void AppWindow::SetHeight(int32_t height)
{
    WriteViewInt(kValueHeight, height);
}

bool AppWindow::GetEasyDrag()
{
    return ReadViewBool(kValueEasyDrag, defaultEasyDrag_ != 0);
}

void AppWindow::SetEasyDrag(bool on)
{
    WriteViewBool(kValueEasyDrag, on);
}

bool AppWindow::GetMaximized()
{
    return ReadViewBool(kValueMaximized, defaultMaximized_ != 0);
}

void AppWindow::SetMaximized(bool on)
{
    WriteViewBool(kValueMaximized, on);
}

bool AppWindow::GetKeepOnTop()
{
    return ReadViewBool(kValueKeepOnTop, defaultKeepOnTop_ != 0);
}

void AppWindow::SetKeepOnTop(bool on)
{
    WriteViewBool(kValueKeepOnTop, on);
}

bool AppWindow::IsMiddleClickClose()
{
    middleClickAction_ = ReadMiddleClickAction();
    return middleClickAction_ == kMiddleClickClose;
}

bool AppWindow::IsMiddleClickIconize()
{
    middleClickAction_ = ReadMiddleClickAction();
    return middleClickAction_ == kMiddleClickIconize;
}

const wchar_t* AppWindow::GetMiddleClickAction()
{
    return ReadMiddleClickAction();
}

void AppWindow::SetMiddleClickAction(const wchar_t* action)
{
    if (SameText(action, middleClickAction_))
        return;
    middleClickAction_ = ToMiddleClickAction(action);
    if (map::IMappedData* settings = Settings())
        settings->SetString(ViewSection(), kValueMiddleClick, middleClickAction_);
}

const wchar_t* AppWindow::ReadMiddleClickAction()
{
    map::IMappedData* settings = Settings();
    if (!settings)
        return middleClickAction_;
    return ToMiddleClickAction(settings->GetString(ViewSection(), kValueMiddleClick, middleClickAction_, nullptr, false));
}

map::IMappedData* AppWindow::Settings()
{
    return app_ ? app_->GetSettings() : nullptr;
}

const wchar_t* AppWindow::ViewSection()
{
    return GetSectionPath(kGroupView);
}

int32_t AppWindow::ReadViewInt(const wchar_t* valueName, int32_t defaultValue)
{
    map::IMappedData* settings = Settings();
    return settings ? settings->GetInt32(ViewSection(), valueName, defaultValue) : defaultValue;
}

bool AppWindow::ReadViewBool(const wchar_t* valueName, bool defaultValue)
{
    map::IMappedData* settings = Settings();
    return settings ? settings->GetBool(ViewSection(), valueName, defaultValue) : defaultValue;
}

void AppWindow::WriteViewInt(const wchar_t* valueName, int32_t value)
{
    if (map::IMappedData* settings = Settings())
        settings->SetInt32(ViewSection(), valueName, value);
}

void AppWindow::WriteViewBool(const wchar_t* valueName, bool value)
{
    if (map::IMappedData* settings = Settings())
        settings->SetBool(ViewSection(), valueName, value);
}

bool AppWindow::HasViewValue(const wchar_t* valueName)
{
    map::IMappedData* settings = Settings();
    return settings && settings->HasValue(ViewSection(), valueName);
}

bool AppWindow::Create(AppWindow* holder, AppBase* app, const wchar_t* name, const wchar_t* softwareType,
                       int32_t defaultWidth, int32_t defaultHeight, bool defaultKeepOnTop,
                       const wchar_t* middleClickAction, gui::drawer::Skinner* skinner, const wchar_t* defaultSkinName,
                       const wchar_t* skinSetType, uint32_t skinSetId)
{
    if (!holder || !app || !holder->name_ || !holder->defaultSkinName_)
        return false;
    holder->app_ = app;
    holder->name_->Assign(name ? name : kEmpty);
    holder->softwareType_ = softwareType ? softwareType : app->GetSoftwareType();
    holder->baseTextId_ = kBaseTextId;
    // The application's skin manager is shared; any other is the window's own, and takes the
    // embedded skin set in place of the skins it holds.
    holder->skinner_ = skinner;
    if (skinner == app->GetSkinner()) {
        holder->ownsSkinner_ = 0;
        gui::drawer::ISkin* current = skinner ? skinner->GetCurrentSkin() : nullptr;
        if (current)
            holder->defaultSkinName_->Assign(current->GetName());
    } else {
        holder->ownsSkinner_ = 1;
        if (defaultSkinName)
            holder->defaultSkinName_->Assign(defaultSkinName);
        if (skinner && skinSetType) {
            archive::dll::win::Archive* resources = archive::dll::win::Archive::OpenModule(app->GetModulePath());
            if (resources) {
                skinner->LoadSkinSetSetting(resources, skinSetType, skinSetId);
                resources->ReleaseToPool();
            }
        }
    }
    holder->defaultWidth_ = defaultWidth;
    holder->defaultHeight_ = defaultHeight;
    holder->defaultKeepOnTop_ = defaultKeepOnTop ? 1 : 0;
    holder->defaultEasyDrag_ = 1;
    holder->defaultMaximized_ = 0;
    holder->middleClickAction_ = ToMiddleClickAction(middleClickAction);
    // The window's own bookkeeping goes out with the next write, not one write each.
    map::IMappedData* settings = holder->Settings();
    if (settings) {
        settings->SetAutoSave(false);
        settings->SetString(holder->GetSectionPath(kGroupSoftwareType), kEmpty, holder->softwareType_);
        lang::Localizer* pack = app->GetLangPack();
        settings->SetString(holder->GetSectionPath(kGroupSoftwareId), kEmpty,
                            pack ? pack->GetText(kSoftwareIdText) : kEmpty);
        settings->SetString(holder->GetSectionPath(kGroupVersion), kEmpty, app->GetVersion());
    }
    if (holder->langPack_)
        holder->langPack_->SelectLanguage(app->GetLanguage());
    if (holder->skinner_ && holder->ownsSkinner_)
        holder->skinner_->SelectSkinByName(holder->GetSkinName());
    // A stored action wins over the given default.
    holder->middleClickAction_ = holder->GetMiddleClickAction();
    if (settings)
        settings->SetAutoSave(true);
    return true;
}

thread::EasyPooler* AppWindow::GetPool()
{
    return &thread::PoolOf<AppWindow>();
}

AppWindow* AppWindow::New()
{
    return thread::TakeFromPool<AppWindow>();
}

HICON AppWindow::CreateSmallIcon()
{
    return CreateProgramIcon(app_, kSmallIconSide);
}

HICON AppWindow::CreateBigIcon()
{
    return CreateProgramIcon(app_, kBigIconSide);
}

int32_t AppWindow::GetDefaultWidth()
{
    return defaultWidth_;
}

int32_t AppWindow::GetDefaultHeight()
{
    return defaultHeight_;
}

bool AppWindow::SaveSettings()
{
    return app_ && app_->SaveSettings();
}

} // namespace win
} // namespace app
} // namespace s
