// The skin colour editor's object and its window: building, the rows, the buttons.
#include "app/dialogs/SkinCustomizer.h"

#include "app/AppWindow.h"
#include "app/dialogs/DialogLayout.h"
#include "app/dialogs/SkinCustomizerClrPicker.h"
#include "core/str/StrBuffer.h"
#include "lists/IListBox2.h"
#include "lists/ListBoxEx.h"
#include "lists/ListHeader.h"
#include "lists/ScrollBox.h"
#include "skins/Skinner.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/Spacer.h"
#include "windowing/widgets/TextField.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {
using namespace dialog_layout;

const int32_t kMargin = 2;
const int32_t kNameFieldHeight = 20;
const int32_t kHeaderHeight = 20;
const int32_t kListColumnWidth = 300;
const int32_t kRowGap = 12;
const int32_t kRowSideMargin = 10;
const int32_t kRegularTenPoints = 0;
const wchar_t kCaption[] = L"Zorv SkinCustomizer";
const wchar_t kSkinsColumn[] = L"Skins";
const wchar_t kNameLabel[] = L"Skin Name: ";

// The rows in the order of the skin's colours; the hidden ones are loaded, saved and reverted
// like the others.
struct RowSpec {
    const wchar_t* caption;
    bool shown;
};
const RowSpec kRows[SkinCustomizer::kColorRows] = {
    {L"Window Background:", true},
    {L"Window Border:", true},
    {L"Components:", true},
    {L"Components Disabled:", true},
    {L"GroupBox Border:", false},
    {L"Texts:", true},
    {L"Texts Outline:", false},
    {L"ScrollBar Background:", true},
    {L"List Highlight / Header Background:", true},
    {L"List Highlight / Header Font:", true},
    {L"List Background:", true},
    {L"List Font:", true},
    {L"List Alternate Row Background:", true},
    {L"Graph:", false},
    {L"Graph2:", false},
};

gui::win::Spacer* Space(int32_t orientation, int32_t length, bool percent)
{
    return gui::win::Spacer::Create(orientation, length, percent);
}

} // namespace

SkinCustomizer::SkinCustomizer()
    : owner_(nullptr), holder_(nullptr), localizer_(nullptr), settings_(nullptr), window_(nullptr),
      skinList_(nullptr), skinner_(nullptr), currentName_(str::strbuffer::StrBuffer::New()), edited_(nullptr),
      nameField_(nullptr), changeName_(nullptr), addSkin_(nullptr), deleteSkin_(nullptr), save_(nullptr),
      cancel_(nullptr), restore_(nullptr), import_(nullptr), export_(nullptr), close_(nullptr),
      reselectPending_(false), listening_(false)
{
    for (SkinCustomizerClrPicker*& row : rows_)
        row = SkinCustomizerClrPicker::New();
}

SkinCustomizer::~SkinCustomizer()
{
    Reset();
    for (SkinCustomizerClrPicker*& row : rows_) {
        if (row)
            row->ReleaseToPool();
        row = nullptr;
    }
    if (currentName_)
        currentName_->ReleaseToPool();
}

thread::EasyPooler* SkinCustomizer::GetPool()
{
    static const bool heldPoolsMade = gui::win::Window::GetPool() && gui::win::Box::GetPool() &&
                                      gui::win::Button::GetPool() && gui::win::TextField::GetPool() &&
                                      SkinCustomizerClrPicker::GetPool();
    (void)heldPoolsMade;
    return &thread::PoolOf<SkinCustomizer, kPoolCapacity>();
}

SkinCustomizer* SkinCustomizer::New()
{
    return static_cast<SkinCustomizer*>(GetPool()->Take());
}

const wchar_t* SkinCustomizer::GetClassName()
{
    return kClassName;
}

base::IObject* SkinCustomizer::NewInstance()
{
    return New();
}

void SkinCustomizer::ReleaseToPool()
{
    GetPool()->Give(this);
}

void SkinCustomizer::Reset()
{
    ReleaseWindow();
    LeaveSkinner();
    for (SkinCustomizerClrPicker* row : rows_) {
        if (row)
            row->Reset();
    }
    if (currentName_)
        currentName_->Clear();
    owner_ = nullptr;
    holder_ = nullptr;
    localizer_ = nullptr;
    settings_ = nullptr;
    skinner_ = nullptr;
    edited_ = nullptr;
    reselectPending_ = false;
}

void SkinCustomizer::SetAppWindow(app::win::AppWindow* holder)
{
    holder_ = holder;
    localizer_ = holder ? holder->GetLangPack() : nullptr;
}

void SkinCustomizer::SetServices(lang::Localizer* localizer, map::IMappedData* settings)
{
    localizer_ = localizer;
    settings_ = settings;
}

void SkinCustomizer::SetSkinner(drawer::Skinner* skinner)
{
    if (skinner == skinner_)
        return;
    LeaveSkinner();
    skinner_ = skinner;
}

void SkinCustomizer::LeaveSkinner()
{
    if (skinner_ && listening_)
        skinner_->RemoveListener(this);
    listening_ = false;
}

IListBox2* SkinCustomizer::GetSkinList()
{
    return skinList_ ? skinList_->GetListBox() : nullptr;
}

SkinCustomizerClrPicker* SkinCustomizer::GetRow(int32_t index)
{
    return index >= 0 && index < kColorRows ? rows_[index] : nullptr;
}

const wchar_t* SkinCustomizer::GetCurrentName()
{
    return currentName_ ? currentName_->GetText() : L"";
}

void SkinCustomizer::ReleaseWindow()
{
    // The controls go with the window's content.
    skinList_ = nullptr;
    nameField_ = nullptr;
    changeName_ = addSkin_ = deleteSkin_ = save_ = cancel_ = restore_ = import_ = export_ = close_ = nullptr;
    gui::win::Window* window = window_;
    window_ = nullptr;
    if (window)
        window->ReleaseToPool();
}

void SkinCustomizer::Show(IWindow* owner)
{
    ReleaseWindow();
    for (SkinCustomizerClrPicker* row : rows_) {
        if (row)
            row->Reset();
    }
    owner_ = owner;
    reselectPending_ = false;
    window_ = gui::win::Window::New();
    if (!window_)
        return;
    window_->SetSizingBorder(true);
    window_->SetClientEdge(false);
    window_->SetCaptionBar(true);
    window_->SetMaximizeBox(false);
    if (holder_)
        window_->SetAppWindow(holder_, false);
    else if (localizer_)
        window_->SetLocalizer(localizer_);
    window_->SetCaption(kCaption);

    LeaveSkinner();
    edited_ = skinner_ ? skinner_->GetCurrentSkin() : nullptr;
    LoadColors();

    gui::win::Box* content = gui::win::Box::Create(IBox::kColumn, kFull, kFull, kLeft, kTop, 0, 0, kMargin, kMargin);
    if (content) {
        window_->AddChild(content);
        AddTo(content, BuildBody());
        AddTo(content, Space(ISpacer::kVertical, 15, false));
        AddTo(content, BuildBottomRow());
    }

    if (IListBox2* list = GetSkinList()) {
        FillList();
        list->AddSelectListener(this);
        list->AddRowsMovedListener(this);
    }
    if (skinner_) {
        skinner_->AddListener(this);
        listening_ = true;
    }
    if (nameField_) {
        nameField_->SetText(GetCurrentName(), false);
        nameField_->AddListener(this);
    }
    SetNameButtons(false);
    if (deleteSkin_)
        deleteSkin_->SetEnabled(skinner_ && skinner_->GetSkinCount() > 1);
    SetSaveButtons(false);
    for (gui::win::Button* button :
         {changeName_, addSkin_, deleteSkin_, save_, cancel_, restore_, import_, export_, close_}) {
        if (button)
            button->AddClickListener(this);
    }
    window_->AddCloseListener(this);
    // The skin manager's news from other threads come back as posted events.
    window_->AddUserEventListener(this);
    window_->SetTaskbarButton(true);
    window_->DoLayout();
    window_->DoLayout();
    window_->MoveInsideScreen();
    window_->SetVisible(true);
}

IComponent* SkinCustomizer::BuildBody()
{
    gui::win::Box* body = gui::win::Box::Create(IBox::kRow, kFull, kFull, kLeft, kTop, 0, 0, kMargin, kMargin);
    if (!body)
        return nullptr;
    gui::win::Box* left = gui::win::Box::Create(IBox::kColumn, kFree, kFull, kLeft, kTop, 0, 0, kMargin, kMargin);
    if (left) {
        skinList_ = gui::win::ListBoxEx::CreateWithHeight(kFull);
        if (skinList_) {
            skinList_->SetBorder(true);
            if (IListBox2* list = skinList_->GetListBox()) {
                list->SetMultiSelect(false);
                list->SetFullRowSelect(true);
                list->SetDragReorder(true);
                list->AddColumn(kSkinsColumn, kListColumnWidth, kLeft, false, nullptr, true, false, false, false,
                                false);
                if (list->GetHeader())
                    list->GetHeader()->SetHeight(kHeaderHeight);
            }
            left->AddChild(skinList_);
        }
        deleteSkin_ = NewButton(L" Delete Skin ");
        AddTo(left, deleteSkin_);
        body->AddChild(left);
    }

    gui::win::Box* right = gui::win::Box::Create(IBox::kColumn, kFull, kFull, kLeft, kTop, 0, 0, kMargin, kMargin);
    if (right) {
        if (gui::win::Box* nameRow = NewRowBox(kLeft)) {
            if (gui::win::Label* label = gui::win::Label::New()) {
                label->SetText(kNameLabel, false);
                label->SetFontPreset(kRegularTenPoints);
                nameRow->AddChild(label);
            }
            nameField_ = gui::win::TextField::New();
            if (nameField_) {
                nameField_->SetWidthPercent(kFull);
                nameField_->SetFixedHeight(kNameFieldHeight);
                nameRow->AddChild(nameField_);
            }
            right->AddChild(nameRow);
        }
        AddTo(right, Space(ISpacer::kVertical, 2, false));
        AddTo(right, BuildButtonPair(&changeName_, L" Change Name ", &addSkin_, L" Add as New Skin "));
        AddTo(right, Space(ISpacer::kVertical, kRowGap, false));
        gui::win::ScrollBox* scroll = gui::win::ScrollBox::Create(kFull, kFull);
        if (scroll) {
            BuildRows(scroll);
            right->AddChild(scroll);
        }
        AddTo(right, Space(ISpacer::kVertical, 10, false));
        AddTo(right, BuildButtonPair(&save_, L"    Save Color Changes    ", &cancel_, L"    Cancel    "));
        body->AddChild(right);
    }
    return body;
}

void SkinCustomizer::BuildRows(IComponent* parent)
{
    gui::win::Box* rows = gui::win::Box::Create(IBox::kColumn, kFull, kFull, kLeft, kTop, 0, kRowGap, 0, 0);
    if (!rows)
        return;
    rows->SetMarginLeft(kRowSideMargin);
    rows->SetMarginRight(kRowSideMargin);
    rows->SetMarginTop(kMargin);
    rows->SetMarginBottom(kMargin);
    for (int32_t i = 0; i < kColorRows; ++i) {
        gui::win::Box* panel = rows_[i] ? rows_[i]->Build(window_, this, kRows[i].caption) : nullptr;
        if (!panel)
            continue;
        if (!kRows[i].shown)
            panel->SetHeightPixels(0, false);
        rows->AddChild(panel);
    }
    parent->AddChild(rows);
}

IComponent* SkinCustomizer::BuildBottomRow()
{
    gui::win::Box* row = NewRowBox(kLeft);
    if (!row)
        return nullptr;
    restore_ = NewButton(L" Restore All Default Skins ");
    import_ = NewButton(L"  Import  ");
    export_ = NewButton(L"  Export  ");
    close_ = NewButton(L"      Close      ");
    AddTo(row, restore_);
    AddTo(row, Space(ISpacer::kHorizontal, 5, false));
    AddTo(row, import_);
    AddTo(row, export_);
    AddTo(row, Space(ISpacer::kHorizontal, kFull, true));
    AddTo(row, close_);
    return row;
}

// The buttons are made only with their row, at its right end.
IComponent* SkinCustomizer::BuildButtonPair(gui::win::Button** first, const wchar_t* firstCaption,
                                            gui::win::Button** second, const wchar_t* secondCaption)
{
    gui::win::Box* row = NewRowBox(kRight);
    if (!row)
        return nullptr;
    AddTo(row, Space(ISpacer::kHorizontal, kFull, true));
    *first = NewButton(firstCaption);
    *second = NewButton(secondCaption);
    AddTo(row, *first);
    AddTo(row, *second);
    return row;
}

gui::win::Button* SkinCustomizer::NewButton(const wchar_t* caption)
{
    gui::win::Button* button = gui::win::Button::New();
    if (button)
        button->SetCaption(caption);
    return button;
}

} // namespace dialogs
} // namespace gui
} // namespace s
