#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/component/Component.h"
#include "windowing/widgets/ISpacer.h"

namespace s {
namespace gui {
namespace win {

// The toolkit's filler (see ISpacer): a child window of the toolkit class whose size limits
// follow its orientation and its parent's layout kind.
class Spacer : public Component<ISpacer>, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_Spacer";
    static constexpr int32_t kPoolCapacity = 1000;

    Spacer();
    ~Spacer() override;

    static thread::EasyPooler* GetPool();
    static Spacer* New();
    // A spacer of the orientation with a length in pixels, or in percent with percent set (a
    // negative length leaves it free); null when none could be made.
    static Spacer* Create(int32_t orientation, int32_t length, bool percent);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // ISpacer
    void SetOrientation(int32_t orientation) override;
    int32_t GetOrientation() override;
    void SetLengthPixels(int32_t pixels) override;
    void SetLengthPercent(int32_t percent) override;
    void SetMinWidth(int32_t width) override;

    // The size rules.
    bool CreateWindowIn(IComponent* parent) override;
    int32_t GetMinWidth() override;
    int32_t GetMinHeight() override;
    int32_t GetMinClientWidth() override;
    int32_t GetMinClientHeight() override;
    int32_t GetMaxWidth() override;
    int32_t GetMaxHeight() override;
    int32_t GetMaxClientWidth() override;
    int32_t GetMaxClientHeight() override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The parent's layout kind when it is a Box, else -1.
    int32_t ParentLayoutKind();
    // No room across the axis: a vertical spacer in a row has no width, a horizontal one in a
    // column no height.
    bool Widthless();
    bool Heightless();
    void Paint();

    int32_t orientation_;
};

} // namespace win
} // namespace gui
} // namespace s
