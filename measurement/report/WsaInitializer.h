#pragma once
#include "core/base/IObject.h"
#include "core/str/StrBuffer.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace system {
namespace network {
namespace win {

// The Winsock start-up holder. Winsock is never started: nothing in the system needs it, so the
// holder only keeps its (empty) status text for the system report.
class WsaInitializer : public base::IObject, public thread::IPoolable {
public:
    WsaInitializer() : started_(false) {}

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    bool IsStarted() const { return started_; }
    str::strbuffer::StrBuffer* GetStatus() { return &status_; }

    // The one process-wide holder.
    static WsaInitializer& Get();

private:
    bool started_;
    str::strbuffer::StrBuffer status_;
};

} // namespace win
} // namespace network
} // namespace system
} // namespace s
