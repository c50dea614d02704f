#pragma once
#include "app/AppBase.h"

namespace monitor_testing {

// The program's application base as far as the holders ask it: its pack, settings and, when
// given, a skin manager of its own.
class HolderApp : public s::app::win::AppBase {
public:
    HolderApp(s::lang::Localizer* pack, s::map::IMappedData* settings, s::gui::drawer::Skinner* skinner = nullptr)
        : pack_(pack), store_(settings), skinner_(skinner)
    {
    }
    s::lang::Localizer* GetLangPack() override { return pack_; }
    s::map::IMappedData* GetSettings() override { return store_; }
    s::gui::drawer::Skinner* GetSkinner() override { return skinner_ ? skinner_ : AppBase::GetSkinner(); }

private:
    s::lang::Localizer* pack_;
    s::map::IMappedData* store_;
    s::gui::drawer::Skinner* skinner_;
};

} // namespace monitor_testing
