#include "ProgramApp.h"

#include "MonitorSupport.h"
#include "images/codecs/DecodeFromResource.h"
#include "images/codecs/ico/win/IconArchiveImages.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "images/win/BufferedImage.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/icon/Archive.h"
#include "storage/file/PathWin.h"

namespace monitor_testing {

ProgramApp::ProgramApp(s::lang::Localizer* pack, s::map::IMappedData* settings) : pack_(pack), store_(settings)
{
    path_ = s::file::win::PathWin::CreateFromText(ProgramPath().c_str());
    archive_ = s::archive::dll::win::Archive::OpenModule(path_);
}

ProgramApp::~ProgramApp()
{
    if (archive_)
        archive_->ReleaseToPool();
    if (path_)
        path_->ReleaseToPool();
}

s::lang::Localizer* ProgramApp::GetLangPack()
{
    return pack_;
}

s::map::IMappedData* ProgramApp::GetSettings()
{
    return store_;
}

ProgramApp::PathWin* ProgramApp::GetModulePath()
{
    return path_;
}

s::image::win::BufferedImage* ProgramApp::GetIcon64()
{
    s::archive::icon::Archive* icons = s::archive::icon::Archive::New();
    s::image::win::BufferedImage* image = nullptr;
    uint32_t index = 0;
    if (archive_ && icons->LoadGroupById(archive_, kIconGroupId) && icons->FindBestImage(64, 64, 32, &index))
        image = s::archive::icon::DecodeImage(icons, index);
    icons->ReleaseToPool();
    return image;
}

s::image::win::BufferedImage* ProgramApp::RenderPicture131()
{
    s::image::jpg::win::Jpeg* picture = s::image::jpg::win::Jpeg::New();
    s::image::win::BufferedImage* image = nullptr;
    if (archive_ && s::image::DecodeFromResource(picture, archive_, kJpegResourceType, kPicture131Id))
        image = static_cast<s::image::win::BufferedImage*>(picture->ToBufferedImage(0, nullptr));
    picture->ReleaseToPool();
    return image;
}

} // namespace monitor_testing
