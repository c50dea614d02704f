// The toolkit's boxes: each kind with its icon and buttons, under the application's title.
#include <windows.h>

#include <gtest/gtest.h>

#include "mfc/AppMessageBox.h"
#include "support/BoxRecorder.h"
#include "windowing/MessageBoxW.h"

namespace {

using s::gui::win::MessageBoxW;
using testing_support::BoxRecorder;

class MessageBoxWTest : public testing::Test {
protected:
    void SetUp() override
    {
        AfxSetAppName(L"Pulsegrid");
        BoxRecorder::Take();
        BoxRecorder::SetAnswer(0);
    }
    void TearDown() override { BoxRecorder::SetAnswer(0); }
};

TEST_F(MessageBoxWTest, EachKindShowsItsIconAndButtons)
{
    MessageBoxW* box = MessageBoxW::New();
    ASSERT_NE(nullptr, box);
    box->ShowInfo(L"info");
    box->ShowWarning(L"warning");
    box->ShowError(L"error");
    box->AskYesNo(L"yes or no");
    bool yes = true;
    box->AskYesNoCancel(L"yes, no or cancel", &yes);
    box->ReleaseToPool();

    struct Case {
        const wchar_t* text;
        UINT type;
    };
    const Case cases[] = {
        {L"info", MB_ICONINFORMATION},
        {L"warning", MB_ICONWARNING},
        {L"error", MB_ICONERROR},
        {L"yes or no", MB_ICONQUESTION | MB_YESNO},
        {L"yes, no or cancel", MB_ICONQUESTION | MB_YESNOCANCEL},
    };
    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(sizeof(cases) / sizeof(cases[0]), boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(cases[i].text, boxes[i].text);
        EXPECT_EQ(cases[i].type, boxes[i].type) << i;
        EXPECT_EQ(L"Pulsegrid", boxes[i].caption);
        EXPECT_EQ(nullptr, boxes[i].owner);
    }
}

TEST_F(MessageBoxWTest, AnswersBecomeResults)
{
    struct Case {
        int answer;
        bool yesNo;
        bool yesNoCancel;
        bool yesFlag;
    };
    const Case cases[] = {
        {IDYES, true, true, true},
        {IDNO, false, true, false},
        {IDCANCEL, false, false, false},
    };
    for (const Case& c : cases) {
        BoxRecorder::SetAnswer(c.answer);
        EXPECT_EQ(c.yesNo, s::gui::win::AskYesNo(L"?")) << c.answer;
        MessageBoxW* box = MessageBoxW::New();
        bool yes = !c.yesFlag;
        EXPECT_EQ(c.yesNoCancel, box->AskYesNoCancel(L"?", &yes)) << c.answer;
        if (c.yesNoCancel) {
            EXPECT_EQ(c.yesFlag, yes) << c.answer;
        }
        box->ReleaseToPool();
    }
}

TEST_F(MessageBoxWTest, ModeIsKeptUntilTheBoxGoesBack)
{
    MessageBoxW* box = MessageBoxW::New();
    box->SetMode(2);
    EXPECT_EQ(2, box->GetMode());
    box->SetMode(3);
    box->SetMode(-1);
    EXPECT_EQ(2, box->GetMode());
    box->ReleaseToPool();
    MessageBoxW* again = MessageBoxW::New();
    EXPECT_EQ(0, again->GetMode());
    EXPECT_STREQ(L"s_gui_win_MessageBoxW", again->GetClassName());
    again->ReleaseToPool();
}

TEST_F(MessageBoxWTest, WindowFailuresAreToldUnderErrorTitle)
{
    s::gui::win::ShowWindowCreationFailed();
    s::gui::win::ShowWindowRegistrationFailed();
    s::gui::win::ShowInfoMessage(L"note");
    s::gui::win::ShowErrorMessage(L"broken");
    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(4u, boxes.size());
    EXPECT_EQ(L"Window Creation Failed!", boxes[0].text);
    EXPECT_EQ(L"Error!", boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONWARNING), boxes[0].type);
    EXPECT_EQ(L"Window Registration Failed!", boxes[1].text);
    EXPECT_EQ(L"Error!", boxes[1].caption);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes[2].type);
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), boxes[3].type);
}

TEST_F(MessageBoxWTest, SaveChangesAsksYesNoCancel)
{
    struct Case {
        int answer;
        bool answered;
        bool yes;
    };
    const Case cases[] = {{IDYES, true, true}, {IDNO, true, false}, {IDCANCEL, false, false}};
    for (const Case& c : cases) {
        BoxRecorder::SetAnswer(c.answer);
        bool yes = !c.yes;
        EXPECT_EQ(c.answered, s::gui::win::AskSaveChanges(nullptr, &yes)) << c.answer;
        if (c.answered) {
            EXPECT_EQ(c.yes, yes) << c.answer;
        }
    }
    s::gui::win::AskSaveChanges(L"Save the skin?", nullptr);
    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(4u, boxes.size());
    EXPECT_EQ(L"Do you want to save the changes?", boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONQUESTION | MB_YESNOCANCEL), boxes[0].type);
    EXPECT_EQ(L"Save the skin?", boxes[3].text);
}

} // namespace
