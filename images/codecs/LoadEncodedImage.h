#pragma once

namespace s {
namespace file {
class IPath;
}

namespace image {
class IEncodedImage;

// The codec of the file's detected kind, loaded from it: a new pooled object the caller releases,
// returned also when decoding failed (callers test its size); null for unrecognised files and for
// kinds without a codec.
IEncodedImage* LoadEncodedImage(file::IPath* file);

} // namespace image
} // namespace s
