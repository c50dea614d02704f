#include "windowing/menu/MenuItem.h"

#include "storage/lang/Localizer.h"

namespace s {
namespace gui {
namespace menuitem {

namespace {
const int32_t kNoTextId = -1;
}

MenuItem::MenuItem()
    : localizer_(nullptr), textId_(kNoTextId), commandId_(-1), checked_(false), radioChecked_(false),
      separator_(false), tag_(0)
{
}

MenuItem::~MenuItem() {}

thread::EasyPooler* MenuItem::GetPool()
{
    return &thread::PoolOf<MenuItem>();
}

MenuItem* MenuItem::New()
{
    return thread::TakeFromPool<MenuItem>();
}

MenuItem* MenuItem::Create(int32_t textId, lang::Localizer* localizer, int32_t commandId, bool checked)
{
    MenuItem* item = New();
    if (!item)
        return nullptr;
    item->localizer_ = localizer;
    item->commandId_ = commandId;
    item->checked_ = checked;
    item->SetTextId(textId);
    return item;
}

MenuItem* MenuItem::CreateWithText(const wchar_t* text, int32_t commandId, bool checked)
{
    MenuItem* item = New();
    if (!item)
        return nullptr;
    item->commandId_ = commandId;
    item->checked_ = checked;
    item->SetText(text);
    return item;
}

MenuItem* MenuItem::CreateSeparator()
{
    MenuItem* item = New();
    if (item)
        item->separator_ = true;
    return item;
}

const wchar_t* MenuItem::GetClassName()
{
    return kClassName;
}

base::IObject* MenuItem::NewInstance()
{
    return New();
}

void MenuItem::ReleaseToPool()
{
    GetPool()->Give(this);
}

void MenuItem::Reset()
{
    localizer_ = nullptr;
    text_.Clear();
    textId_ = kNoTextId;
    commandId_ = -1;
    checked_ = false;
    radioChecked_ = false;
    separator_ = false;
    tag_ = 0;
}

const wchar_t* MenuItem::GetText()
{
    if (textId_ != kNoTextId && localizer_)
        text_.Assign(localizer_->GetText(textId_));
    return text_.GetText();
}

void MenuItem::SetText(const wchar_t* text)
{
    text_.Assign(text ? text : L"");
}

void MenuItem::SetTextId(int32_t textId)
{
    textId_ = textId;
    if (textId_ == kNoTextId)
        return;
    // Without a localizer there is no text to show for the id.
    text_.Assign(localizer_ ? localizer_->GetText(textId_) : L"");
}

} // namespace menuitem
} // namespace gui
} // namespace s
