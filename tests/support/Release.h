#pragma once

namespace testing_support {

// Gives a pooled object back and forgets it, so that a tear-down may run twice; none is skipped.
template <class T>
void ReleaseAndForget(T*& object)
{
    if (object)
        object->ReleaseToPool();
    object = nullptr;
}

} // namespace testing_support
