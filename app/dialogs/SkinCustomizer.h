#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "app/dialogs/DialogServices.h"
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "skins/SkinColorSet.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace xml {
class MappedData;
}
namespace gui {

class IComponent;
class IListBox2;
class IWindow;
namespace drawer {
class ISkin;
class Skinner;
} // namespace drawer
namespace win {
class Button;
class ListBoxEx;
class TextField;
class Window;
} // namespace win

namespace dialogs {

class SkinCustomizerClrPicker;

// The skin colour editor: the skins of the monitor's skin manager in a list, the current skin's
// colours as rows previewed at once in every skinned window, and the skin list's operations
// (rename, add, delete, restore the built-in skins, import, export, reorder). Its own window runs
// on its own thread; every change of the shared manager runs on the monitor window's thread.
class SkinCustomizer : public events::IEventListener, public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_dialogs_SkinCustomizer";
    static const int32_t kPoolCapacity = 1000;
    static const int32_t kColorRows = drawer::SkinColorSet::kCount;

    SkinCustomizer();
    ~SkinCustomizer() override;

    static thread::EasyPooler* GetPool();
    static SkinCustomizer* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // The window goes, the editor leaves the skin manager's listeners, every member is cleared.
    void Reset() override;

    // The "SkinCustomizer" holder, attached to the window (no skin manager of its own).
    void SetAppWindow(app::win::AppWindow* holder);
    // The language pack and settings store without a holder, and the monitor's skin manager.
    void SetServices(lang::Localizer* localizer, map::IMappedData* settings);
    void SetSkinner(drawer::Skinner* skinner);

    // (Re)builds and shows the editor; the owner gets "UpdateSkinColors" and "SaveSkinColors"
    // and carries out the changes of the skin manager.
    void Show(IWindow* owner);
    void OnEvent(base::IObject* source, int32_t code) override;

    // The edited skin into the name field and the rows (both colours of each row).
    void LoadColors();
    // The row's shown colour into every drawer colour of the edited skin that carries it.
    void ApplyColor(int32_t row);
    // "UpdateSkinColors" to the owner, then Save Color Changes and Cancel as told.
    void UpdateSkinColors(bool enable);
    void SaveColors();
    // Every row's shown colour back to its saved one, and the edited skin's drawers with it.
    void RevertColors();
    // A settings store over the file; reading loads it, writing starts a new document. A file
    // without a root element gets "SkinSetXml". Null without memory.
    static xml::MappedData* OpenSkinSetFile(const wchar_t* path, bool reading);

    // The monitor's close: the editor closes without asking, unsaved colours dropped.
    void CloseUnasked();

    gui::win::Window* GetWindow() { return window_; }
    IListBox2* GetSkinList();
    gui::win::TextField* GetNameField() { return nameField_; }
    SkinCustomizerClrPicker* GetRow(int32_t index);
    drawer::ISkin* GetEditedSkin() { return edited_; }
    const wchar_t* GetCurrentName();
    gui::win::Button* GetChangeNameButton() { return changeName_; }
    gui::win::Button* GetAddButton() { return addSkin_; }
    gui::win::Button* GetDeleteButton() { return deleteSkin_; }
    gui::win::Button* GetSaveButton() { return save_; }
    gui::win::Button* GetCancelButton() { return cancel_; }
    gui::win::Button* GetRestoreButton() { return restore_; }
    gui::win::Button* GetImportButton() { return import_; }
    gui::win::Button* GetExportButton() { return export_; }
    gui::win::Button* GetCloseButton() { return close_; }

private:
    SkinCustomizer(const SkinCustomizer&) = delete;
    SkinCustomizer& operator=(const SkinCustomizer&) = delete;

    // Building (SkinCustomizer.cpp).
    void ReleaseWindow();
    void BuildRows(IComponent* parent);
    IComponent* BuildBody();
    IComponent* BuildBottomRow();
    // Two buttons at the right end of a row.
    IComponent* BuildButtonPair(gui::win::Button** first, const wchar_t* firstCaption, gui::win::Button** second,
                                const wchar_t* secondCaption);
    gui::win::Button* NewButton(const wchar_t* caption);
    void LeaveSkinner();

    // Reactions (SkinCustomizerEvents.cpp).
    void OnRowChanged(SkinCustomizerClrPicker* row);
    void OnNameChanged();
    void OnSkinSelected();
    void OnWindowClosing();
    void FollowSkinner();
    void SetNameButtons(bool enabled);
    void SetSaveButtons(bool enabled);
    bool IsSaveEnabled();
    // The shown colours of the rows into the edited skin's drawers.
    void WriteShownColors();
    // A send to the owner with the edited skin null, so its notifications are ignored.
    void SendToOwner(int32_t event);
    void ChangeManager(const std::function<void()>& change);
    // The trimmed name field when it names no skin yet; empty otherwise.
    bool TakeNewName(str::strbuffer::StrBuffer* name);
    int32_t FindSkinNamed(const wchar_t* name);

    // The skin list (SkinCustomizerSkins.cpp).
    void FillList();
    void SelectCurrentRowQuietly();
    // After a change of the manager: the list anew and the current skin loaded.
    void FollowChangedManager();
    void ChangeName();
    void AddAsNewSkin();
    void DeleteSkin();
    void RestoreDefaultSkins();
    void Import();
    void Export();
    void ReorderByList();
    // The skins of the source appended (at most up to the limit), the first of them made
    // current, then the earlier skins of their names removed.
    void MergeSkins(drawer::Skinner* source);

    IWindow* owner_;
    app::win::AppWindow* holder_;
    lang::Localizer* localizer_;
    map::IMappedData* settings_;
    gui::win::Window* window_;
    gui::win::ListBoxEx* skinList_;
    drawer::Skinner* skinner_;
    str::strbuffer::StrBuffer* currentName_;
    drawer::ISkin* edited_;
    SkinCustomizerClrPicker* rows_[kColorRows];
    gui::win::TextField* nameField_;
    gui::win::Button* changeName_;
    gui::win::Button* addSkin_;
    gui::win::Button* deleteSkin_;
    gui::win::Button* save_;
    gui::win::Button* cancel_;
    gui::win::Button* restore_;
    gui::win::Button* import_;
    gui::win::Button* export_;
    gui::win::Button* close_;
    bool reselectPending_;
    bool listening_;
};

} // namespace dialogs
} // namespace gui
} // namespace s
