#include "windowing/widgets/Caption.h"

#include "core/str/StrBuffer.h"
#include "storage/lang/Localizer.h"
#include "windowing/IWindow.h"
#include "windowing/widgets/CaptionText.h"

namespace s {
namespace gui {
namespace win {

Caption::Caption() : text_(str::strbuffer::StrBuffer::New()), textId_(-1), localizer_(nullptr) {}

Caption::~Caption()
{
    if (text_)
        text_->ReleaseToPool();
}

void Caption::Reset()
{
    if (text_)
        text_->Assign(L"");
    textId_ = -1;
}

const wchar_t* Caption::GetText()
{
    return text_ ? text_->GetText() : L"";
}

bool Caption::Set(HWND control, const wchar_t* text)
{
    if (text_)
        text_->Assign(text ? text : L"");
    if (!control)
        return false;
    ::SetWindowTextW(control, DoubledAmpersands(GetText()).c_str());
    return true;
}

bool Caption::SetTextId(HWND control, int32_t id)
{
    textId_ = id;
    const wchar_t* text = LanguageText();
    return text && Set(control, text);
}

void Caption::Join(IWindow* window, events::IEventListener* listener)
{
    localizer_ = window && window->HasLocalizer() ? window->GetLocalizer() : nullptr;
    if (localizer_)
        localizer_->AddListener(listener);
}

void Caption::Leave(events::IEventListener* listener)
{
    if (localizer_)
        localizer_->RemoveListener(listener);
    localizer_ = nullptr;
}

bool Caption::TakeLanguage(base::IObject* source, HWND control, bool* shown)
{
    *shown = false;
    if (!localizer_ || source != static_cast<base::IObject*>(localizer_))
        return false;
    if (const wchar_t* text = LanguageText())
        *shown = Set(control, text);
    return true;
}

void Caption::ShowIn(HWND control)
{
    const wchar_t* text = LanguageText();
    if (text && text_)
        text_->Assign(text);
    ::SetWindowTextW(control, DoubledAmpersands(GetText()).c_str());
}

// Null unless an id is set and a Localizer followed.
const wchar_t* Caption::LanguageText()
{
    return textId_ != -1 && localizer_ ? localizer_->GetText(textId_) : nullptr;
}

} // namespace win
} // namespace gui
} // namespace s
