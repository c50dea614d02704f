// The skin colour editor over the running monitor on the virtual display: a skin loaded, the live
// preview in the monitor's pixels, save and cancel, the list operations, import and export
// through the system's file dialogs, the 500-skin limit, the skin menu while it is open, the
// question at close, and the monitor's close.
#include <windows.h>

#include <gtest/gtest.h>

#include <dlgs.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "HolderApp.h"
#include "MonitorSupport.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/dialogs/SkinCustomizer.h"
#include "app/dialogs/SkinCustomizerClrPicker.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/Monitor.h"
#include "core/str/StrBuffer.h"
#include "lists/IListBox2.h"
#include "lists/ScrollBar.h"
#include "lists/ScrollBox.h"
#include "lists/ScrollInfo.h"
#include "lists/ListBox2Event.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "skins/ISkin.h"
#include "skins/SkinColorSet.h"
#include "skins/Skinner.h"
#include "skins/skin/Builders.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "storage/xml/Node.h"
#include "support/BoxRecorder.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/dialogs/SystemDialogCloser.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/TextField.h"

using monitor_testing::OnWindowThread;
using s::gui::dialogs::SkinCustomizer;
using s::gui::dialogs::SkinCustomizerClrPicker;
using s::gui::drawer::SkinColorSet;
using s::gui::drawer::Skinner;
using s::system::gui::dialogs::monitor::Monitor;
using testing_support::BoxRecorder;
using testing_support::WaitUntil;
namespace command = s::system::gui::dialogs::monitor::command;

namespace {

const DWORD kBoundMillis = 15000;
const wchar_t kSettingsName[] = L"pulsegrid-skin-editor-test.xml";
const wchar_t kStoredSet[] = L"MainWindow\\SkinSet";
const COLORREF kOddGreen = RGB(12, 200, 34);
const wchar_t kHolderSettingsName[] = L"pulsegrid-skin-editor-holder-test.xml";

std::wstring Text(const wchar_t* text)
{
    return text ? text : L"";
}

std::wstring Caption(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

SkinColorSet ColorsOf(s::gui::drawer::ISkin* skin)
{
    SkinColorSet colors;
    s::gui::drawer::skin::ReadColors(skin, &colors);
    return colors;
}

std::vector<std::wstring> Names(Skinner* skinner)
{
    std::vector<std::wstring> names;
    for (uint32_t i = 0; i < skinner->GetSkinCount(); ++i)
        names.push_back(skinner->GetSkinNameAt(i)->GetText());
    return names;
}

std::wstring RowText(s::gui::IListBox2* list, uint32_t row)
{
    s::gui::listbox2::Record* record = list->GetRowAt(row);
    s::gui::listbox2::SubRecord* cell = record ? record->GetCell(0) : nullptr;
    auto* text = cell ? reinterpret_cast<s::str::strbuffer::StrBuffer*>(static_cast<uintptr_t>(cell->value)) : nullptr;
    return text ? text->GetText() : L"";
}

// A skin-set file of the given skins, each with one colour, as the editor writes them.
void WriteSkinSet(const std::wstring& path, const std::vector<std::wstring>& names, COLORREF windowBg)
{
    Skinner* skins = Skinner::New();
    skins->SetDrawerType(L"ThinWindow");
    SkinColorSet colors;
    colors.SetColor(SkinColorSet::kWindowBg, windowBg);
    int32_t values[SkinColorSet::kBuilderValues];
    colors.ToBuilderOrder(values);
    for (const std::wstring& name : names)
        skins->AddSkinFromColors(name.c_str(), values);
    s::xml::MappedData* store = SkinCustomizer::OpenSkinSetFile(path.c_str(), false);
    skins->SaveSkinSet(store, L"SkinSet");
    store->Save();
    store->ReleaseToPool();
    skins->ReleaseToPool();
}

void WriteBytes(const std::wstring& path, const char* bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes, static_cast<DWORD>(strlen(bytes)), &written, nullptr);
    CloseHandle(file);
}

class SkinCustomizerTest : public monitor_testing::RunningMonitorTest {
protected:
    static void SetUpTestSuite()
    {
        PrepareMonitor(kSettingsName, true);
        StartMonitor();
        OnWindowThread(monitor->GetWindow(), [] { monitor->SetSkinTools(true); });
    }
    static void TearDownTestSuite() { StopMonitor(); }
    void SetUp() override
    {
        ASSERT_NE(nullptr, monitor->GetWindow());
        BoxRecorder::Take();
        BoxRecorder::SetAnswer(0);
        // One editor window for the suite; a test that closed it gets a new one.
        if (!editor || !editor->GetWindow() || editor->GetWindow()->IsClosed()) {
            Choose(command::kCustomizeSkin);
            editor = monitor->GetSkinCustomizer();
            ASSERT_NE(nullptr, editor);
            ASSERT_NE(nullptr, editor->GetWindow());
            ASSERT_TRUE(WaitUntil([] { return IsWindowVisible(EditorFrame()) != FALSE; }, kBoundMillis));
            // Beside the monitor, so both show.
            SetWindowPos(EditorFrame(), nullptr, 360, 40, 640, 720, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    void TearDown() override
    {
        BoxRecorder::SetAnswer(0);
        // Colours a test left unsaved go back.
        if (!editor || !editor->GetWindow() || editor->GetWindow()->IsClosed())
            return;
        if (editor->GetCancelButton()->IsEnabled())
            Click(editor->GetCancelButton());
        OnEditorThread([] { editor->GetNameField()->SetText(L"", false); });
        BoxRecorder::Take();
    }

    static HWND EditorFrame() { return editor->GetWindow()->GetSafeHwnd(); }
    static void Click(s::gui::IComponent* button) { SendMessageW(s::gui::win::NativeWindowOf(button), BM_CLICK, 0, 0); }
    static void OnEditorThread(const std::function<void()>& work) { OnWindowThread(editor->GetWindow(), work); }
    static void TypeHex(int32_t row, const wchar_t* text)
    {
        OnEditorThread([row, text] { editor->GetRow(row)->GetHexField()->SetText(text, true); });
    }
    static void TypeName(const wchar_t* text)
    {
        OnEditorThread([text] { editor->GetNameField()->SetText(text, true); });
    }
    static int32_t CountPixels(COLORREF color)
    {
        testing_support::ScreenImage image;
        if (!testing_support::CaptureWindow(Frame(), &image))
            return -1;
        int32_t count = 0;
        for (int32_t y = 0; y < image.height; ++y) {
            for (int32_t x = 0; x < image.width; ++x)
                count += image.At(x, y) == color ? 1 : 0;
        }
        return count;
    }
    // The scroll box around the colour rows: the nearest of a row's ancestors that is one.
    static s::gui::win::ScrollBox* RowsScrollBox()
    {
        for (s::gui::IComponent* up = editor->GetRow(0)->GetPanel(); up; up = up->GetParent()) {
            if (auto* box = dynamic_cast<s::gui::win::ScrollBox*>(up))
                return box;
        }
        return nullptr;
    }
    static DWORD EditorThread() { return GetWindowThreadProcessId(EditorFrame(), nullptr); }
    // The name in the file dialog, then OK, from the person's thread.
    static void AnswerFileDialog(const std::wstring& path)
    {
        testing_support::SystemDialogCloser closer(EditorThread(), [path](HWND dialog) {
            if (!SetDlgItemTextW(dialog, cmb13, path.c_str()))
                SetDlgItemTextW(dialog, edt1, path.c_str());
            testing_support::SystemDialogCloser::Press(dialog, IDOK);
        });
        closer.Join();
    }

    // The skin set as the settings file holds it now, in a skin manager of its own.
    static Skinner* StoredSkinSet()
    {
        s::xml::MappedData* stored = s::xml::MappedData::OpenFile(monitor_testing::TempSettingsPath(kSettingsName).c_str());
        Skinner* read = Skinner::New();
        read->SetDrawerType(L"ThinWindow");
        read->LoadSkinSet(stored, kStoredSet, false);
        stored->ReleaseToPool();
        return read;
    }

    static inline SkinCustomizer* editor = nullptr;
};

TEST_F(SkinCustomizerTest, ShowsTheCurrentSkinWithItsListRowsAndButtons)
{
    EXPECT_EQ(L"Zorv SkinCustomizer", Caption(EditorFrame()));
    s::gui::IListBox2* list = editor->GetSkinList();
    ASSERT_NE(nullptr, list);
    ASSERT_EQ(skinner->GetSkinCount(), list->GetRowCount());
    for (uint32_t i = 0; i < skinner->GetSkinCount(); ++i)
        EXPECT_EQ(Text(skinner->GetSkinNameAt(i)->GetText()), RowText(list, i));
    s::gui::listbox2::Record* selected = nullptr;
    int32_t id = -1;
    ASSERT_TRUE(list->GetSelectedAt(0, &selected, &id));
    EXPECT_EQ(skinner->GetCurrentSkinIndex(), selected->rowIndex);
    EXPECT_EQ(Text(skinner->GetCurrentSkin()->GetName()), Text(editor->GetNameField()->GetText()));
    const SkinColorSet colors = ColorsOf(skinner->GetCurrentSkin());
    for (int32_t i = 0; i < SkinCustomizer::kColorRows; ++i) {
        EXPECT_EQ(colors.GetColor(static_cast<uint32_t>(i)), editor->GetRow(i)->GetColor()) << "row " << i;
        EXPECT_EQ(colors.GetColor(static_cast<uint32_t>(i)), editor->GetRow(i)->GetSavedColor()) << "row " << i;
        const bool hidden = i == 4 || i == 6 || i == 13 || i == 14;
        EXPECT_EQ(hidden, editor->GetRow(i)->GetPanel()->GetHeight() == 0) << "row " << i;
    }
    EXPECT_FALSE(editor->GetChangeNameButton()->IsEnabled());
    EXPECT_FALSE(editor->GetAddButton()->IsEnabled());
    EXPECT_TRUE(editor->GetDeleteButton()->IsEnabled());
    EXPECT_FALSE(editor->GetSaveButton()->IsEnabled());
    EXPECT_FALSE(editor->GetCancelButton()->IsEnabled());
    EXPECT_TRUE(IsWindowEnabled(Frame())) << "the editor does not hold the monitor";

    Sleep(1000);
    testing_support::ScreenImage screen;
    ASSERT_TRUE(testing_support::CaptureScreen(&screen));
    testing_support::SaveScreenshot(screen, L"SkinEditorWithSkinLoaded");
    // The rows run past the view: the bar's page is the view's height on the screen and its
    // range the rows' whole height, so the thumb is as long as the share of the rows shown.
    s::gui::win::ScrollBox* scroll = RowsScrollBox();
    ASSERT_NE(nullptr, scroll);
    s::gui::IComponent* view = scroll->GetContentBox();
    ASSERT_NE(nullptr, view);
    ASSERT_GT(view->GetChildCount(), 0);
    RECT shown = {};
    GetClientRect(s::gui::win::NativeWindowOf(view), &shown);
    s::gui::win::ScrollBar* vertical = scroll->GetVerticalBar();
    ASSERT_NE(nullptr, vertical);
    EXPECT_TRUE(vertical->IsShown());
    EXPECT_GT(shown.bottom, 100) << "the view's window is laid out";
    EXPECT_EQ(shown.bottom, *vertical->GetScrollInfo()->GetPage());
    EXPECT_EQ(view->GetChildAt(0)->GetHeight(), *vertical->GetScrollInfo()->GetRange());
    s::gui::win::Box* row = editor->GetRow(0)->GetPanel();
    RECT area = {row->GetScreenX(), row->GetScreenY(), row->GetScreenX() + row->GetWidth(),
                 row->GetScreenY() + row->GetHeight()};
    testing_support::ScreenImage close;
    ASSERT_TRUE(testing_support::CaptureScreenArea(area, &close));
    testing_support::SaveScreenshot(close, L"SkinEditorColourRow");
}

TEST_F(SkinCustomizerTest, AColourChangeRepaintsTheMonitorAtOnceAndCancelRestoresIt)
{
    const COLORREF saved = editor->GetRow(SkinColorSet::kWindowBg)->GetColor();
    ASSERT_TRUE(WaitUntil([] { return CountPixels(kOddGreen) == 0; }, kBoundMillis));
    TypeHex(SkinColorSet::kWindowBg, L"0CC822");
    EXPECT_TRUE(WaitUntil([] { return CountPixels(kOddGreen) > 100; }, kBoundMillis)) << CountPixels(kOddGreen);
    EXPECT_EQ(kOddGreen, ColorsOf(skinner->GetCurrentSkin()).GetColor(SkinColorSet::kWindowBg));
    EXPECT_TRUE(editor->GetSaveButton()->IsEnabled());
    EXPECT_TRUE(editor->GetCancelButton()->IsEnabled());

    Click(editor->GetCancelButton());
    EXPECT_EQ(saved, ColorsOf(skinner->GetCurrentSkin()).GetColor(SkinColorSet::kWindowBg));
    EXPECT_EQ(saved, editor->GetRow(SkinColorSet::kWindowBg)->GetColor());
    EXPECT_TRUE(WaitUntil([] { return CountPixels(kOddGreen) == 0; }, kBoundMillis));
    EXPECT_FALSE(editor->GetSaveButton()->IsEnabled());
    EXPECT_FALSE(editor->GetCancelButton()->IsEnabled());
}

TEST_F(SkinCustomizerTest, SaveWritesTheSkinSetToTheSettingsFile)
{
    TypeHex(SkinColorSet::kListFont, L"123456");
    Click(editor->GetSaveButton());
    EXPECT_FALSE(editor->GetSaveButton()->IsEnabled());
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), editor->GetRow(SkinColorSet::kListFont)->GetSavedColor());
    Skinner* read = StoredSkinSet();
    EXPECT_EQ(skinner->GetSkinCount(), read->GetSkinCount());
    read->SelectSkinByName(skinner->GetCurrentSkin()->GetName());
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), ColorsOf(read->GetCurrentSkin()).GetColor(SkinColorSet::kListFont));
    read->ReleaseToPool();
}

TEST_F(SkinCustomizerTest, NamesEnableRenameAndAddOnlyWhenNewAfterTrimming)
{
    const std::wstring other = skinner->GetSkinNameAt(skinner->GetCurrentSkinIndex() == 0 ? 1 : 0)->GetText();
    std::wstring otherCase = other;
    for (wchar_t& c : otherCase)
        c = iswupper(c) ? towlower(c) : towupper(c);
    struct Case {
        std::wstring text;
        bool enabled;
    };
    const Case cases[] = {{L"   ", false}, {L"", false}, {otherCase, false}, {L"  " + other + L" ", false},
                          {L" Fresh Meadow ", true}};
    for (const Case& c : cases) {
        TypeName(c.text.c_str());
        EXPECT_EQ(c.enabled, editor->GetChangeNameButton()->IsEnabled()) << "\"" << std::string(c.text.begin(), c.text.end()) << "\"";
        EXPECT_EQ(c.enabled, editor->GetAddButton()->IsEnabled());
    }
    const int32_t current = skinner->GetCurrentSkinIndex();
    Click(editor->GetChangeNameButton());
    EXPECT_EQ(L"Fresh Meadow", Text(skinner->GetCurrentSkin()->GetName()));
    EXPECT_EQ(L"Fresh Meadow", Text(skinner->GetSkinNameAt(current)->GetText()));
    EXPECT_EQ(L"Fresh Meadow", RowText(editor->GetSkinList(), current));
    EXPECT_EQ(L"Fresh Meadow", Text(editor->GetCurrentName()));
    EXPECT_FALSE(editor->GetChangeNameButton()->IsEnabled());
}

TEST_F(SkinCustomizerTest, AddTakesTheShownColoursAndTheOldSkinKeepsItsSavedOnes)
{
    s::gui::drawer::ISkin* old = skinner->GetCurrentSkin();
    const COLORREF saved = ColorsOf(old).GetColor(SkinColorSet::kCompFg);
    const uint32_t count = skinner->GetSkinCount();
    TypeHex(SkinColorSet::kCompFg, L"0CC822");
    TypeName(L"Green Parts");
    Click(editor->GetAddButton());
    ASSERT_EQ(count + 1, skinner->GetSkinCount());
    EXPECT_EQ(static_cast<int32_t>(count), skinner->GetCurrentSkinIndex()) << "the new skin is current";
    EXPECT_EQ(L"Green Parts", Text(skinner->GetCurrentSkin()->GetName()));
    EXPECT_EQ(kOddGreen, ColorsOf(skinner->GetCurrentSkin()).GetColor(SkinColorSet::kCompFg));
    EXPECT_EQ(saved, ColorsOf(old).GetColor(SkinColorSet::kCompFg));
    EXPECT_EQ(count + 1, editor->GetSkinList()->GetRowCount());
    EXPECT_EQ(L"Green Parts", Text(editor->GetNameField()->GetText()));
    EXPECT_FALSE(editor->GetSaveButton()->IsEnabled());
}

TEST_F(SkinCustomizerTest, DeleteAsksAndMovesToTheNextSkinBeforeTheOldOneGoes)
{
    const int32_t current = skinner->GetCurrentSkinIndex();
    const std::wstring name = skinner->GetCurrentSkin()->GetName();
    const std::wstring next = skinner->GetSkinNameAt(current + 1 < static_cast<int32_t>(skinner->GetSkinCount()) ? current + 1 : 0)->GetText();
    const uint32_t count = skinner->GetSkinCount();
    BoxRecorder::SetAnswer(IDNO);
    Click(editor->GetDeleteButton());
    EXPECT_EQ(count, skinner->GetSkinCount());
    std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Ara you sure you want to delete the skin?", boxes[0].text);

    BoxRecorder::SetAnswer(IDYES);
    Click(editor->GetDeleteButton());
    EXPECT_EQ(count - 1, skinner->GetSkinCount());
    EXPECT_EQ(next, Text(skinner->GetCurrentSkin()->GetName()));
    for (const std::wstring& left : Names(skinner))
        EXPECT_NE(name, left);
    EXPECT_EQ(count - 1, editor->GetSkinList()->GetRowCount());
    EXPECT_EQ(next, Text(editor->GetCurrentName()));
    // The monitor paints on with the skin that stayed.
    EXPECT_TRUE(WaitUntil([] { return CountPixels(RGB(1, 2, 3)) == 0; }, kBoundMillis));
}

TEST_F(SkinCustomizerTest, RestoreBringsBackTheBuiltInSkinsAndKeepsSkinsOfOtherNames)
{
    TypeName(L"Kept Own Skin");
    Click(editor->GetAddButton());
    Skinner* builtIn = monitor_testing::NewProgramSkinner();
    const std::vector<std::wstring> builtInNames = Names(builtIn);
    builtIn->ReleaseToPool();
    BoxRecorder::SetAnswer(IDYES);
    Click(editor->GetRestoreButton());
    std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Ara you sure you want to bring back all default skins?", boxes[0].text);
    const std::vector<std::wstring> names = Names(skinner);
    ASSERT_GE(names.size(), builtInNames.size());
    // Every built-in name once, at the end, in the table's order.
    const std::vector<std::wstring> tail(names.end() - static_cast<ptrdiff_t>(builtInNames.size()), names.end());
    EXPECT_EQ(builtInNames, tail);
    int32_t own = 0;
    for (const std::wstring& name : names)
        own += name == L"Kept Own Skin" ? 1 : 0;
    EXPECT_EQ(1, own);
    EXPECT_EQ(builtInNames[0], Text(skinner->GetCurrentSkin()->GetName()));
    EXPECT_EQ(skinner->GetSkinCount(), editor->GetSkinList()->GetRowCount());
}

TEST_F(SkinCustomizerTest, RowsMovedInTheListReorderTheSkins)
{
    s::gui::IListBox2* list = editor->GetSkinList();
    const std::vector<std::wstring> before = Names(skinner);
    ASSERT_GE(before.size(), 3u);
    OnEditorThread([list] {
        s::gui::listbox2::Record* first = list->GetRowAt(0);
        list->RemoveRow(first, first->id);
        list->InsertRow(2, first);
        editor->OnEvent(list, s::gui::ListBox2Event::RowsMoved);
    });
    const std::vector<std::wstring> after = Names(skinner);
    ASSERT_EQ(before.size(), after.size());
    EXPECT_EQ(before[1], after[0]);
    EXPECT_EQ(before[2], after[1]);
    EXPECT_EQ(before[0], after[2]);
}

TEST_F(SkinCustomizerTest, ExportAndImportThroughTheFileDialogs)
{
    testing_support::SystemDialogs systemDialogs;
    const std::wstring exported = monitor_testing::TempSettingsPath(L"pulsegrid-skin-editor-export.xml");
    DeleteFileW(exported.c_str());
    {
        std::thread person([&] { AnswerFileDialog(exported); });
        Click(editor->GetExportButton());
        person.join();
    }
    s::xml::MappedData* written = SkinCustomizer::OpenSkinSetFile(exported.c_str(), true);
    EXPECT_STREQ(L"SkinSetXml", written->GetDocument()->GetName());
    EXPECT_EQ(static_cast<int32_t>(skinner->GetSkinCount()), written->GetInt32(L"SkinSet\\ThinWindow", L"numOfSkins", -1));
    written->ReleaseToPool();

    // A skin named like one held (in another case) replaces it at the end; a new one joins.
    const std::wstring held = skinner->GetSkinNameAt(0)->GetText();
    std::wstring lower = held;
    for (wchar_t& c : lower)
        c = towlower(c);
    const std::wstring file = monitor_testing::TempSettingsPath(L"pulsegrid-skin-editor-import.xml");
    WriteSkinSet(file, {lower, L"Imported Dawn"}, kOddGreen);
    const uint32_t count = skinner->GetSkinCount();
    {
        std::thread person([&] { AnswerFileDialog(file); });
        Click(editor->GetImportButton());
        person.join();
    }
    const std::vector<std::wstring> names = Names(skinner);
    ASSERT_EQ(count + 1, names.size());
    EXPECT_EQ(lower, names[names.size() - 2]);
    EXPECT_EQ(L"Imported Dawn", names.back());
    int32_t same = 0;
    for (const std::wstring& name : names)
        same += lstrcmpiW(name.c_str(), held.c_str()) == 0 ? 1 : 0;
    EXPECT_EQ(1, same);
    EXPECT_EQ(lower, Text(skinner->GetCurrentSkin()->GetName())) << "the first imported skin is current";
    EXPECT_EQ(kOddGreen, ColorsOf(skinner->GetCurrentSkin()).GetColor(SkinColorSet::kWindowBg));
    EXPECT_EQ(kOddGreen, editor->GetRow(SkinColorSet::kWindowBg)->GetColor());
    EXPECT_TRUE(BoxRecorder::Take().empty());
    DeleteFileW(exported.c_str());
    DeleteFileW(file.c_str());
}

// Files that are no skin set, hold no skin or claim more than they hold: nothing is lost.
TEST_F(SkinCustomizerTest, BadImportFilesAddNothingButTheSkinsTheyHold)
{
    testing_support::SystemDialogs systemDialogs;
    const std::wstring file = monitor_testing::TempSettingsPath(L"pulsegrid-skin-editor-bad.xml");
    struct Case {
        const char* content;
        uint32_t added;
    };
    const Case cases[] = {
        {"this is no XML at all \x01\x02", 0},
        {"<SkinSetXml><SkinSet><ThinWindow numOfSkins=\"0\"></ThinWindow></SkinSet></SkinSetXml>", 0},
        {"<SkinSetXml><SkinSet><ThinWindow numOfSkins=\"7\"></ThinWindow><ThinWindow_0 name=\"Only One\">"
         "</ThinWindow_0></SkinSet></SkinSetXml>",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        WriteBytes(file, c.content);
        const std::vector<std::wstring> before = Names(skinner);
        std::thread person([&] { AnswerFileDialog(file); });
        Click(editor->GetImportButton());
        person.join();
        const std::vector<std::wstring> after = Names(skinner);
        ASSERT_EQ(before.size() + c.added, after.size());
        EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
        EXPECT_TRUE(BoxRecorder::Take().empty());
    }
    DeleteFileW(file.c_str());
}

TEST_F(SkinCustomizerTest, ImportNeverLeavesMoreThan500SkinsAndSaysSo)
{
    testing_support::SystemDialogs systemDialogs;
    const std::wstring file = monitor_testing::TempSettingsPath(L"pulsegrid-skin-editor-many.xml");
    std::vector<std::wstring> many;
    // One of them replaces a held skin, so one more fits than the free room.
    many.push_back(skinner->GetSkinNameAt(1)->GetText());
    for (int i = 0; i < 499; ++i)
        many.push_back(L"Crowd " + std::to_wstring(i));
    WriteSkinSet(file, many, kOddGreen);
    const uint32_t held = skinner->GetSkinCount();
    std::thread person([&] { AnswerFileDialog(file); });
    Click(editor->GetImportButton());
    person.join();
    EXPECT_EQ(500u, skinner->GetSkinCount());
    EXPECT_EQ(500u, editor->GetSkinList()->GetRowCount());
    const std::vector<std::wstring> names = Names(skinner);
    EXPECT_EQ(many[0], names[held - 1]) << "the same-named skin counted as replaced";
    std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"It can't keep more than 500 skins.", boxes[0].text);

    // Adding beyond is refused with the same text.
    TypeName(L"One Too Many");
    Click(editor->GetAddButton());
    EXPECT_EQ(500u, skinner->GetSkinCount());
    boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"It can't keep more than 500 skins.", boxes[0].text);

    // The crowd goes again for the tests after this one.
    OnWindowThread(monitor->GetWindow(), [held] {
        skinner->SelectSkinAt(0);
        while (skinner->GetSkinCount() > held)
            skinner->RemoveSkinAt(skinner->GetSkinCount() - 1);
    });
    DeleteFileW(file.c_str());
}

// Restoring counts against the same limit: with one built-in skin gone and the manager full, the
// built-in skins that still fit come back in place of their namesakes, the rest stay out, and the
// user is told.
TEST_F(SkinCustomizerTest, RestoreNeverLeavesMoreThan500SkinsAndSaysSo)
{
    Skinner* builtIn = monitor_testing::NewProgramSkinner();
    const std::vector<std::wstring> builtInNames = Names(builtIn);
    builtIn->ReleaseToPool();
    ASSERT_GE(builtInNames.size(), 2u);
    const std::wstring leftOut = builtInNames.back();
    const std::vector<std::wstring> before = Names(skinner);
    const auto gone = std::find(before.begin(), before.end(), leftOut);
    ASSERT_NE(before.end(), gone);
    const uint32_t goneAt = static_cast<uint32_t>(gone - before.begin());
    int32_t values[SkinColorSet::kBuilderValues];
    ColorsOf(skinner->GetCurrentSkin()).ToBuilderOrder(values);
    OnWindowThread(monitor->GetWindow(), [&] {
        skinner->SelectSkinAt(goneAt == 0 ? 1 : 0);
        skinner->RemoveSkinAt(goneAt);
        for (int i = 0; skinner->GetSkinCount() < Skinner::kMaxSkins; ++i)
            skinner->AddSkinFromColors((L"Restore Crowd " + std::to_wstring(i)).c_str(), values);
    });
    ASSERT_EQ(500u, skinner->GetSkinCount());

    BoxRecorder::SetAnswer(IDYES);
    Click(editor->GetRestoreButton());
    std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(L"Ara you sure you want to bring back all default skins?", boxes[0].text);
    EXPECT_EQ(L"It can't keep more than 500 skins.", boxes[1].text);
    EXPECT_EQ(500u, skinner->GetSkinCount());
    EXPECT_EQ(500u, editor->GetSkinList()->GetRowCount());
    const std::vector<std::wstring> names = Names(skinner);
    const std::vector<std::wstring> fitting(builtInNames.begin(), builtInNames.end() - 1);
    const std::vector<std::wstring> tail(names.end() - static_cast<ptrdiff_t>(fitting.size()), names.end());
    EXPECT_EQ(fitting, tail);
    EXPECT_EQ(names.end(), std::find(names.begin(), names.end(), leftOut));
    EXPECT_EQ(builtInNames[0], Text(skinner->GetCurrentSkin()->GetName()));

    // The crowd goes, and a restore with room brings every built-in skin back.
    OnWindowThread(monitor->GetWindow(), [] {
        for (uint32_t i = skinner->GetSkinCount(); i > 0; --i) {
            if (Text(skinner->GetSkinNameAt(i - 1)->GetText()).rfind(L"Restore Crowd ", 0) == 0)
                skinner->RemoveSkinAt(i - 1);
        }
    });
    Click(editor->GetRestoreButton());
    EXPECT_EQ(1u, BoxRecorder::Take().size());
    EXPECT_EQ(before.size(), skinner->GetSkinCount());
}

TEST_F(SkinCustomizerTest, ASkinChosenFromTheMonitorsMenuIsLoaded)
{
    const int32_t other = skinner->GetCurrentSkinIndex() == 0 ? 1 : 0;
    ASSERT_LT(other, static_cast<int32_t>(skinner->GetSkinCount()));
    // The skin menu is filled as the context menu opens.
    OnWindowThread(monitor->GetWindow(), [] { monitor->RebuildSkinMenu(); });
    Choose(command::kSkinBase + other);
    const std::wstring name = skinner->GetSkinNameAt(other)->GetText();
    EXPECT_TRUE(WaitUntil([&] { return Text(editor->GetCurrentName()) == name; }, kBoundMillis));
    EXPECT_TRUE(WaitUntil([&] { return Text(editor->GetNameField()->GetText()) == name; }, kBoundMillis));
    const SkinColorSet colors = ColorsOf(skinner->GetCurrentSkin());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kText), editor->GetRow(SkinColorSet::kText)->GetColor());
    s::gui::listbox2::Record* selected = nullptr;
    int32_t id = -1;
    ASSERT_TRUE(editor->GetSkinList()->GetSelectedAt(0, &selected, &id));
    EXPECT_EQ(other, selected->rowIndex);
}

TEST_F(SkinCustomizerTest, ClosingWithUnsavedChangesAsksAndCancelKeepsItOpen)
{
    const COLORREF saved = editor->GetRow(SkinColorSet::kWindowFg)->GetColor();
    TypeHex(SkinColorSet::kWindowFg, L"0CC822");
    BoxRecorder::SetAnswer(IDCANCEL);
    Click(editor->GetCloseButton());
    std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Do you want to save the changes?", boxes[0].text);
    EXPECT_FALSE(editor->GetWindow()->IsClosed());
    EXPECT_EQ(kOddGreen, ColorsOf(skinner->GetCurrentSkin()).GetColor(SkinColorSet::kWindowFg));

    BoxRecorder::SetAnswer(IDNO);
    Click(editor->GetCloseButton());
    EXPECT_TRUE(WaitUntil([] { return editor->GetWindow()->IsClosed(); }, kBoundMillis));
    EXPECT_EQ(saved, ColorsOf(skinner->GetCurrentSkin()).GetColor(SkinColorSet::kWindowFg));
    EXPECT_EQ(1u, BoxRecorder::Take().size());
}

TEST_F(SkinCustomizerTest, ClosingWithUnsavedChangesAndYesKeepsAndStoresThem)
{
    TypeHex(SkinColorSet::kWindowFg, L"0CC822");
    BoxRecorder::SetAnswer(IDYES);
    Click(editor->GetCloseButton());
    std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Do you want to save the changes?", boxes[0].text);
    EXPECT_TRUE(WaitUntil([] { return editor->GetWindow()->IsClosed(); }, kBoundMillis));
    EXPECT_EQ(kOddGreen, ColorsOf(skinner->GetCurrentSkin()).GetColor(SkinColorSet::kWindowFg));
    EXPECT_EQ(kOddGreen, editor->GetRow(SkinColorSet::kWindowFg)->GetSavedColor());
    Skinner* read = StoredSkinSet();
    read->SelectSkinByName(skinner->GetCurrentSkin()->GetName());
    EXPECT_EQ(kOddGreen, ColorsOf(read->GetCurrentSkin()).GetColor(SkinColorSet::kWindowFg));
    read->ReleaseToPool();
}

// A monitor of its own on the program's holders: the editor's window is bound to a "SkinCustomizer"
// holder of its own, 500 by 500, painted with the application's skins and not with the monitor's
// that it edits; the monitor's close takes the open editor with it.
TEST_F(SkinCustomizerTest, OnTheProgramsHoldersTheEditorHasAHolderOfItsOwn)
{
    s::xml::MappedData* own = monitor_testing::OpenStillSettings(kHolderSettingsName);
    Skinner* appSkins = monitor_testing::NewProgramSkinner();
    monitor_testing::HolderApp app(localizer, own, appSkins);
    Skinner* edited = monitor_testing::NewProgramSkinner();
    s::app::win::AppWindow* main = s::app::win::CreateAppWindow(&app, s::app::win::kMainWindowDefaults, edited);
    ASSERT_NE(nullptr, main);
    Monitor* closing = Monitor::New();
    closing->SetAppWindow(main);
    closing->Init();
    ASSERT_NE(nullptr, closing->GetWindow());
    OnWindowThread(closing->GetWindow(), [closing] { closing->SetSkinTools(true); });
    SendMessageW(closing->GetWindow()->GetSafeHwnd(), WM_COMMAND, command::kCustomizeSkin, 0);
    SkinCustomizer* opened = closing->GetSkinCustomizer();
    ASSERT_NE(nullptr, opened);
    s::gui::win::Window* window = opened->GetWindow();
    ASSERT_NE(nullptr, window);
    s::app::win::AppWindow* holder = dynamic_cast<s::app::win::AppWindow*>(window->GetAppWindow());
    ASSERT_NE(nullptr, holder);
    EXPECT_STREQ(L"SkinCustomizer", holder->GetName());
    EXPECT_EQ(appSkins, holder->GetSkinner());
    EXPECT_EQ(appSkins, window->GetSkinner()) << "the editor's controls keep their look";
    RECT place = {};
    GetWindowRect(window->GetSafeHwnd(), &place);
    EXPECT_EQ(500, place.right - place.left);
    EXPECT_EQ(500, place.bottom - place.top);

    closing->GetWindow()->Close();
    EXPECT_TRUE(WaitUntil([&] { return closing->GetWindow()->IsClosed(); }, kBoundMillis));
    EXPECT_TRUE(window->IsClosed());
    closing->ReleaseToPool();
    main->ReleaseToPool();
    testing_support::BoxRecorder::Take();
    appSkins->ReleaseToPool();
    own->ReleaseToPool();
    DeleteFileW(monitor_testing::TempSettingsPath(kHolderSettingsName).c_str());
}

// Last: it closes the shared monitor.
TEST_F(SkinCustomizerTest, ZClosingTheMonitorClosesTheEditorUnaskedAndStoresTheSkinSet)
{
    TypeHex(SkinColorSet::kListBg, L"0CC822");
    const std::wstring current = skinner->GetCurrentSkin()->GetName();
    BoxRecorder::SetAnswer(IDCANCEL);
    monitor->GetWindow()->Close();
    EXPECT_TRUE(WaitUntil([] { return editor->GetWindow()->IsClosed(); }, kBoundMillis));
    EXPECT_TRUE(BoxRecorder::Take().empty()) << "nothing asked";
    Skinner* read = StoredSkinSet();
    EXPECT_EQ(skinner->GetSkinCount(), read->GetSkinCount());
    read->SelectSkinByName(current.c_str());
    // The unsaved colour was dropped before the set was stored.
    EXPECT_NE(kOddGreen, ColorsOf(read->GetCurrentSkin()).GetColor(SkinColorSet::kListBg));
    read->ReleaseToPool();
}

} // namespace
