#pragma once
#include <cstdint>

namespace s {
namespace gui {

// An entry of a tree that a list offers when its rows are dragged out as files.
class IDragOutNode {
public:
    virtual ~IDragOutNode() {}
    virtual const wchar_t* GetFullPath() = 0;
    virtual int32_t GetChildCount() = 0;
    virtual IDragOutNode* GetChildAt(int32_t index) = 0;
};

} // namespace gui
} // namespace s
