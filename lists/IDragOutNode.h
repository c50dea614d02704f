#pragma once
#include <cstdint>

#include "storage/archive/IEntry.h"

namespace s {
namespace gui {

// An entry of a tree that a list offers when its rows are dragged out as files: a file, or a
// folder whose children follow it.
class IDragOutNode : public archive::IEntry {
public:
    virtual const wchar_t* GetFullPath() = 0;
    virtual int32_t GetChildCount() = 0;
    virtual IDragOutNode* GetChildAt(int32_t index) = 0;
};

} // namespace gui
} // namespace s
