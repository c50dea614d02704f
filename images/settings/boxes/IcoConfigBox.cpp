#include "images/settings/boxes/IcoConfigBox.h"

#include "images/settings/IcoEncodeSetting.h"
#include "images/settings/boxes/PanelCaptions.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

using s::gui::IBox;
using s::gui::ICheckBox;
using s::gui::win::Box;

namespace {

const int32_t kSizeRowsGap = 6;
const int32_t kColumnGap = 20;
const int32_t kColumnRowGap = 3;
const int32_t kLiteral = -1;

// The sizes in member order, with their captions.
const struct {
    int32_t size;
    const wchar_t* caption;
} kSizes[] = {{256, L"256 x 256  (Vista/7)"}, {128, L"128 x 128"}, {96, L"96 x 96"}, {80, L"80 x 80"},
              {64, L"64 x 64"},                {48, L"48 x 48"},   {32, L"32 x 32"}, {24, L"24 x 24"},
              {16, L"16 x 16"}};

bool Holds(col::_array::ArrayS32& array, int32_t value)
{
    for (uint32_t i = 0; i < array.GetCount(); ++i) {
        if (array.Get(i) == value)
            return true;
    }
    return false;
}

} // namespace

IcoConfigBox::IcoConfigBox()
    : FormatConfigBox(L"Ico"), keepRatio_(nullptr), bits32_(nullptr), bits8_(nullptr), bits4_(nullptr), sizes_()
{
}

void IcoConfigBox::ForgetControls()
{
    keepRatio_ = nullptr;
    bits32_ = nullptr;
    bits8_ = nullptr;
    bits4_ = nullptr;
    for (ICheckBox*& size : sizes_)
        size = nullptr;
}

ICheckBox* IcoConfigBox::GetDepthBox(int32_t bits)
{
    return bits == 32 ? bits32_ : bits == 8 ? bits8_ : bits == 4 ? bits4_ : nullptr;
}

ICheckBox* IcoConfigBox::GetSizeBox(int32_t size)
{
    for (size_t i = 0; i < sizeof(kSizes) / sizeof(kSizes[0]); ++i) {
        if (kSizes[i].size == size)
            return sizes_[i];
    }
    return nullptr;
}

bool IcoConfigBox::BuildGroups(Box* root)
{
    ico::EncodeSetting* setting = Setting();
    s::gui::win::GroupBox* scaling = NewGroup(kTextScaling, L"Scaling", kControlGap);
    keepRatio_ = NewCheckBox(kTextKeepRatio, L"Keep Width/Height Ratio", setting->KeepRatio);
    if (!AddAll(root, {scaling}) || !AddAll(scaling, {keepRatio_}))
        return false;

    s::gui::win::GroupBox* sizes = NewGroup(kTextSizesToInclude, L"Sizes to Include", kSizeRowsGap);
    for (size_t i = 0; i < sizeof(kSizes) / sizeof(kSizes[0]); ++i)
        sizes_[i] = NewCheckBox(kLiteral, kSizes[i].caption, Holds(setting->Sizes, kSizes[i].size));
    Box* columns = Box::Create(IBox::kRow, -1, -1, 0, 0, kColumnGap, kColumnRowGap, 0, 0);
    if (!AddAll(root, {sizes}) || !AddAll(sizes, {sizes_[0], columns}))
        return false;
    // Four columns: 128 over 48, 96 over 32, 80 over 24, 64 over 16.
    for (int32_t c = 0; c < 4; ++c) {
        Box* column = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, kControlGap, 0, 0);
        if (!AddAll(columns, {column}) || !AddAll(column, {sizes_[1 + c], sizes_[5 + c]}))
            return false;
    }

    s::gui::win::GroupBox* depths = NewGroup(kTextResolutionsToInclude, L"Resolutions to Include", kControlGap);
    bits32_ = NewCheckBox(kTextIco32Bpp, L"32 Bpp (16,777,216 Colors with Transparency)", Holds(setting->Bpps, 32));
    bits8_ = NewCheckBox(kTextIco8Bpp, L"8 Bpp (256 Colors with Mask Bits)", Holds(setting->Bpps, 8));
    bits4_ = NewCheckBox(kTextIco4Bpp, L"4 Bpp (16 Colors with Mask Bits)", Holds(setting->Bpps, 4));
    return AddAll(root, {depths}) && AddAll(depths, {bits32_, bits8_, bits4_});
}

void IcoConfigBox::ApplyTo(ico::EncodeSetting* setting)
{
    setting->KeepTransparency = KeepsTransparency();
    ApplyBackgroundTo(setting);
    setting->Sizes.SetCount(0);
    setting->Bpps.SetCount(0);
    setting->KeepRatio = keepRatio_ && keepRatio_->IsChecked();
    // Smallest first: kSizes runs from the largest.
    for (size_t i = sizeof(kSizes) / sizeof(kSizes[0]); i-- > 0;) {
        if (sizes_[i] && sizes_[i]->IsChecked())
            setting->Sizes.Append(kSizes[i].size);
    }
    for (int32_t bits : {4, 8, 32}) {
        ICheckBox* box = GetDepthBox(bits);
        if (box && box->IsChecked())
            setting->Bpps.Append(bits);
    }
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
