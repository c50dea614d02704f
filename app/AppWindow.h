#pragma once
#include <cstdint>

#include <windows.h>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/IAppWindow.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace lang {
class Localizer;
}
namespace map {
class IMappedData;
}
namespace gui {
namespace drawer {
class Skinner;
}
} // namespace gui

namespace app {
namespace win {

class AppBase;

// The settings holder of one top-level window: names the window, ties it to the application
// base, gives it its language pack and skin manager, and keeps its placement and behaviour in the
// settings store under sections named after the window ("MainWindow\View"). Every getter reads
// the store each time; only the middle-click action is kept. It owns no native window and has no
// lock: the window's thread and the thread that made the window use it in turn.
class AppWindow : public IAppWindow, public thread::IPoolable {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;

    static constexpr const wchar_t* kClassName = L"s_app_win_AppWindow";
    static constexpr const wchar_t* kGroupView = L"View";
    static constexpr const wchar_t* kGroupSkin = L"Skin";
    static const int32_t kMinSide = 10;

    AppWindow();
    ~AppWindow() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    virtual AppBase* GetApp();
    virtual const wchar_t* GetName();
    // Window name, '\', group; the text stays until the next call.
    virtual const wchar_t* GetSectionPath(const wchar_t* group);
    int32_t GetBaseTextId() override;
    // The holder's own pack when it has one, else the application's.
    lang::Localizer* GetLangPack() override;
    bool HasSkinner() override;
    gui::drawer::Skinner* GetSkinner() override;
    virtual const wchar_t* GetSkinName();
    virtual void SetSkinName(const wchar_t* name);
    bool HasPosition() override;
    virtual void SetBounds(int32_t x, int32_t y, int32_t width, int32_t height);
    virtual void SetSize(int32_t width, int32_t height);
    virtual void ClearBounds();
    bool HasX() override;
    int32_t GetX() override;
    void SetX(int32_t x) override;
    bool HasY() override;
    int32_t GetY() override;
    void SetY(int32_t y) override;
    // Between 10 and the virtual screen's width, both inclusive.
    bool IsWidthValid() override;
    bool HasWidth() override;
    int32_t GetWidth() override;
    void SetWidth(int32_t width) override;
    bool IsHeightValid() override;
    bool HasHeight() override;
    int32_t GetHeight() override;
    void SetHeight(int32_t height) override;
    bool GetEasyDrag() override;
    void SetEasyDrag(bool on) override;
    bool GetMaximized() override;
    void SetMaximized(bool on) override;
    bool GetKeepOnTop() override;
    void SetKeepOnTop(bool on) override;
    // Read the stored action, keep it as the current one and answer for it.
    virtual bool IsMiddleClickClose();
    virtual bool IsMiddleClickIconize();
    // One of the shared texts of MiddleClickActions.h, never another pointer.
    const wchar_t* GetMiddleClickAction() override;
    // Stores the action unless it is the current one.
    void SetMiddleClickAction(const wchar_t* action) override;

    // The program's icon group at the system's small and big icon sizes.
    HICON CreateSmallIcon() override;
    HICON CreateBigIcon() override;
    int32_t GetDefaultWidth() override;
    int32_t GetDefaultHeight() override;
    // The application's settings file, written now.
    bool SaveSettings() override;

    // Sets the holder up for a window (see AppWindow.cpp for the order). The skinner is the
    // window's own unless it is the application's; the skin set resource, when a type is given,
    // replaces the skins of an own skinner. False when holder or application is missing.
    static bool Create(AppWindow* holder, AppBase* app, const wchar_t* name, const wchar_t* softwareType,
                       int32_t defaultWidth, int32_t defaultHeight, bool defaultKeepOnTop,
                       const wchar_t* middleClickAction, gui::drawer::Skinner* skinner, const wchar_t* defaultSkinName,
                       const wchar_t* skinSetType, uint32_t skinSetId);

    static thread::EasyPooler* GetPool();
    static AppWindow* New();

private:
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;

    map::IMappedData* Settings();
    const wchar_t* ViewSection();
    int32_t ReadViewInt(const wchar_t* valueName, int32_t defaultValue);
    bool ReadViewBool(const wchar_t* valueName, bool defaultValue);
    void WriteViewInt(const wchar_t* valueName, int32_t value);
    void WriteViewBool(const wchar_t* valueName, bool value);
    bool HasViewValue(const wchar_t* valueName);
    // The stored "OnMClick", with the current action as default, as one of the shared texts.
    const wchar_t* ReadMiddleClickAction();

    StrBuffer* scratch_;
    StrBuffer* sectionPath_;
    AppBase* app_;
    StrBuffer* name_;
    const wchar_t* softwareType_;
    int32_t baseTextId_;
    lang::Localizer* langPack_;
    gui::drawer::Skinner* skinner_;
    uint8_t ownsSkinner_;
    StrBuffer* defaultSkinName_;
    int32_t defaultWidth_;
    int32_t defaultHeight_;
    uint8_t defaultEasyDrag_;
    uint8_t defaultMaximized_;
    uint8_t defaultKeepOnTop_;
    const wchar_t* middleClickAction_;
};

} // namespace win
} // namespace app
} // namespace s
