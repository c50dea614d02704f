#pragma once
#include <cstdint>

#include "windowing/component/IContainer.h"
#include "windowing/widgets/ICaptionFont.h"

namespace s {
namespace str {
namespace strarray {
class StrArray;
}
} // namespace str
namespace gui {

namespace drawer {
class IGroupBox;
}
namespace events {
class IEventListener;
}

// A captioned frame around one content component (as a rule a Box), to which it passes the
// children added to it and whose file drops it reports.
class IGroupBox : public IContainer, public ICaptionFont {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_IGroupBox";
    // The code the file-drop listeners are told.
    static constexpr int32_t kEventFilesDropped = 1;

    virtual void SetCaption(const wchar_t* caption) = 0;
    virtual const wchar_t* GetCaption() = 0;
    virtual void SetCaptionTextId(int32_t id) = 0;
    // Each clears the other of its dimension.
    virtual void SetWidthPercent(int32_t percent) = 0;
    virtual void SetHeightPercent(int32_t percent) = 0;
    virtual void SetWidthPixels(int32_t pixels) = 0;
    virtual void SetHeightPixels(int32_t pixels) = 0;
    virtual void SetFrameColor(int32_t red, int32_t green, int32_t blue) = 0;
    // Kept, never told anything.
    virtual void AddListener(events::IEventListener* listener) = 0;
    virtual IComponent* GetContent() = 0;
    // The content joins the children (a previous one stays among them).
    virtual void SetContent(IComponent* content) = 0;
    virtual void SetAcceptFiles(bool accept) = 0;
    virtual void AddFileDropListener(events::IEventListener* listener) = 0;
    // The paths of the content's last drop; empty without a content.
    virtual str::strarray::StrArray* GetDroppedFiles() = 0;
    // The skin's look, or null for the group box's own.
    virtual void SetDrawer(drawer::IGroupBox* drawer, bool owned) = 0;
    virtual drawer::IGroupBox* GetDrawer() = 0;
};

} // namespace gui
} // namespace s
