#include "FieldRowsWindow.h"

#include "support/Screenshot.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Label.h"

using s::gui::win::Box;
using s::gui::win::Label;
using s::gui::win::Window;

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
} // namespace

FieldRowsWindow::~FieldRowsWindow()
{
    if (window_)
        window_->ReleaseToPool();
}

bool FieldRowsWindow::Open(const std::vector<std::wstring>& names)
{
    window_ = Window::New();
    if (!window_ || !window_->IsReady())
        return false;
    window_->SetPosition(60, 60);
    for (const std::wstring& text : names) {
        Box* line = Box::Create(s::gui::IBox::kRow, -1, -1, 0, 1, 12, 0, 6, 2);
        if (!line)
            return false;
        Label* name = Label::New();
        name->SetText(text.c_str(), false);
        name->SetFontBold(true);
        Label* value = Label::New();
        value->SetText(L"-----", false);
        line->AddChild(name);
        line->AddChild(value);
        window_->AddChild(line);
        values_.push_back(value);
    }
    window_->ShrinkToMinimumSize();
    window_->SetVisible(true);
    return true;
}

std::wstring FieldRowsWindow::Update(size_t index, s::system::counter::FieldUpdateCallback callback,
                                     int32_t displayType, int64_t extraValue)
{
    LabelRow row(displayType, values_[index]);
    row.extraValue = extraValue;
    callback(&row, nullptr, extraValue);
    return row.value;
}

const wchar_t* FieldRowsWindow::LabelText(size_t index)
{
    return values_[index]->GetText();
}

bool FieldRowsWindow::Save(const wchar_t* name)
{
    window_->ShrinkToMinimumSize();
    // Wide enough for the caption, which the rows alone would cut.
    const int32_t kCaptionWidth = 180;
    if (window_->GetWidth() < kCaptionWidth)
        window_->SetSize(kCaptionWidth, window_->GetHeight());
    HWND frame = window_->GetSafeHwnd();
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    testing_support::ScreenImage image;
    return testing_support::CaptureWindow(frame, &image) && !testing_support::SaveScreenshot(image, name).empty();
}
