#include "app/monitor/Monitor.h"

#include <algorithm>

#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/dialogs/About3.h"
#include "app/dialogs/Customizer.h"
#include "app/monitor/FieldKey.h"
#include "app/monitor/FieldOrder.h"
#include "app/monitor/FieldRefresh.h"
#include "app/monitor/MonitorBlock.h"
#include "app/monitor/MonitorSettingKeys.h"
#include "app/monitor/TrimSchedule.h"
#include "app/monitor/UnknownLocale.h"
#include "app/monitor/ViewSettingValues.h"
#include "core/thread/Thread.h"
#include "measurement/win/OsVersion.h"
#include "skins/Skinner.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/IMappedData.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/menu/PopupMenu.h"
#include "windowing/widgets/Counter.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
using counter::MonitorBlock;
namespace toolkit = ::s::gui;

const wchar_t kProcessStatusUpdateName[] = L"ProcessStatusUpdate";
const wchar_t kUpdateFieldsByListBoxName[] = L"UpdateFieldsByListBox";
const wchar_t kLoadDefaultSelectionName[] = L"LoadDefaultSelection";
const wchar_t kUpdateSkinColorsName[] = L"UpdateSkinColors";
const wchar_t kSaveSkinColorsName[] = L"SaveSkinColors";

const wchar_t kMainWindowName[] = L"MainWindow";

const int32_t kDefaultAutoHideSeconds = 5;
const int32_t kHeaderSize = 8;
const int32_t kDataSize = 11;
// The window's size before its first shrink to the rows.
const int32_t kStartWidth = 90;
const int32_t kStartHeight = 500;
// The field container: gaps and margins around the rows.
const int32_t kRowGap = 5;
const int32_t kContainerMargin = 3;
const int32_t kFirstFieldDefault = 30;
const int32_t kSavedSizeDefault = 10;

bool IsWindows8OrLater()
{
    system::win::OsVersionInfo& version = system::win::GetOsVersion();
    if (!version.done)
        system::win::LoadOsVersion();
    return version.isWindows8OrLater;
}

MonitorBlock* BlockAt(col::_array::ArrayP& list, int32_t index)
{
    if (index < 0 || static_cast<uint32_t>(index) >= list.GetCount())
        return nullptr;
    return static_cast<MonitorBlock*>(list.Get(static_cast<uint32_t>(index)));
}

const wchar_t* KeyOf(void* field)
{
    return static_cast<MonitorBlock*>(field)->GetKey();
}
} // namespace

const ::s::gui::win::NamedEvent kProcessStatusUpdate(kProcessStatusUpdateName);
const ::s::gui::win::NamedEvent kUpdateFieldsByListBox(kUpdateFieldsByListBoxName);
const ::s::gui::win::NamedEvent kLoadDefaultSelection(kLoadDefaultSelectionName);
const ::s::gui::win::NamedEvent kUpdateSkinColors(kUpdateSkinColorsName);
const ::s::gui::win::NamedEvent kSaveSkinColors(kSaveSkinColorsName);

Monitor::Monitor()
    : holder_(nullptr), settings_(nullptr), localizer_(nullptr), skinner_(nullptr), window_(nullptr),
      container_(nullptr), worker_(thread::win::Thread::New()), skinTools_(false), about_(nullptr),
      aboutHolder_(nullptr), aboutSkinner_(nullptr), customizer_(nullptr), customizerHolder_(nullptr)
{
    ResetMembers();
}

Monitor::~Monitor()
{
    Reset();
    GiveBack(worker_);
}

// The pools of what a controller holds are made first, so that they outlive the controller pool
// at exit.
thread::EasyPooler* Monitor::GetPool()
{
    static const bool heldPoolsMade = thread::win::Thread::GetPool() && MonitorBlock::GetPool() &&
                                      toolkit::win::Window::GetPool() && toolkit::win::Box::GetPool() &&
                                      toolkit::dialogs::About3::GetPool() && Customizer::GetPool();
    (void)heldPoolsMade;
    return &thread::PoolOf<Monitor, kPoolCapacity>();
}

Monitor* Monitor::New()
{
    return static_cast<Monitor*>(GetPool()->Take());
}

const wchar_t* Monitor::GetClassName()
{
    return kClassName;
}

base::IObject* Monitor::NewInstance()
{
    return New();
}

void Monitor::ReleaseToPool()
{
    GetPool()->Give(this);
}

// The worker first: a release during a long wait sees the closing flag at the wait's next step;
// a worker that does not leave within the bound is ended and replaced by a fresh thread.
void Monitor::Reset()
{
    cycle_.SetClosing(true);
    if (worker_)
        worker_->ForceRestart(kWorkerReleaseMillis);
    cycle_.SetClosing(false);
    // The dialog borrows the fields: it goes before them.
    ReleaseCustomizer();
    // The rows belong to the window's container: the fields let go of them before the window
    // gives them back.
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->ReleaseToPool();
    displayOrder_.Clear();
    creationOrder_.Clear();
    refreshRows_.clear();
    // The box is modal over the window: it goes first.
    ReleaseAbout();
    ReleaseSkinCustomizer();
    GiveBack(window_);
    // The window held the menus: they go once it is gone.
    menus_.Release();
    menuNames_.clear();
    container_ = nullptr;
    holder_ = nullptr;
    settings_ = nullptr;
    localizer_ = nullptr;
    skinner_ = nullptr;
    ResetMembers();
}

void Monitor::ResetMembers()
{
    // Also after the window's release, whose close tells this controller once more.
    cycle_.SetClosing(false);
    cycle_.SetPeriod(::s::gui::dialogs::monitor::RefreshCycle::kDefaultPeriod);
    firstFieldHeight_ = kFirstFieldDefault;
    firstFieldWidth_ = kFirstFieldDefault;
    withBracket_ = 1;
    opacity_ = 100;
    opacityOnlyOnTop_ = false;
    alignment_ = kAlignVertical;
    sizeType_ = kSizeMedium;
    cellStyle_ = kCellBox;
    cellWidthType_ = kSizeMedium;
    autoHide_ = false;
    autoHideOnlyOnTop_ = false;
    autoHideSeconds_ = kDefaultAutoHideSeconds;
    autoHideStyle_ = kAutoHideShrink;
    headerBold_ = false;
    headerOutline_ = true;
    headerSize_ = kHeaderSize;
    dataBold_ = true;
    dataOutline_ = true;
    dataSize_ = kDataSize;
    doubleClickShrinks_ = true;
    middleClickIconizes_ = true;
    shiftSuspendsAutoHide_ = true;
    keepInScreen_ = true;
    showTaskbarButton_ = false;
    headerCustomSize_ = kHeaderSize;
    dataCustomSize_ = kDataSize;
    shrunk_ = false;
    savedWidth_ = kSavedSizeDefault;
    savedHeight_ = kSavedSizeDefault;
    periodicSkinDays_ = -1;
    skinTools_ = false;
}

void Monitor::SetAppWindow(app::win::AppWindow* holder)
{
    holder_ = holder;
    localizer_ = holder ? holder->GetLangPack() : nullptr;
    settings_ = holder && holder->GetApp() ? holder->GetApp()->GetSettings() : nullptr;
    skinner_ = holder ? holder->GetSkinner() : nullptr;
}

void Monitor::SetServices(lang::Localizer* localizer, map::IMappedData* settings,
                          ::s::gui::drawer::Skinner* skinner)
{
    localizer_ = localizer;
    settings_ = settings;
    skinner_ = skinner;
}

std::wstring Monitor::SectionPath(const wchar_t* group)
{
    // The holder's path lives in its own buffer until its next call: copied at once.
    if (holder_)
        return holder_->GetSectionPath(group);
    return std::wstring(kMainWindowName) + L"\\" + group;
}

void Monitor::Init()
{
    if (window_)
        return;
    window_ = toolkit::win::Window::New();
    if (!window_)
        return;
    if (!window_->IsReady()) {
        // The toolkit has told the user; start-up finds a window that never opens.
        return;
    }
    SetUpWindow();
    InitSkin();
    LoadViewSettings();
    BuildFields();
    keepInScreen_ = settings_ ? settings_->GetBool(SectionPath(key::kGroupView).c_str(), key::kKeepInScreen, true) : true;
    BuildMenus();

    container_ = toolkit::win::Box::Create(toolkit::IBox::kColumn, 100, 100, 0, 0, kRowGap, kRowGap,
                                           kContainerMargin, kContainerMargin);
    counter::ApplyFieldOrder(settings_, SectionPath(key::kGroupFieldOrder).c_str(), displayOrder_.GetSlots(),
                             GetFieldCount(), KeyOf);
    const bool visibleCountChanged =
        counter::UpdateLastVisible(settings_, SectionPath(key::kGroupLastVisible).c_str(), CountEnabledFields());
    RebuildFieldMenu();

    TakeFirstFieldSize();
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        toolkit::IComponent* row = GetField(i)->GetRow();
        if (row && container_)
            container_->AddChild(row);
    }
    // The container joins the window with all its rows: their native windows are made in one
    // pass and laid out once, not once per row.
    if (container_)
        window_->AddChild(container_);

    window_->AddLanguageChangeListener(this);
    if (menus_.GetTrayMenu()) {
        window_->SetTrayMenu(menus_.GetTrayMenu());
        menus_.GetTrayMenu()->AddListener(this);
    }
    if (menus_.GetMainMenu()) {
        window_->SetContextMenu(menus_.GetMainMenu(), true);
        menus_.GetMainMenu()->AddListener(this);
    }
    window_->AddContextMenuListener(this);
    window_->AddUserEventListener(this);

    ApplyLayout(true);
    if (worker_)
        worker_->RunOnce(static_cast<thread::ITask*>(this));
    window_->AddCloseListener(this);
    window_->AddDoubleClickListener(this);

    window_->SetTaskbarButton(showTaskbarButton_);
    window_->SetSize(kStartWidth, kStartHeight);
    LayoutWindow(2);
    window_->ShrinkToMinimumSize();
    window_->SetEnforceMinSizeHV(true, true);
    window_->SetCloseToTray(true);
    window_->SetAlwaysShowTrayIcon(true);
    window_->SetOpacity(opacity_, opacityOnlyOnTop_);
    ApplyHoverHide();
    window_->SetKeepInsideScreen(keepInScreen_);
    if (holder_ && holder_->HasWidth() && holder_->HasHeight())
        window_->SetSize(holder_->GetWidth(), holder_->GetHeight());

    if (visibleCountChanged) {
        RelayoutFields();
        ApplyLayout(true);
    }
    ShowWindow();
    LayoutWindow(1);
}

// A gadget, not a document window: sized by its edges, dragged by its body, never maximised;
// the holder gives icons, language, title, skin and the stored place. The stored place is not
// checked here: a window on no monitor is centred when it shows, and keeping inside the screen
// follows the user's setting.
void Monitor::SetUpWindow()
{
    window_->SetSizingBorder(true);
    window_->SetMaximizeBox(false);
    window_->SetClientEdge(false);
    window_->SetCaptionBar(false);
    window_->SetScreenClampEnabled(false);
    if (holder_) {
        window_->SetAppWindow(holder_, true);
        return;
    }
    window_->SetLocalizer(localizer_);
    window_->SetSkinner(skinner_);
}

// On newer systems a window shown without a taskbar button would not come to the top of the
// keep-on-top band: the button is there while it shows.
void Monitor::ShowWindow()
{
    const bool buttonForShowing = !showTaskbarButton_ && IsWindows8OrLater();
    if (buttonForShowing)
        window_->SetTaskbarButton(true);
    window_->SetVisible(true);
    if (holder_)
        window_->SetTopMost(holder_->GetKeepOnTop());
    if (buttonForShowing)
        window_->SetTaskbarButton(false);
    // A place stored partly off the screen is the user's while the edges are not kept.
    if (keepInScreen_)
        window_->MoveInsideScreen();
}

void Monitor::BuildMenus()
{
    MenuMarks marks;
    marks.keepOnTop = holder_ ? holder_->GetKeepOnTop() : false;
    ReadStartWithWindows(&marks.startThroughScheduler, &marks.startsWithWindows);
    marks.autoHide = autoHide_;
    marks.autoHideStyle = autoHideStyle_;
    marks.autoHideSeconds = autoHideSeconds_;
    marks.keepInScreen = keepInScreen_;
    marks.withBrackets = withBracket_ != 0;
    marks.taskbarButton = showTaskbarButton_;
    marks.doubleClickShrinks = doubleClickShrinks_;
    marks.middleClickIconizes = middleClickIconizes_;
    marks.shiftSuspendsAutoHide = shiftSuspendsAutoHide_;
    marks.refreshPeriod = cycle_.GetPeriod();
    marks.opacity = opacity_;
    marks.alignment = alignment_;
    marks.cellStyle = cellStyle_;
    marks.sizeType = sizeType_;
    marks.cellWidthType = cellWidthType_;
    marks.headerBold = headerBold_;
    marks.headerOutline = headerOutline_;
    marks.headerCustomSize = headerCustomSize_;
    marks.dataBold = dataBold_;
    marks.dataOutline = dataOutline_;
    marks.dataCustomSize = dataCustomSize_;
    marks.skinTools = skinTools_;
    menus_.Build(localizer_, marks);
}

void Monitor::BuildFields()
{
    catalogue_.Build(localizer_, settings_, SectionPath(key::kGroupField).c_str());
    for (const counter::FieldDescription& field : catalogue_.GetFields()) {
        void* userData = nullptr;
        if (field.userDataIsBracketFlag)
            userData = &withBracket_;
        else if (!field.instanceText.empty())
            userData = const_cast<wchar_t*>(field.instanceText.c_str());
        MonitorBlock* block = MonitorBlock::New(
            &withBracket_, localizer_, field.key.c_str(), field.enabled, field.displayType, field.maximum, headerBold_,
            headerOutline_, headerSize_, field.prefix.c_str(), field.labelTextId, field.suffix.c_str(), dataBold_,
            dataOutline_, dataSize_, field.sample.c_str(), field.callback, userData, field.extraValue);
        if (!block)
            continue;
        block->SetLongValue(field.longValue);
        if (field.toggleCounterFlag && block->GetCounter())
            block->GetCounter()->ToggleFlag();
        creationOrder_.Append(block);
    }
    for (uint32_t i = 0; i < creationOrder_.GetCount(); ++i)
        displayOrder_.Append(creationOrder_.Get(i));
}

int32_t Monitor::GetFieldCount()
{
    return static_cast<int32_t>(displayOrder_.GetCount());
}

counter::MonitorBlock* Monitor::GetField(int32_t position)
{
    return BlockAt(displayOrder_, position);
}

counter::MonitorBlock* Monitor::GetCreatedField(int32_t index)
{
    return BlockAt(creationOrder_, index);
}

counter::MonitorBlock* Monitor::FindField(const wchar_t* key)
{
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        if (counter::SameFieldKey(GetField(i)->GetKey(), key))
            return GetField(i);
    }
    return nullptr;
}

int32_t Monitor::CountEnabledFields()
{
    int32_t count = 0;
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        count += GetField(i)->IsEnabled() ? 1 : 0;
    return count;
}

void Monitor::ProcessStatusUpdate()
{
    if (cycle_.IsClosing() || !window_ || window_->IsSystemSuspending())
        return;
    const int32_t clientWidth = window_->GetClientWidth();
    refreshRows_.clear();
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        refreshRows_.push_back(GetField(i));
    counter::RefreshFields(refreshRows_.data(), static_cast<int32_t>(refreshRows_.size()));
    // A value that grew past the window's width does not push the rows out of sight.
    if (alignment_ == kAlignVertical && container_ && container_->GetWidth() > clientWidth) {
        container_->SetWidth(clientWidth);
        container_->DoLayout();
    }
    ReturnClosedCustomizer();
    ::s::gui::dialogs::monitor::GetTrimSchedule().OnUpdate(window_->IsShown());
}

void Monitor::Run()
{
    cycle_.Run(this);
}

void Monitor::PrepareRefresh()
{
    if (::s::gui::dialogs::monitor::SetUpCountersAndReportUnknownLocale())
        SaveErrorReport();
}

void Monitor::SendStatusUpdate()
{
    if (window_)
        window_->SendEvent(kProcessStatusUpdate, 0, 0, 0);
}

bool Monitor::IsIconized()
{
    return window_ && window_->IsIconized();
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
