#include "measurement/network/NicConns.h"

namespace s {
namespace system {
namespace network {
namespace win {

namespace {
// Holds nothing and searches nowhere.
class EmptyGipFinder : public IGipFinder {
public:
    void Start() override {}
    void ClearFound() override {}
    bool HasAddress() override { return false; }
    bool CopyAddress(str::strbuffer::StrBuffer*) override { return false; }
};
} // namespace

void LoadNicConns() {}

int32_t GetNicConnCount()
{
    return 0;
}

INicConn* GetNicConn(int32_t)
{
    return nullptr;
}

IGipFinder* GetGipFinder()
{
    static EmptyGipFinder finder;
    return &finder;
}

} // namespace win
} // namespace network
} // namespace system
} // namespace s
