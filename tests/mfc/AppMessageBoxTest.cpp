// The application's message box: every box passes one replaceable function.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/base/ApplicationBox.h"
#include "measurement/win/FailureBox.h"
#include "mfc/AppMessageBox.h"
#include "support/BoxRecorder.h"

namespace {

using testing_support::BoxRecorder;

int AlwaysRetry(HWND, const wchar_t*, const wchar_t*, UINT)
{
    return IDRETRY;
}

TEST(AppMessageBox, BoxWithoutCaptionShowsTheApplicationTitle)
{
    BoxRecorder::Take();
    AfxSetAppName(nullptr);
    EXPECT_STREQ(L"", AfxGetAppName());
    AfxSetAppName(L"Pulsegrid");
    EXPECT_EQ(IDOK, AfxMessageBox(L"hello", MB_ICONINFORMATION));
    EXPECT_EQ(IDOK, AfxShowMessageBox(nullptr, L"broken", L"Error!", MB_ICONWARNING));
    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(L"hello", boxes[0].text);
    EXPECT_EQ(L"Pulsegrid", boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes[0].type);
    EXPECT_EQ(L"Error!", boxes[1].caption);
    EXPECT_EQ(GetCurrentThreadId(), boxes[1].threadId);
}

TEST(AppMessageBox, ReplacementAnswersAndHandsBackThePreviousOne)
{
    BoxRecorder::Take();
    AfxMessageBoxHandler recorder = AfxSetMessageBoxHandler(&AlwaysRetry);
    ASSERT_NE(nullptr, recorder);
    EXPECT_EQ(IDRETRY, AfxMessageBox(L"again?", MB_RETRYCANCEL));
    EXPECT_EQ(&AlwaysRetry, AfxSetMessageBoxHandler(recorder));
    EXPECT_TRUE(BoxRecorder::Take().empty());

    // The recorder declines unless told otherwise.
    EXPECT_EQ(IDNO, AfxMessageBox(L"sure?", MB_YESNO));
    EXPECT_EQ(IDCANCEL, AfxMessageBox(L"save?", MB_YESNOCANCEL));
    BoxRecorder::SetAnswer(IDYES);
    EXPECT_EQ(IDYES, AfxMessageBox(L"sure?", MB_YESNO));
    BoxRecorder::SetAnswer(0);
    EXPECT_EQ(3u, BoxRecorder::Take().size());
}

// The layers below cannot include this box; it passes itself down, so theirs reach the handler.
TEST(AppMessageBox, BoxesOfTheLayersBelowGoThroughIt)
{
    BoxRecorder::Take();
    AfxSetAppName(L"Pulsegrid");
    BoxRecorder::SetAnswer(IDYES);
    EXPECT_EQ(IDYES, s::base::ShowApplicationBox(nullptr, L"from below", L"Lookup", MB_YESNO | MB_ICONERROR));
    BoxRecorder::SetAnswer(0);
    s::system::win::FailureBoxFunction previous = s::system::win::SetFailureBox(nullptr);
    s::system::win::ShowFailureBox(L"Pdh.dll is missing");
    s::system::win::SetFailureBox(previous);

    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(L"from below", boxes[0].text);
    EXPECT_EQ(L"Lookup", boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONERROR), boxes[0].type);
    EXPECT_EQ(L"Pdh.dll is missing", boxes[1].text);
    EXPECT_EQ(L"Pulsegrid", boxes[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONINFORMATION), boxes[1].type);
}

} // namespace
