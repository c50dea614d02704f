#pragma once
#include <cstdint>

#include "images/filters/IFilter.h"
#include "images/win/BufferedImage.h"

namespace images_test {

// A filter of the tests' own: copies its source and sets every pixel to a fixed value (or keeps
// the pixels), counting what the image does with it. Owned by the test; ReleaseToPool only counts,
// and the destructor tells when an image's cleaner deleted it.
class TestFilter : public s::image::filters::IFilter {
public:
    TestFilter(const wchar_t* name, bool autoRelease) : name_(name), autoRelease_(autoRelease) {}
    ~TestFilter() override
    {
        if (destroyed)
            *destroyed = true;
    }

    const wchar_t* GetClassName() override { return L"images_test_TestFilter"; }
    s::base::IObject* NewInstance() override { return nullptr; }
    void ReleaseToPool() override { ++released; }
    void Reset() override {}

    const wchar_t* GetName() override { return name_; }
    bool IsAutoRelease() override { return autoRelease_; }
    void SetAutoRelease(bool autoRelease) override { autoRelease_ = autoRelease; }

    s::image::IBufferedImage* Apply(s::image::IBufferedImage* source, s::image::IBufferedImage* target) override
    {
        ++applied;
        lastSource = source;
        if (fails || !source || !target)
            return nullptr;
        if (!target->Create(source->GetWidth(), source->GetHeight()))
            return nullptr;
        for (int32_t y = 0; y < source->GetHeight(); ++y) {
            const uint32_t* from = source->GetRow(y);
            uint32_t* to = target->GetRow(y);
            for (int32_t x = 0; x < source->GetWidth(); ++x)
                to[x] = setsPixels ? pixel : from[x];
        }
        if (lastPixel) {
            const int32_t y = source->GetHeight() - 1;
            target->GetRow(y)[source->GetWidth() - 1] = lastPixel;
        }
        return target;
    }

    bool setsPixels = false;
    uint32_t pixel = 0;
    // Written into the bottom-right pixel of the result when not 0.
    uint32_t lastPixel = 0;
    bool fails = false;
    int applied = 0;
    int released = 0;
    s::image::IBufferedImage* lastSource = nullptr;
    bool* destroyed = nullptr;

private:
    const wchar_t* name_;
    bool autoRelease_;
};

} // namespace images_test
