// The file side of the string list: joined lines written as the whole file.
#include "core/col/Arrays.h"
#include "core/str/StrArray.h"
#include "storage/file/PathWin.h"
#include "storage/file/WholeFile.h"

namespace s {
namespace str {
namespace strarray {

bool StrArray::WriteJoined(file::win::PathWin* path)
{
    if (!path || !path->IsSet())
        return false;
    col::_array::ArrayU08* bytes = ToUtf8Lines();
    if (!bytes)
        return false;
    const bool saved = file::win::WholeFile::Replace(path, bytes);
    bytes->ReleaseToPool();
    return saved;
}

} // namespace strarray
} // namespace str
} // namespace s
