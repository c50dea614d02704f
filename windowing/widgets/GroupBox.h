#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/Brush.h"
#include "mfc/Button.h"
#include "storage/events/IEventListener.h"
#include "windowing/component/Component.h"
#include "windowing/component/SkinLink.h"
#include "windowing/paint/Font.h"
#include "windowing/widgets/Caption.h"
#include "windowing/widgets/CaptionFontForwards.h"
#include "windowing/widgets/IGroupBox.h"

namespace s {
namespace image {
namespace win {
class BufferedImage;
}
} // namespace image
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {
class Basic;
}
} // namespace groupbox
} // namespace drawer
namespace win {

// The toolkit's group box (see IGroupBox) over the system's group-box control, which it always
// paints itself: through the skin's group-box drawer in a window with a skin manager, else
// through its own. It keeps its back buffer between paints, so that its content paints over it.
class GroupBox : public Component<CaptionFontForwards<IGroupBox>, CButton>,
                 public thread::IPoolable,
                 public events::IEventListener {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_GroupBox";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr UINT kControlId = 1000;
    // The frame's room around the content, the top one below the caption.
    static constexpr int32_t kInset = 4;
    // The room beside the caption that the frame keeps.
    static constexpr int32_t kCaptionAllowance = 24;
    // The content Box's margins made by CreateWithBox.
    static constexpr int32_t kContentHMargins = 20;
    static constexpr int32_t kContentVMargins = 3;

    GroupBox();
    ~GroupBox() override;

    static thread::EasyPooler* GetPool();
    static GroupBox* New();
    // A group box around a new content Box of the layout kind (0 row, 1 column, 2 flow, 3 pile)
    // filling it, aligned to the top left, with the gaps when above 0; a width percent of 0 or
    // more is applied. Null when either cannot be had.
    static GroupBox* CreateWithBox(const wchar_t* caption, double widthPercent, int32_t layoutKind, int32_t hGap,
                                   int32_t vGap);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // IGroupBox
    void SetCaption(const wchar_t* caption) override;
    const wchar_t* GetCaption() override;
    void SetCaptionTextId(int32_t id) override;
    void SetWidthPercent(int32_t percent) override;
    void SetHeightPercent(int32_t percent) override;
    void SetWidthPixels(int32_t pixels) override;
    void SetHeightPixels(int32_t pixels) override;
    void SetFrameColor(int32_t red, int32_t green, int32_t blue) override;
    void AddListener(events::IEventListener* listener) override;
    IComponent* GetContent() override { return content_; }
    void SetContent(IComponent* content) override;
    void SetAcceptFiles(bool accept) override;
    void AddFileDropListener(events::IEventListener* listener) override;
    str::strarray::StrArray* GetDroppedFiles() override;
    void SetDrawer(drawer::IGroupBox* drawer, bool owned) override;
    drawer::IGroupBox* GetDrawer() override;

    // IContainer: the content piled over the client area inside the frame.
    void DoLayout() override;
    ILayoutManager* GetLayoutManager() override;
    void SetLayoutManager(ILayoutManager* manager) override { layoutManager_ = manager; }

    // Language and skin changes of the owning window, and the content's file drops.
    void OnEvent(base::IObject* source, int32_t code) override;

    // Where the content stands inside the frame.
    int32_t GetInsetLeft() { return insetLeft_; }
    int32_t GetInsetTop() { return insetTop_; }
    int32_t GetInsetRight() { return insetRight_; }
    int32_t GetInsetBottom() { return insetBottom_; }
    int32_t GetCaptionHeight() { return captionHeight_; }
    // The buffer the last paint used, null when there is none.
    image::win::BufferedImage* GetBackBufferImage() { return backBuffer_; }

    // The component operations where a group box differs from the shared body.
    bool CreateWindowIn(IComponent* parent) override;
    bool IsContainer() override { return true; }
    int32_t GetClientWidth() override { return width_ - insetLeft_ - insetRight_; }
    int32_t GetClientHeight() override { return height_ - insetTop_ - insetBottom_; }
    void SetClientWidth(int32_t width) override { SetWidth(width + insetLeft_ + insetRight_); }
    void SetClientHeight(int32_t height) override { SetHeight(height + insetTop_ + insetBottom_); }
    int32_t GetMinWidth() override;
    int32_t GetMinHeight() override;
    int32_t GetMinClientWidth() override;
    int32_t GetMinClientHeight() override;
    int32_t GetMaxWidth() override;
    int32_t GetMaxHeight() override;
    int32_t GetMaxClientWidth() override { return GetMaxWidth() - insetLeft_ - insetRight_; }
    int32_t GetMaxClientHeight() override { return GetMaxHeight() - insetTop_ - insetBottom_; }
    // Clamped into the limits, then the content follows the new size.
    void SetLayoutSize(int32_t width, int32_t height) override;
    void RequestLayout() override;
    void SetVisible(bool show, bool children) override;
    void SetEnabled(bool enabled) override;
    // The own buffer itself, the offsets left as they are: the content paints from it.
    image::win::BufferedImage* GetBackBuffer(int32_t* x, int32_t* y) override;
    void AddChild(IComponent* child) override;
    void RemoveChild(IComponent* child, bool recursive) override;
    void RemoveAllChildren(bool recursive) override;
    int32_t GetChildCount() override;
    IComponent* GetChildAt(int32_t index) override;
    col::_array::ArrayP* GetChildren() override { return &children_; }

protected:
    Font* CaptionFont() override { return &font_; }
    void CaptionFontChanged() override { Measure(); }
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Measure();
    void Paint();
    void OffsetContent();
    void CreateContentWindow();
    void TakeSkinDrawer();
    void ReleaseBackBuffer();
    void ResetGroupBox();

    col::_array::ArrayP children_;
    IComponent* content_;
    image::win::BufferedImage* backBuffer_;
    ILayoutManager* layoutManager_;
    int32_t contentMinWidth_;
    int32_t contentMinHeight_;
    int32_t contentMaxWidth_;
    int32_t contentMaxHeight_;
    Caption caption_;
    Font font_;
    Font disabledFont_;
    CBrush brush_;
    int32_t captionWidth_;
    int32_t captionHeight_;
    COLORREF frameColor_;
    int32_t insetLeft_;
    int32_t insetRight_;
    int32_t insetTop_;
    int32_t insetBottom_;
    bool acceptFiles_;
    col::_array::ArrayP fileDropListeners_;
    col::_array::ArrayP furtherListeners_;
    drawer::groupbox::win::Basic* defaultDrawer_;
    drawer::IGroupBox* drawer_;
    bool drawerOwned_;
    str::strarray::StrArray* noFiles_;
    SkinLink skinLink_;
    bool inLayout_;
};

} // namespace win
} // namespace gui
} // namespace s
