// Stands in for the skin builders until the drawer family lands (see StandInSkin.h).
#include "core/thread/EasyPooler.h"
#include "StandInSkin.h"
#include "skins/skin/Builders.h"

namespace skintest {
uint32_t IdleSkins()
{
    return s::thread::PoolOf<StandInSkin>().GetIdleCount();
}
}

namespace s {
namespace gui {
namespace drawer {
namespace skin {

using skintest::StandInSkin;

ISkin* BuildThinWindow(const wchar_t* name, const int32_t* values)
{
    StandInSkin* skin = thread::TakeFromPool<StandInSkin>();
    skin->SetName(name);
    skin->colors.FromBuilderOrder(values);
    return skin;
}

ISkin* BuildThin(const wchar_t* name, const int32_t* values)
{
    StandInSkin* skin = thread::TakeFromPool<StandInSkin>();
    skin->SetName(name);
    skin->six = true;
    const uint32_t kSix[6] = {SkinColorSet::kWindowBg,  SkinColorSet::kCompFg,    SkinColorSet::kText,
                              SkinColorSet::kSliderBg,  SkinColorSet::kCounter01, SkinColorSet::kCounter02};
    for (uint32_t i = 0; i < 6; ++i)
        skin->colors.Set(kSix[i], values[i * 3], values[i * 3 + 1], values[i * 3 + 2]);
    return skin;
}

void ReadColors(ISkin* skin, SkinColorSet* colors)
{
    *colors = static_cast<StandInSkin*>(skin)->colors;
}

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
