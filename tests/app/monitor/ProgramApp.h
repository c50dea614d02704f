#pragma once
#include "app/AppBase.h"

namespace s {
namespace archive {
namespace dll {
namespace win {
class Archive;
}
} // namespace dll
} // namespace archive
} // namespace s

namespace monitor_testing {

// The application base of the built program as far as the monitor and its dialogs ask it: the
// pack and settings the test gives, the program's path, and the icon and picture decoded from the
// program's own resources.
class ProgramApp : public s::app::win::AppBase {
public:
    ProgramApp(s::lang::Localizer* pack, s::map::IMappedData* settings);
    ~ProgramApp() override;

    s::lang::Localizer* GetLangPack() override;
    s::map::IMappedData* GetSettings() override;
    PathWin* GetModulePath() override;
    s::image::win::BufferedImage* GetIcon64() override;
    s::image::win::BufferedImage* RenderPicture131() override;

private:
    s::lang::Localizer* pack_;
    s::map::IMappedData* store_;
    PathWin* path_ = nullptr;
    s::archive::dll::win::Archive* archive_ = nullptr;
};

} // namespace monitor_testing
