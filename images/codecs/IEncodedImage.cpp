#include "images/codecs/IEncodedImage.h"

#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/FileInputStream.h"
#include "storage/file/FileOutputStream.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {

using file::Pooled;
using file::win::PathWin;

win::BufferedImageSet* IEncodedImage::ToBufferedImageSet()
{
    win::BufferedImageSet* set = win::BufferedImageSet::New();
    if (!set)
        return nullptr;
    auto* image = dynamic_cast<win::BufferedImage*>(ToBufferedImage(0, nullptr));
    if (image)
        set->AddImage(image, GetEncodedBitCount(), 0, 0);
    return set;
}

bool IEncodedImage::SaveToPath(const wchar_t* path)
{
    Pooled<PathWin> file(PathWin::CreateFromText(path));
    return file && SaveToFile(file.get());
}

bool IEncodedImage::SaveToFile(file::IPath* file)
{
    // Never overwrite a file the user already has.
    if (!file || file->Exists())
        return false;
    file::win::FileOutputStream* out = file->OpenOutputStream(false);
    if (!out)
        return false;
    bool written = Encode(out);
    return out->DisposeReporting() && written;
}

bool IEncodedImage::LoadFromPath(const wchar_t* path)
{
    Pooled<PathWin> file(PathWin::CreateFromText(path));
    return file && LoadFromFile(file.get());
}

bool IEncodedImage::LoadFromFile(file::IPath* file)
{
    if (!file || !file->Exists() || !file->IsFile())
        return false;
    file::win::FileInputStream* in = file->OpenInputStream();
    if (!in)
        return false;
    bool decoded = Decode(in);
    in->Dispose();
    return decoded;
}

IEncodedImage* IEncodedImage::FromImageSet(win::BufferedImageSet* set)
{
    if (!set)
        return nullptr;
    win::BufferedImage* primary = set->GetPrimaryImage();
    return primary ? FromImage(primary) : nullptr;
}

bool IEncodedImage::FindExactImage(int32_t, int32_t, int32_t, int32_t* index)
{
    if (index)
        *index = 0;
    return true;
}

bool IEncodedImage::FindNearestDepthImage(int32_t, int32_t, int32_t, int32_t* index)
{
    if (index)
        *index = 0;
    return true;
}

bool IEncodedImage::FindNearestSizeImage(int32_t, int32_t, int32_t, int32_t* index)
{
    if (index)
        *index = 0;
    return true;
}

} // namespace image
} // namespace s
