#pragma once
#include <windows.h>

#include <taskschd.h>

// The Task Scheduler's logon trigger, which the compiler's SDK headers leave out: the four
// members it adds to ITrigger, in the system's order.
struct ILogonTrigger : public ITrigger {
    virtual HRESULT STDMETHODCALLTYPE get_Delay(BSTR* delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_Delay(BSTR delay) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_UserId(BSTR* user) = 0;
    virtual HRESULT STDMETHODCALLTYPE put_UserId(BSTR user) = 0;
};

namespace s {
namespace app {
namespace win {

const IID kLogonTriggerInterface = {0x72DADE38, 0xFAE4, 0x4B3E, {0xBA, 0xF4, 0x5D, 0x00, 0x9A, 0xF0, 0x2B, 0x1C}};

} // namespace win
} // namespace app
} // namespace s
