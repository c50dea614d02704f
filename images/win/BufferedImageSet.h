#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "images/IBufferedImageSet.h"

namespace s {
namespace image {
namespace win {

// The images of a set in four parallel columns (image, depth, delay, combine mode), with the
// primary image: the largest, the deepest of equal areas, the first of full ties.
class BufferedImageSet : public IBufferedImageSet, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_win_BufferedImageSet";
    // Answered by GetDelay and GetCombineMode past the count.
    static const int32_t kPastTheCount = 1000;

    BufferedImageSet();
    ~BufferedImageSet() override;

    static thread::EasyPooler* GetPool();
    static BufferedImageSet* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    int32_t GetWidth() override { return primaryWidth_; }
    int32_t GetHeight() override { return primaryHeight_; }

    int32_t GetCount() override;
    void AddImage(BufferedImage* image, int32_t bitsPerPixel, int32_t delay, int32_t combineMode) override;
    int32_t UpdatePrimaryImage() override;
    bool IsAnimated() override { return animated_; }
    int32_t GetLoopCount() override { return loopCount_; }
    void SetAnimation(bool animated, int32_t loopCount) override;
    int32_t GetDelay(int32_t index) override;
    int32_t GetCombineMode(int32_t index) override;
    BufferedImageSet* Copy() override;
    BufferedImageSet* ComposeFrames() override;
    BufferedImageSet* ScaledCopy(int32_t width, int32_t height, bool keepAspect) override;
    BufferedImageSet* FilteredCopy() override;
    int32_t GetPrimaryIndex() override { return primaryIndex_; }
    BufferedImage* GetPrimaryImage() override;
    bool FindExactImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;
    bool FindNearestDepthImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;
    bool FindNearestSizeImage(int32_t width, int32_t height, int32_t bitsPerPixel, int32_t* index) override;
    void DetachAll() override;
    void RemoveAll() override;
    BufferedImage* GetImage(int32_t index) override;
    void AddImage(BufferedImage* image) override;

    int32_t GetBitsPerPixel(int32_t index);
    int32_t GetPrimaryBitsPerPixel() const { return primaryBitsPerPixel_; }

private:
    BufferedImageSet(const BufferedImageSet&) = delete;
    BufferedImageSet& operator=(const BufferedImageSet&) = delete;

    enum class CopyKind { kPlain, kScaled, kFiltered };
    BufferedImageSet* CopyImages(CopyKind kind, int32_t width, int32_t height, bool keepAspect);
    bool FindNearest(int32_t width, int32_t height, int32_t bitsPerPixel, bool depthFirst, int32_t* index);

    col::_array::ArrayP images_;
    col::_array::ArrayS32 bitsPerPixel_;
    col::_array::ArrayS32 delay_;
    col::_array::ArrayS32 combineMode_;
    bool animated_;
    uint16_t loopCount_;
    int32_t primaryWidth_;
    int32_t primaryHeight_;
    int32_t primaryBitsPerPixel_;
    int32_t primaryIndex_;
};

} // namespace win
} // namespace image
} // namespace s
