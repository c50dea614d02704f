#pragma once
#include <cstdint>

#include "app/ICommandLine.h"
#include "core/str/StrArray.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "mfc/CommandLineInfo.h"

namespace s {
namespace process {
namespace commandline {
namespace win {

// The arguments as the framework's parser hands them over: a flag ("/STARTUP", "-startup")
// is kept as "-" followed by its text, anything else as it came.
class CommandLine : public ICommandLine, public thread::IPoolable, public CCommandLineInfo {
public:
    static constexpr const wchar_t* kClassName = L"s_process_commandline_win_CommandLine";
    static constexpr const wchar_t* kInterfaceName = L"s_process_commandline_ICommandLine";

    CommandLine();
    ~CommandLine() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    uint32_t GetCount() override;
    const wchar_t* GetAt(uint32_t index) override;
    void Walk() override;

    void ParseParam(const wchar_t* param, BOOL flag, BOOL last) override;

    static thread::EasyPooler* GetPool();
    static CommandLine* New();

private:
    str::strarray::StrArray arguments_;
};

} // namespace win
} // namespace commandline
} // namespace process
} // namespace s
