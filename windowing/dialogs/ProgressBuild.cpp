// The progress dialog's window: made anew for each operation, laid out and shown.
#include <cstdint>

#include "core/thread/Thread.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/dialogs/Progress.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/ProgressBar.h"
#include "windowing/widgets/Spacer.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {

using gui::win::Box;
using gui::win::Button;
using gui::win::GroupBox;
using gui::win::Label;
using gui::win::ProgressBar;
using gui::win::Spacer;

const wchar_t kNoPercent[] = L"0%";
const wchar_t kNoTime[] = L"00:00:00";
const int32_t kBarHeight = 16;
const int32_t kOuterMargins = 2;
const int32_t kGroupHGap = 10;
const int32_t kGroupVGap = 3;
const int32_t kGroupHMargins = 7;
const int32_t kGroupVMargins = 1;
const int32_t kGapAboveButtons = 7;
const int32_t kButtonGap = 5;

ProgressBar* NewBar()
{
    ProgressBar* bar = ProgressBar::New();
    if (!bar)
        return nullptr;
    bar->SetWidthPercent(100);
    bar->SetFixedHeight(kBarHeight);
    bar->SetRange(0, Progress::kBarRange);
    bar->SetPosition(Progress::kBarRange);
    return bar;
}

Label* NewLabel(const wchar_t* text)
{
    Label* label = Label::New();
    if (label)
        label->SetText(text, false);
    return label;
}

Label* NewCaptionLabel(int32_t textId)
{
    Label* label = Label::New();
    if (label)
        label->SetTextId(textId);
    return label;
}

Button* NewButton(int32_t textId, bool fullWidth)
{
    Button* button = Button::New();
    if (!button)
        return nullptr;
    button->SetCaptionTextId(textId);
    if (fullWidth)
        button->SetWidthPercent(100);
    return button;
}

void Add(IComponent* container, IComponent* child)
{
    if (container && child)
        container->AddChild(child);
}

Box* NewRow(int32_t hAlign)
{
    return Box::Create(IBox::kRow, 100, -1, hAlign, 1, 0, 0, 0, 0);
}

// A framed column with the dialog's gaps and margins inside.
GroupBox* NewGroup(int32_t captionId)
{
    GroupBox* group = GroupBox::CreateWithBox(L"", 100, IBox::kColumn, kGroupHGap, kGroupVGap);
    if (!group)
        return nullptr;
    group->SetCaptionTextId(captionId);
    IBox* content = dynamic_cast<IBox*>(group->GetContent());
    if (content) {
        content->SetHMargins(kGroupHMargins);
        content->SetVMargins(kGroupVMargins);
    }
    return group;
}

Spacer* NewGap(int32_t orientation, int32_t pixels)
{
    return Spacer::Create(orientation, pixels, false);
}

// Pushes what follows it in a row to the row's right end.
Spacer* NewFiller()
{
    return Spacer::Create(ISpacer::kHorizontal, 100, true);
}

} // namespace

void Progress::Build(HWND owner, const wchar_t* title)
{
    StopRefresh();
    data_.Reset();
    ReleaseWindow();
    owner_ = owner;
    window_ = gui::win::Window::New();
    if (window_ && !window_->IsReady()) {
        window_->ReleaseToPool();
        window_ = nullptr;
    }
    if (!window_)
        return;
    window_->SetSizingBorder(true);
    window_->SetClientEdge(false);
    window_->SetMaximizeBox(false);
    window_->SetAppWindow(holder_, false);
    window_->SetCaption(title ? title : TextOf(kProgressTitleText));
    data_.SetEntryName(TextOf(kProgressPreparingText));
    CreateWidgets();
    LayOut();
    data_.secondValue = static_cast<int64_t>(reinterpret_cast<INT_PTR>(window_->GetSafeHwnd()));
    Listen();
    window_->SetTaskbarButton(true);
    window_->MoveInsideScreen();
    window_->ShrinkHeightToMinimum();
    window_->SetVisible(true);
    if (HasLiveOwner())
        SetOwnerModal(true);
    if (worker_)
        worker_->RunOnce(this);
}

void Progress::CreateWidgets()
{
    entryBar_ = NewBar();
    totalBar_ = NewBar();
    nameLabel_ = NewLabel(TextOf(kProgressPreparingText));
    entryPercentLabel_ = NewLabel(kNoPercent);
    elapsedLabel_ = NewLabel(kNoTime);
    remainingLabel_ = NewLabel(kNoTime);
    totalPercentLabel_ = NewLabel(kNoPercent);
    pauseButton_ = NewButton(kProgressPauseText, true);
    cancelButton_ = NewButton(kProgressCancelText, false);
    minimizeButton_ = NewButton(kProgressMinimizeText, true);
}

void Progress::LayOut()
{
    Box* root = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, kOuterMargins, kOuterMargins);
    if (!root)
        return;

    GroupBox* entryGroup = NewGroup(kProgressEntryGroupText);
    IComponent* entryContent = entryGroup ? entryGroup->GetContent() : nullptr;
    Box* nameRow = NewRow(0);
    Add(nameRow, nameLabel_);
    Add(nameRow, NewFiller());
    Add(nameRow, entryPercentLabel_);
    Add(entryContent, nameRow);
    Add(entryContent, entryBar_);
    Add(root, entryGroup);

    GroupBox* totalGroup = NewGroup(kProgressTotalGroupText);
    IComponent* totalContent = totalGroup ? totalGroup->GetContent() : nullptr;
    Box* elapsedRow = NewRow(0);
    Add(elapsedRow, NewCaptionLabel(kProgressElapsedText));
    Add(elapsedRow, NewGap(ISpacer::kHorizontal, kButtonGap));
    Add(elapsedRow, elapsedLabel_);
    Add(totalContent, elapsedRow);
    Box* remainingRow = NewRow(0);
    Add(remainingRow, NewCaptionLabel(kProgressRemainingText));
    Add(remainingRow, NewGap(ISpacer::kHorizontal, kButtonGap));
    Add(remainingRow, remainingLabel_);
    Add(remainingRow, NewFiller());
    Add(remainingRow, totalPercentLabel_);
    Add(totalContent, remainingRow);
    Add(totalContent, totalBar_);
    Add(root, totalGroup);

    Add(root, NewGap(ISpacer::kVertical, kGapAboveButtons));
    Box* minimizeRow = NewRow(1);
    Add(minimizeRow, minimizeButton_);
    Add(root, minimizeRow);
    Add(root, NewGap(ISpacer::kVertical, kButtonGap));
    Box* buttonRow = NewRow(1);
    Add(buttonRow, pauseButton_);
    Add(buttonRow, NewGap(ISpacer::kHorizontal, kButtonGap));
    Add(buttonRow, cancelButton_);
    Add(root, buttonRow);
    Add(root, NewGap(ISpacer::kVertical, kButtonGap));

    window_->AddChild(root);
}

void Progress::Listen()
{
    if (pauseButton_)
        pauseButton_->AddClickListener(this);
    if (cancelButton_)
        cancelButton_->AddClickListener(this);
    if (minimizeButton_)
        minimizeButton_->AddClickListener(this);
    window_->AddCloseListener(this);
    window_->AddRestoreListener(this);
    window_->AddUserEventListener(this);
}

} // namespace dialogs
} // namespace gui
} // namespace s
