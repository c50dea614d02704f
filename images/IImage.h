#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace image {

// The size of every image of the library.
class IImage : public base::IObject {
public:
    virtual int32_t GetWidth() = 0;
    virtual int32_t GetHeight() = 0;
};

} // namespace image
} // namespace s
