// The graphics rows on screen with the stand-in nvapi64.dll. The gadget's own rows come with the
// monitor window; until then a window of the toolkit holds four rows of a name label and a value
// label, each value set by the field's own update callback over the system's readings.
#include <gtest/gtest.h>

#include "FakeFieldRow.h"
#include "SystemGraphicsSources.h"
#include "app/monitor/FieldCallbacks.h"
#include "gpu_vendor/FakeNvApiControl.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Label.h"

using namespace s::system::counter;
using s::gui::win::Box;
using s::gui::win::Label;
using s::gui::win::Window;
using testing_support::FakeNvApi;

namespace {

// A recording row whose value also goes to a label on screen.
class LabelRow : public FakeFieldRow {
public:
    LabelRow(int32_t type, Label* label) : FakeFieldRow(type), label_(label) {}
    void SetValueText(const wchar_t* text, bool repaint) override
    {
        FakeFieldRow::SetValueText(text, repaint);
        label_->SetText(text, true);
    }

private:
    Label* label_;
};

struct Row {
    const wchar_t* name;
    FieldUpdateCallback callback;
    int32_t type;
    const wchar_t* expected;
};

TEST(FakeNvApiGadgetScreenshot, TheGraphicsRowsShowTheLibrarysReadings)
{
    FakeNvApi::Reset();
    FakeNvApi::Install(1);
    SystemGraphicsSources sources;

    Window* window = Window::New();
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(window->IsReady());
    window->SetPosition(60, 60);
    const Row rows[] = {
        {L"GPU", UpdateGpuUsage, 1, L"37%"},
        {L"GPU \u00B0C", UpdateGpuTempC, 3, L"65 \u00B0C"},
        {L"GPU \u00B0F", UpdateGpuTempF, 3, L"149 \u00B0F"},
        {L"GPU Fan", UpdateGpuFan, 3, L"1,234"},
    };
    std::vector<Label*> values;
    for (const Row& row : rows) {
        Box* line = Box::Create(s::gui::IBox::kRow, -1, -1, 0, 1, 12, 0, 6, 2);
        ASSERT_NE(nullptr, line);
        Label* name = Label::New();
        name->SetText(row.name, false);
        name->SetFontBold(true);
        Label* value = Label::New();
        value->SetText(L"-----", false);
        line->AddChild(name);
        line->AddChild(value);
        window->AddChild(line);
        values.push_back(value);
    }
    window->ShrinkToMinimumSize();
    window->SetVisible(true);

    for (size_t i = 0; i < values.size(); ++i) {
        LabelRow row(rows[i].type, values[i]);
        rows[i].callback(&row, nullptr, -1);
        EXPECT_EQ(rows[i].expected, row.value);
        EXPECT_STREQ(rows[i].expected, values[i]->GetText());
    }
    window->ShrinkToMinimumSize();
    HWND frame = window->GetSafeHwnd();
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    testing_support::ScreenImage image;
    ASSERT_TRUE(testing_support::CaptureWindow(frame, &image));
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"GraphicsRowsWithTheStandInLibrary").empty());
    window->ReleaseToPool();
}

} // namespace
