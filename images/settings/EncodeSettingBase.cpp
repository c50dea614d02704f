#include "images/settings/EncodeSettingBase.h"

#include "core/str/StrBuffer.h"
#include "images/IBufferedImage.h"
#include "images/settings/boxes/ConfigBoxBase.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {

using str::strbuffer::StrBuffer;

namespace {

const int32_t kWhite = 255;

} // namespace

EncodeSettingBase::EncodeSettingBase()
    : BgRed(kWhite), BgGreen(kWhite), BgBlue(kWhite), store_(nullptr), basePath_(nullptr), panel_(nullptr)
{
}

EncodeSettingBase::~EncodeSettingBase()
{
    ResetBase();
}

void EncodeSettingBase::ResetBase()
{
    store_ = nullptr;
    if (basePath_)
        basePath_->ReleaseToPool();
    basePath_ = nullptr;
    panel_ = nullptr;
    BgRed = BgGreen = BgBlue = kWhite;
}

void EncodeSettingBase::LoadBackground(const wchar_t* section)
{
    BgRed = GetStore()->GetInt32(section, L"BgRed", kWhite);
    BgGreen = GetStore()->GetInt32(section, L"BgGreen", kWhite);
    BgBlue = GetStore()->GetInt32(section, L"BgBlue", kWhite);
}

void EncodeSettingBase::SaveBackground(const wchar_t* section)
{
    GetStore()->SetInt32(section, L"BgRed", BgRed);
    GetStore()->SetInt32(section, L"BgGreen", BgGreen);
    GetStore()->SetInt32(section, L"BgBlue", BgBlue);
}

IEncodedImage* EncodeSettingBase::FromImageSet(win::BufferedImageSet* set)
{
    win::BufferedImage* primary = set ? set->GetPrimaryImage() : nullptr;
    return primary ? EncodeImage(primary) : nullptr;
}

gui::IEncodeSettingBox* EncodeSettingBase::CreateConfigBox()
{
    gui::boxes::ConfigBoxBase* panel = NewConfigBox();
    if (panel)
        panel->SetSetting(this);
    panel_ = panel;
    return panel;
}

gui::IEncodeSettingBox* EncodeSettingBase::GetConfigBox()
{
    return panel_;
}

bool EncodeSettingBase::ApplyConfigBox()
{
    if (!panel_)
        return true;
    // A panel never built has no choices to give.
    if (panel_->GetRoot())
        panel_->ApplyToSetting(this);
    Save();
    return true;
}

bool EncodeSettingBase::Attach(const wchar_t* basePath, map::IMappedData* store)
{
    if (basePath_)
        basePath_->ReleaseToPool();
    basePath_ = StrBuffer::New();
    if (basePath_)
        basePath_->Assign(basePath ? basePath : L"");
    store_ = store;
    return Load();
}

const wchar_t* EncodeSettingBase::GetBasePath()
{
    return basePath_ ? basePath_->GetText() : nullptr;
}

bool EncodeSettingBase::Load()
{
    return InSection(&EncodeSettingBase::LoadSection);
}

bool EncodeSettingBase::Save()
{
    return InSection(&EncodeSettingBase::SaveSection);
}

bool EncodeSettingBase::InSection(void (EncodeSettingBase::*use)(const wchar_t*))
{
    if (!HasStore())
        return false;
    file::Pooled<StrBuffer> section;
    if (!section)
        return false;
    section->Assign(GetBasePath() ? GetBasePath() : L"");
    section->Append(GetSubKey());
    (this->*use)(section->GetText());
    return true;
}

IBufferedImage* EncodeSettingBase::FilteredSource(IBufferedImage* image)
{
    if (!image || !image->HasFilters())
        return image;
    return image->ApplyFilters();
}

} // namespace image
} // namespace s
