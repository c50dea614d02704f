#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/OleDropTarget.h"

namespace s {
namespace str {
namespace strarray {
class StrArray;
}
} // namespace str
namespace gui {
namespace events {
class IEventListener;
}
namespace win {

// A list's drop target for files dragged from the shell: the four OLE callbacks become events
// for one listener, with this target as their source, and a drop leaves its file paths here.
// Every callback answers with the link effect, whatever keys are held.
class ExplorerDropTarget : public COleDropTarget, public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ExplorerDropTarget";
    // The event codes.
    static const int32_t kEntered = 1;
    static const int32_t kOver = 2;
    static const int32_t kDropped = 3;
    static const int32_t kLeft = 4;

    ExplorerDropTarget();
    ~ExplorerDropTarget() override;

    static thread::EasyPooler* GetPool();
    static ExplorerDropTarget* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Empties the paths and forgets the listener; a target going back to its pool is revoked.
    void Reset() override;

    void SetListener(events::IEventListener* listener) { listener_ = listener; }
    // The paths of the last drop, owned by the target.
    str::strarray::StrArray* GetDroppedPaths() { return droppedPaths_; }

    DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, POINT point) override;
    DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, POINT point) override;
    BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, POINT point) override;
    void OnDragLeave(CWnd* window) override;

private:
    ExplorerDropTarget(const ExplorerDropTarget&) = delete;
    ExplorerDropTarget& operator=(const ExplorerDropTarget&) = delete;

    void Tell(int32_t code);

    str::strarray::StrArray* droppedPaths_;
    events::IEventListener* listener_;
};

} // namespace win
} // namespace gui
} // namespace s
