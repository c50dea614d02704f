#pragma once
#include <windows.h>

#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/box/IBox.h"
#include "windowing/component/Component.h"
#include "storage/events/IEventListener.h"

class CDC;

namespace s {
namespace image {
namespace win {
class BufferedImage;
}
} // namespace image
namespace str {
namespace strarray {
class StrArray;
}
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace win {

class UrlDropTarget;

// The toolkit's general container (see IBox): a native child window of the toolkit class whose
// children are laid out by one of the four layout kinds, offset by its margins.
class Box : public Component<IBox>, public thread::IPoolable, public events::IEventListener {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_Box";
    static constexpr int32_t kPoolCapacity = 1000;
    // A Box hidden by ShowOnlyChild waits this far below its page.
    static constexpr int32_t kPageAwayY = 3000;

    Box();
    ~Box() override;

    static thread::EasyPooler* GetPool();
    // A Box from the pool set up in one call: kind 0 to 3 (others keep the column); percents of
    // 0 or more; alignments of 0 or less start, 1 centre, others end; gaps and margins only
    // when above 0. Null when no Box could be made.
    static Box* Create(int32_t kind, int32_t widthPercent, int32_t heightPercent, int32_t hAlign, int32_t vAlign,
                       int32_t hGap, int32_t vGap, int32_t hMargins, int32_t vMargins);

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // A finished drop of the Box's web-address drop target.
    void OnEvent(base::IObject* source, int32_t code) override;

    // IBox
    void SetHGap(int32_t gap) override;
    void SetVGap(int32_t gap) override;
    void SetMarginLeft(int32_t margin) override;
    void SetMarginRight(int32_t margin) override;
    void SetMarginTop(int32_t margin) override;
    void SetMarginBottom(int32_t margin) override;
    void SetHMargins(int32_t margin) override;
    void SetVMargins(int32_t margin) override;
    void SetMargins(int32_t margin) override;
    void SetVAlignTop() override;
    void SetVAlignCenter() override;
    void SetVAlignBottom() override;
    void SetHAlignLeft() override;
    void SetHAlignCenter() override;
    void SetHAlignRight() override;
    int32_t GetLayoutKind() override;
    void SetHorizontal() override;
    void SetVertical() override;
    void SetFlow() override;
    void SetPile() override;
    void SetFullSize() override;
    void SetWidthPercent(int32_t percent, bool relayout) override;
    void SetHeightPercent(int32_t percent, bool relayout) override;
    void SetWidthPixels(int32_t pixels, bool relayout) override;
    void SetHeightPixels(int32_t pixels, bool relayout) override;
    void SetMinWidth(int32_t width) override;
    void SetSizeHint(int32_t width) override;
    int32_t GetSizeHint() override;
    void SetAcceptFiles(bool accept) override;
    void AddFileDropListener(events::IEventListener* listener) override;
    str::strarray::StrArray* GetDroppedFiles() override;
    void SetAcceptUrls(bool accept) override;
    void AddUrlDropListener(events::IEventListener* listener) override;
    str::strbuffer::StrBuffer* GetDroppedUrl() override;
    void AddWheelListener(events::IEventListener* listener) override;
    int32_t GetWheelLines() override;
    void SetIgnoreMinWidth(bool ignore) override;
    void SetIgnoreMinHeight(bool ignore) override;
    void SetDrawer(drawer::IWindow* drawer, bool owned) override;
    void AddLayoutListener(events::IEventListener* listener) override;
    void ShowOnlyChildVisible(int32_t index) override;
    void ShowOnlyChild(int32_t index) override;
    void AddBoundsListener(events::IEventListener* listener) override;
    void AddPaintListener(events::IEventListener* listener) override;
    HDC GetPaintDC() override;
    void MarkPainted() override;
    void SetMouseTransparent(bool transparent) override;
    void SetHoverColor(int32_t red, int32_t green, int32_t blue) override;
    void SetPageLock(bool locked) override;
    void AddClickListener(events::IEventListener* listener) override;
    void ReleaseBackImage() override;

    // IContainer
    void DoLayout() override;
    ILayoutManager* GetLayoutManager() override;
    void SetLayoutManager(ILayoutManager* manager) override;

    // The component operations where a Box differs from a leaf.
    bool CreateWindowIn(IComponent* parent) override;
    bool IsContainer() override;
    int32_t GetClientWidth() override;
    int32_t GetClientHeight() override;
    void SetClientWidth(int32_t width) override;
    void SetClientHeight(int32_t height) override;
    void SetPosition(int32_t x, int32_t y) override;
    void SetSize(int32_t width, int32_t height) override;
    void SetBounds(int32_t x, int32_t y, int32_t width, int32_t height) override;
    int32_t GetMinWidth() override;
    int32_t GetMinHeight() override;
    int32_t GetMinClientWidth() override;
    int32_t GetMinClientHeight() override;
    int32_t GetMaxWidth() override;
    int32_t GetMaxHeight() override;
    int32_t GetMaxClientWidth() override;
    int32_t GetMaxClientHeight() override;
    void SetLayoutSize(int32_t width, int32_t height) override;
    void SetVisible(bool show, bool children) override;
    void RequestLayout() override;
    image::win::BufferedImage* GetBackBuffer(int32_t* x, int32_t* y) override;
    void AddChild(IComponent* child) override;
    void RemoveChild(IComponent* child, bool recursive) override;
    void RemoveAllChildren(bool recursive) override;
    int32_t GetChildCount() override;
    IComponent* GetChildAt(int32_t index) override;
    col::_array::ArrayP* GetChildren() override;

    // The four sizes the last layout wrote: minimum width, natural height, maximum width and
    // maximum height of the content.
    int32_t GetContentMinWidth() const { return contentMinWidth_; }
    int32_t GetContentNaturalHeight() const { return contentNaturalHeight_; }
    int32_t GetContentMaxWidth() const { return contentMaxWidth_; }
    int32_t GetContentMaxHeight() const { return contentMaxHeight_; }
    bool IsPageLocked() const { return pageLocked_; }
    bool IsHovered() const { return hover_; }
    // The target taking dragged web addresses, null while the Box takes none.
    UrlDropTarget* GetUrlDropTarget() const { return urlTarget_; }

protected:
    bool HandleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    enum ListenerList { kFileDrop, kWheel, kLayout, kBounds, kPaint, kClick, kUrlDrop, kListenerLists };

    void ResetBox();
    void TellListeners(ListenerList list, int32_t code);
    // Margins, when any is set, become the children's offsets.
    void OffsetChild(IComponent* child);
    void OffsetChildren();
    // After a size change: the Box lays out again and, when asked, its parent (twice for a
    // flow, whose line breaks may change the Box's own height).
    void RelayoutAfterSizeChange(bool relayout);
    void RequestParentLayout();
    void Paint();
    void FillBackground(CDC* dc, const RECT& client);
    LRESULT HandleMouseWheel(WPARAM wParam, LPARAM lParam);
    void HandleDropFiles(HDROP drop);
    void HandleMouseMove(LPARAM lParam);
    void SetHover(bool hover);
    // Makes and registers the web-address drop target, or revokes and releases it; on the
    // Box's thread, where OLE runs.
    void ApplyAcceptUrls(bool accept);
    // An enabled button under the screen point takes the mouse even in a transparent Box.
    bool ButtonChildAt(int32_t x, int32_t y);

    col::_array::ArrayP children_;
    col::_array::ArrayP listeners_[kListenerLists];
    ILayoutManager* layoutManager_;
    int32_t contentMinWidth_;
    int32_t contentNaturalHeight_;
    int32_t contentMaxWidth_;
    int32_t contentMaxHeight_;
    int32_t explicitMinWidth_;
    int32_t sizeHint_;
    int32_t layoutKind_;
    int32_t hAlign_;
    int32_t vAlign_;
    int32_t hGap_;
    int32_t vGap_;
    int32_t marginLeft_;
    int32_t marginRight_;
    int32_t marginTop_;
    int32_t marginBottom_;
    bool creatingChildren_;
    bool acceptFiles_;
    str::strarray::StrArray* droppedFiles_;
    bool acceptUrls_;
    str::strbuffer::StrBuffer* droppedUrl_;
    UrlDropTarget* urlTarget_;
    int32_t wheelLines_;
    bool inWheel_;
    bool hover_;
    bool hasHoverColor_;
    COLORREF hoverColor_;
    bool ignoreMinWidth_;
    bool ignoreMinHeight_;
    drawer::IWindow* drawer_;
    bool ownsDrawer_;
    int32_t layoutDepth_;
    bool mouseTransparent_;
    bool pageLocked_;
    HDC paintDC_;
    bool paintedByListener_;
    image::win::BufferedImage* backImage_;
};

} // namespace win
} // namespace gui
} // namespace s
