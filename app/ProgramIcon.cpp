#include "app/ProgramIcon.h"

#include "app/AppBase.h"
#include "images/codecs/ico/win/IconImage.h"
#include "storage/file/Pooled.h"

namespace s {
namespace app {
namespace win {

namespace {

const int kSmallSide = 16;

} // namespace

HICON CreateProgramIcon(AppBase* base, int side)
{
    if (base) {
        file::Pooled<image::ico::win::IconImage> image(side <= kSmallSide ? base->GetIcon16() : base->GetIcon32());
        HICON icon = image ? image->CreateIcon() : nullptr;
        if (icon)
            return icon;
    }
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(AppBase::kIconGroupId),
                                         IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
}

} // namespace win
} // namespace app
} // namespace s
