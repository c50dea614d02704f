#pragma once
#include "core/col/Arrays.h"
#include "core/io/IInputStream.h"
#include "storage/file/PathWin.h"

namespace s {
namespace file {
namespace win {

// A file read or written as one block of bytes through its path.
class WholeFile {
public:
    // Appends the file's bytes to out; false when the file could not be opened or read to its
    // end. After a failed read out holds the bytes that did arrive, and only those.
    static bool Read(PathWin* path, col::_array::ArrayU08* out);
    // Appends the whole of a seekable stream to out, with the same results as Read.
    static bool ReadFrom(io::IInputStream* stream, col::_array::ArrayU08* out);
    // Makes the file hold exactly bytes. They go to a sibling file first, which replaces the file
    // only once completely written and flushed, so a failed write (a full disk, a crash, a
    // read-only file) leaves the old file as it was. Missing folders are made first. A sibling
    // left behind by a crash or a copy is removed, whatever its attributes, and the file
    // written is made fresh: it inherits no attributes.
    static bool Replace(PathWin* path, col::_array::ArrayU08* bytes);

private:
    WholeFile() = delete;
};

} // namespace win
} // namespace file
} // namespace s
