// Loading and saving a node as a whole file.
#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"
#include "storage/file/WholeFile.h"
#include "storage/xml/Node.h"

namespace s {
namespace xml {

bool Node::LoadFile(PathWin* path)
{
    ArrayU08* bytes = ArrayU08::New();
    if (!bytes)
        return false;
    // A short read still gives what it read: a document cut off keeps its complete part.
    const bool read = file::win::WholeFile::Read(path, bytes);
    const bool loaded = ParseBytes(bytes) && read;
    bytes->ReleaseToPool();
    return loaded;
}

bool Node::LoadFileText(StrBuffer* text)
{
    PathWin* path = PathWin::New();
    if (!path)
        return false;
    const bool loaded = text && path->SetFromStr(text) && LoadFile(path);
    path->ReleaseToPool();
    return loaded;
}

bool Node::SaveFile(PathWin* path)
{
    ArrayU08* bytes = WriteBytes(nullptr, false);
    if (!bytes)
        return false;
    const bool saved = file::win::WholeFile::Replace(path, bytes);
    bytes->ReleaseToPool();
    return saved;
}

bool Node::SaveFileText(StrBuffer* text)
{
    PathWin* path = PathWin::New();
    if (!path)
        return false;
    const bool saved = text && path->SetFromStr(text) && SaveFile(path);
    path->ReleaseToPool();
    return saved;
}

} // namespace xml
} // namespace s
