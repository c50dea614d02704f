#include "app/monitor/MonitorMenus.h"

#include "app/monitor/MenuCommands.h"
#include "app/monitor/PeriodicSkin.h"
#include "app/monitor/ViewSettingValues.h"
#include "core/str/StrBuffer.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "windowing/menu/MenuItem.h"
#include "windowing/menu/PopupMenu.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;

namespace {

const wchar_t kTrayTitle[] = L"Iconized Popup Menu";
const wchar_t kCustomizeSkinText[] = L"Customize Skin...";
const wchar_t kCreateSkinImagesText[] = L"Create Skin Images...";

// Text ids of the entries.
const int32_t kViewText = 609000;
const int32_t kKeepOnTopText = 609100;
const int32_t kTaskbarButtonText = 609400;
const int32_t kStartText = 609500;
const int32_t kSchedulerText = 609501;
const int32_t kLanguageText = 700000;
const int32_t kTranslateText = 700001;
const int32_t kAboutText = 701000;
const int32_t kRefreshText = 710000;
const int32_t kTransparencyText = 715000;
const int32_t kFirstOpacityText = 715100;
const int32_t kLayoutText = 720000;
const int32_t kCellWidthText = 723000;
const int32_t kSizeText = 725000;
const int32_t kFirstSizeText = 725100;
const int32_t kAutoHideText = 729000;
const int32_t kAutoHideStyleText = 730000;
const int32_t kShrinkText = 731000;
const int32_t kTransparentText = 732000;
const int32_t kFirstDelayText = 735000;
const int32_t kOpenWindowText = 750000;
const int32_t kExitText = 751000;
const int32_t kFieldsText = 800000;
const int32_t kSelectAllText = 801000;
const int32_t kRestoreDefaultText = 802000;
const int32_t kDeselectAllText = 803000;
const int32_t kCustomizeText = 804000;
const int32_t kBoldText = 810100;
const int32_t kOutlineText = 810200;
const int32_t kHeaderFontText = 811000;
const int32_t kFirstHeaderSizeText = 811001;
const int32_t kDataFontText = 812000;
const int32_t kFirstDataSizeText = 812001;
const int32_t kKeepInScreenText = 830000;
const int32_t kBracketsText = 830100;
const int32_t kMouseText = 890000;
const int32_t kDoubleClickText = 891000;
const int32_t kMiddleClickText = 893000;
const int32_t kShiftText = 894000;
const int32_t kIconizeText = 2010002000;
const int32_t kSkinText = 8000000;
const int32_t kThumbnailText = 8000001;
const int32_t kPeriodicSkinText = 8105000;

struct Entry {
    int32_t command;
    int32_t textId;
};
const Entry kAboutEntries[] = {{command::kVersionInformation, 701100}, {0, 0},
                               {command::kSoftwarePage, 701200},       {command::kTellDevelopers, 701300},
                               {command::kErrorReport, 109000},        {0, 0},
                               {command::kSoftwareList, 107000},       {0, 0},
                               {command::kWorkplace, 108100}};

// Fixed entries of the fields menu before the field items.
const int32_t kFieldMenuFixedEntries = 6;
// Auto-hide style submenu: the styles, a separator, the delays.
const int32_t kFirstDelayPosition = 3;
const int32_t kLastStylePosition = 1;
// Size submenu: six sizes, then the font submenus.
const int32_t kLastSizePosition = 5;
// Font submenus: bold, outline, a separator, the sizes 6 to 15.
const int32_t kFirstFontSizePosition = 3;
const int32_t kSmallestFontSize = 6;
const int32_t kFontSizeCount = 10;
// Skin menu: thumbnails, a separator, the periodic submenu, a separator, the skins.
const int32_t kFirstSkinPosition = 4;
const int32_t kNoSkinPosition = 3;

void Add(PopupMenu* menu, lang::Localizer* localizer, int32_t textId, int32_t command, bool checked = false)
{
    menu->AddItem(MenuItem::Create(textId, localizer, command, checked));
}

void AddSeparator(PopupMenu* menu)
{
    menu->AddItem(MenuItem::CreateSeparator());
}

PopupMenu* NewMenu(lang::Localizer* localizer, int32_t titleId)
{
    PopupMenu* menu = PopupMenu::New();
    if (!menu)
        return nullptr;
    menu->SetLocalizer(localizer);
    menu->SetTitleTextId(titleId);
    return menu;
}

int32_t LastPosition(PopupMenu* menu)
{
    return menu->GetEntryCount() - 1;
}

} // namespace

MonitorMenus::MonitorMenus()
    : localizer_(nullptr), languageCount_(0), main_(nullptr), tray_(nullptr), fields_(nullptr), language_(nullptr),
      refresh_(nullptr), skin_(nullptr), periodicSkin_(nullptr), transparency_(nullptr), autoHideStyle_(nullptr),
      trayAutoHideStyle_(nullptr), size_(nullptr), headerFont_(nullptr), dataFont_(nullptr), layout_(nullptr),
      cellWidth_(nullptr)
{
}

MonitorMenus::~MonitorMenus()
{
    Release();
}

void MonitorMenus::Release()
{
    // The submenus go back with the menu that holds them.
    if (main_)
        main_->ReleaseToPool();
    if (tray_)
        tray_->ReleaseToPool();
    main_ = tray_ = fields_ = language_ = refresh_ = skin_ = periodicSkin_ = transparency_ = nullptr;
    autoHideStyle_ = trayAutoHideStyle_ = size_ = headerFont_ = dataFont_ = layout_ = cellWidth_ = nullptr;
    localizer_ = nullptr;
    languageCount_ = 0;
}

bool MonitorMenus::Build(lang::Localizer* localizer, const MenuMarks& marks)
{
    Release();
    localizer_ = localizer;
    fields_ = BuildFieldsMenu();
    tray_ = BuildTrayMenu(marks);
    language_ = BuildLanguageMenu();
    refresh_ = BuildRefreshMenu(marks);
    main_ = NewMenu(localizer, kViewText);
    skin_ = NewMenu(localizer, kSkinText);
    PopupMenu* pieces[] = {fields_, tray_, language_, refresh_, main_, skin_};
    for (PopupMenu* piece : pieces) {
        if (piece)
            continue;
        // Not joined yet: each goes back on its own.
        for (PopupMenu* built : pieces) {
            if (built)
                built->ReleaseToPool();
        }
        main_ = tray_ = nullptr;
        Release();
        return false;
    }
    if (marks.skinTools)
        AddSkinTools();
    main_->AddSubmenu(fields_);
    AddSeparator(main_);
    Add(main_, localizer_, kKeepOnTopText, command::kKeepOnTop, marks.keepOnTop);
    Add(main_, localizer_, kAutoHideText, command::kAutoHide, marks.autoHide);
    main_->AddSubmenu(BuildAutoHideStyleMenu(marks));
    AddSeparator(main_);
    main_->AddSubmenu(BuildSizeMenu(marks));
    main_->AddSubmenu(BuildLayoutMenu(marks));
    main_->AddSubmenu(refresh_);
    AddSeparator(main_);
    main_->AddSubmenu(skin_);
    main_->AddSubmenu(BuildTransparencyMenu(marks));
    AddSeparator(main_);
    main_->AddSubmenu(BuildViewMenu(marks));
    main_->AddSubmenu(BuildMouseMenu(marks));
    AddStartWithWindows(marks);
    AddSeparator(main_);
    main_->AddSubmenu(language_);
    main_->AddSubmenu(BuildAboutMenu());
    AddSeparator(main_);
    Add(main_, localizer_, kIconizeText, command::kIconize);
    AddSeparator(main_);
    Add(main_, localizer_, kExitText, command::kExit);
    return true;
}

PopupMenu* MonitorMenus::BuildTrayMenu(const MenuMarks& marks)
{
    PopupMenu* tray = PopupMenu::New();
    if (!tray)
        return nullptr;
    tray->SetLocalizer(localizer_);
    tray->SetTitle(kTrayTitle);
    Add(tray, localizer_, kOpenWindowText, command::kOpenWindow);
    AddSeparator(tray);
    Add(tray, localizer_, kKeepOnTopText, command::kTrayKeepOnTop, marks.keepOnTop);
    Add(tray, localizer_, kAutoHideText, command::kTrayAutoHide, marks.autoHide);
    trayAutoHideStyle_ = NewMenu(localizer_, kAutoHideStyleText);
    if (trayAutoHideStyle_) {
        Add(trayAutoHideStyle_, localizer_, kShrinkText, command::kTrayAutoHideShrink);
        Add(trayAutoHideStyle_, localizer_, kTransparentText, command::kTrayAutoHideTransparent);
        trayAutoHideStyle_->CheckRadioAt(marks.autoHideStyle == kAutoHideTransparent ? 1 : 0);
        tray->AddSubmenu(trayAutoHideStyle_);
    }
    Add(tray, localizer_, kKeepInScreenText, command::kTrayKeepInScreen, marks.keepInScreen);
    AddSeparator(tray);
    tray->AddSubmenu(BuildAboutMenu());
    AddSeparator(tray);
    Add(tray, localizer_, kExitText, command::kTrayExit);
    return tray;
}

PopupMenu* MonitorMenus::BuildAboutMenu()
{
    PopupMenu* about = NewMenu(localizer_, kAboutText);
    if (!about)
        return nullptr;
    for (const Entry& entry : kAboutEntries) {
        if (entry.command)
            Add(about, localizer_, entry.textId, entry.command);
        else
            AddSeparator(about);
    }
    return about;
}

PopupMenu* MonitorMenus::BuildFieldsMenu()
{
    PopupMenu* fields = NewMenu(localizer_, kFieldsText);
    if (!fields)
        return nullptr;
    Add(fields, localizer_, kSelectAllText, command::kSelectAllFields);
    Add(fields, localizer_, kDeselectAllText, command::kDeselectAllFields);
    Add(fields, localizer_, kRestoreDefaultText, command::kRestoreDefaultFields);
    AddSeparator(fields);
    Add(fields, localizer_, kCustomizeText, command::kCustomizeFields);
    AddSeparator(fields);
    return fields;
}

PopupMenu* MonitorMenus::BuildAutoHideStyleMenu(const MenuMarks& marks)
{
    autoHideStyle_ = NewMenu(localizer_, kAutoHideStyleText);
    if (!autoHideStyle_)
        return nullptr;
    Add(autoHideStyle_, localizer_, kShrinkText, command::kAutoHideShrink);
    Add(autoHideStyle_, localizer_, kTransparentText, command::kAutoHideTransparent);
    AddSeparator(autoHideStyle_);
    for (int32_t command = kFirstAutoHideDelayCommand; command <= kLastAutoHideDelayCommand; ++command) {
        const int32_t step = command - kFirstAutoHideDelayCommand;
        Add(autoHideStyle_, localizer_, kFirstDelayText + 100 * step, command);
    }
    MarkAutoHideStyle(marks.autoHideStyle);
    MarkAutoHideDelay(marks.autoHideSeconds);
    return autoHideStyle_;
}

PopupMenu* MonitorMenus::BuildSizeMenu(const MenuMarks& marks)
{
    size_ = NewMenu(localizer_, kSizeText);
    if (!size_)
        return nullptr;
    for (int32_t i = 0; i <= kLastSizePosition; ++i)
        Add(size_, localizer_, kFirstSizeText + 100 * i, command::kSizeVerySmall + 2 * i);
    AddSeparator(size_);
    headerFont_ = BuildFontMenu(kHeaderFontText, command::kHeaderBold, kFirstHeaderSizeText, marks.headerBold,
                                marks.headerOutline);
    dataFont_ = BuildFontMenu(kDataFontText, command::kDataBold, kFirstDataSizeText, marks.dataBold, marks.dataOutline);
    size_->AddSubmenu(headerFont_);
    size_->AddSubmenu(dataFont_);
    MarkHeaderSize(marks.headerCustomSize);
    MarkDataSize(marks.dataCustomSize);
    MarkSize(marks.sizeType);
    return size_;
}

PopupMenu* MonitorMenus::BuildFontMenu(int32_t titleId, int32_t firstCommand, int32_t firstSizeText, bool bold,
                                       bool outline)
{
    PopupMenu* font = NewMenu(localizer_, titleId);
    if (!font)
        return nullptr;
    Add(font, localizer_, kBoldText, firstCommand, bold);
    Add(font, localizer_, kOutlineText, firstCommand + 1, outline);
    AddSeparator(font);
    // The size items count on from the bold command: 1511-1520 and 1611-1620.
    for (int32_t i = 0; i < kFontSizeCount; ++i)
        Add(font, localizer_, firstSizeText + i, firstCommand + 11 + i);
    return font;
}

PopupMenu* MonitorMenus::BuildLayoutMenu(const MenuMarks& marks)
{
    layout_ = NewMenu(localizer_, kLayoutText);
    if (!layout_)
        return nullptr;
    for (int32_t i = 0; i < kLayoutPresetCount; ++i)
        Add(layout_, localizer_, LayoutPresets()[i].textId, LayoutPresets()[i].command);
    AddSeparator(layout_);
    cellWidth_ = NewMenu(localizer_, kCellWidthText);
    if (cellWidth_) {
        for (int32_t i = 0; i <= kSizeVeryLarge / 2; ++i)
            Add(cellWidth_, localizer_, kFirstSizeText + 100 * i, command::kCellWidthVerySmall + 2 * i);
        layout_->AddSubmenu(cellWidth_);
    }
    MarkLayout(marks.alignment, marks.cellStyle);
    MarkCellWidth(marks.cellWidthType);
    return layout_;
}

PopupMenu* MonitorMenus::BuildRefreshMenu(const MenuMarks& marks)
{
    PopupMenu* refresh = NewMenu(localizer_, kRefreshText);
    if (!refresh)
        return nullptr;
    for (int32_t i = 0; i < kRefreshPeriodCount; ++i)
        Add(refresh, localizer_, RefreshPeriods()[i].textId, RefreshPeriods()[i].command);
    refresh->CheckRadioAt(RefreshPeriodPosition(RefreshPeriodFromStored(marks.refreshPeriod)));
    return refresh;
}

PopupMenu* MonitorMenus::BuildTransparencyMenu(const MenuMarks& marks)
{
    transparency_ = NewMenu(localizer_, kTransparencyText);
    if (!transparency_)
        return nullptr;
    for (int32_t i = 0; i < 10; ++i)
        Add(transparency_, localizer_, kFirstOpacityText + 100 * i, command::kOpaque + 10 * i);
    MarkOpacity(marks.opacity);
    return transparency_;
}

PopupMenu* MonitorMenus::BuildViewMenu(const MenuMarks& marks)
{
    PopupMenu* view = NewMenu(localizer_, kViewText);
    if (!view)
        return nullptr;
    Add(view, localizer_, kBracketsText, command::kWithBrackets, marks.withBrackets);
    Add(view, localizer_, kTaskbarButtonText, command::kTaskbarButton, marks.taskbarButton);
    Add(view, localizer_, kKeepInScreenText, command::kKeepInScreen, marks.keepInScreen);
    return view;
}

PopupMenu* MonitorMenus::BuildMouseMenu(const MenuMarks& marks)
{
    PopupMenu* mouse = NewMenu(localizer_, kMouseText);
    if (!mouse)
        return nullptr;
    Add(mouse, localizer_, kDoubleClickText, command::kDoubleClickShrinks, marks.doubleClickShrinks);
    Add(mouse, localizer_, kMiddleClickText, command::kMiddleClickIconizes, marks.middleClickIconizes);
    Add(mouse, localizer_, kShiftText, command::kShiftSuspendsAutoHide, marks.shiftSuspendsAutoHide);
    return mouse;
}

void MonitorMenus::AddStartWithWindows(const MenuMarks& marks)
{
    if (!marks.startThroughScheduler) {
        Add(main_, localizer_, kStartText, command::kStartWithWindows, marks.startsWithWindows);
        return;
    }
    PopupMenu* start = NewMenu(localizer_, kStartText);
    if (!start)
        return;
    Add(start, localizer_, kStartText, command::kStartWithWindows, marks.startsWithWindows);
    AddSeparator(start);
    Add(start, localizer_, kSchedulerText, command::kTaskScheduler);
    main_->AddSubmenu(start);
}

PopupMenu* MonitorMenus::BuildLanguageMenu()
{
    PopupMenu* language = NewMenu(localizer_, kLanguageText);
    if (!language)
        return nullptr;
    languageCount_ = 0;
    const uint32_t packs = localizer_ ? localizer_->GetPackCount() : 0;
    for (uint32_t i = 0; i < packs && static_cast<int32_t>(i) <= command::kLastLanguage; ++i) {
        lang::LangPack* pack = localizer_->GetPack(i);
        const wchar_t* name = pack->GetTrueName()->GetText();
        if (!name[0])
            name = pack->GetEngName()->GetText();
        language->AddItem(MenuItem::CreateWithText(name, static_cast<int32_t>(i), false));
        ++languageCount_;
    }
    AddSeparator(language);
    Add(language, localizer_, kTranslateText, languageCount_);
    for (int32_t i = 0; i < languageCount_; ++i) {
        if (localizer_->GetPack(static_cast<uint32_t>(i)) == localizer_->GetCurrentPack())
            language->CheckRadioRange(i, 0, languageCount_ - 1);
    }
    return language;
}

void MonitorMenus::AddSkinTools()
{
    if (!main_ || main_->ContainsCommand(command::kCustomizeSkin))
        return;
    main_->InsertItem(0, MenuItem::CreateWithText(kCustomizeSkinText, command::kCustomizeSkin, false));
    main_->InsertItem(1, MenuItem::CreateWithText(kCreateSkinImagesText, command::kCreateSkinImages, false));
    main_->InsertItem(2, MenuItem::CreateSeparator());
}

void MonitorMenus::MarkAutoHideStyle(int32_t style)
{
    const int32_t position = style == kAutoHideTransparent ? 1 : 0;
    if (autoHideStyle_)
        autoHideStyle_->CheckRadioRange(position, 0, kLastStylePosition);
    if (trayAutoHideStyle_)
        trayAutoHideStyle_->CheckRadioAt(position);
}

void MonitorMenus::MarkAutoHideDelay(int32_t seconds)
{
    const int32_t position = AutoHideDelayPosition(seconds);
    if (autoHideStyle_ && position >= 0)
        autoHideStyle_->CheckRadioRange(kFirstDelayPosition + position, kFirstDelayPosition,
                                        LastPosition(autoHideStyle_));
}

void MonitorMenus::MarkRefreshPeriod(int32_t millis)
{
    if (refresh_)
        refresh_->CheckRadioAt(RefreshPeriodPosition(millis));
}

void MonitorMenus::MarkOpacity(int32_t opacity)
{
    if (transparency_)
        transparency_->CheckRadioAt(OpacityPosition(opacity));
}

void MonitorMenus::MarkSize(int32_t sizeType)
{
    if (!size_)
        return;
    const int32_t position = sizeType >= kSizeVerySmall && sizeType <= kSizeCustom && sizeType % 2 == 0 ? sizeType / 2 : 2;
    size_->CheckRadioRange(position, 0, kLastSizePosition);
    const bool custom = sizeType == kSizeCustom;
    if (headerFont_)
        size_->EnableSubmenu(headerFont_, custom);
    if (dataFont_)
        size_->EnableSubmenu(dataFont_, custom);
}

void MonitorMenus::MarkLayout(int32_t alignment, int32_t cellStyle)
{
    if (!layout_)
        return;
    const int32_t position = LayoutPresetPosition(alignment, cellStyle);
    if (position >= 0) {
        layout_->CheckRadioRange(position, 0, kLayoutPresetCount - 1);
        return;
    }
    // A combination no preset shows: no mark at all.
    layout_->CheckRadioAt(-1);
}

void MonitorMenus::MarkCellWidth(int32_t cellWidthType)
{
    if (cellWidth_)
        cellWidth_->CheckRadioAt(cellWidthType >= 0 && cellWidthType <= kSizeVeryLarge ? cellWidthType / 2 : 2);
}

void MonitorMenus::MarkHeaderSize(int32_t points)
{
    if (headerFont_ && points >= kSmallestFontSize && points < kSmallestFontSize + kFontSizeCount)
        headerFont_->CheckRadioRange(kFirstFontSizePosition + points - kSmallestFontSize, kFirstFontSizePosition,
                                     LastPosition(headerFont_));
}

void MonitorMenus::MarkDataSize(int32_t points)
{
    if (dataFont_ && points >= kSmallestFontSize && points < kSmallestFontSize + kFontSizeCount)
        dataFont_->CheckRadioRange(kFirstFontSizePosition + points - kSmallestFontSize, kFirstFontSizePosition,
                                   LastPosition(dataFont_));
}

void MonitorMenus::MarkLanguage(int32_t index)
{
    if (language_ && index >= 0 && index < languageCount_)
        language_->CheckRadioRange(index, 0, languageCount_ - 1);
}

void MonitorMenus::RebuildFieldMenu(const wchar_t* const* names, const bool* shown, int32_t count)
{
    if (!fields_)
        return;
    while (fields_->GetEntryCount() > kFieldMenuFixedEntries && fields_->RemoveAt(LastPosition(fields_))) {
    }
    for (int32_t i = 0; names && shown && i < count; ++i)
        fields_->AddItem(MenuItem::CreateWithText(names[i], command::kFieldBase + i, shown[i]));
}

void MonitorMenus::RebuildSkinMenu(const wchar_t* const* skinNames, int32_t count, int32_t current,
                                   int32_t periodicDays)
{
    if (!skin_)
        return;
    skin_->RemoveAll();
    periodicSkin_ = nullptr;
    Add(skin_, localizer_, kThumbnailText, command::kSkinThumbnails);
    AddSeparator(skin_);
    periodicSkin_ = NewMenu(localizer_, kPeriodicSkinText);
    if (periodicSkin_) {
        const PeriodicSkinOption* options = PeriodicSkinOptions();
        Add(periodicSkin_, localizer_, options[0].textId, options[0].command);
        AddSeparator(periodicSkin_);
        for (int32_t i = 1; i < kPeriodicSkinOptionCount; ++i)
            Add(periodicSkin_, localizer_, options[i].textId, options[i].command);
        periodicSkin_->CheckRadioCommand(PeriodicSkinCommandOfDays(periodicDays));
        skin_->AddSubmenu(periodicSkin_);
    }
    AddSeparator(skin_);
    for (int32_t i = 0; skinNames && i < count; ++i)
        skin_->AddItem(MenuItem::CreateWithText(skinNames[i], command::kSkinBase + i, false));
    MarkSkin(current);
}

void MonitorMenus::MarkSkin(int32_t index)
{
    if (skin_)
        skin_->CheckRadioAt(index >= 0 ? kFirstSkinPosition + index : kNoSkinPosition);
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
