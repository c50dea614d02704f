#pragma once
#include <string>
#include <vector>

namespace testing_support {

// Stands in for the measurement layer's failure box in every measurement test program: records
// the text and returns at once, so no box ever waits for a person.
class FailureBoxRecorder {
public:
    // The texts shown since the last Take, oldest first; the record is emptied.
    static std::vector<std::wstring> Take();
};

} // namespace testing_support
