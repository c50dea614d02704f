#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "skins/drawer/IGroupBox.h"
#include "windowing/component/ContentContainer.h"
#include "windowing/widgets/CaptionFontForwards.h"
#include "windowing/widgets/CaptionedControl.h"
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
class GroupBox : public ContentContainer<CaptionedControl<CaptionFontForwards<IGroupBox>, drawer::IGroupBox>, IComponent>,
                 public thread::IPoolable {
    using Base = ContentContainer<CaptionedControl<CaptionFontForwards<IGroupBox>, drawer::IGroupBox>, IComponent>;

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
    drawer::IGroupBox* GetDrawer() override;

    // IContainer: the content piled over the client area inside the frame.
    void DoLayout() override;

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
    void RequestLayout() override;
    void SetEnabled(bool enabled) override;
    void AddChild(IComponent* child) override;

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Measure() override;
    drawer::IGroupBox* SkinDrawer(drawer::ISkin* skin) override;

private:
    void Paint();
    void OffsetContent();
    void CreateContentWindow();
    void ResetGroupBox();

    int32_t contentMinWidth_;
    int32_t contentMinHeight_;
    int32_t contentMaxWidth_;
    int32_t contentMaxHeight_;
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
    str::strarray::StrArray* noFiles_;
    bool inLayout_;
};

} // namespace win
} // namespace gui
} // namespace s
