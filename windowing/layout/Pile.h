#pragma once
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/component/ILayoutManager.h"

namespace s {
namespace gui {
namespace layout {

// The pile with start alignments: the default manager of the counter widget and the group box.
class Pile : public ILayoutManager, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_layout_Pile";

    static thread::EasyPooler* GetPool();
    static Pile* New();
    // The one instance that containers share; it holds no state.
    static Pile* Shared();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    void Layout(IComponent* container) override;
};

} // namespace layout
} // namespace gui
} // namespace s
