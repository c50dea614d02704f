#pragma once
#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "windowing/IAppWindow.h"
#include "windowing/MiddleClickActions.h"

namespace testing_support {

// A settings holder kept in memory: stored values by name ("X", "Width", "Maximized"...), the
// defaults a window falls back on, and every write in order, so tests see what was stored and
// that unchanged values are not written again.
class FakeAppWindow : public s::app::IAppWindow {
public:
    const wchar_t* GetClassName() override { return L"FakeAppWindow"; }
    s::base::IObject* NewInstance() override { return nullptr; }

    HICON CreateSmallIcon() override { return CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)); }
    HICON CreateBigIcon() override { return CopyIcon(LoadIconW(nullptr, IDI_APPLICATION)); }
    int32_t GetBaseTextId() override { return baseTextId; }
    s::lang::Localizer* GetLangPack() override { return langPack; }
    bool HasSkinner() override { return skinner != nullptr; }
    s::gui::drawer::Skinner* GetSkinner() override { return skinner; }

    bool HasPosition() override { return HasX() && HasY(); }
    bool HasX() override { return Has("X"); }
    int32_t GetX() override { return Get("X", 0); }
    void SetX(int32_t x) override { Set("X", x); }
    bool HasY() override { return Has("Y"); }
    int32_t GetY() override { return Get("Y", 0); }
    void SetY(int32_t y) override { Set("Y", y); }
    bool HasWidth() override { return Has("Width"); }
    int32_t GetWidth() override { return Get("Width", defaultWidth); }
    void SetWidth(int32_t width) override { Set("Width", width); }
    bool HasHeight() override { return Has("Height"); }
    int32_t GetHeight() override { return Get("Height", defaultHeight); }
    void SetHeight(int32_t height) override { Set("Height", height); }
    bool IsWidthValid() override
    {
        return GetWidth() >= 10 && GetWidth() <= GetSystemMetrics(SM_CXVIRTUALSCREEN);
    }
    bool IsHeightValid() override
    {
        return GetHeight() >= 10 && GetHeight() <= GetSystemMetrics(SM_CYVIRTUALSCREEN);
    }
    int32_t GetDefaultWidth() override { return defaultWidth; }
    int32_t GetDefaultHeight() override { return defaultHeight; }

    bool GetEasyDrag() override { return Get("EasyDrag", 1) != 0; }
    void SetEasyDrag(bool on) override { Set("EasyDrag", on); }
    bool GetMaximized() override { return Get("Maximized", 0) != 0; }
    void SetMaximized(bool on) override { Set("Maximized", on); }
    bool GetKeepOnTop() override { return Get("KeepOnTop", 0) != 0; }
    void SetKeepOnTop(bool on) override { Set("KeepOnTop", on); }
    const wchar_t* GetMiddleClickAction() override { return middleClick; }
    void SetMiddleClickAction(const wchar_t* action) override
    {
        middleClick = action;
        Note("OnMClick");
    }
    bool SaveSettings() override
    {
        Note("save");
        return true;
    }

    bool Has(const std::string& name)
    {
        std::lock_guard<std::mutex> hold(lock_);
        return values_.count(name) != 0;
    }
    int32_t Get(const std::string& name, int32_t fallback)
    {
        std::lock_guard<std::mutex> hold(lock_);
        auto found = values_.find(name);
        return found == values_.end() ? fallback : found->second;
    }
    void Set(const std::string& name, int32_t value)
    {
        {
            std::lock_guard<std::mutex> hold(lock_);
            values_[name] = value;
        }
        Note(name);
    }
    // The names written since the last call, oldest first.
    std::vector<std::string> TakeWrites()
    {
        std::lock_guard<std::mutex> hold(lock_);
        std::vector<std::string> writes;
        writes.swap(writes_);
        return writes;
    }

    int32_t baseTextId = 500000;
    int32_t defaultWidth = 200;
    int32_t defaultHeight = 150;
    s::lang::Localizer* langPack = nullptr;
    s::gui::drawer::Skinner* skinner = nullptr;
    const wchar_t* middleClick = s::gui::win::kMiddleClickDoNothing;

private:
    void Note(const std::string& name)
    {
        std::lock_guard<std::mutex> hold(lock_);
        writes_.push_back(name);
    }

    std::mutex lock_;
    std::map<std::string, int32_t> values_;
    std::vector<std::string> writes_;
};

} // namespace testing_support
