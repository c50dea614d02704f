#include "app/monitor/MonitorBlock.h"

#include <algorithm>

#include "core/str/StrBuffer.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "windowing/box/Box.h"
#include "windowing/paint/CounterData.h"
#include "windowing/widgets/Counter.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/Spacer.h"

namespace s {
namespace system {
namespace counter {

namespace {
using str::strbuffer::StrBuffer;

const int32_t kNotSet = -1;
const int32_t kFull = 100;
const int32_t kCentre = 1;
const int32_t kMeterHistory = 2;
const int32_t kSeriesMaximum = 100;
// The meter style of the counter (its level bar).
const int32_t kMeterMode = 1;
const float kSizeHintFactor = 1.5f;

StrBuffer* NewText()
{
    StrBuffer* text = StrBuffer::New();
    if (text)
        text->Clear();
    return text;
}

void Copy(StrBuffer* target, const wchar_t* text)
{
    if (target)
        target->Assign(text ? text : L"");
}

void Release(StrBuffer* text)
{
    if (text)
        text->ReleaseToPool();
}

const wchar_t* TextOf(StrBuffer* text)
{
    return text ? text->GetText() : L"";
}

bool IsGraph(int32_t type)
{
    return type == 1 || type == 2;
}

bool IsMeter(int32_t type)
{
    return type == 3 || type == 4;
}

bool HasTwoSeries(int32_t type)
{
    return type == 2 || type == 4;
}
} // namespace

MonitorBlock::MonitorBlock()
    : shownLabel_(NewText()), spare_(NewText()), historyLength_(kHistoryLength), minTextHeight_(kMinTextHeight),
      localizer_(nullptr), key_(NewText()), displayType_(0), layoutMode_(0), cellAspect_(1.7f), spacer_(nullptr),
      cellSizing_(true), fixedCellWidth_(false), cellWidthMultiplier_(1), sample_(NewText()),
      savedValue_(NewText()), prefix_(NewText()), labelTextId_(0), suffix_(NewText()), content_(nullptr),
      nameLabel_(nullptr), counter_(nullptr), valueLabel_(nullptr), highlighted_(false), longValue_(false),
      enabled_(true), callback_(nullptr), userData_(nullptr), extraValue_(0), lastPrimary_(-1), lastSecondary_(-1),
      bracketFlag_(nullptr)
{
}

MonitorBlock::~MonitorBlock()
{
    ReleaseWidgets();
    for (StrBuffer* text : {shownLabel_, spare_, key_, sample_, savedValue_, prefix_, suffix_})
        Release(text);
}

// The pools of what a field holds are made first, so that they outlive the field pool at exit.
thread::EasyPooler* MonitorBlock::GetPool()
{
    static const bool heldPoolsMade = StrBuffer::GetPool() && ::s::gui::win::Label::GetPool() &&
                                      ::s::gui::win::Spacer::GetPool() && ::s::gui::win::Box::GetPool() &&
                                      ::s::gui::win::Counter::GetPool();
    (void)heldPoolsMade;
    return &thread::PoolOf<MonitorBlock, kPoolCapacity>();
}

MonitorBlock* MonitorBlock::New(const uint8_t* bracketFlag, lang::Localizer* localizer, const wchar_t* key,
                                bool enabled, int32_t displayType, int32_t maximum, bool nameBold, bool nameOutline,
                                int32_t nameSize, const wchar_t* prefix, int32_t labelTextId, const wchar_t* suffix,
                                bool valueBold, bool valueOutline, int32_t valueSize, const wchar_t* sampleText,
                                FieldUpdateCallback callback, void* userData, int64_t extraValue)
{
    MonitorBlock* block = static_cast<MonitorBlock*>(GetPool()->Take());
    if (block)
        block->Init(bracketFlag, localizer, key, enabled, displayType, maximum, nameBold, nameOutline, nameSize,
                    prefix, labelTextId, suffix, valueBold, valueOutline, valueSize, sampleText, callback, userData,
                    extraValue);
    return block;
}

const wchar_t* MonitorBlock::GetClassName()
{
    return kClassName;
}

base::IObject* MonitorBlock::NewInstance()
{
    return static_cast<MonitorBlock*>(GetPool()->Take());
}

void MonitorBlock::ReleaseToPool()
{
    GetPool()->Give(this);
}

void MonitorBlock::Reset()
{
    ReleaseWidgets();
    for (StrBuffer* text : {shownLabel_, spare_, key_, sample_, savedValue_, prefix_, suffix_}) {
        if (text)
            text->Clear();
    }
    historyLength_ = kHistoryLength;
    minTextHeight_ = kMinTextHeight;
    localizer_ = nullptr;
    displayType_ = 0;
    layoutMode_ = 0;
    cellAspect_ = 1.7f;
    cellSizing_ = true;
    fixedCellWidth_ = false;
    cellWidthMultiplier_ = 1;
    labelTextId_ = 0;
    highlighted_ = false;
    longValue_ = false;
    enabled_ = true;
    callback_ = nullptr;
    userData_ = nullptr;
    extraValue_ = 0;
    lastPrimary_ = lastSecondary_ = -1;
    bracketFlag_ = nullptr;
}

// A row handed to a container belongs to it from then on (the window gives it back with its
// children); one that never was is given back here.
void MonitorBlock::ReleaseWidgets()
{
    ::s::gui::IComponent* row = GetRow();
    if (row && !row->GetParent()) {
        if (thread::IPoolable* poolable = dynamic_cast<thread::IPoolable*>(row))
            poolable->ReleaseToPool();
    }
    spacer_ = nullptr;
    content_ = nullptr;
    nameLabel_ = nullptr;
    counter_ = nullptr;
    valueLabel_ = nullptr;
}

void MonitorBlock::Init(const uint8_t* bracketFlag, lang::Localizer* localizer, const wchar_t* key, bool enabled,
                        int32_t displayType, int32_t maximum, bool nameBold, bool nameOutline, int32_t nameSize,
                        const wchar_t* prefix, int32_t labelTextId, const wchar_t* suffix, bool valueBold,
                        bool valueOutline, int32_t valueSize, const wchar_t* sampleText,
                        FieldUpdateCallback callback, void* userData, int64_t extraValue)
{
    localizer_ = localizer;
    Copy(key_, key);
    displayType_ = displayType < 0 || displayType > 4 ? 0 : displayType;
    Copy(prefix_, prefix);
    labelTextId_ = labelTextId;
    Copy(suffix_, suffix);
    bracketFlag_ = bracketFlag;
    ComposeLabel();
    Copy(sample_, sampleText);

    valueLabel_ = ::s::gui::win::Label::New();
    if (valueLabel_) {
        valueLabel_->SetText(TextOf(sample_), false);
        valueLabel_->SetFontAttribute1(false);
        valueLabel_->SetFontAttribute2(false);
        valueLabel_->SetFontPreset(kValuePreset);
    }
    spacer_ = ::s::gui::win::Spacer::Create(::s::gui::ISpacer::kVertical, kFull, true);
    nameLabel_ = ::s::gui::win::Label::New();
    if (nameLabel_) {
        nameLabel_->SetText(TextOf(shownLabel_), false);
        nameLabel_->SetFontAttribute1(false);
        nameLabel_->SetFontAttribute2(false);
        nameLabel_->SetFontPreset(kNamePreset);
    }

    ::s::gui::IComponent* holder = nullptr;
    if (displayType_ == 0) {
        content_ = ::s::gui::win::Box::Create(::s::gui::IBox::kColumn, kFull, kNotSet, kCentre, kCentre, -1, -1, -1, -1);
        holder = content_;
    } else {
        counter_ = ::s::gui::win::Counter::Create(kFull);
        if (counter_) {
            content_ = static_cast<::s::gui::win::Box*>(counter_->GetContent());
            holder = counter_;
            counter_->ShowSecondaryData(HasTwoSeries(displayType_));
            if (IsMeter(displayType_))
                counter_->SetGraphMode(kMeterMode);
            const int32_t history = IsMeter(displayType_) ? kMeterHistory : historyLength_;
            SetUpSeries(0, history, maximum);
            if (HasTwoSeries(displayType_))
                SetUpSeries(1, history, maximum);
        }
    }
    if (holder) {
        for (::s::gui::IComponent* child : {static_cast<::s::gui::IComponent*>(nameLabel_),
                                       static_cast<::s::gui::IComponent*>(spacer_),
                                       static_cast<::s::gui::IComponent*>(valueLabel_)}) {
            if (child)
                holder->AddChild(child);
        }
    }

    ApplyFont(nameLabel_, nameBold, nameOutline, nameSize);
    ApplyFont(valueLabel_, valueBold, valueOutline, valueSize);
    SetEnabled(enabled);
    callback_ = callback;
    userData_ = userData;
    extraValue_ = extraValue;
}

void MonitorBlock::SetUpSeries(int32_t series, int32_t history, int32_t maximum)
{
    ::s::gui::counter::CounterData* data = series == 0 ? counter_->GetPrimaryData() : counter_->GetSecondaryData();
    if (!data)
        return;
    {
        thread::ScopedLock lock(data->Lock);
        data->SamplesPerPoint = 1;
        data->Maximum = kSeriesMaximum;
        data->BaseValue = 0;
        if (maximum > 0) {
            data->Unbounded = 1;
            data->MaximumFloor = maximum;
        }
    }
    data->SetHistoryLength(static_cast<uint32_t>(history));
}

void MonitorBlock::ApplyFont(::s::gui::win::Label* label, bool bold, bool outline, int32_t size)
{
    if (!label)
        return;
    label->SetFontBold(bold);
    label->SetFontOutline(outline ? kOutlined : kPlain);
    label->SetFontSize(size);
}

void MonitorBlock::SetFonts(bool nameBold, bool nameOutline, int32_t nameSize, bool valueBold, bool valueOutline,
                            int32_t valueSize)
{
    ApplyFont(nameLabel_, nameBold, nameOutline, nameSize);
    ApplyFont(valueLabel_, valueBold, valueOutline, valueSize);
}

::s::gui::IComponent* MonitorBlock::GetRow()
{
    if (counter_)
        return counter_;
    return content_;
}

const wchar_t* MonitorBlock::GetKey()
{
    return TextOf(key_);
}

const wchar_t* MonitorBlock::GetShownLabel()
{
    return TextOf(shownLabel_);
}

const wchar_t* MonitorBlock::GetSampleText()
{
    return TextOf(sample_);
}

void MonitorBlock::ComposeLabel()
{
    if (!shownLabel_)
        return;
    const bool brackets = bracketFlag_ && *bracketFlag_ != 0;
    shownLabel_->Assign(brackets ? L"[" : L"");
    // The localizer picks its pack on first use (the user's language, else the first pack). A
    // pack without the field's text names the row by its key, so rows stay told apart.
    lang::LangPack* pack = localizer_ ? localizer_->GetCurrentPack() : nullptr;
    if (pack && pack->HasId(labelTextId_)) {
        shownLabel_->Append(TextOf(prefix_));
        shownLabel_->Append(localizer_->GetText(labelTextId_));
        shownLabel_->Append(TextOf(suffix_));
    } else {
        shownLabel_->Append(TextOf(key_));
    }
    if (brackets)
        shownLabel_->Append(L"]");
}

void MonitorBlock::RefreshLabel()
{
    ComposeLabel();
    if (nameLabel_)
        nameLabel_->SetText(TextOf(shownLabel_), true);
}

void MonitorBlock::SetEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on) {
        if (counter_) {
            counter_->SetVisible(true, true);
            counter_->SetWidthPixels(kNotSet);
            counter_->SetHeightPixels(kNotSet);
        } else if (content_) {
            content_->SetVisible(true, true);
            content_->SetWidthPixels(kNotSet, false);
            content_->SetWidthPercent(kFull, false);
            content_->SetHeightPixels(kNotSet, false);
        }
        ApplyLayout();
        if (::s::gui::IComponent* row = GetRow()) {
            if (row->GetParent())
                row->GetParent()->RequestLayout();
        }
        return;
    }
    if (counter_) {
        counter_->SetVisible(false, true);
        counter_->SetWidthPixels(0);
        counter_->SetHeightPixels(0);
        counter_->ReleaseBackImages();
    } else if (content_) {
        content_->SetVisible(false, true);
        content_->SetWidthPixels(0, false);
        content_->SetHeightPixels(0, false);
        content_->ReleaseBackImage();
    }
}

void MonitorBlock::ApplyLayout()
{
    if (layoutMode_ <= 1)
        LayoutVertical(layoutMode_ == 1);
    else
        LayoutHorizontal(layoutMode_ == 3);
}

void MonitorBlock::ApplyWidthRule(int32_t width)
{
    if (fixedCellWidth_) {
        const int32_t pixels = std::max(cellWidthMultiplier_ * width - 5, 0);
        if (counter_)
            counter_->SetWidthPixels(pixels);
        else if (content_)
            content_->SetWidthPixels(pixels, false);
        return;
    }
    if (counter_) {
        counter_->SetWidthPixels(kNotSet);
        counter_->SetWidthPercent(kFull);
    } else if (content_) {
        content_->SetWidthPixels(kNotSet, false);
        content_->SetWidthPercent(kFull, false);
    }
}

void MonitorBlock::LayoutVertical(bool variant)
{
    layoutMode_ = variant ? 1 : 0;
    if (!enabled_ || !content_ || !nameLabel_ || !valueLabel_)
        return;
    const int32_t n = nameLabel_->GetMinHeight();
    const int32_t v = valueLabel_->GetMinHeight();
    const int32_t u = n - 1 + std::max(minTextHeight_, v);
    const int32_t w = cellSizing_ ? static_cast<int32_t>(static_cast<float>(u) * cellAspect_) : kNotSet;
    const int32_t w2 = cellSizing_ ? static_cast<int32_t>(static_cast<float>(u) * kSizeHintFactor) : kNotSet;
    const int32_t top = variant ? 0 : n - 1;
    const int32_t height = variant ? v + n : u;
    if (IsGraph(displayType_) && counter_) {
        content_->SetVertical();
        content_->SetVAlignTop();
        counter_->SetHeightPixels(height);
        counter_->SetMargins(0, top, 0, 0);
        content_->SetSizeHint(w2);
    } else if (IsMeter(displayType_) && counter_) {
        if (longValue_)
            valueLabel_->SetFontAttribute2(true);
        content_->SetVertical();
        int32_t margin = n + 3;
        int32_t bottom = 3;
        if (cellSizing_) {
            counter_->SetHeightPixels(height);
            margin = variant ? n : n + v - 1;
            bottom = 0;
        } else {
            counter_->SetHeightPixels(kNotSet);
        }
        counter_->SetMargins(0, margin, 0, bottom);
        content_->SetSizeHint(w2);
    } else {
        content_->SetVertical();
        content_->SetSizeHint(cellSizing_ ? height : kNotSet);
    }
    ApplyWidthRule(w + 5);
    content_->SetHAlignCenter();
}

void MonitorBlock::LayoutHorizontal(bool variant)
{
    layoutMode_ = variant ? 3 : 2;
    if (!enabled_ || !content_ || !nameLabel_ || !valueLabel_)
        return;
    const int32_t n = nameLabel_->GetMinHeight();
    const int32_t v = valueLabel_->GetMinHeight();
    const int32_t e = static_cast<int32_t>(static_cast<float>(4 * std::max(n, v) + 4) * cellAspect_) + 5;
    const int32_t h = std::max(minTextHeight_, std::max(n, v));
    if (IsGraph(displayType_) && counter_) {
        counter_->SetHeightPixels(variant ? kNotSet : h);
        content_->SetHorizontal();
        content_->SetVAlignTop();
        counter_->SetMargins(0, 0, 0, 0);
        content_->SetSizeHint(kNotSet);
    } else if (IsMeter(displayType_) && counter_) {
        if (longValue_)
            valueLabel_->SetFontAttribute2(false);
        int32_t g = std::max(n, v);
        content_->SetHorizontal();
        if (variant || !cellSizing_) {
            counter_->SetHeightPixels(kNotSet);
            g -= 4;
        } else {
            counter_->SetHeightPixels(h);
            g = std::min(g + 4, std::max(h - 11, h / 2));
        }
        content_->SetSizeHint(kNotSet);
        counter_->SetMargins(0, g, 0, 0);
    } else {
        content_->SetHorizontal();
        content_->SetSizeHint(kNotSet);
    }
    ApplyWidthRule(e);
    if (cellSizing_)
        content_->SetHAlignLeft();
}

void MonitorBlock::SetHighlighted(bool on)
{
    if (!counter_)
        return;
    if (on)
        counter_->SetBackgroundColor(255, 0, 0, true);
    else
        counter_->InheritBackground(true);
    highlighted_ = on;
}

void MonitorBlock::AddPrimarySample(int64_t value)
{
    if (counter_ && counter_->GetPrimaryData())
        counter_->GetPrimaryData()->AddSample(value);
}

void MonitorBlock::AddSecondarySample(int64_t value)
{
    if (counter_ && counter_->GetSecondaryData())
        counter_->GetSecondaryData()->AddSample(value);
}

void MonitorBlock::SetValueText(const wchar_t* text, bool repaint)
{
    if (valueLabel_)
        valueLabel_->SetText(text, repaint);
}

void MonitorBlock::RedrawCounter()
{
    if (counter_)
        counter_->Redraw();
}

bool MonitorBlock::SetNameText(const wchar_t* text)
{
    return nameLabel_ && nameLabel_->SetText(text, true);
}

void MonitorBlock::RelayoutRow()
{
    ApplyLayout();
    ::s::gui::IComponent* row = GetRow();
    if (row && row->GetParent())
        row->GetParent()->RequestLayout();
}

} // namespace counter
} // namespace system
} // namespace s
