#pragma once
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/base/IObject.h"

namespace s {
namespace image {
class IImageBuffer;

namespace filters {
namespace reduction {

// Reduces the colours of a 32-bit image to a palette with an octree and maps pixels onto it.
// Taken from the pool for one reduction: Reduce, read the palette, MapToPalette row by row.
class Quantizer : public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_image_filters_reduction_Quantizer";
    static constexpr int32_t kPaletteEntries = 256;

    Quantizer();
    ~Quantizer() override;

    static thread::EasyPooler* GetPool();
    static Quantizer* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Builds the palette of at most wanted colours (0 to 256) from the image's pixels whose alpha is
    // not 0; entries no colour fills are 0. Depth is the tree's leaf level, 8.
    void Reduce(IImageBuffer* image, int32_t wanted, int32_t depth);
    // One index per pixel, 8 or 4 bits each: the nearest entry for opaque pixels, the wanted count
    // (the transparent index) for all others.
    void MapToPalette(const uint32_t* pixels, int32_t count, uint8_t* output, int32_t bits);
    const uint32_t* GetPalette() const { return palette_; }
    int32_t GetWantedCount() const { return wanted_; }

private:
    Quantizer(const Quantizer&) = delete;
    Quantizer& operator=(const Quantizer&) = delete;

    static const int32_t kLevels = 8;

    struct Node {
        bool leaf;
        uint32_t pixelCount;
        uint32_t redSum;
        uint32_t greenSum;
        uint32_t blueSum;
        uint32_t alphaSum;
        Node* children[8];
        Node* next;
    };

    Node* NewNode(int32_t level);
    void FreeTree(Node* node);
    void AddPixel(uint32_t pixel);
    void AddColor(Node** slot, uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha, int32_t level);
    void ReduceTree();
    void BuildPalette();
    uint8_t NearestEntry(uint32_t pixel) const;

    Node* root_;
    uint32_t leafCount_;
    Node* reducible_[kLevels];
    uint32_t palette_[kPaletteEntries];
    int32_t wanted_;
    int32_t depth_;
};

} // namespace reduction
} // namespace filters
} // namespace image
} // namespace s
