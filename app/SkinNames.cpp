#include "app/SkinNames.h"

#include "core/str/AsciiFold.h"
#include "skins/ISkin.h"
#include "skins/Skinner.h"

namespace s {
namespace app {
namespace win {

bool HasSkinNamed(gui::drawer::Skinner* skinner, const wchar_t* name)
{
    if (!skinner || !name)
        return false;
    const uint32_t count = skinner->GetSkinCount();
    for (uint32_t i = 0; i < count; ++i) {
        gui::drawer::ISkin* skin = skinner->GetSkinAt(i);
        if (skin && str::EqualsIgnoreCaseAscii(skin->GetName(), name))
            return true;
    }
    return false;
}

} // namespace win
} // namespace app
} // namespace s
