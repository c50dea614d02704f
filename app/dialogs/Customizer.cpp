#include "app/dialogs/Customizer.h"

#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/TextIds.h"
#include "app/dialogs/DialogLayout.h"
#include "app/dialogs/StringCell.h"
#include "app/monitor/MonitorBlock.h"
#include "core/col/ArrayP.h"
#include "core/str/StrBuffer.h"
#include "lists/IListBox2.h"
#include "lists/ListBoxEx.h"
#include "lists/ListHeader.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/paint/IFont.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/ISpacer.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/Spacer.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
namespace toolkit = ::s::gui;
using toolkit::listbox2::Record;
using toolkit::listbox2::SubRecord;
using str::strbuffer::StrBuffer;
using namespace toolkit::dialogs::dialog_layout;

const int32_t kNoVersionText = -1;
const int32_t kButtonWidth = 90;
const int32_t kMargin = 2;
const int32_t kBodyGap = 10;
const int32_t kApplyGap = 15;
const int32_t kSideEnds = 20;
const int32_t kSideGap = 2;
// The "Load Default:" label: regular 9 points.
const int32_t kLabelSizeCode = -1;
const int32_t kColumnWidth = 600;
const int32_t kHeaderHeight = 20;
// The header's regular 8 points.
const int32_t kHeaderSizeCode = -2;
const int32_t kLeftAligned = 0;
// The window lays its content out three times so that sizes measured in one pass settle.
const int32_t kLayoutPasses = 3;

counter::MonitorBlock* FieldAt(col::_array::ArrayP* fields, uint32_t index)
{
    return static_cast<counter::MonitorBlock*>(fields->Get(index));
}

toolkit::win::Spacer* Gap(int32_t orientation, int32_t pixels)
{
    return toolkit::win::Spacer::Create(orientation, pixels, false);
}

// One row: the field as user data, its name as the monitor shows it now, its check.
Record* NewRow(counter::MonitorBlock* field)
{
    Record* record = Record::New();
    SubRecord* cell = SubRecord::New();
    if (!record || !cell) {
        if (record)
            record->ReleaseToPool();
        if (cell)
            cell->ReleaseToPool();
        return nullptr;
    }
    record->userData = field;
    record->id = toolkit::listbox2::NextRecordId();
    cell->value = reinterpret_cast<uintptr_t>(StrBuffer::FromText(field->GetShownLabel()));
    cell->valueDestructor = StrBuffer::GetPool();
    cell->formatter = &toolkit::dialogs::FormatStringCell;
    cell->checkState = field->IsEnabled() ? kChoiceTicked : kChoiceClear;
    record->AddCell(cell);
    return record;
}
} // namespace

Customizer::Customizer()
    : owner_(nullptr), holder_(nullptr), localizer_(nullptr), window_(nullptr), selectedRow_(nullptr),
      selectedRowId_(-1), displayOrder_(nullptr), catalogueOrder_(nullptr), listBox_(nullptr), up_(nullptr),
      down_(nullptr), order_(nullptr), selection_(nullptr), apply_(nullptr), ok_(nullptr), cancel_(nullptr)
{
}

Customizer::~Customizer()
{
    Reset();
}

thread::EasyPooler* Customizer::GetPool()
{
    static const bool heldPoolsMade = toolkit::win::Window::GetPool() && toolkit::win::Box::GetPool() &&
                                      toolkit::win::Button::GetPool() && toolkit::win::Label::GetPool() &&
                                      toolkit::win::Spacer::GetPool() && toolkit::win::ListBoxEx::GetPool() &&
                                      Record::GetPool() && SubRecord::GetPool() && StrBuffer::GetPool();
    (void)heldPoolsMade;
    return &thread::PoolOf<Customizer, kPoolCapacity>();
}

Customizer* Customizer::New()
{
    return static_cast<Customizer*>(GetPool()->Take());
}

const wchar_t* Customizer::GetClassName()
{
    return kClassName;
}

base::IObject* Customizer::NewInstance()
{
    return New();
}

void Customizer::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Customizer::Reset()
{
    ReleaseWindow();
    owner_ = nullptr;
    holder_ = nullptr;
    localizer_ = nullptr;
    displayOrder_ = nullptr;
    catalogueOrder_ = nullptr;
}

void Customizer::SetFields(col::_array::ArrayP* displayOrder, col::_array::ArrayP* catalogueOrder)
{
    displayOrder_ = displayOrder;
    catalogueOrder_ = catalogueOrder;
}

toolkit::IListBox2* Customizer::GetList()
{
    return listBox_ ? listBox_->GetListBox() : nullptr;
}

// The controls and rows go with the window's content; its close, told while it goes, finds no
// window any more and leaves the owner as the new showing set it.
void Customizer::ReleaseWindow()
{
    listBox_ = nullptr;
    up_ = down_ = order_ = selection_ = apply_ = ok_ = cancel_ = nullptr;
    selectedRow_ = nullptr;
    selectedRowId_ = -1;
    choices_.SetList(nullptr);
    toolkit::win::Window* window = window_;
    window_ = nullptr;
    if (window)
        window->ReleaseToPool();
}

void Customizer::Show(toolkit::IWindow* owner)
{
    ReleaseWindow();
    owner_ = owner;
    window_ = toolkit::win::Window::New();
    if (!window_)
        return;
    window_->SetSizingBorder(true);
    window_->SetClientEdge(false);
    window_->SetMaximizeBox(false);
    window_->SetMinimizeBox(false);
    if (holder_) {
        window_->SetAppWindow(holder_, true);
    } else {
        window_->SetLocalizer(localizer_);
        window_->SetCaptionTextId(app::kBaseTextId + app::kTitleOffset, kNoVersionText);
        window_->SetSize(app::win::kCustomizerWindowDefaults.width, app::win::kCustomizerWindowDefaults.height);
    }
    BuildButtons();
    listBox_ = toolkit::win::ListBoxEx::Create(kFull, kFull);
    choices_.SetList(GetList());

    toolkit::win::Box* content =
        toolkit::win::Box::Create(toolkit::IBox::kColumn, kFull, kFull, kLeft, kTop, 0, 0, kMargin, kMargin);
    toolkit::win::Box* body =
        toolkit::win::Box::Create(toolkit::IBox::kRow, kFull, kFull, kLeft, kCentre, 0, 0, 0, 0);
    toolkit::win::Box* foot = NewRowBox(kLeft);
    if (content) {
        window_->AddChild(content);
        AddTo(body, listBox_);
        AddTo(body, Gap(toolkit::ISpacer::kHorizontal, kBodyGap));
        AddTo(body, BuildSideColumn());
        AddTo(foot, BuildButtonRow());
        AddTo(content, body);
        AddTo(content, Gap(toolkit::ISpacer::kVertical, kBodyGap));
        AddTo(content, foot);
    }
    SetUpList();
    ListenToControls();
    for (int32_t pass = 0; pass < kLayoutPasses; ++pass)
        window_->DoLayout();
    window_->MoveInsideScreen();
    window_->SetVisible(true);
    if (owner_)
        owner_->SetModalState(true);
}

void Customizer::BuildButtons()
{
    struct Entry {
        toolkit::win::Button** button;
        int32_t textId;
    };
    const Entry entries[] = {{&cancel_, kCancelText},        {&ok_, kOkText},      {&apply_, kApplyText},
                             {&selection_, kSelectionText}, {&order_, kOrderText}, {&down_, kDownText},
                             {&up_, kUpText}};
    for (const Entry& entry : entries) {
        toolkit::win::Button* button = toolkit::win::Button::New();
        *entry.button = button;
        if (!button)
            continue;
        button->SetCaptionTextId(entry.textId);
        button->SetEnabled(true);
        button->SetFixedSize(kButtonWidth, kFree);
    }
}

toolkit::win::Box* Customizer::BuildSideColumn()
{
    toolkit::win::Box* side =
        toolkit::win::Box::Create(toolkit::IBox::kColumn, kFree, kFull, kCentre, kTop, 0, 0, 0, 0);
    if (!side)
        return nullptr;
    const int32_t vertical = toolkit::ISpacer::kVertical;
    AddTo(side, Gap(vertical, kSideEnds));
    AddTo(side, up_);
    AddTo(side, Gap(vertical, kSideGap));
    AddTo(side, down_);
    AddTo(side, toolkit::win::Spacer::Create(vertical, kFull, true));
    AddTo(side, toolkit::win::Label::Create(kLoadDefaultText, false, kLabelSizeCode));
    AddTo(side, Gap(vertical, kSideGap));
    AddTo(side, order_);
    AddTo(side, Gap(vertical, kSideGap));
    AddTo(side, selection_);
    AddTo(side, Gap(vertical, kSideEnds));
    return side;
}

toolkit::win::Box* Customizer::BuildButtonRow()
{
    toolkit::win::Box* row = NewRowBox(kRight);
    if (!row)
        return nullptr;
    AddTo(row, apply_);
    AddTo(row, Gap(toolkit::ISpacer::kHorizontal, kApplyGap));
    AddTo(row, ok_);
    AddTo(row, cancel_);
    return row;
}

void Customizer::SetUpList()
{
    toolkit::IListBox2* list = GetList();
    if (!list)
        return;
    list->AddLocalizedColumn(localizer_, kFieldsColumnText, kColumnWidth, kLeftAligned, false, nullptr, true, false,
                             true, false, false);
    if (toolkit::win::ListHeader* header = list->GetHeader()) {
        header->SetHeight(kHeaderHeight);
        header->GetFont()->SetSizeCode(kHeaderSizeCode);
    }
    list->SetDragReorder(true);
    list->SetFullRowSelect(true);
    listBox_->SetBorder(true);
    list->SetMultiSelect(false);
}

void Customizer::ListenToControls()
{
    if (toolkit::IListBox2* list = GetList()) {
        list->AddSingleSelectListener(this);
        list->AddSelectionEmptiedListener(this);
        list->AddSelectListener(this);
        list->AddRowsMovedListener(this);
        list->AddDoubleClickListener(this);
        // Filled before the check listeners join: the rows' own checks are no edits.
        FillList();
        list->AddCheckListener(this);
        list->AddUncheckListener(this);
    }
    for (toolkit::win::Button* button : {up_, down_, order_, selection_, apply_, ok_, cancel_}) {
        if (button)
            button->AddClickListener(this);
    }
    for (toolkit::win::Button* button : {up_, down_, apply_}) {
        if (button)
            button->SetEnabled(false);
    }
    window_->AddCloseListener(this);
}

void Customizer::FillList()
{
    toolkit::IListBox2* list = GetList();
    if (!list || !displayOrder_)
        return;
    for (uint32_t i = 0; i < displayOrder_->GetCount(); ++i) {
        counter::MonitorBlock* field = FieldAt(displayOrder_, i);
        Record* row = field ? NewRow(field) : nullptr;
        if (row)
            list->AddRow(row);
    }
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
