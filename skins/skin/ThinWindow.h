#pragma once
#include "skins/skin/SkinBody.h"

namespace s {
namespace gui {
namespace drawer {
namespace skin {

// A fifteen-colour skin: BuildThinWindow fills it.
class ThinWindow : public SkinBody<ThinWindow> {
public:
    const wchar_t* GetClassName() override;
};

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
