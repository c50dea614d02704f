#pragma once
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/ImageList.h"

namespace s {
namespace gui {
namespace win {

// An image list that either owns its list or only borrows it (the system's small-icon list).
// Reset destroys an owned list, lets go of a borrowed one, and marks the next one owned.
class ImageCollection : public base::IObject, public thread::IPoolable, public CImageList {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ImageCollection";

    ImageCollection();
    ~ImageCollection() override;

    static thread::EasyPooler* GetPool();
    static ImageCollection* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    bool OwnsList() const { return ownsList_; }
    void SetOwnsList(bool owns) { ownsList_ = owns; }

private:
    bool ownsList_;
};

} // namespace win
} // namespace gui
} // namespace s
