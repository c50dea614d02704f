// The main of every test program: no box may wait for a person, so the recorder takes
// the place of every message box before the first test runs; and a program whose window thread
// hangs still ends within a bound of its own. A program a test started again in a role of its own
// plays that role instead of running the tests, under the same rules.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>

#include "mfc/CommonDialogs.h"
#include "support/BoxRecorder.h"
#include "support/ChildRole.h"

namespace {

const DWORD kProgramBoundMillis = 300000;

void EndAfterTheBound()
{
    Sleep(kProgramBoundMillis);
    std::fprintf(stderr, "The test program ran past %lu ms and was ended.\n", kProgramBoundMillis);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

// The colour, open and save dialogs answer as a person who declines would, so that none waits for
// one; a test that shows the system's own dialog puts it back for its run.
BOOL WINAPI DeclineColor(CHOOSECOLORW*)
{
    return FALSE;
}

BOOL WINAPI DeclineFile(OPENFILENAMEW*)
{
    return FALSE;
}

} // namespace

int main(int argc, char** argv)
{
    testing_support::BoxRecorder::Install();
    AfxSetCommonDialogFunctions(AfxCommonDialogFunctions{&DeclineColor, &DeclineFile, &DeclineFile});
    std::thread(&EndAfterTheBound).detach();
    int roleExitCode = 0;
    if (testing_support::RunChildRoleIfAsked(&roleExitCode))
        return roleExitCode;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
