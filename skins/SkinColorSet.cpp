#include "skins/SkinColorSet.h"

#include <cstring>

#include "core/str/StrBuffer.h"
#include "storage/settings/IMappedData.h"

namespace s {
namespace gui {
namespace drawer {

namespace {

using str::strbuffer::StrBuffer;

const wchar_t* const kNames[SkinColorSet::kCount] = {
    L"windowBg", L"windowFg",     L"compFg", L"compDisabled", L"groupBorder", L"text",      L"textOutLineSpecific",
    L"sliderBg", L"listHeaderBg", L"listHeaderFont",          L"listBg",      L"listFont",  L"listAlternate",
    L"counter01", L"counter02",
};

const wchar_t* const kComponents[3] = {L"R", L"G", L"B"};

// Dark text gets a light outline, light text a dark one.
const int32_t kDarkTextAverage = 78;
const int32_t kOutlineAroundDark = 238;
const int32_t kOutlineAroundLight = 51;

// "entry\colour" in the scratch string.
const wchar_t* ColorSection(StrBuffer* scratch, const wchar_t* entrySection, uint32_t index)
{
    scratch->Assign(entrySection);
    scratch->Append(L"\\");
    scratch->Append(kNames[index]);
    return scratch->GetText();
}

} // namespace

SkinColorSet::SkinColorSet()
{
    std::memset(rgb_, 0, sizeof(rgb_));
}

const wchar_t* SkinColorSet::NameOf(uint32_t index)
{
    return index < kCount ? kNames[index] : nullptr;
}

uint32_t SkinColorSet::FromBuilderPosition(uint32_t position)
{
    if (position == kCompFg)
        return kCompDisabled;
    if (position == kCompDisabled)
        return kCompFg;
    return position;
}

void SkinColorSet::Set(uint32_t index, int32_t red, int32_t green, int32_t blue)
{
    if (index >= kCount)
        return;
    rgb_[index][0] = static_cast<uint8_t>(red);
    rgb_[index][1] = static_cast<uint8_t>(green);
    rgb_[index][2] = static_cast<uint8_t>(blue);
}

void SkinColorSet::SetColor(uint32_t index, COLORREF color)
{
    Set(index, GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF SkinColorSet::GetColor(uint32_t index) const
{
    return index < kCount ? RGB(rgb_[index][0], rgb_[index][1], rgb_[index][2]) : 0;
}

bool SkinColorSet::Equals(const SkinColorSet& other) const
{
    return std::memcmp(rgb_, other.rgb_, sizeof(rgb_)) == 0;
}

void SkinColorSet::ToBuilderOrder(int32_t* values) const
{
    for (uint32_t position = 0; position < kCount; ++position) {
        const uint32_t index = FromBuilderPosition(position);
        for (uint32_t c = 0; c < 3; ++c)
            values[position * 3 + c] = rgb_[index][c];
    }
}

void SkinColorSet::FromBuilderOrder(const int32_t* values)
{
    for (uint32_t position = 0; position < kCount; ++position)
        Set(FromBuilderPosition(position), values[position * 3], values[position * 3 + 1], values[position * 3 + 2]);
}

void SkinColorSet::ReadEntry(map::IMappedData* store, const wchar_t* entrySection)
{
    StrBuffer* scratch = StrBuffer::New();
    if (!scratch)
        return;
    for (uint32_t index = 0; index < kCount; ++index) {
        int32_t defaults[3] = {0, 0, 0};
        if (index == kGroupBorder) {
            for (uint32_t c = 0; c < 3; ++c)
                defaults[c] = rgb_[kCompFg][c];
        } else if (index == kTextOutLineSpecific) {
            const int32_t average = (rgb_[kText][0] + rgb_[kText][1] + rgb_[kText][2]) / 3;
            const int32_t outline = average < kDarkTextAverage ? kOutlineAroundDark : kOutlineAroundLight;
            defaults[0] = defaults[1] = defaults[2] = outline;
        }
        const wchar_t* section = ColorSection(scratch, entrySection, index);
        int32_t values[3];
        for (uint32_t c = 0; c < 3; ++c)
            values[c] = store->GetInt32(section, kComponents[c], defaults[c]);
        Set(index, values[0], values[1], values[2]);
    }
    scratch->ReleaseToPool();
}

void SkinColorSet::WriteEntry(map::IMappedData* store, const wchar_t* entrySection) const
{
    StrBuffer* scratch = StrBuffer::New();
    if (!scratch)
        return;
    for (uint32_t index = 0; index < kCount; ++index) {
        const wchar_t* section = ColorSection(scratch, entrySection, index);
        for (uint32_t c = 0; c < 3; ++c)
            store->SetInt32(section, kComponents[c], rgb_[index][c]);
    }
    scratch->ReleaseToPool();
}

} // namespace drawer
} // namespace gui
} // namespace s
