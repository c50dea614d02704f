#include "images/filters/reduction/Quantizer.h"

#include <cstdlib>
#include <cstring>

#include "images/IImageBuffer.h"

namespace s {
namespace image {
namespace filters {
namespace reduction {

namespace {

// Below the few-colour limit the leaves are kept at 16 and grouped into the wanted entries.
const uint32_t kFewColorLeaves = 16;
// More than the largest distance of two colours, 3 x 255 squared.
const uint32_t kFarther = 200000;

int32_t ChildIndex(uint32_t red, uint32_t green, uint32_t blue, int32_t level)
{
    const int32_t shift = 7 - level;
    return static_cast<int32_t>(((red >> shift) & 1) << 2 | ((green >> shift) & 1) << 1 | ((blue >> shift) & 1));
}

} // namespace

Quantizer::Quantizer() : root_(nullptr), leafCount_(0), wanted_(16), depth_(kLevels)
{
    std::memset(reducible_, 0, sizeof(reducible_));
    std::memset(palette_, 0, sizeof(palette_));
}

Quantizer::~Quantizer()
{
    FreeTree(root_);
}

thread::EasyPooler* Quantizer::GetPool()
{
    return &thread::PoolOf<Quantizer>();
}

Quantizer* Quantizer::New()
{
    return thread::TakeFromPool<Quantizer>();
}

const wchar_t* Quantizer::GetClassName()
{
    return kClassName;
}

base::IObject* Quantizer::NewInstance()
{
    return New();
}

void Quantizer::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Quantizer::Reset()
{
    FreeTree(root_);
    root_ = nullptr;
    leafCount_ = 0;
    std::memset(reducible_, 0, sizeof(reducible_));
    wanted_ = 16;
}

void Quantizer::FreeTree(Node* node)
{
    if (!node)
        return;
    for (Node* child : node->children)
        FreeTree(child);
    std::free(node);
}

Quantizer::Node* Quantizer::NewNode(int32_t level)
{
    Node* node = static_cast<Node*>(std::calloc(1, sizeof(Node)));
    if (!node)
        return nullptr;
    if (level == depth_) {
        node->leaf = true;
        ++leafCount_;
    } else {
        node->next = reducible_[level];
        reducible_[level] = node;
    }
    return node;
}

void Quantizer::Reduce(IImageBuffer* image, int32_t wanted, int32_t depth)
{
    Reset();
    // The palette has 256 entries: no wanted count reaches past them.
    wanted_ = wanted < 0 ? 0 : wanted > kPaletteEntries ? kPaletteEntries : wanted;
    depth_ = depth < 1 || depth > kLevels ? kLevels : depth;
    const uint32_t limit = static_cast<uint32_t>(wanted_) > kFewColorLeaves ? wanted_ : kFewColorLeaves;
    const int32_t width = image ? image->GetWidth() : 0;
    const int32_t height = image ? image->GetHeight() : 0;
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = image->GetRow(y);
        if (!row)
            continue;
        for (int32_t x = 0; x < width; ++x) {
            if ((row[x] >> 24) == 0)
                continue;
            AddPixel(row[x]);
            while (leafCount_ > limit)
                ReduceTree();
        }
    }
    BuildPalette();
}

void Quantizer::AddPixel(uint32_t pixel)
{
    const uint32_t red = (pixel >> 16) & 0xFF;
    const uint32_t green = (pixel >> 8) & 0xFF;
    const uint32_t blue = pixel & 0xFF;
    if (!root_) {
        root_ = NewNode(0);
        if (!root_)
            return;
    }
    if (root_->leaf) {
        ++root_->pixelCount;
        root_->redSum += red;
        root_->greenSum += green;
        root_->blueSum += blue;
        return;
    }
    AddColor(&root_->children[ChildIndex(red, green, blue, 0)], red, green, blue, 0, 1);
}

void Quantizer::AddColor(Node** slot, uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha, int32_t level)
{
    for (;;) {
        if (!*slot) {
            *slot = NewNode(level);
            if (!*slot)
                return;
        }
        Node* node = *slot;
        if (node->leaf) {
            ++node->pixelCount;
            node->redSum += red;
            node->greenSum += green;
            node->blueSum += blue;
            node->alphaSum += alpha;
            return;
        }
        slot = &node->children[ChildIndex(red, green, blue, level)];
        ++level;
    }
}

void Quantizer::ReduceTree()
{
    int32_t level = kLevels - 1;
    while (level > 0 && !reducible_[level])
        --level;
    Node* node = reducible_[level];
    if (!node)
        return;
    reducible_[level] = node->next;
    node->next = nullptr;
    uint32_t merged = 0;
    for (Node*& child : node->children) {
        if (!child)
            continue;
        node->pixelCount += child->pixelCount;
        node->redSum += child->redSum;
        node->greenSum += child->greenSum;
        node->blueSum += child->blueSum;
        node->alphaSum += child->alphaSum;
        FreeTree(child);
        child = nullptr;
        ++merged;
    }
    node->leaf = true;
    leafCount_ = leafCount_ + 1 - merged;
}

namespace {

struct Leaf {
    uint32_t pixelCount;
    uint32_t red;
    uint32_t green;
    uint32_t blue;
    uint32_t alpha;
};

uint32_t ColorOf(const Leaf& leaf)
{
    const uint32_t n = leaf.pixelCount ? leaf.pixelCount : 1;
    return (leaf.alpha / n) << 24 | (leaf.red / n) << 16 | (leaf.green / n) << 8 | (leaf.blue / n);
}

} // namespace

void Quantizer::BuildPalette()
{
    // The leaves in tree order: depth first, children by index.
    Leaf leaves[kPaletteEntries];
    int32_t count = 0;
    struct Walk {
        static void Collect(const Node* node, Leaf* leaves, int32_t* count)
        {
            if (!node)
                return;
            if (node->leaf) {
                if (*count < kPaletteEntries)
                    leaves[(*count)++] = Leaf{node->pixelCount, node->redSum, node->greenSum, node->blueSum,
                                              node->alphaSum};
                return;
            }
            for (const Node* child : node->children)
                Collect(child, leaves, count);
        }
    };
    Walk::Collect(root_, leaves, &count);
    int32_t written = 0;
    if (wanted_ >= static_cast<int32_t>(kFewColorLeaves) || count <= wanted_) {
        for (; written < count && written < wanted_; ++written)
            palette_[written] = ColorOf(leaves[written]);
    } else {
        // Neighbours in tree order are merged, weighted by their pixels, into the wanted entries.
        for (; written < wanted_; ++written) {
            const int32_t from = written * count / wanted_;
            const int32_t to = (written + 1) * count / wanted_;
            uint64_t pixels = 0;
            uint64_t red = 0;
            uint64_t green = 0;
            uint64_t blue = 0;
            for (int32_t i = from; i < to; ++i) {
                const uint32_t color = ColorOf(leaves[i]);
                const uint32_t n = leaves[i].pixelCount;
                pixels += n;
                red += uint64_t((color >> 16) & 0xFF) * n;
                green += uint64_t((color >> 8) & 0xFF) * n;
                blue += uint64_t(color & 0xFF) * n;
            }
            if (pixels == 0)
                pixels = 1;
            palette_[written] = uint32_t(red / pixels) << 16 | uint32_t(green / pixels) << 8 | uint32_t(blue / pixels);
        }
    }
    // Entries no leaf filled are searched and copied by the callers: they hold black, never the
    // colours of an earlier picture.
    for (int32_t i = written; i < kPaletteEntries; ++i)
        palette_[i] = 0;
}

uint8_t Quantizer::NearestEntry(uint32_t pixel) const
{
    const int32_t red = (pixel >> 16) & 0xFF;
    const int32_t green = (pixel >> 8) & 0xFF;
    const int32_t blue = pixel & 0xFF;
    uint32_t best = kFarther;
    int32_t found = 0;
    for (int32_t i = 0; i < wanted_; ++i) {
        const int32_t dr = red - static_cast<int32_t>((palette_[i] >> 16) & 0xFF);
        const int32_t dg = green - static_cast<int32_t>((palette_[i] >> 8) & 0xFF);
        const int32_t db = blue - static_cast<int32_t>(palette_[i] & 0xFF);
        const uint32_t distance = static_cast<uint32_t>(dr * dr + dg * dg + db * db);
        if (distance < best) {
            best = distance;
            found = i;
            if (distance == 0)
                break;
        }
    }
    return static_cast<uint8_t>(found);
}

void Quantizer::MapToPalette(const uint32_t* pixels, int32_t count, uint8_t* output, int32_t bits)
{
    if (!pixels || !output)
        return;
    // Pictures come in runs of one colour: a pixel like the one before takes its index.
    uint32_t previous = 0;
    uint32_t previousIndex = static_cast<uint32_t>(wanted_);
    for (int32_t i = 0; i < count; ++i) {
        uint32_t index = previousIndex;
        if (i == 0 || pixels[i] != previous)
            index = (pixels[i] >> 24) == 0xFF ? NearestEntry(pixels[i]) : static_cast<uint32_t>(wanted_);
        previous = pixels[i];
        previousIndex = index;
        if (bits == 4) {
            uint8_t& pair = output[i / 2];
            if (i % 2 == 0)
                pair = static_cast<uint8_t>((index & 0x0F) << 4);
            else
                pair = static_cast<uint8_t>((pair & 0xF0) | (index & 0x0F));
        } else {
            output[i] = static_cast<uint8_t>(index);
        }
    }
}

} // namespace reduction
} // namespace filters
} // namespace image
} // namespace s
