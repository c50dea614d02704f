#pragma once
#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace image {

class IBufferedImage;

namespace filters {

// An image filter kept in an image's filter list and applied in list order.
class IFilter : public base::IObject, public thread::IPoolable {
public:
    // A static name text; images look a filter up by this address, not by its characters.
    virtual const wchar_t* GetName() = 0;
    // True: the image gives the filter back to its pool when it removes it.
    virtual bool IsAutoRelease() = 0;
    virtual void SetAutoRelease(bool autoRelease) = 0;
    // Filters the source into the target (a new image when null) and returns the target; null
    // when it could not.
    virtual IBufferedImage* Apply(IBufferedImage* source, IBufferedImage* target) = 0;
};

} // namespace filters
} // namespace image
} // namespace s
