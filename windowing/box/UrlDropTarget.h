#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/OleDropTarget.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace events {
class IEventListener;
}
namespace win {

// The drop target through which a Box takes a dragged web address: data offering
// "UniformResourceLocatorW" is accepted as a link, the address kept and the owner told with
// code 3; other data is refused.
class UrlDropTarget : public COleDropTarget, public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_UrlDropTarget";
    static constexpr int32_t kPoolCapacity = 1000;
    // The code the owner is told after a drop.
    static constexpr int32_t kEventDropped = 3;

    UrlDropTarget();
    ~UrlDropTarget() override;

    static thread::EasyPooler* GetPool();
    static UrlDropTarget* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    void SetOwner(events::IEventListener* owner) { owner_ = owner; }
    // The last dropped address; empty before any drop.
    const wchar_t* GetUrl();
    // The wide format of a web address, the one the target reads.
    static CLIPFORMAT GetUrlFormat();

    DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, POINT point) override;
    DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, POINT point) override;
    BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, POINT point) override;

private:
    DROPEFFECT EffectFor(COleDataObject* data);

    str::strbuffer::StrBuffer* url_;
    events::IEventListener* owner_;
};

} // namespace win
} // namespace gui
} // namespace s
