#pragma once
#include <windows.h>

#include <commdlg.h>

class CWnd;

// The system's colour dialog (mfc/CommonDialogs.h). Colours are COLORREF values; the sixteen
// custom colours start white and live as long as the object.
class CColorDialog {
public:
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    // IDOK when the user confirmed a colour, else IDCANCEL.
    INT_PTR DoModal();
    // The confirmed colour; the initial one before a confirmed run.
    COLORREF GetColor() const { return m_cc.rgbResult; }

    CHOOSECOLORW m_cc;

private:
    CColorDialog(const CColorDialog&) = delete;
    CColorDialog& operator=(const CColorDialog&) = delete;

    COLORREF customColors_[16];
};
