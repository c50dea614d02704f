#include "app/CommandLine.h"

#include "core/str/StrBuffer.h"

namespace s {
namespace process {
namespace commandline {
namespace win {

using str::strbuffer::StrBuffer;

CommandLine::CommandLine() {}

CommandLine::~CommandLine() {}

const wchar_t* CommandLine::GetClassName()
{
    return kClassName;
}

base::IObject* CommandLine::NewInstance()
{
    return New();
}

void CommandLine::ReleaseToPool()
{
    GetPool()->Give(this);
}

void CommandLine::Reset()
{
    arguments_.Clear();
}

uint32_t CommandLine::GetCount()
{
    return arguments_.GetCount();
}

const wchar_t* CommandLine::GetAt(uint32_t index)
{
    return arguments_.Get(index)->GetText();
}

void CommandLine::Walk()
{
    const uint32_t count = arguments_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        arguments_.Get(i);
}

void CommandLine::ParseParam(const wchar_t* param, BOOL flag, BOOL)
{
    StrBuffer* argument = StrBuffer::New();
    if (!argument)
        return;
    if (flag)
        argument->AppendChar(L'-');
    argument->Append(param ? param : L"");
    arguments_.Add(argument);
}

thread::EasyPooler* CommandLine::GetPool()
{
    return &thread::PoolOf<CommandLine>();
}

CommandLine* CommandLine::New()
{
    return thread::TakeFromPool<CommandLine>();
}

} // namespace win
} // namespace commandline
} // namespace process
} // namespace s
