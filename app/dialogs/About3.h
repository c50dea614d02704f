#pragma once
#include <cstdint>

#include "app/dialogs/DialogServices.h"
#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace gui {

class IButton;
class ILabel;
class IWindow;
namespace drawer {
class Skinner;
}
namespace win {
class Box;
class Image;
class Window;
} // namespace win

namespace dialogs {

// The version box: the program's title, icon and picture, its version, last update, licence and
// home page, a support row with its link, and the close buttons. Modal over its owner, which is
// disabled from each build until the box closes. Every text comes from the language pack.
class About3 : public events::IEventListener, public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_dialogs_About3";
    static const int32_t kPoolCapacity = 10;
    static const int32_t kCaptionText = 400100;
    static const int32_t kVersionCaptionText = 400010;
    static const int32_t kLastUpdateCaptionText = 400020;
    static const int32_t kAddressCaptionText = 400080;
    static const int32_t kCloseText = 400120;

    About3();
    ~About3() override;

    static thread::EasyPooler* GetPool();
    static About3* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // The window goes and every member is cleared.
    void Reset() override;

    // The "AboutWindow" holder: its language pack, skin manager and settings, and its
    // application's icon and picture.
    void SetAppWindow(app::win::AppWindow* holder);
    // The same services without a holder (no icon or picture then).
    void SetServices(lang::Localizer* localizer, map::IMappedData* settings, drawer::Skinner* skinner);

    // (Re)builds and shows the box over the owner, which stays disabled until the box closes.
    void Build(IWindow* owner);
    // The window's close, the close buttons and the two links.
    void OnEvent(base::IObject* source, int32_t code) override;

    win::Window* GetWindow() { return window_; }
    ILabel* GetAddressLink() { return addressLink_; }
    ILabel* GetSupportLink() { return supportLink_; }
    IButton* GetCloseButton() { return closeButton_; }
    IButton* GetGlyphButton() { return glyphButton_; }
    win::Image* GetIcon() { return icon_; }
    win::Image* GetPicture() { return picture_; }

private:
    About3(const About3&) = delete;
    About3& operator=(const About3&) = delete;

    void ReleaseWindow();
    win::Box* BuildHead();
    // A row of a caption and a value, both from the pack.
    win::Box* BuildRow(int32_t captionId, int32_t valueId, ILabel** value);
    win::Box* BuildSupportRow();
    win::Box* BuildButtons();
    void Open(const wchar_t* address);
    int32_t BaseTextId();

    IWindow* owner_;
    app::win::AppWindow* holder_;
    map::IMappedData* settings_;
    lang::Localizer* langPack_;
    drawer::Skinner* skinner_;
    win::Window* window_;
    IButton* closeButton_;
    IButton* glyphButton_;
    ILabel* addressLink_;
    ILabel* supportLink_;
    int32_t supportLinkTextId_;
    win::Image* icon_;
    win::Image* picture_;
};

} // namespace dialogs
} // namespace gui
} // namespace s
