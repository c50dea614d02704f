#pragma once
// The application as a toolkit dialog sees it: settings holders kept in memory, each with the
// language pack the test gives.
#include <string>
#include <vector>

#include "windowing/FakeAppWindow.h"
#include "windowing/IAppWindowFactory.h"

namespace testing_support {

class FakeApplication : public s::app::IAppWindowFactory {
public:
    s::app::IAppWindow* CreateAppWindow(const wchar_t* name) override
    {
        names.push_back(name ? name : L"");
        FakeAppWindow* holder = new FakeAppWindow();
        holder->langPack = pack;
        holder->defaultWidth = 300;
        holder->defaultHeight = 250;
        return holder;
    }
    void ReleaseAppWindow(s::app::IAppWindow* holder) override
    {
        ++released;
        delete static_cast<FakeAppWindow*>(holder);
    }
    s::map::IMappedData* GetSettings() override { return nullptr; }

    s::lang::Localizer* pack = nullptr;
    std::vector<std::wstring> names;
    int released = 0;
};

} // namespace testing_support
