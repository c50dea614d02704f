#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/Arrays.h"
#include "lists/IListHeader.h"

namespace s {
namespace gui {
namespace win {

// The list's header as far as the list needs it: a copy of the column display order and the
// native header control whose height it reports. It does not paint the header itself.
class ListHeader : public IListHeader {
public:
    ListHeader() : control_(nullptr) {}

    col::_array::ArrayS32* GetOrder() override { return &order_; }
    int32_t GetHeight() override;

    // The list's native header control, or null.
    void Attach(HWND control) { control_ = control; }
    HWND GetControl() const { return control_; }
    void Redraw();
    void Reset();

private:
    ListHeader(const ListHeader&) = delete;
    ListHeader& operator=(const ListHeader&) = delete;

    col::_array::ArrayS32 order_;
    HWND control_;
};

} // namespace win
} // namespace gui
} // namespace s
