#pragma once
// A recording stand-in for the Task Scheduler's objects: every call the registration makes is
// written down in order, any one of them can be made to fail, and a registered name is kept so it
// can be found and deleted again. No real task is ever registered.
#include <windows.h>

#include <oleauto.h>
#include <taskschd.h>

#include <set>
#include <string>
#include <vector>

#include "app/LogonTrigger.h"

namespace fake_tasks {

struct Record {
    std::vector<std::wstring> calls;
    // The call (counted from 1) that fails; 0: none.
    size_t failAt = 0;
    std::set<std::wstring> registered;
    int liveObjects = 0;
};

inline Record& TheRecord()
{
    static Record record;
    return record;
}

// Writes the call down; false when it is the one to fail.
inline bool Step(const std::wstring& call)
{
    Record& record = TheRecord();
    record.calls.push_back(call);
    return record.calls.size() != record.failAt;
}

inline std::wstring Text(BSTR text)
{
    return text ? text : L"(null)";
}

inline std::wstring VariantText(const VARIANT& value)
{
    if (value.vt == VT_EMPTY)
        return L"(empty)";
    if (value.vt == VT_BSTR)
        return L"\"" + Text(value.bstrVal) + L"\"";
    return L"(other)";
}

template <class T>
class Unknown : public T {
public:
    Unknown() { ++TheRecord().liveObjects; }
    virtual ~Unknown() { --TheRecord().liveObjects; }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch || Answers(iid)) {
            *out = static_cast<T*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

protected:
    virtual bool Answers(REFIID) { return false; }

private:
    ULONG references_ = 1;
};

// Every member the registration does not use answers E_NOTIMPL.
struct StubTaskService : public Unknown<ITaskService> {
    HRESULT STDMETHODCALLTYPE GetFolder(BSTR, ITaskFolder **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRunningTasks(LONG, IRunningTaskCollection **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE NewTask(DWORD, ITaskDefinition **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Connect(VARIANT, VARIANT, VARIANT, VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Connected(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_TargetServer(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ConnectedUser(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ConnectedDomain(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_HighestVersion(DWORD *) override { return E_NOTIMPL; }
};

struct StubTaskFolder : public Unknown<ITaskFolder> {
    HRESULT STDMETHODCALLTYPE get_Name(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Path(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFolder(BSTR, ITaskFolder **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetFolders(LONG, ITaskFolderCollection **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CreateFolder(BSTR, VARIANT, ITaskFolder **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeleteFolder(BSTR, LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTask(BSTR, IRegisteredTask **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTasks(LONG, IRegisteredTaskCollection **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeleteTask(BSTR, LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RegisterTask(BSTR, BSTR, LONG, VARIANT, VARIANT, TASK_LOGON_TYPE, VARIANT, IRegisteredTask **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RegisterTaskDefinition(BSTR, ITaskDefinition *, LONG, VARIANT, VARIANT, TASK_LOGON_TYPE, VARIANT, IRegisteredTask **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSecurityDescriptor(LONG, BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSecurityDescriptor(BSTR, LONG) override { return E_NOTIMPL; }
};

struct StubTaskDefinition : public Unknown<ITaskDefinition> {
    HRESULT STDMETHODCALLTYPE get_RegistrationInfo(IRegistrationInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RegistrationInfo(IRegistrationInfo *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Triggers(ITriggerCollection **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Triggers(ITriggerCollection *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Settings(ITaskSettings **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Settings(ITaskSettings *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Data(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Data(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Principal(IPrincipal **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Principal(IPrincipal *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Actions(IActionCollection **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Actions(IActionCollection *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_XmlText(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_XmlText(BSTR) override { return E_NOTIMPL; }
};

struct StubRegistrationInfo : public Unknown<IRegistrationInfo> {
    HRESULT STDMETHODCALLTYPE get_Description(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Description(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Author(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Author(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Version(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Version(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Date(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Date(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Documentation(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Documentation(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_XmlText(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_XmlText(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_URI(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_URI(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_SecurityDescriptor(VARIANT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_SecurityDescriptor(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Source(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Source(BSTR) override { return E_NOTIMPL; }
};

struct StubPrincipal : public Unknown<IPrincipal> {
    HRESULT STDMETHODCALLTYPE get_Id(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Id(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_DisplayName(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_DisplayName(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_UserId(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_UserId(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LogonType(TASK_LOGON_TYPE *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_LogonType(TASK_LOGON_TYPE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_GroupId(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_GroupId(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RunLevel(TASK_RUNLEVEL_TYPE *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RunLevel(TASK_RUNLEVEL_TYPE) override { return E_NOTIMPL; }
};

struct StubTaskSettings : public Unknown<ITaskSettings> {
    HRESULT STDMETHODCALLTYPE get_AllowDemandStart(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_AllowDemandStart(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RestartInterval(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RestartInterval(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RestartCount(INT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RestartCount(INT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_MultipleInstances(TASK_INSTANCES_POLICY *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_MultipleInstances(TASK_INSTANCES_POLICY) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StopIfGoingOnBatteries(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_StopIfGoingOnBatteries(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_DisallowStartIfOnBatteries(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_DisallowStartIfOnBatteries(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_AllowHardTerminate(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_AllowHardTerminate(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StartWhenAvailable(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_StartWhenAvailable(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_XmlText(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_XmlText(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RunOnlyIfNetworkAvailable(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RunOnlyIfNetworkAvailable(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ExecutionTimeLimit(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ExecutionTimeLimit(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_DeleteExpiredTaskAfter(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_DeleteExpiredTaskAfter(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Priority(INT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Priority(INT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Compatibility(TASK_COMPATIBILITY *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Compatibility(TASK_COMPATIBILITY) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Hidden(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Hidden(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_IdleSettings(IIdleSettings **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_IdleSettings(IIdleSettings *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_RunOnlyIfIdle(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_RunOnlyIfIdle(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_WakeToRun(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_WakeToRun(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_NetworkSettings(INetworkSettings **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_NetworkSettings(INetworkSettings *) override { return E_NOTIMPL; }
};

struct StubTriggerCollection : public Unknown<ITriggerCollection> {
    HRESULT STDMETHODCALLTYPE get_Count(LONG *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Item(LONG, ITrigger **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Create(TASK_TRIGGER_TYPE2, ITrigger **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Remove(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clear() override { return E_NOTIMPL; }
};

struct StubActionCollection : public Unknown<IActionCollection> {
    HRESULT STDMETHODCALLTYPE get_Count(LONG *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Item(LONG, IAction **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get__NewEnum(IUnknown **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_XmlText(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_XmlText(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Create(TASK_ACTION_TYPE, IAction **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Remove(VARIANT) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Clear() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Context(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Context(BSTR) override { return E_NOTIMPL; }
};

struct StubRegisteredTask : public Unknown<IRegisteredTask> {
    HRESULT STDMETHODCALLTYPE get_Name(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Path(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_State(TASK_STATE *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Run(VARIANT, IRunningTask **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE RunEx(VARIANT, LONG, LONG, BSTR, IRunningTask **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetInstances(LONG, IRunningTaskCollection **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LastRunTime(DATE *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_LastTaskResult(LONG *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_NumberOfMissedRuns(LONG *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_NextRunTime(DATE *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Definition(ITaskDefinition **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Xml(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetSecurityDescriptor(LONG, BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetSecurityDescriptor(BSTR, LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Stop(LONG) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetRunTimes(const LPSYSTEMTIME, const LPSYSTEMTIME, DWORD *, LPSYSTEMTIME *) override { return E_NOTIMPL; }
};

struct StubLogonTrigger : public Unknown<ILogonTrigger> {
    HRESULT STDMETHODCALLTYPE get_Type(TASK_TRIGGER_TYPE2 *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Id(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Id(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Repetition(IRepetitionPattern **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Repetition(IRepetitionPattern *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_ExecutionTimeLimit(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_ExecutionTimeLimit(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_StartBoundary(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_StartBoundary(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_EndBoundary(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_EndBoundary(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Enabled(VARIANT_BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Enabled(VARIANT_BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Delay(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Delay(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_UserId(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_UserId(BSTR) override { return E_NOTIMPL; }
};

struct StubExecAction : public Unknown<IExecAction> {
    HRESULT STDMETHODCALLTYPE get_Id(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Id(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Type(TASK_ACTION_TYPE *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Path(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Path(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_Arguments(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_Arguments(BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_WorkingDirectory(BSTR *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_WorkingDirectory(BSTR) override { return E_NOTIMPL; }
};

inline HRESULT Result(bool succeeded)
{
    return succeeded ? S_OK : E_FAIL;
}

struct FakeRegistrationInfo : public StubRegistrationInfo {
    HRESULT STDMETHODCALLTYPE put_Author(BSTR author) override { return Result(Step(L"Author " + Text(author))); }
};

struct FakePrincipal : public StubPrincipal {
    HRESULT STDMETHODCALLTYPE put_Id(BSTR id) override { return Result(Step(L"PrincipalId " + Text(id))); }
    HRESULT STDMETHODCALLTYPE put_LogonType(TASK_LOGON_TYPE type) override
    {
        return Result(Step(L"LogonType " + std::to_wstring(type)));
    }
    HRESULT STDMETHODCALLTYPE put_RunLevel(TASK_RUNLEVEL_TYPE level) override
    {
        return Result(Step(L"RunLevel " + std::to_wstring(level)));
    }
};

struct FakeSettings : public StubTaskSettings {
    HRESULT STDMETHODCALLTYPE put_StartWhenAvailable(VARIANT_BOOL on) override
    {
        return Result(Step(L"StartWhenAvailable " + std::to_wstring(on)));
    }
    HRESULT STDMETHODCALLTYPE put_DisallowStartIfOnBatteries(VARIANT_BOOL on) override
    {
        return Result(Step(L"DisallowStartIfOnBatteries " + std::to_wstring(on)));
    }
    HRESULT STDMETHODCALLTYPE put_StopIfGoingOnBatteries(VARIANT_BOOL on) override
    {
        return Result(Step(L"StopIfGoingOnBatteries " + std::to_wstring(on)));
    }
};

struct FakeLogonTrigger : public StubLogonTrigger {
    HRESULT STDMETHODCALLTYPE put_Id(BSTR id) override { return Result(Step(L"TriggerId " + Text(id))); }
    HRESULT STDMETHODCALLTYPE put_UserId(BSTR user) override { return Result(Step(L"UserId " + Text(user))); }
    HRESULT STDMETHODCALLTYPE put_Delay(BSTR delay) override { return Result(Step(L"Delay " + Text(delay))); }

protected:
    bool Answers(REFIID iid) override
    {
        return iid == s::app::win::kLogonTriggerInterface ? Step(L"QueryLogonTrigger") : false;
    }
};

struct FakeTriggers : public StubTriggerCollection {
    HRESULT STDMETHODCALLTYPE Create(TASK_TRIGGER_TYPE2 type, ITrigger** trigger) override
    {
        *trigger = Step(L"CreateTrigger " + std::to_wstring(type)) ? new FakeLogonTrigger : nullptr;
        return Result(*trigger != nullptr);
    }
};

struct FakeExecAction : public StubExecAction {
    HRESULT STDMETHODCALLTYPE put_Path(BSTR path) override { return Result(Step(L"Path " + Text(path))); }
    HRESULT STDMETHODCALLTYPE put_Arguments(BSTR arguments) override
    {
        return Result(Step(L"Arguments " + Text(arguments)));
    }

protected:
    bool Answers(REFIID iid) override { return iid == __uuidof(IExecAction) ? Step(L"QueryExecAction") : false; }
};

struct FakeActions : public StubActionCollection {
    HRESULT STDMETHODCALLTYPE Create(TASK_ACTION_TYPE type, IAction** action) override
    {
        *action = Step(L"CreateAction " + std::to_wstring(type)) ? new FakeExecAction : nullptr;
        return Result(*action != nullptr);
    }
};

// Hands out a new object when the step succeeds.
template <class Fake, class Interface>
HRESULT Give(const wchar_t* step, Interface** out)
{
    *out = Step(step) ? new Fake : nullptr;
    return Result(*out != nullptr);
}

struct FakeDefinition : public StubTaskDefinition {
    HRESULT STDMETHODCALLTYPE get_RegistrationInfo(IRegistrationInfo** info) override
    {
        return Give<FakeRegistrationInfo>(L"RegistrationInfo", info);
    }
    HRESULT STDMETHODCALLTYPE get_Principal(IPrincipal** principal) override
    {
        return Give<FakePrincipal>(L"Principal", principal);
    }
    HRESULT STDMETHODCALLTYPE get_Settings(ITaskSettings** settings) override
    {
        return Give<FakeSettings>(L"Settings", settings);
    }
    HRESULT STDMETHODCALLTYPE get_Triggers(ITriggerCollection** triggers) override
    {
        return Give<FakeTriggers>(L"Triggers", triggers);
    }
    HRESULT STDMETHODCALLTYPE get_Actions(IActionCollection** actions) override
    {
        return Give<FakeActions>(L"Actions", actions);
    }
};

struct FakeFolder : public StubTaskFolder {
    HRESULT STDMETHODCALLTYPE GetTask(BSTR name, IRegisteredTask** task) override
    {
        const bool known = TheRecord().registered.count(Text(name)) != 0;
        *task = Step(L"GetTask " + Text(name)) && known ? new StubRegisteredTask : nullptr;
        return *task ? S_OK : HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
    HRESULT STDMETHODCALLTYPE DeleteTask(BSTR name, LONG) override
    {
        const bool known = TheRecord().registered.erase(Text(name)) != 0;
        return Step(L"DeleteTask " + Text(name)) && known ? S_OK : HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND);
    }
    HRESULT STDMETHODCALLTYPE RegisterTaskDefinition(BSTR name, ITaskDefinition* definition, LONG flags, VARIANT user,
                                                     VARIANT password, TASK_LOGON_TYPE logonType, VARIANT sddl,
                                                     IRegisteredTask** task) override
    {
        *task = nullptr;
        if (!definition || !Step(L"Register " + Text(name) + L" flags " + std::to_wstring(flags) + L" user " +
                                 VariantText(user) + L" password " + VariantText(password) + L" logon " +
                                 std::to_wstring(logonType) + L" sddl " + VariantText(sddl)))
            return E_FAIL;
        TheRecord().registered.insert(Text(name));
        *task = new StubRegisteredTask;
        return S_OK;
    }
};

struct FakeService : public StubTaskService {
    HRESULT STDMETHODCALLTYPE Connect(VARIANT server, VARIANT user, VARIANT domain, VARIANT password) override
    {
        return Result(Step(L"Connect " + VariantText(server) + L" " + VariantText(user) + L" " +
                           VariantText(domain) + L" " + VariantText(password)));
    }
    HRESULT STDMETHODCALLTYPE GetFolder(BSTR path, ITaskFolder** folder) override
    {
        *folder = Step(L"GetFolder " + Text(path)) ? new FakeFolder : nullptr;
        return Result(*folder != nullptr);
    }
    HRESULT STDMETHODCALLTYPE NewTask(DWORD, ITaskDefinition** definition) override
    {
        return Give<FakeDefinition>(L"NewTask", definition);
    }
};

} // namespace fake_tasks
