#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace lang {
class Localizer;
}
namespace gui {
namespace drawer {
class Skinner;
}
} // namespace gui

namespace app {

// A top-level window's settings holder, as the window sees it: it names the window's icons,
// language pack, caption and skin manager, and keeps its placement and behaviour. The toolkit
// binds a window to one (IWindow::SetAppWindow); the application implements it.
class IAppWindow : public base::IObject {
public:
    // New native icons of the program at the small and the big system size, owned by the caller
    // (DestroyIcon); null when the program has none.
    virtual HICON CreateSmallIcon() = 0;
    virtual HICON CreateBigIcon() = 0;
    // The caption is the text of the base id: the program's title.
    virtual int32_t GetBaseTextId() = 0;
    virtual lang::Localizer* GetLangPack() = 0;
    virtual bool HasSkinner() = 0;
    virtual gui::drawer::Skinner* GetSkinner() = 0;

    virtual bool HasPosition() = 0;
    virtual bool HasX() = 0;
    virtual int32_t GetX() = 0;
    virtual void SetX(int32_t x) = 0;
    virtual bool HasY() = 0;
    virtual int32_t GetY() = 0;
    virtual void SetY(int32_t y) = 0;
    virtual bool HasWidth() = 0;
    virtual int32_t GetWidth() = 0;
    virtual void SetWidth(int32_t width) = 0;
    virtual bool HasHeight() = 0;
    virtual int32_t GetHeight() = 0;
    virtual void SetHeight(int32_t height) = 0;
    // Stored sizes between 10 and the virtual screen's size; else the window takes the defaults.
    virtual bool IsWidthValid() = 0;
    virtual bool IsHeightValid() = 0;
    virtual int32_t GetDefaultWidth() = 0;
    virtual int32_t GetDefaultHeight() = 0;

    virtual bool GetEasyDrag() = 0;
    virtual void SetEasyDrag(bool on) = 0;
    virtual bool GetMaximized() = 0;
    virtual void SetMaximized(bool on) = 0;
    virtual bool GetKeepOnTop() = 0;
    virtual void SetKeepOnTop(bool on) = 0;
    // One of the shared texts of windowing/MiddleClickActions.h, never another pointer.
    virtual const wchar_t* GetMiddleClickAction() = 0;
    virtual void SetMiddleClickAction(const wchar_t* action) = 0;

    // Writes the settings now, as Windows ends the session.
    virtual bool SaveSettings() = 0;
};

} // namespace app
} // namespace s
