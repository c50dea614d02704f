#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace gui {
namespace events {

// Told by a source (a window, a widget, a language or skin manager) that something happened;
// the meaning of the code depends on the source.
class IEventListener {
public:
    virtual ~IEventListener() {}
    virtual void OnEvent(base::IObject* source, int32_t code) = 0;
};

} // namespace events
} // namespace gui
} // namespace s
