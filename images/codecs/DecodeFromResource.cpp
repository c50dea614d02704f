#include "images/codecs/DecodeFromResource.h"

#include "core/col/Arrays.h"
#include "images/codecs/IEncodedImage.h"
#include "storage/archive/dll/IArchive.h"

namespace s {
namespace image {

bool DecodeFromResource(IEncodedImage* image, archive::dll::IArchive* resources, const wchar_t* type, uint32_t id)
{
    uint32_t index = 0;
    if (!image || !resources || !resources->FindByTypeNameAndId(type, id, &index))
        return false;
    col::_array::ArrayU08* bytes = col::_array::ArrayU08::New();
    if (!bytes)
        return false;
    bool decoded = false;
    if (resources->ReadEntry(resources->GetEntry(index), bytes)) {
        bytes->SeekToStart();
        decoded = image->Decode(bytes);
        bytes->SeekToStart();
    }
    bytes->ReleaseToPool();
    return decoded;
}

} // namespace image
} // namespace s
