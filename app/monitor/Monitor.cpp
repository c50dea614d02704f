#include "app/monitor/Monitor.h"

#include <algorithm>

#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/ProgramIcon.h"
#include "app/TextIds.h"
#include "app/monitor/FieldKey.h"
#include "app/monitor/FieldOrder.h"
#include "app/monitor/FieldRefresh.h"
#include "app/monitor/MonitorBlock.h"
#include "app/monitor/TrimSchedule.h"
#include "app/monitor/UnknownLocale.h"
#include "core/thread/Thread.h"
#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/IMappedData.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Counter.h"
#include "windowing/widgets/Label.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
using counter::MonitorBlock;
namespace toolkit = ::s::gui;

const wchar_t kProcessStatusUpdateName[] = L"ProcessStatusUpdate";

const wchar_t kMainWindowName[] = L"MainWindow";
const wchar_t kGroupView[] = L"View";
const wchar_t kGroupMouse[] = L"Mouse";
const wchar_t kGroupField[] = L"Field";
const wchar_t kGroupFieldOrder[] = L"FieldOrder";
const wchar_t kGroupLastVisible[] = L"LastVisible";

const int32_t kDefaultOpacity = 90;
const int32_t kDefaultAutoHideSeconds = 5;
const int32_t kHeaderSize = 8;
const int32_t kDataSize = 11;
// The window's size before its first shrink to the rows.
const int32_t kStartWidth = 90;
const int32_t kStartHeight = 500;
const int32_t kNoVersionText = -1;
// The field container: gaps and margins around the rows.
const int32_t kRowGap = 5;
const int32_t kContainerMargin = 3;
const int32_t kFirstFieldDefault = 30;

const int32_t kRefreshPeriods[] = {500, 1000, 1500, 2000, 3000, 5000, 10000, 30000, 60000, 300000};

// The cell width factors by cell width type (very small ... very large); others 1.6.
float CellWidthFactor(int32_t type)
{
    switch (type) {
    case 0:
        return 1.4f;
    case 2:
        return 1.5f;
    case 4:
        return 1.65f;
    case 6:
        return 1.8f;
    case 8:
        return 2.0f;
    default:
        return 1.6f;
    }
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

Monitor::Monitor()
    : holder_(nullptr), settings_(nullptr), localizer_(nullptr), skinner_(nullptr), window_(nullptr),
      container_(nullptr), worker_(thread::win::Thread::New()), smallIcon_(nullptr), bigIcon_(nullptr)
{
    ResetMembers();
}

Monitor::~Monitor()
{
    Reset();
    if (worker_) {
        worker_->ReleaseToPool();
        worker_ = nullptr;
    }
}

// The pools of what a controller holds are made first, so that they outlive the controller pool
// at exit.
thread::EasyPooler* Monitor::GetPool()
{
    static const bool heldPoolsMade = thread::win::Thread::GetPool() && MonitorBlock::GetPool() &&
                                      toolkit::win::Window::GetPool() && toolkit::win::Box::GetPool();
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
    // The rows belong to the window's container: the fields let go of them before the window
    // gives them back.
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->ReleaseToPool();
    displayOrder_.Clear();
    creationOrder_.Clear();
    refreshRows_.clear();
    if (window_) {
        window_->ReleaseToPool();
        window_ = nullptr;
    }
    container_ = nullptr;
    ReleaseIcons();
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
    sizeType_ = 4;
    cellStyle_ = kCellBox;
    cellWidthType_ = 4;
    autoHide_ = false;
    autoHideOnlyOnTop_ = false;
    autoHideSeconds_ = kDefaultAutoHideSeconds;
    autoHideStyle_ = 0;
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

bool Monitor::IsRefreshPeriod(int32_t milliseconds)
{
    return std::find(std::begin(kRefreshPeriods), std::end(kRefreshPeriods), milliseconds) !=
           std::end(kRefreshPeriods);
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
    BindToHolder();
    ReadSettings();
    BuildFields();

    container_ = toolkit::win::Box::Create(toolkit::IBox::kColumn, 100, 100, 0, 0, kRowGap, kRowGap,
                                           kContainerMargin, kContainerMargin);

    counter::ApplyFieldOrder(settings_, SectionPath(kGroupFieldOrder).c_str(), displayOrder_.GetSlots(),
                             GetFieldCount(), KeyOf);
    const bool visibleCountChanged =
        counter::UpdateLastVisible(settings_, SectionPath(kGroupLastVisible).c_str(), CountEnabledFields());

    ApplySkinDrawers();
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
    window_->AddUserEventListener(this);

    ApplyLayout(true);
    if (worker_)
        worker_->RunOnce(static_cast<thread::ITask*>(this));
    window_->AddCloseListener(this);

    window_->SetSize(kStartWidth, kStartHeight);
    LayoutWindow(2);
    window_->ShrinkToMinimumSize();
    window_->SetEnforceMinSizeHV(true, true);
    if (holder_ && holder_->HasWidth() && holder_->HasHeight())
        window_->SetSize(holder_->GetWidth(), holder_->GetHeight());

    if (visibleCountChanged) {
        RelayoutFields();
        ApplyLayout(true);
    }
    window_->SetVisible(true);
    LayoutWindow(1);
}

// Until the window takes these from the holder itself: the language pack, the title alone as
// caption (another start finds the frame by it), the current skin, the stored place and the
// program's icons, and the place kept when the window closes.
void Monitor::BindToHolder()
{
    window_->SetLocalizer(localizer_);
    if (holder_)
        window_->SetCaptionTextId(holder_->GetBaseTextId() + app::kTitleOffset, kNoVersionText);
    window_->SetSkinner(skinner_);
    HWND frame = window_->GetSafeHwnd();
    if (holder_ && holder_->HasPosition())
        SetWindowPos(frame, nullptr, holder_->GetX(), holder_->GetY(), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A gadget, not a document window: it can be sized but not maximised.
    LONG_PTR style = GetWindowLongPtrW(frame, GWL_STYLE);
    SetWindowLongPtrW(frame, GWL_STYLE, (style | WS_THICKFRAME) & ~static_cast<LONG_PTR>(WS_MAXIMIZEBOX));
    LONG_PTR exStyle = GetWindowLongPtrW(frame, GWL_EXSTYLE);
    SetWindowLongPtrW(frame, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE));
    SetWindowPos(frame, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                 SWP_FRAMECHANGED);
    app::win::AppBase* base = holder_ ? holder_->GetApp() : nullptr;
    smallIcon_ = app::win::CreateProgramIcon(base, GetSystemMetrics(SM_CXSMICON));
    bigIcon_ = app::win::CreateProgramIcon(base, GetSystemMetrics(SM_CXICON));
    if (smallIcon_)
        SendMessageW(frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    if (bigIcon_)
        SendMessageW(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
}

void Monitor::StoreWindowPlace()
{
    if (!holder_ || !window_)
        return;
    HWND frame = window_->GetSafeHwnd();
    RECT place = {};
    if (!frame || IsIconic(frame) || !GetWindowRect(frame, &place))
        return;
    if (!holder_->HasX() || holder_->GetX() != place.left)
        holder_->SetX(place.left);
    if (!holder_->HasY() || holder_->GetY() != place.top)
        holder_->SetY(place.top);
    const int32_t width = place.right - place.left;
    const int32_t height = place.bottom - place.top;
    if (!holder_->HasWidth() || holder_->GetWidth() != width)
        holder_->SetWidth(width);
    if (!holder_->HasHeight() || holder_->GetHeight() != height)
        holder_->SetHeight(height);
}

void Monitor::ReleaseIcons()
{
    // Only once the frame that showed them is gone.
    if (smallIcon_)
        DestroyIcon(smallIcon_);
    if (bigIcon_)
        DestroyIcon(bigIcon_);
    smallIcon_ = nullptr;
    bigIcon_ = nullptr;
}

// The settings the window's own operations will apply (opacity, hover-hide, keeping inside the
// screen) are read and kept; the layout and fonts stay in their default form.
void Monitor::ReadSettings()
{
    if (!settings_)
        return;
    const std::wstring view = SectionPath(kGroupView);
    const std::wstring mouse = SectionPath(kGroupMouse);
    withBracket_ = settings_->GetBool(view.c_str(), L"WithBracket", true) ? 1 : 0;
    opacity_ = std::min(std::max(settings_->GetInt32(view.c_str(), L"Transparency", kDefaultOpacity), 10), 100);
    doubleClickShrinks_ = settings_->GetBool(mouse.c_str(), L"LDblClickShrink", true);
    middleClickIconizes_ = holder_ ? holder_->IsMiddleClickIconize() : true;
    shiftSuspendsAutoHide_ = settings_->GetBool(mouse.c_str(), L"ShiftCancelAutoHide", true);
    keepInScreen_ = settings_->GetBool(view.c_str(), L"KeepInScreen", true);
    showTaskbarButton_ = settings_->GetBool(view.c_str(), L"ShowTaskBarButton", false);
    const int32_t period = settings_->GetInt32(view.c_str(), L"RefreshFrequency",
                                               ::s::gui::dialogs::monitor::RefreshCycle::kDefaultPeriod);
    cycle_.SetPeriod(IsRefreshPeriod(period) ? period : ::s::gui::dialogs::monitor::RefreshCycle::kDefaultPeriod);
}

void Monitor::BuildFields()
{
    catalogue_.Build(localizer_, settings_, SectionPath(kGroupField).c_str());
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

// Until labels and counters follow the skin manager themselves.
void Monitor::ApplySkinDrawers()
{
    toolkit::drawer::ISkin* skin = skinner_ ? skinner_->GetCurrentSkin() : nullptr;
    if (!skin)
        return;
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->ApplySkin(skin);
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

void Monitor::TakeFirstFieldSize()
{
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        MonitorBlock* field = GetField(i);
        if (!field->IsEnabled() || !field->GetRow())
            continue;
        firstFieldHeight_ = field->GetRow()->GetHeight();
        firstFieldWidth_ = field->GetRow()->GetWidth();
        return;
    }
}

void Monitor::LayoutWindow(int32_t times)
{
    if (!window_)
        return;
    for (int32_t i = 0; i < times; ++i)
        window_->DoLayout();
}

void Monitor::ShrinkWindow()
{
    if (!window_)
        return;
    if (alignment_ == kAlignFlow)
        window_->ShrinkHeightToMinimum();
    else
        window_->ShrinkToMinimumSize();
}

void Monitor::ApplyLayout(bool force)
{
    if (!container_)
        return;
    const float factor = CellWidthFactor(cellWidthType_);
    const int32_t kind = container_->GetLayoutKind();
    if (alignment_ == kAlignHorizontal && (force || kind != toolkit::IBox::kRow)) {
        container_->SetHorizontal();
    } else if (alignment_ == kAlignFlow && (force || kind != toolkit::IBox::kFlow)) {
        container_->SetFlow();
    } else if (alignment_ == kAlignVertical && (force || kind != toolkit::IBox::kColumn)) {
        container_->SetVertical();
    }
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        MonitorBlock* field = GetField(i);
        field->SetCellAspectFactor(factor);
        field->SetCellSizing(alignment_ != kAlignVertical);
        field->SetFixedCellWidth(alignment_ == kAlignFlow);
    }
    switch (cellStyle_) {
    case kCellBoxFlat:
        ApplyBoxCellStyle(true);
        break;
    case kCellFlat:
        ApplyFlatCellStyle(false);
        break;
    case kCellFlatSlim:
        ApplyFlatCellStyle(true);
        break;
    default:
        ApplyBoxCellStyle(false);
        break;
    }
    LayoutWindow(1);
    StoreLastVisible();
}

void Monitor::ApplyBoxCellStyle(bool flat)
{
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->LayoutVertical(flat);
    RelayoutFields();
    TakeFirstFieldSize();
}

void Monitor::ApplyFlatCellStyle(bool slim)
{
    for (int32_t i = 0; i < GetFieldCount(); ++i)
        GetField(i)->LayoutHorizontal(slim);
    RelayoutFields();
    TakeFirstFieldSize();
}

// Rows are sized for their widest values, not for the values of the moment.
void Monitor::RelayoutFields()
{
    if (!window_)
        return;
    TakeFirstFieldSize();
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        MonitorBlock* field = GetField(i);
        toolkit::win::Label* value = field->GetValueLabel();
        if (!field->IsEnabled() || !value)
            continue;
        field->GetSavedValueText()->Assign(value->GetText());
        if (field->IsLongValue())
            value->SetFontAttribute2(false);
        value->SetText(field->GetSampleText(), false);
    }
    LayoutWindow(3);
    ShrinkWindow();
    for (int32_t i = 0; i < GetFieldCount(); ++i) {
        MonitorBlock* field = GetField(i);
        toolkit::win::Label* value = field->GetValueLabel();
        if (!field->IsEnabled() || !value)
            continue;
        value->SetText(field->GetSavedValueText()->GetText(), true);
        const int32_t type = field->GetDisplayType();
        if (field->IsLongValue() && type != 3 && type != 4)
            value->SetFontAttribute2(true);
    }
}

void Monitor::StoreLastVisible()
{
    counter::UpdateLastVisible(settings_, SectionPath(kGroupLastVisible).c_str(), CountEnabledFields());
}

void Monitor::OnEvent(base::IObject*, int32_t code)
{
    if (!window_)
        return;
    switch (code) {
    case toolkit::win::kEventUser:
        if (kProcessStatusUpdate.Is(window_->GetEventData()))
            ProcessStatusUpdate();
        break;
    case toolkit::win::kEventClose:
        cycle_.SetClosing(true);
        StoreWindowPlace();
        break;
    default:
        break;
    }
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

// Until the window keeps its own iconized state: minimised counts as iconized.
bool Monitor::IsIconized()
{
    HWND frame = window_ ? window_->GetSafeHwnd() : nullptr;
    return frame && IsIconic(frame);
}

// The error report is written by its own dialog, which is not built yet.
void Monitor::SaveErrorReport() {}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
