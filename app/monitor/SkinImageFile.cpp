#include "app/monitor/SkinImageFile.h"

#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"
#include "storage/file/SafeFileName.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {

const wchar_t kExtension[] = L".gif";

} // namespace

void SkinImagePath(const wchar_t* folder, const wchar_t* skinName, str::strbuffer::StrBuffer* out)
{
    if (!out)
        return;
    out->Assign(folder ? folder : L"");
    out->Append(file::SafeFileName(skinName).c_str())->Append(kExtension);
}

bool PrepareSkinImageFolder(const wchar_t* folder)
{
    file::win::PathWin* path = file::win::PathWin::CreateFromText(folder);
    if (!path)
        return false;
    const bool ready = (path->Exists() && path->IsDirectory()) || path->CreateDirectory(false);
    path->ReleaseToPool();
    return ready;
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
