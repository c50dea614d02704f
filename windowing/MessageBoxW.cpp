#include "windowing/MessageBoxW.h"

#include "mfc/AppMessageBox.h"

namespace s {
namespace gui {
namespace win {

namespace {

const int32_t kLastMode = 2;
const wchar_t kCreationFailed[] = L"Window Creation Failed!";
const wchar_t kRegistrationFailed[] = L"Window Registration Failed!";
const wchar_t kFailureTitle[] = L"Error!";
const wchar_t kSaveChanges[] = L"Do you want to save the changes?";

} // namespace

MessageBoxW::MessageBoxW() : mode_(0) {}

MessageBoxW::~MessageBoxW() {}

thread::EasyPooler* MessageBoxW::GetPool()
{
    return &thread::PoolOf<MessageBoxW>();
}

MessageBoxW* MessageBoxW::New()
{
    return thread::TakeFromPool<MessageBoxW>();
}

const wchar_t* MessageBoxW::GetClassName()
{
    return kClassName;
}

base::IObject* MessageBoxW::NewInstance()
{
    return New();
}

void MessageBoxW::ReleaseToPool()
{
    GetPool()->Give(this);
}

void MessageBoxW::Reset()
{
    mode_ = 0;
}

void MessageBoxW::ShowInfo(const wchar_t* text)
{
    AfxMessageBox(text, MB_ICONINFORMATION);
}

void MessageBoxW::ShowWarning(const wchar_t* text)
{
    AfxMessageBox(text, MB_ICONWARNING);
}

void MessageBoxW::ShowError(const wchar_t* text)
{
    AfxMessageBox(text, MB_ICONERROR);
}

bool MessageBoxW::AskYesNo(const wchar_t* text)
{
    return AfxMessageBox(text, MB_ICONQUESTION | MB_YESNO) == IDYES;
}

bool MessageBoxW::AskYesNoCancel(const wchar_t* text, bool* yes)
{
    const int answer = AfxMessageBox(text, MB_ICONQUESTION | MB_YESNOCANCEL);
    if (answer == IDCANCEL)
        return false;
    if (yes)
        *yes = answer == IDYES;
    return true;
}

void MessageBoxW::SetMode(int32_t mode)
{
    if (mode >= 0 && mode <= kLastMode)
        mode_ = mode;
}

int32_t MessageBoxW::GetMode()
{
    return mode_;
}

void ShowInfoMessage(const wchar_t* text)
{
    MessageBoxW* box = MessageBoxW::New();
    if (!box)
        return;
    box->ShowInfo(text);
    box->ReleaseToPool();
}

void ShowErrorMessage(const wchar_t* text)
{
    MessageBoxW* box = MessageBoxW::New();
    if (!box)
        return;
    box->ShowError(text);
    box->ReleaseToPool();
}

bool AskYesNo(const wchar_t* text)
{
    MessageBoxW* box = MessageBoxW::New();
    if (!box)
        return false;
    const bool yes = box->AskYesNo(text);
    box->ReleaseToPool();
    return yes;
}

bool AskSaveChanges(const wchar_t* text, bool* yes)
{
    MessageBoxW* box = MessageBoxW::New();
    if (!box)
        return false;
    bool answer = false;
    const bool answered = box->AskYesNoCancel(text ? text : kSaveChanges, &answer);
    box->ReleaseToPool();
    if (answered && yes)
        *yes = answer;
    return answered;
}

void ShowWindowCreationFailed()
{
    AfxShowMessageBox(nullptr, kCreationFailed, kFailureTitle, MB_ICONWARNING);
}

void ShowWindowRegistrationFailed()
{
    AfxShowMessageBox(nullptr, kRegistrationFailed, kFailureTitle, MB_ICONWARNING);
}

} // namespace win
} // namespace gui
} // namespace s
