#include "measurement/counter/FakePdhControl.h"

#include "measurement/counter/PdhLibrary.h"

namespace testing_support {

namespace {
HMODULE gFake = nullptr;

template <class F>
F Entry(const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(gFake, name)));
}

std::wstring FakePath()
{
    wchar_t exe[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe, n);
    path.erase(path.find_last_of(L"\\/") + 1);
    return path + L"fakepdh\\pdh.dll";
}
} // namespace

bool FakePdh::Install()
{
    if (!gFake) {
        if (s::system::counter::win::IsPdhBound())
            return false;
        gFake = LoadLibraryW(FakePath().c_str());
        if (!gFake)
            return false;
    }
    // The counter layer's own load by name must find this module.
    HMODULE byName = LoadLibraryW(L"Pdh.dll");
    if (byName)
        FreeLibrary(byName);
    return byName == gFake;
}

void FakePdh::Reset()
{
    Entry<void (*)()>("FakePdhReset")();
}

void FakePdh::SetCounter(const wchar_t* path, long long value, DWORD status)
{
    Entry<void (*)(const wchar_t*, LONGLONG, DWORD)>("FakePdhSetCounter")(path, value, status);
}

void FakePdh::FailCounter(const wchar_t* path)
{
    Entry<void (*)(const wchar_t*)>("FakePdhFailCounter")(path);
}

void FakePdh::SetValid(const wchar_t* path)
{
    Entry<void (*)(const wchar_t*)>("FakePdhSetValid")(path);
}

void FakePdh::SetInvalid(const wchar_t* path)
{
    Entry<void (*)(const wchar_t*)>("FakePdhSetInvalid")(path);
}

void FakePdh::SetExpansion(const wchar_t* wildcard, const std::vector<std::wstring>& paths)
{
    std::wstring list;
    for (const std::wstring& p : paths) {
        list += p;
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    Entry<void (*)(const wchar_t*, const wchar_t*)>("FakePdhSetExpansion")(wildcard, list.c_str());
}

void FakePdh::SetIndexName(DWORD index, const wchar_t* name)
{
    Entry<void (*)(DWORD, const wchar_t*)>("FakePdhSetIndexName")(index, name);
}

void FakePdh::SetOpenFails(bool fails)
{
    Entry<void (*)(BOOL)>("FakePdhSetOpenFails")(fails ? TRUE : FALSE);
}

long FakePdh::Calls(const char* function)
{
    return Entry<LONG (*)(const char*)>("FakePdhCalls")(function);
}

long FakePdh::Adds(const wchar_t* path)
{
    return Entry<LONG (*)(const wchar_t*)>("FakePdhAdds")(path);
}

long FakePdh::CollectThreads()
{
    return Entry<LONG (*)()>("FakePdhCollectThreads")();
}

int FakePdh::CollectPriority()
{
    return Entry<int (*)()>("FakePdhCollectPriority")();
}

DWORD FakePdh::LastFormat()
{
    return Entry<DWORD (*)()>("FakePdhLastFormat")();
}

std::vector<std::wstring> FakePdh::Validated()
{
    std::vector<std::wstring> paths;
    wchar_t buffer[1024];
    auto validated = Entry<BOOL (*)(LONG, wchar_t*, DWORD)>("FakePdhValidated");
    for (LONG n = 0; validated(n, buffer, 1024); ++n)
        paths.push_back(buffer);
    return paths;
}

} // namespace testing_support
