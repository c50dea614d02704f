#include "measurement/win/DllLocater.h"

#include <gtest/gtest.h>

using s::system::win::DllLocater;
using s::system::win::Initializer;

namespace {

const wchar_t kLibrary[] = L"CountingLibrary.dll";

TEST(DllLocater, LoadsByNameAndFreesOnceOnReset)
{
    ASSERT_EQ(nullptr, GetModuleHandleW(kLibrary));
    {
        DllLocater holder(kLibrary);
        ASSERT_NE(nullptr, holder.module);
        EXPECT_NE(nullptr, GetProcAddress(holder.module, "CountingLibraryAttachCount"));
        EXPECT_EQ(holder.module, GetModuleHandleW(kLibrary));
        holder.Reset();
        EXPECT_EQ(nullptr, holder.module);
        EXPECT_EQ(nullptr, GetModuleHandleW(kLibrary));
        holder.Reset();
        EXPECT_EQ(nullptr, holder.module);
    }
    // Destruction frees what is still held.
    {
        DllLocater holder(kLibrary);
        ASSERT_NE(nullptr, holder.module);
    }
    EXPECT_EQ(nullptr, GetModuleHandleW(kLibrary));
}

TEST(DllLocater, AMissingLibraryLeavesTheModuleNull)
{
    DllLocater holder(L"NoSuchLibraryAnywhere.dll");
    EXPECT_EQ(nullptr, holder.module);
    EXPECT_EQ(static_cast<DWORD>(ERROR_MOD_NOT_FOUND), GetLastError());
}

TEST(DllLocater, APooledHolderGivesItsLibraryBackWithItself)
{
    DllLocater* holder = DllLocater::New();
    ASSERT_NE(nullptr, holder);
    EXPECT_EQ(nullptr, holder->module);
    holder->module = LoadLibraryW(kLibrary);
    holder->ReleaseToPool();
    EXPECT_EQ(nullptr, GetModuleHandleW(kLibrary));
    DllLocater* again = DllLocater::New();
    EXPECT_EQ(nullptr, again->module);
    EXPECT_STREQ(L"s_system_win_DllLocater", again->GetClassName());
    again->ReleaseToPool();
}

int gDeinits;
bool Succeed(uintptr_t* context)
{
    *context = 42;
    return true;
}
bool Fail(uintptr_t*)
{
    return false;
}
void CountDeinit(uintptr_t* context)
{
    EXPECT_EQ(42u, *context);
    ++gDeinits;
}

TEST(Initializer, DeinitRunsOnlyAfterASuccessfulInit)
{
    gDeinits = 0;
    {
        Initializer ok(Succeed, CountDeinit);
        EXPECT_TRUE(ok.initialized);
        EXPECT_EQ(42u, ok.context);
    }
    EXPECT_EQ(1, gDeinits);
    {
        Initializer failed(Fail, CountDeinit);
        EXPECT_FALSE(failed.initialized);
    }
    EXPECT_EQ(1, gDeinits);
    Initializer none(nullptr, nullptr);
    EXPECT_TRUE(none.initialized);
    EXPECT_STREQ(L"s_system_win_Initializer", none.GetClassName());
}

} // namespace
