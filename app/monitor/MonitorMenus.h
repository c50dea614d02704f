#pragma once
#include <cstdint>

namespace s {
namespace lang {
class Localizer;
}
namespace gui {
namespace win {
class PopupMenu;
}
} // namespace gui
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

// What the monitor's menus show when they are built.
struct MenuMarks {
    bool keepOnTop = false;
    bool autoHide = false;
    int32_t autoHideStyle = 0;
    int32_t autoHideSeconds = 5;
    bool keepInScreen = true;
    bool withBrackets = true;
    bool taskbarButton = false;
    bool doubleClickShrinks = true;
    bool middleClickIconizes = true;
    bool shiftSuspendsAutoHide = true;
    bool startsWithWindows = false;
    // Start with Windows goes through the Task Scheduler (UAC on): a submenu with its console.
    bool startThroughScheduler = false;
    int32_t refreshPeriod = 1000;
    int32_t opacity = 100;
    int32_t alignment = 2;
    int32_t cellStyle = 0;
    int32_t sizeType = 4;
    int32_t cellWidthType = 4;
    bool headerBold = false;
    bool headerOutline = true;
    int32_t headerCustomSize = 8;
    bool dataBold = true;
    bool dataOutline = true;
    int32_t dataCustomSize = 11;
    bool skinTools = false;
};

// The monitor's notification-area menu and its context menu with every submenu, their command
// ids and texts (which follow the localizer's language), and the marks that show its settings.
// The menus are the toolkit's popup menus; the context menu owns its submenus.
class MonitorMenus {
public:
    MonitorMenus();
    ~MonitorMenus();

    // Builds every menu anew; the localizer's packs name the languages. False when a menu could
    // not be had.
    bool Build(lang::Localizer* localizer, const MenuMarks& marks);
    // "Customize Skin..." and "Create Skin Images..." above the fields submenu, once.
    void AddSkinTools();
    // Every menu back to its pool.
    void Release();

    s::gui::win::PopupMenu* GetMainMenu() { return main_; }
    s::gui::win::PopupMenu* GetTrayMenu() { return tray_; }
    s::gui::win::PopupMenu* GetFieldsMenu() { return fields_; }
    s::gui::win::PopupMenu* GetLanguageMenu() { return language_; }
    s::gui::win::PopupMenu* GetRefreshMenu() { return refresh_; }
    s::gui::win::PopupMenu* GetSkinMenu() { return skin_; }
    s::gui::win::PopupMenu* GetPeriodicSkinMenu() { return periodicSkin_; }
    s::gui::win::PopupMenu* GetTransparencyMenu() { return transparency_; }
    s::gui::win::PopupMenu* GetAutoHideStyleMenu() { return autoHideStyle_; }
    s::gui::win::PopupMenu* GetTrayAutoHideStyleMenu() { return trayAutoHideStyle_; }
    s::gui::win::PopupMenu* GetSizeMenu() { return size_; }
    s::gui::win::PopupMenu* GetHeaderFontMenu() { return headerFont_; }
    s::gui::win::PopupMenu* GetDataFontMenu() { return dataFont_; }
    s::gui::win::PopupMenu* GetLayoutMenu() { return layout_; }
    s::gui::win::PopupMenu* GetCellWidthMenu() { return cellWidth_; }

    // Radio marks of the settings, each within its own range of its submenu.
    void MarkAutoHideStyle(int32_t style);
    void MarkAutoHideDelay(int32_t seconds);
    void MarkRefreshPeriod(int32_t millis);
    void MarkOpacity(int32_t opacity);
    // The font submenus are enabled only under the custom size.
    void MarkSize(int32_t sizeType);
    void MarkLayout(int32_t alignment, int32_t cellStyle);
    void MarkCellWidth(int32_t cellWidthType);
    void MarkHeaderSize(int32_t points);
    void MarkDataSize(int32_t points);
    void MarkLanguage(int32_t index);

    // The fields menu keeps its six fixed entries and gets one item per field: its name, command
    // 2000 + its position, checked while shown.
    void RebuildFieldMenu(const wchar_t* const* names, const bool* shown, int32_t count);
    // The skin menu anew: thumbnails page, the periodic submenu marked for the days, then one
    // item per skin (command 28200 + index) with the current one marked (-1 for none).
    void RebuildSkinMenu(const wchar_t* const* skinNames, int32_t count, int32_t current, int32_t periodicDays);
    // The skin's radio mark alone, after a skin was chosen.
    void MarkSkin(int32_t index);

private:
    MonitorMenus(const MonitorMenus&) = delete;
    MonitorMenus& operator=(const MonitorMenus&) = delete;

    s::gui::win::PopupMenu* BuildTrayMenu(const MenuMarks& marks);
    s::gui::win::PopupMenu* BuildAboutMenu();
    s::gui::win::PopupMenu* BuildFieldsMenu();
    s::gui::win::PopupMenu* BuildAutoHideStyleMenu(const MenuMarks& marks);
    s::gui::win::PopupMenu* BuildSizeMenu(const MenuMarks& marks);
    s::gui::win::PopupMenu* BuildFontMenu(int32_t titleId, int32_t firstCommand, int32_t firstSizeText, bool bold,
                                          bool outline);
    s::gui::win::PopupMenu* BuildLayoutMenu(const MenuMarks& marks);
    s::gui::win::PopupMenu* BuildRefreshMenu(const MenuMarks& marks);
    s::gui::win::PopupMenu* BuildTransparencyMenu(const MenuMarks& marks);
    s::gui::win::PopupMenu* BuildViewMenu(const MenuMarks& marks);
    s::gui::win::PopupMenu* BuildMouseMenu(const MenuMarks& marks);
    s::gui::win::PopupMenu* BuildLanguageMenu();
    void AddStartWithWindows(const MenuMarks& marks);

    lang::Localizer* localizer_;
    int32_t languageCount_;
    s::gui::win::PopupMenu* main_;
    s::gui::win::PopupMenu* tray_;
    s::gui::win::PopupMenu* fields_;
    s::gui::win::PopupMenu* language_;
    s::gui::win::PopupMenu* refresh_;
    s::gui::win::PopupMenu* skin_;
    s::gui::win::PopupMenu* periodicSkin_;
    s::gui::win::PopupMenu* transparency_;
    s::gui::win::PopupMenu* autoHideStyle_;
    s::gui::win::PopupMenu* trayAutoHideStyle_;
    s::gui::win::PopupMenu* size_;
    s::gui::win::PopupMenu* headerFont_;
    s::gui::win::PopupMenu* dataFont_;
    s::gui::win::PopupMenu* layout_;
    s::gui::win::PopupMenu* cellWidth_;
};

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
