#include "measurement/report/WsaInitializer.h"

#include "core/thread/EasyPooler.h"

namespace s {
namespace system {
namespace network {
namespace win {

const wchar_t* WsaInitializer::GetClassName()
{
    return L"s_system_network_win_WsaInitializer";
}

base::IObject* WsaInitializer::NewInstance()
{
    return thread::TakeFromPool<WsaInitializer>();
}

void WsaInitializer::ReleaseToPool()
{
    thread::GiveToPool<WsaInitializer>(this);
}

void WsaInitializer::Reset()
{
    started_ = false;
    status_.Assign(L"");
}

WsaInitializer& WsaInitializer::Get()
{
    static WsaInitializer holder;
    return holder;
}

} // namespace win
} // namespace network
} // namespace system
} // namespace s
