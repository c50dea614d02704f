#pragma once
#include <cstdint>

#include "app/IAppWindow.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

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
    virtual int32_t GetBaseTextId();
    // The holder's own pack when it has one, else the application's.
    virtual lang::Localizer* GetLangPack();
    virtual bool HasSkinner();
    virtual gui::drawer::Skinner* GetSkinner();
    virtual const wchar_t* GetSkinName();
    virtual void SetSkinName(const wchar_t* name);
    virtual bool HasPosition();
    virtual void SetBounds(int32_t x, int32_t y, int32_t width, int32_t height);
    virtual void SetSize(int32_t width, int32_t height);
    virtual void ClearBounds();
    virtual bool HasX();
    virtual int32_t GetX();
    virtual void SetX(int32_t x);
    virtual bool HasY();
    virtual int32_t GetY();
    virtual void SetY(int32_t y);
    // Between 10 and the virtual screen's width, both inclusive.
    virtual bool IsWidthValid();
    virtual bool HasWidth();
    virtual int32_t GetWidth();
    virtual void SetWidth(int32_t width);
    virtual bool IsHeightValid();
    virtual bool HasHeight();
    virtual int32_t GetHeight();
    virtual void SetHeight(int32_t height);
    virtual bool GetEasyDrag();
    virtual void SetEasyDrag(bool on);
    virtual bool GetMaximized();
    virtual void SetMaximized(bool on);
    virtual bool GetKeepOnTop();
    virtual void SetKeepOnTop(bool on);
    // Read the stored action, keep it as the current one and answer for it.
    virtual bool IsMiddleClickClose();
    virtual bool IsMiddleClickIconize();
    // One of the shared texts of MiddleClickActions.h, never another pointer.
    virtual const wchar_t* GetMiddleClickAction();
    // Stores the action unless it is the current one.
    virtual void SetMiddleClickAction(const wchar_t* action);

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
