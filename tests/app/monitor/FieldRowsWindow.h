#pragma once
#include <string>
#include <vector>

#include "FakeFieldRow.h"
#include "app/monitor/IFieldRow.h"

namespace s {
namespace gui {
namespace win {
class Label;
class Window;
} // namespace win
} // namespace gui
} // namespace s

// The gadget's rows on screen until the monitor window comes: a window of the toolkit holding,
// per row, a bold name label and a value label that each field's own update callback sets.
class FieldRowsWindow {
public:
    FieldRowsWindow() = default;
    ~FieldRowsWindow();

    // Shows a row per name at the top left of the screen, each value "-----" at first.
    bool Open(const std::vector<std::wstring>& names);
    // Runs the callback of row index over a recording row whose value also goes to the label;
    // the value text it set.
    std::wstring Update(size_t index, s::system::counter::FieldUpdateCallback callback, int32_t displayType,
                        int64_t extraValue);
    const wchar_t* LabelText(size_t index);
    // Fits the window to its rows, paints it and writes its picture as "<name>.png".
    bool Save(const wchar_t* name);

private:
    FieldRowsWindow(const FieldRowsWindow&) = delete;
    FieldRowsWindow& operator=(const FieldRowsWindow&) = delete;

    s::gui::win::Window* window_ = nullptr;
    std::vector<s::gui::win::Label*> values_;
};
