#pragma once
#include "core/base/IObject.h"
#include "core/io/IInputStream.h"

namespace s {
namespace file {

// A file to read.
class IFileInputStream : public io::IInputStream, public base::IObject {
};

} // namespace file
} // namespace s
