#include "windowing/component/SkinLink.h"

#include "skins/Skinner.h"
#include "windowing/IWindow.h"

namespace s {
namespace gui {
namespace win {

bool SkinLink::Join(IWindow* window, events::IEventListener* follower)
{
    drawer::Skinner* skinner = window && window->HasSkinner() ? window->GetSkinner() : nullptr;
    if (!skinner || !follower)
        return false;
    if (skinner == skinner_)
        return true;
    Leave(follower);
    skinner_ = skinner;
    skinner_->AddListener(follower);
    return true;
}

bool SkinLink::Leave(events::IEventListener* follower)
{
    if (!skinner_)
        return false;
    skinner_->RemoveListener(follower);
    skinner_ = nullptr;
    return true;
}

bool SkinLink::IsFrom(base::IObject* source) const
{
    return skinner_ && source == static_cast<base::IObject*>(skinner_);
}

drawer::ISkin* SkinLink::GetCurrentSkin() const
{
    return skinner_ ? skinner_->GetCurrentSkin() : nullptr;
}

} // namespace win
} // namespace gui
} // namespace s
