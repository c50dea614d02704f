#pragma once
#include "skins/skin/SkinBody.h"

namespace s {
namespace gui {
namespace drawer {
namespace skin {

// A six-colour skin: BuildThin fills it.
class Thin : public SkinBody<Thin> {
public:
    const wchar_t* GetClassName() override;
};

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
