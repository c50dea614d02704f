// The main of every test program: no box may wait for a person, so the recorder takes
// the place of every message box before the first test runs; and a program whose window thread
// hangs still ends within a bound of its own.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

#include "support/BoxRecorder.h"

namespace {

const DWORD kProgramBoundMillis = 300000;

void EndAfterTheBound()
{
    Sleep(kProgramBoundMillis);
    std::fprintf(stderr, "The test program ran past %lu ms and was ended.\n", kProgramBoundMillis);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char** argv)
{
    testing_support::BoxRecorder::Install();
    std::thread(&EndAfterTheBound).detach();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
