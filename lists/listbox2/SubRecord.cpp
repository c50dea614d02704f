#include "lists/listbox2/SubRecord.h"

#include "core/str/StrBuffer.h"

using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace listbox2 {

SubRecord::SubRecord() : text(nullptr), value(0), valueDestructor(nullptr), iconSource(nullptr)
{
    Reset();
}

SubRecord::~SubRecord()
{
    Reset();
}

const wchar_t* SubRecord::GetClassName()
{
    return L"s_gui_listbox2_SubRecord";
}

base::IObject* SubRecord::NewInstance()
{
    return New();
}

void SubRecord::ReleaseToPool()
{
    GetPool()->Give(this);
}

void SubRecord::Reset()
{
    DropText();
    if (iconSource) {
        iconSource->ReleaseToPool();
        iconSource = nullptr;
    }
    DestroyValue();
    record = nullptr;
    column = 0;
    value = 0;
    valueDestructor = nullptr;
    formatter = nullptr;
    checkState = 0;
    emphasised = 0;
    drawerFlag = 0;
    dimmed = 0;
    expandState = 0;
    iconFromShell = 0;
    buttonShown = 0;
    buttonWhenHot = 0;
    hotTracked = 0;
    for (int32_t& side : hotRect)
        side = 0;
}

void SubRecord::ReplaceValue(uint64_t newValue)
{
    DestroyValue();
    value = newValue;
    DropText();
}

StrBuffer* SubRecord::GetDisplayText()
{
    if (!text && formatter) {
        text = StrBuffer::New();
        if (text)
            formatter(value, text);
    }
    return text;
}

void SubRecord::DropText()
{
    if (text) {
        text->ReleaseToPool();
        text = nullptr;
    }
}

void SubRecord::DestroyValue()
{
    if (!value || !valueDestructor)
        return;
    void* slot = reinterpret_cast<void*>(static_cast<uintptr_t>(value));
    valueDestructor->Destroy(&slot);
    value = 0;
}

thread::EasyPooler* SubRecord::GetPool()
{
    return &thread::PoolOf<SubRecord>();
}

SubRecord* SubRecord::New()
{
    return thread::TakeFromPool<SubRecord>();
}

} // namespace listbox2
} // namespace gui
} // namespace s
