#pragma once

namespace s {
namespace image {
namespace settings {

// Makes the codecs' whole-image conversions go through the encoder settings of their formats.
// Once per process, before the first conversion; later calls change nothing.
void InstallEncodeSettings();

} // namespace settings
} // namespace image
} // namespace s
