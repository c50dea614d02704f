#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "windowing/component/IComponent.h"

namespace testing_support {

// A component without a native window for the layout tables: it keeps its limits and bounds,
// clamps a layout size as the leaf widgets do, and counts the native moves it would make (one
// per bounds change outside a suspension, one per resume with something pending).
class FakeComponent : public s::gui::IComponent {
public:
    FakeComponent(int32_t minWidth = 0, int32_t minHeight = 0, int32_t maxWidth = 0, int32_t maxHeight = 0)
        : minWidth(minWidth), minHeight(minHeight), maxWidth(maxWidth), maxHeight(maxHeight)
    {
    }

    // Limits and state the tests set.
    int32_t minWidth;
    int32_t minHeight;
    int32_t maxWidth;
    int32_t maxHeight;
    // The height a layout size of 0 gives, whatever the limits; the minimum height when below 0.
    int32_t naturalHeight = -1;
    bool shown = true;
    int32_t clientWidth = 0;
    int32_t clientHeight = 0;
    std::vector<s::gui::IComponent*> children;

    // What happened to it.
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool suspended = false;
    bool pending = false;
    int32_t moves = 0;
    int32_t redraws = 0;
    int32_t suspends = 0;
    int32_t resumes = 0;

    const wchar_t* GetClassName() override { return L"testing_support_FakeComponent"; }
    s::base::IObject* NewInstance() override { return nullptr; }

    s::gui::IComponent* GetParent() override { return nullptr; }
    s::gui::IWindow* GetWindow() override { return nullptr; }
    bool CreateWindowIn(s::gui::IComponent*) override { return false; }
    bool IsContainer() override { return !children.empty(); }

    int32_t GetX() override { return x; }
    int32_t GetY() override { return y; }
    void SetX(int32_t value) override { SetPosition(value, y); }
    void SetY(int32_t value) override { SetPosition(x, value); }
    int32_t GetScreenX() override { return x; }
    int32_t GetScreenY() override { return y; }
    bool ContainsScreenPoint(int32_t, int32_t) override { return false; }

    int32_t GetWidth() override { return width; }
    int32_t GetHeight() override { return height; }
    void SetWidth(int32_t value) override { SetSize(value, height); }
    void SetHeight(int32_t value) override { SetSize(width, value); }
    int32_t GetClientWidth() override { return clientWidth; }
    int32_t GetClientHeight() override { return clientHeight; }
    void SetClientWidth(int32_t value) override { clientWidth = value; }
    void SetClientHeight(int32_t value) override { clientHeight = value; }

    void SetPosition(int32_t newX, int32_t newY) override
    {
        x = newX;
        y = newY;
        Moved();
    }
    void SetSize(int32_t newWidth, int32_t newHeight) override
    {
        width = newWidth;
        height = newHeight;
        Moved();
    }
    void SetBounds(int32_t newX, int32_t newY, int32_t newWidth, int32_t newHeight) override
    {
        x = newX;
        y = newY;
        width = newWidth;
        height = newHeight;
        Moved();
    }
    void SetOffset(int32_t, int32_t) override {}
    void OffsetBy(int32_t, int32_t) override {}

    int32_t GetMinWidth() override { return minWidth; }
    int32_t GetMinHeight() override { return minHeight; }
    int32_t GetMinClientWidth() override { return minWidth; }
    int32_t GetMinClientHeight() override { return minHeight; }
    int32_t GetMaxWidth() override { return maxWidth; }
    int32_t GetMaxHeight() override { return maxHeight; }
    int32_t GetMaxClientWidth() override { return maxWidth; }
    int32_t GetMaxClientHeight() override { return maxHeight; }
    void SetLayoutSize(int32_t newWidth, int32_t newHeight) override
    {
        const int32_t clampedWidth = Clamp(newWidth, minWidth, maxWidth);
        if (newHeight == 0 && naturalHeight >= 0)
            SetSize(clampedWidth, naturalHeight);
        else
            SetSize(clampedWidth, Clamp(newHeight, minHeight, maxHeight));
    }

    void SuspendBounds() override
    {
        ++suspends;
        suspended = true;
        for (s::gui::IComponent* child : children)
            child->SuspendBounds();
    }
    void ResumeBounds() override
    {
        ++resumes;
        suspended = false;
        if (pending) {
            pending = false;
            ++moves;
        }
        for (s::gui::IComponent* child : children)
            child->ResumeBounds();
    }
    bool IsBoundsSuspended() override { return suspended; }
    void ValidateLayout() override {}
    void RequestLayout() override {}

    void CenterHorizontally() override {}
    void CenterVertically() override {}
    void Center() override {}

    void SetVisible(bool show, bool) override { shown = show; }
    bool IsShown() override { return shown; }
    bool IsEnabled() override { return true; }
    void SetEnabled(bool) override {}
    bool IsEditable() override { return false; }
    void SetEditable(bool) override {}
    void Redraw() override { ++redraws; }
    void RedrawRect(int32_t, int32_t, int32_t, int32_t) override {}

    COLORREF GetBackgroundColor() override { return 0; }
    bool IsBackgroundInherited() override { return true; }
    void InheritBackground(bool) override {}
    void ResetBackgroundColor(bool) override {}
    void SetBackgroundColor(int32_t, int32_t, int32_t, bool) override {}
    void SetBackgroundWhite() override {}
    void SetBackgroundBlack() override {}
    void SetBackgroundPale(bool) override {}
    COLORREF GetEffectiveBackgroundColor() override { return 0; }
    s::image::win::BufferedImage* GetBackBuffer(int32_t*, int32_t*) override { return nullptr; }

    void AddChild(s::gui::IComponent* child) override { children.push_back(child); }
    void RemoveChild(s::gui::IComponent*, bool) override {}
    void RemoveAllChildren(bool) override { children.clear(); }
    int32_t GetChildCount() override { return static_cast<int32_t>(children.size()); }
    s::gui::IComponent* GetChildAt(int32_t index) override
    {
        return index >= 0 && index < GetChildCount() ? children[static_cast<size_t>(index)] : nullptr;
    }
    s::col::_array::ArrayP* GetChildren() override { return nullptr; }

private:
    // A minimum above the maximum wins, as in the widgets.
    static int32_t Clamp(int32_t value, int32_t low, int32_t high)
    {
        return std::max(std::min(value, high), low);
    }

    void Moved()
    {
        if (suspended)
            pending = true;
        else
            ++moves;
    }
};

} // namespace testing_support
