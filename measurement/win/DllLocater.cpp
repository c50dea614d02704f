#include "measurement/win/DllLocater.h"

#include "core/str/StrBuffer.h"
#include "measurement/win/FailureBox.h"

namespace s {
namespace system {
namespace win {

DllLocater::DllLocater() : module(nullptr) {}

DllLocater::DllLocater(const wchar_t* name) : module(nullptr)
{
    module = LoadLibraryW(name);
}

DllLocater::~DllLocater()
{
    DllLocater::Reset();
}

const wchar_t* DllLocater::GetClassName()
{
    return L"s_system_win_DllLocater";
}

base::IObject* DllLocater::NewInstance()
{
    return New();
}

void DllLocater::ReleaseToPool()
{
    thread::GiveToPool(this);
}

void DllLocater::Reset()
{
    if (module) {
        FreeLibrary(module);
        module = nullptr;
    }
}

bool DllLocater::LoadOrTell(const wchar_t* name, const wchar_t* shownName)
{
    Reset();
    module = LoadLibraryW(name);
    if (module)
        return true;
    const DWORD error = GetLastError();
    str::strbuffer::StrBuffer* text = str::strbuffer::StrBuffer::New();
    if (text) {
        text->Assign(L"Failed to Load ")->Append(shownName)->Append(L"!!\n")->Append(L"Error Code - ")->AppendUInt32(error);
        ShowFailureBox(text->GetText());
        text->ReleaseToPool();
    }
    return false;
}

thread::EasyPooler* DllLocater::GetPool()
{
    return &thread::PoolOf<DllLocater>();
}

DllLocater* DllLocater::New()
{
    return thread::TakeFromPool<DllLocater>();
}

Initializer::Initializer() : initialized(true), context(0), init_(nullptr), deinit_(nullptr) {}

Initializer::Initializer(InitCallback init, DeinitCallback deinit)
    : initialized(true), context(0), init_(init), deinit_(deinit)
{
    if (init_)
        initialized = init_(&context);
}

Initializer::~Initializer()
{
    if (deinit_ && initialized)
        deinit_(&context);
}

const wchar_t* Initializer::GetClassName()
{
    return L"s_system_win_Initializer";
}

base::IObject* Initializer::NewInstance()
{
    return thread::TakeFromPool<Initializer>();
}

void Initializer::ReleaseToPool()
{
    thread::GiveToPool(this);
}

void Initializer::Reset()
{
    initialized = true;
    context = 0;
}

thread::EasyPooler* Initializer::GetPool()
{
    return &thread::PoolOf<Initializer>();
}

} // namespace win
} // namespace system
} // namespace s
