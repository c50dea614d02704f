#pragma once
#include <windows.h>

// The application's OLE message filter. The system's own filter decides how calls that wait are
// answered; this one only keeps whether the busy and not-responding dialogs are wanted, and shows
// neither.
class COleMessageFilter {
public:
    COleMessageFilter();

    void EnableBusyDialog(BOOL enable = TRUE) { busyDialog_ = enable; }
    void EnableNotRespondingDialog(BOOL enable = TRUE) { notRespondingDialog_ = enable; }
    BOOL IsBusyDialogEnabled() const { return busyDialog_; }
    BOOL IsNotRespondingDialogEnabled() const { return notRespondingDialog_; }

private:
    BOOL busyDialog_;
    BOOL notRespondingDialog_;
};

// The process's filter.
COleMessageFilter* AfxOleGetMessageFilter();
