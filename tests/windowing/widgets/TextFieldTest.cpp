// The text field: its size, the Enter key, change and focus listeners, and its colour answer.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "support/RecordingListener.h"
#include "support/Wait.h"
#include "windowing/Messages.h"
#include "windowing/widgets/TextField.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::ITextField;
using s::gui::win::TextField;
using testing_support::RecordingListener;
using testing_support::WaitUntil;

const DWORD kBoundMillis = 5000;

class TextFieldTest : public testing_support::WidgetStage {
protected:
    void SetUp() override
    {
        WidgetStage::SetUp();
        field_ = NewField(L"abc");
        ASSERT_NE(nullptr, field_);
    }

    TextField* NewField(const wchar_t* text)
    {
        TextField* field = TextField::New();
        if (!field)
            return nullptr;
        field->SetText(text, false);
        field->AddListener(&changes_);
        field->AddEnterListener(&enters_);
        field->AddFocusLostListener(&focusLost_);
        Add(field);
        return field;
    }

    HWND Control() { return field_->GetSafeHwnd(); }

    // Waits until the window's thread has handled everything posted before.
    void Settle() { SendMessageW(Control(), WM_NULL, 0, 0); }

    RecordingListener changes_;
    RecordingListener enters_;
    RecordingListener focusLost_;
    TextField* field_ = nullptr;
};

TEST_F(TextFieldTest, ACreatedFieldIsAnEditControlOfItsContentSize)
{
    wchar_t className[16] = {};
    GetClassNameW(Control(), className, 16);
    EXPECT_STREQ(L"Edit", className);
    EXPECT_EQ(1001, GetDlgCtrlID(Control()));
    EXPECT_STREQ(L"abc", field_->GetText());
    EXPECT_EQ(50, field_->GetMinWidth());
    EXPECT_EQ(50, field_->GetMaxWidth());
    EXPECT_EQ(23, field_->GetMinHeight());
    EXPECT_EQ(23, field_->GetMaxHeight());
    // The text it starts with told nobody.
    EXPECT_EQ(0u, changes_.Count());
}

TEST_F(TextFieldTest, LayoutSizeIsClampedIntoTheLimits)
{
    struct Case {
        int32_t width;
        int32_t height;
        int32_t fixedWidth;
        int32_t minWidth;
        int32_t expectedWidth;
        int32_t expectedHeight;
    };
    const Case cases[] = {
        {10, 0, -1, -1, 50, 23},   {500, 500, -1, -1, 50, 23}, {-5, -5, -1, -1, 50, 23},
        {10, 0, -1, 120, 120, 23}, {500, 0, -1, 120, 120, 23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " min " << c.minWidth);
        field_->SetMinWidth(c.minWidth);
        field_->SetLayoutSize(c.width, c.height);
        EXPECT_EQ(c.expectedWidth, field_->GetWidth());
        EXPECT_EQ(c.expectedHeight, field_->GetHeight());
    }
}

TEST_F(TextFieldTest, EnterThroughTheLoopTellsCodeTwoAndInsertsNothing)
{
    PostMessageW(Control(), WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(Control(), WM_KEYUP, VK_RETURN, 0xC0000001);
    ASSERT_TRUE(WaitUntil([this] { return enters_.Count() > 0; }, kBoundMillis));
    Settle();
    const std::vector<RecordingListener::Heard> heard = enters_.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(ITextField::kEventEnter, heard[0].code);
    EXPECT_EQ(static_cast<s::base::IObject*>(field_), heard[0].source);
    EXPECT_STREQ(L"abc", field_->GetText());
    EXPECT_EQ(0u, changes_.Count());
}

TEST_F(TextFieldTest, TypingTellsTheChangeListenersOnlyWhileNotifyIsOn)
{
    SendMessageW(Control(), EM_SETSEL, 3, 3);
    PostMessageW(Control(), WM_CHAR, L'x', 1);
    ASSERT_TRUE(WaitUntil([this] { return changes_.Count() > 0; }, kBoundMillis));
    EXPECT_STREQ(L"abcx", field_->GetText());
    EXPECT_EQ(ITextField::kEventChanged, changes_.Take()[0].code);

    field_->SetNotifyChanges(false);
    PostMessageW(Control(), WM_CHAR, L'y', 1);
    ASSERT_TRUE(WaitUntil([this] { return std::wstring(field_->GetText()) == L"abcxy"; }, kBoundMillis));
    Settle();
    EXPECT_EQ(0u, changes_.Count());
}

TEST_F(TextFieldTest, SetTextTellsTheChangeListenersOnlyWhenAsked)
{
    field_->SetText(L"quiet", false);
    EXPECT_STREQ(L"quiet", field_->GetText());
    EXPECT_EQ(0u, changes_.Count());
    field_->SetText(L"told", true);
    EXPECT_STREQ(L"told", field_->GetText());
    EXPECT_GE(changes_.Count(), 1u);
    // The flag of the call does not change the field's own.
    EXPECT_TRUE(field_->IsNotifyChanges());
}

TEST_F(TextFieldTest, LosingTheFocusTellsCodeThreeAlsoWithNotifyOff)
{
    TextField* other = NewField(L"other");
    ASSERT_NE(nullptr, other);
    field_->SetNotifyChanges(false);
    field_->SelectAll();
    other->SelectAll();
    ASSERT_TRUE(WaitUntil([this] { return focusLost_.Count() > 0; }, kBoundMillis));
    const std::vector<RecordingListener::Heard> heard = focusLost_.Take();
    EXPECT_EQ(ITextField::kEventFocusLost, heard[0].code);
    EXPECT_EQ(static_cast<s::base::IObject*>(field_), heard[0].source);
    EXPECT_EQ(0u, changes_.Count());
}

TEST_F(TextFieldTest, TheColourAnswerFollowsStateAndBackground)
{
    struct Case {
        const char* name;
        bool enabled;
        bool editable;
        bool special;
        COLORREF expected;
    };
    box_->SetBackgroundColor(200, 100, 50, false);
    field_->SetBackgroundColor(10, 20, 30, false);
    const Case cases[] = {
        {"enabled and editable", true, true, false, RGB(10, 20, 30)},
        {"read-only", true, false, false, GetSysColor(COLOR_BTNFACE)},
        {"disabled", false, true, false, GetSysColor(COLOR_BTNFACE)},
        {"special background", true, true, true, RGB(200, 100, 50)},
    };
    field_->GetFont()->SetColor(0, 0, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        field_->SetEnabled(c.enabled);
        field_->SetEditable(c.editable);
        field_->SetSpecialBackground(c.special);
        HDC dc = CreateCompatibleDC(nullptr);
        const HBRUSH brush = reinterpret_cast<HBRUSH>(
            SendMessageW(Control(), s::gui::msg::kReflectCtlColor, reinterpret_cast<WPARAM>(dc), 0));
        LOGBRUSH description = {};
        ASSERT_NE(0, GetObjectW(brush, sizeof(description), &description));
        EXPECT_EQ(static_cast<UINT>(BS_SOLID), description.lbStyle);
        EXPECT_EQ(c.expected, description.lbColor);
        EXPECT_EQ(c.expected, GetBkColor(dc));
        EXPECT_EQ(RGB(0, 0, 255), GetTextColor(dc));
        DeleteDC(dc);
    }
}

TEST_F(TextFieldTest, StateSetBeforeCreationIsAppliedAtCreation)
{
    TextField* field = TextField::New();
    ASSERT_NE(nullptr, field);
    field->SetText(L"secret", false);
    field->SetPassword(true);
    field->SetEditable(false);
    field->SetEnabled(false);
    Add(field);
    HWND control = field->GetSafeHwnd();
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(L'*', static_cast<wchar_t>(SendMessageW(control, EM_GETPASSWORDCHAR, 0, 0)));
    EXPECT_TRUE(GetWindowLongPtrW(control, GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(IsWindowEnabled(control));
    EXPECT_STREQ(L"secret", field->GetText());
    field->SetPassword(false);
    EXPECT_EQ(0, SendMessageW(control, EM_GETPASSWORDCHAR, 0, 0));
}

} // namespace
