#pragma once
#include <windows.h>

#include "mfc/DC.h"

namespace s {
namespace image {
namespace win {

// A memory device context compatible with the screen (or with a given context) holding a bitmap;
// when it goes, the object selected before is put back and the context deleted, so that no early
// return leaves a bitmap selected or a context behind.
class BitmapDc : public CDC {
public:
    explicit BitmapDc(HBITMAP bitmap, CDC* like = nullptr);
    ~BitmapDc() override;

    // Whether the context exists and holds the bitmap.
    bool IsReady() const { return previous_ != nullptr; }
    // Selects another bitmap; the object put back at the end stays the one selected first.
    bool Select(HBITMAP bitmap);

private:
    HGDIOBJ previous_;
};

} // namespace win
} // namespace image
} // namespace s
