#pragma once
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/component/ILayoutManager.h"

namespace s {
namespace gui {
namespace layout {

// The column with start alignments and no gap: the default manager of top-level windows.
class Vertical : public ILayoutManager, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_layout_Vertical";

    static thread::EasyPooler* GetPool();
    static Vertical* New();
    // The one instance that containers share; it holds no state.
    static Vertical* Shared();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    void Layout(IComponent* container) override;
};

} // namespace layout
} // namespace gui
} // namespace s
