#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "core/thread/PooledClass.h"
#include "windowing/dialogs/IColorPicker.h"

namespace s {
namespace gui {
namespace dialogs {
namespace win {

// The toolkit's colour dialog front, from its pool. Reset: both colours white.
class ColorPicker : public thread::PooledClass<ColorPicker, IColorPicker, base::IObject, thread::IPoolable> {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_dialogs_win_ColorPicker";
    static constexpr uint32_t kWhite = 0xFFFFFF;

    ColorPicker();
    ~ColorPicker() override;

    void Reset() override;

    bool Run(IComponent* owner) override;
    uint32_t GetColor() override;
    uint32_t GetRed() override;
    uint32_t GetGreen() override;
    uint32_t GetBlue() override;
    void SetInitialColor(uint32_t red, uint32_t green, uint32_t blue) override;

    uint32_t GetInitialColor() { return initialColor_; }

private:
    ColorPicker(const ColorPicker&) = delete;
    ColorPicker& operator=(const ColorPicker&) = delete;

    uint32_t color_;
    uint32_t red_;
    uint32_t green_;
    uint32_t blue_;
    uint32_t initialColor_;
};

} // namespace win
} // namespace dialogs
} // namespace gui
} // namespace s
