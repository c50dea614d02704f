#include "app/Autostart.h"

#include <objbase.h>
#include <oleauto.h>
#include <shlobj.h>
#include <taskschd.h>

#include <string>

#include "app/LogonTrigger.h"
#include "core/str/StrBuffer.h"
#include "measurement/report/CurrentUser.h"
#include "measurement/win/OsVersion.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "storage/file/ShellServices.h"
#include "storage/reg/RegDir.h"

namespace s {
namespace app {
namespace win {

const wchar_t Autostart::kStartupArgument[] = L"-startup";

namespace {

using file::Pooled;
using file::win::PathWin;
using str::strbuffer::StrBuffer;

const CLSID kTaskSchedulerClass = {0x0F87369F, 0xA4E5, 0x4CFC, {0xBD, 0x3E, 0x73, 0xE6, 0x15, 0x45, 0x72, 0xDD}};
const IID kTaskServiceInterface = {0x2FABA4C7, 0x4DA9, 0x4013, {0x96, 0x97, 0x20, 0xCC, 0x3F, 0xD4, 0x0F, 0x85}};
const IID kExecActionInterface = {0x4C3D624D, 0xFD6B, 0x49A3, {0xB9, 0xB7, 0x09, 0xCB, 0x3C, 0xD3, 0xF0, 0x47}};

const wchar_t kRootFolder[] = L"\\";
const wchar_t kAuthor[] = L"RunAsAdministratorWhenLoggedOn";
const wchar_t kPrincipalId[] = L"RunAsAdministratorWhenLoggedOn_Principal";
const wchar_t kTriggerId[] = L"RunAsAdministratorWhenLoggedOn_Trigger";
const wchar_t kNoDelay[] = L"PT0S";
const wchar_t kPoliciesKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
const wchar_t kEnableLua[] = L"EnableLUA";
const wchar_t kUnsafeNameCharacters[] = L"\\/:*?\"<>|";

Autostart::Seams gSeams = {nullptr, nullptr, nullptr, nullptr};

// Owns one COM reference.
template <class T>
class ComRef {
public:
    ComRef() : object_(nullptr) {}
    ~ComRef()
    {
        if (object_)
            object_->Release();
    }
    T** Out() { return &object_; }
    T* operator->() const { return object_; }
    T* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* object_;
};

// A BSTR for one call.
class Bstr {
public:
    explicit Bstr(const wchar_t* text) : text_(SysAllocString(text ? text : L"")) {}
    ~Bstr() { SysFreeString(text_); }
    operator BSTR() const { return text_; }
    bool Valid() const { return text_ != nullptr; }

private:
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR text_;
};

VARIANT TextVariant(BSTR text)
{
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = text;
    return value;
}

bool IsVistaOrLater()
{
    if (gSeams.isVistaOrLater)
        return gSeams.isVistaOrLater();
    system::win::OsVersionInfo& os = system::win::GetOsVersion();
    if (!os.done)
        system::win::LoadOsVersion();
    return os.isVistaOrLater;
}

bool IsUacOn()
{
    if (gSeams.isUacOn)
        return gSeams.isUacOn();
    Pooled<reg::win::RegDir> key(reg::win::RegDir::OpenNew(HKEY_LOCAL_MACHINE, kPoliciesKey));
    // Absent (or unreadable) counts as on, as Windows itself treats it.
    return !key || key->GetBool(kEnableLua, true);
}

std::wstring StartupFolder()
{
    if (gSeams.startupFolder) {
        const wchar_t* folder = gSeams.startupFolder();
        return folder ? folder : L"";
    }
    Pooled<StrBuffer> folder(system::win::GetSpecialFolderText(CSIDL_STARTUP));
    return folder && folder->GetText() ? folder->GetText() : L"";
}

// A title with characters a file or task name cannot hold still names one entry.
std::wstring SafeEntryName(const wchar_t* entryName)
{
    std::wstring name = entryName ? entryName : L"";
    for (wchar_t& c : name) {
        if (c < 32 || wcschr(kUnsafeNameCharacters, c))
            c = L'_';
    }
    return name;
}

// The shortcut's path; empty when there is no Startup folder or no name.
std::wstring ShortcutPath(const wchar_t* entryName)
{
    const std::wstring folder = StartupFolder();
    const std::wstring name = SafeEntryName(entryName);
    if (folder.empty() || name.empty())
        return L"";
    std::wstring path = folder;
    if (path.back() != L'\\')
        path += L'\\';
    return path + name + L".lnk";
}

bool FileExists(const std::wstring& path)
{
    if (path.empty())
        return false;
    Pooled<PathWin> file(PathWin::CreateFromText(path.c_str()));
    return file && file->Exists();
}

ITaskService* CreateTaskService()
{
    if (gSeams.createTaskService)
        return gSeams.createTaskService();
    ITaskService* service = nullptr;
    if (FAILED(CoCreateInstance(kTaskSchedulerClass, nullptr, CLSCTX_INPROC_SERVER, kTaskServiceInterface,
                                reinterpret_cast<void**>(&service))))
        return nullptr;
    return service;
}

// The connected service's root folder.
struct RootFolder {
    bool Open()
    {
        *service.Out() = CreateTaskService();
        if (!service)
            return false;
        VARIANT empty;
        VariantInit(&empty);
        if (FAILED(service->Connect(empty, empty, empty, empty)))
            return false;
        Bstr root(kRootFolder);
        return root.Valid() && SUCCEEDED(service->GetFolder(root, folder.Out())) && folder;
    }
    ComRef<ITaskService> service;
    ComRef<ITaskFolder> folder;
};

bool SetUpRegistration(ITaskDefinition* task)
{
    ComRef<IRegistrationInfo> info;
    Bstr author(kAuthor);
    return SUCCEEDED(task->get_RegistrationInfo(info.Out())) && info && SUCCEEDED(info->put_Author(author));
}

bool SetUpPrincipal(ITaskDefinition* task)
{
    ComRef<IPrincipal> principal;
    Bstr id(kPrincipalId);
    return SUCCEEDED(task->get_Principal(principal.Out())) && principal && SUCCEEDED(principal->put_Id(id)) &&
           SUCCEEDED(principal->put_LogonType(TASK_LOGON_INTERACTIVE_TOKEN)) &&
           SUCCEEDED(principal->put_RunLevel(TASK_RUNLEVEL_HIGHEST));
}

bool SetUpSettings(ITaskDefinition* task)
{
    ComRef<ITaskSettings> settings;
    return SUCCEEDED(task->get_Settings(settings.Out())) && settings &&
           SUCCEEDED(settings->put_StartWhenAvailable(VARIANT_TRUE)) &&
           SUCCEEDED(settings->put_DisallowStartIfOnBatteries(VARIANT_FALSE)) &&
           SUCCEEDED(settings->put_StopIfGoingOnBatteries(VARIANT_FALSE));
}

bool SetUpTrigger(ITaskDefinition* task)
{
    ComRef<ITriggerCollection> triggers;
    ComRef<ITrigger> trigger;
    ComRef<ILogonTrigger> logon;
    if (FAILED(task->get_Triggers(triggers.Out())) || !triggers ||
        FAILED(triggers->Create(TASK_TRIGGER_LOGON, trigger.Out())) || !trigger ||
        FAILED(trigger->QueryInterface(kLogonTriggerInterface, reinterpret_cast<void**>(logon.Out()))) || !logon)
        return false;
    Bstr id(kTriggerId);
    Bstr user(system::win::GetCurrentUserName());
    Bstr delay(kNoDelay);
    return SUCCEEDED(logon->put_Id(id)) && SUCCEEDED(logon->put_UserId(user)) && SUCCEEDED(logon->put_Delay(delay));
}

bool SetUpAction(ITaskDefinition* task, const wchar_t* executable, const wchar_t* arguments)
{
    ComRef<IActionCollection> actions;
    ComRef<IAction> action;
    ComRef<IExecAction> exec;
    if (FAILED(task->get_Actions(actions.Out())) || !actions || FAILED(actions->Create(TASK_ACTION_EXEC, action.Out())) ||
        !action || FAILED(action->QueryInterface(kExecActionInterface, reinterpret_cast<void**>(exec.Out()))) || !exec)
        return false;
    Bstr path(executable);
    Bstr parameters(arguments);
    return SUCCEEDED(exec->put_Path(path)) && SUCCEEDED(exec->put_Arguments(parameters));
}

} // namespace

Autostart::Seams Autostart::SetSeams(const Seams& seams)
{
    const Seams previous = gSeams;
    gSeams = seams;
    return previous;
}

bool Autostart::UsesLogonTask()
{
    return IsVistaOrLater() && IsUacOn();
}

void Autostart::Register(const wchar_t* entryName, const wchar_t* executable)
{
    if (UsesLogonTask()) {
        RegisterLogonTask(entryName, executable, kStartupArgument);
        return;
    }
    const std::wstring shortcut = ShortcutPath(entryName);
    if (shortcut.empty() || FileExists(shortcut))
        return;
    Pooled<PathWin> target(PathWin::CreateFromText(executable ? executable : L""));
    if (target && target->Exists())
        target->CreateShortcut(shortcut.c_str(), false, kStartupArgument);
}

bool Autostart::IsRegistered(const wchar_t* entryName, const wchar_t*)
{
    if (IsVistaOrLater()) {
        bool found = false;
        FindLogonTask(entryName, &found);
        if (found)
            return true;
    }
    return FileExists(ShortcutPath(entryName));
}

void Autostart::Unregister(const wchar_t* entryName)
{
    if (IsVistaOrLater())
        DeleteLogonTask(entryName);
    const std::wstring shortcut = ShortcutPath(entryName);
    if (!FileExists(shortcut))
        return;
    Pooled<PathWin> file(PathWin::CreateFromText(shortcut.c_str()));
    if (file)
        file->Delete(false, false);
}

bool Autostart::RegisterLogonTask(const wchar_t* entryName, const wchar_t* executable, const wchar_t* arguments)
{
    RootFolder root;
    if (!root.Open())
        return false;
    Bstr name(SafeEntryName(entryName).c_str());
    // Registering again replaces the earlier task.
    root.folder->DeleteTask(name, 0);
    ComRef<ITaskDefinition> task;
    if (FAILED(root.service->NewTask(0, task.Out())) || !task || !SetUpRegistration(task.get()) ||
        !SetUpPrincipal(task.get()) || !SetUpSettings(task.get()) || !SetUpTrigger(task.get()) ||
        !SetUpAction(task.get(), executable, arguments))
        return false;
    Bstr noText(L"");
    VARIANT empty;
    VariantInit(&empty);
    ComRef<IRegisteredTask> registered;
    return SUCCEEDED(root.folder->RegisterTaskDefinition(name, task.get(), TASK_CREATE_OR_UPDATE, empty, empty,
                                                         TASK_LOGON_INTERACTIVE_TOKEN, TextVariant(noText),
                                                         registered.Out()));
}

bool Autostart::DeleteLogonTask(const wchar_t* entryName)
{
    RootFolder root;
    if (!root.Open())
        return false;
    Bstr name(SafeEntryName(entryName).c_str());
    root.folder->DeleteTask(name, 0);
    return true;
}

void Autostart::FindLogonTask(const wchar_t* entryName, bool* found)
{
    if (!found)
        return;
    *found = false;
    RootFolder root;
    if (!root.Open())
        return;
    Bstr name(SafeEntryName(entryName).c_str());
    ComRef<IRegisteredTask> task;
    *found = SUCCEEDED(root.folder->GetTask(name, task.Out())) && task;
}

} // namespace win
} // namespace app
} // namespace s
