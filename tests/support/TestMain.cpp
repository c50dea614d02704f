// The main of the window test programs: no box may wait for a person, so the recorder takes
// the place of every message box before the first test runs.
#include <gtest/gtest.h>

#include "support/BoxRecorder.h"

int main(int argc, char** argv)
{
    testing_support::BoxRecorder::Install();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
