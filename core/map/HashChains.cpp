#include "core/map/HashChains.h"

namespace s {
namespace map {

const uint32_t kBucketPrimes[kLevelCount] = {
    211,     431,     863,     1733,     3467,     6947,     13901,    27803,    55609,    111227,
    222461,  444929,  889871,  1779761,  3559537,  7119103,  14238221, 28476473, 56952947, 113905901,
};

namespace chains {

void FreeNode(void* node)
{
    std::free(node);
}

} // namespace chains
} // namespace map
} // namespace s
