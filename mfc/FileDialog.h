#pragma once
#include <windows.h>

#include <commdlg.h>

#include <string>

class CWnd;

// A place in a multiple choice, as GetNextPathName walks it; null when none remains.
struct AfxPosition {};
typedef AfxPosition* POSITION;

// The system's open or save dialog (mfc/CommonDialogs.h), explorer style, with a hook that hands
// the type-change notice to OnTypeChange. The filter is "|"-separated: name|pattern|...|, ending
// in "||". The dialog writes its result into its own path buffer unless the caller gives
// m_ofn another one before DoModal.
class CFileDialog {
public:
    CFileDialog(BOOL openFileDialog, const wchar_t* defaultExtension = nullptr, const wchar_t* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const wchar_t* filter = nullptr,
                CWnd* parent = nullptr);
    virtual ~CFileDialog();

    // IDOK when the user confirmed a choice the buffer holds whole, else IDCANCEL.
    virtual INT_PTR DoModal();

    // The walk over a confirmed choice: each call gives one full path and moves on. A single
    // choice gives its one path. Never reads past the buffer's capacity.
    POSITION GetStartPosition() const;
    std::wstring GetNextPathName(POSITION& position) const;
    // The full path of a single choice.
    std::wstring GetPathName() const;
    // The chosen name without folder and extension; while the dialog runs, the name in its box.
    std::wstring GetFileTitle() const;
    // A control of the running dialog gets the text; nothing when the dialog is not shown.
    void SetControlText(int id, const wchar_t* text);

    OPENFILENAMEW m_ofn;
    BOOL m_bOpenFileDialog;

protected:
    // The user chose another entry of the file-type list (m_ofn.nFilterIndex, from 1).
    virtual void OnTypeChange();

private:
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    static UINT_PTR CALLBACK HookProcedure(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
    // The dialog box itself: the hook's window is a child of it.
    HWND GetDialogWindow() const;

    std::wstring filter_;
    std::wstring defaultExtension_;
    wchar_t fileName_[MAX_PATH];
    HWND hook_;
};
