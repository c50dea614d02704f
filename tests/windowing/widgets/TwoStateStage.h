#pragma once
#include <windows.h>

#include <cwchar>
#include <vector>

#include "windowing/widgets/TextField.h"
#include "windowing/widgets/WidgetStage.h"

namespace testing_support {

// The stage of the two-state widgets (check box, radio button): targets for their links, given
// back after the test, a click on a native control, and a text's extent in a control's font.
class TwoStateStage : public WidgetStage {
protected:
    void TearDown() override
    {
        for (s::gui::win::TextField* field : fields_)
            field->ReleaseToPool();
        WidgetStage::TearDown();
    }

    // A target that only stores what it is told.
    s::gui::win::TextField* NewTarget()
    {
        s::gui::win::TextField* field = s::gui::win::TextField::New();
        if (field)
            fields_.push_back(field);
        return field;
    }

    static void Click(HWND control)
    {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }

    static SIZE ExtentIn(HWND control, const wchar_t* text)
    {
        HDC dc = GetDC(control);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &extent);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        return extent;
    }

    std::vector<s::gui::win::TextField*> fields_;
};

} // namespace testing_support
