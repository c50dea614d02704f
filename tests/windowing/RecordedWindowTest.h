#pragma once
#include "windowing/DesktopRecorder.h"
#include "windowing/ShownWindow.h"

namespace testing_support {

// A window whose calls to the desktop (notification area, trims, timers, Shift, cursor) go to
// the recorder; the window goes before the recorder does, so none of its calls escapes it.
class RecordedWindowTest : public ShownWindowTest {
protected:
    void TearDown() override { window_.reset(); }

    DesktopRecorder desktop_;
};

} // namespace testing_support
