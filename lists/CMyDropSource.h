#pragma once
#include <windows.h>

#include <cstdint>

#include "mfc/OleDropSource.h"

namespace s {
namespace base {
class IObject;
}
namespace gui {
namespace events {
class IEventListener;
}

namespace win {

// The drop source of one drag of virtual files: the framework's rule decides, and the course of
// the drag is told to the listener with the data source as the event's source.
class CMyDropSource : public COleDropSource {
public:
    // Told on every poll while the drag goes on, until the drop or the cancel.
    static const int32_t kDragging = 1;
    // Told once, when the drop is seen.
    static const int32_t kDropped = 2;

    CMyDropSource(events::IEventListener* listener, base::IObject* dataSource);

    SCODE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;

    bool HasStarted() const { return started_ != 0; }
    bool IsDropReported() const { return dropReported_ != 0; }
    bool IsCancelled() const { return cancelled_ != 0; }

private:
    uint8_t started_;
    uint8_t dropReported_;
    uint8_t cancelled_;
    events::IEventListener* listener_;
    base::IObject* dataSource_;
};

} // namespace win
} // namespace gui
} // namespace s
