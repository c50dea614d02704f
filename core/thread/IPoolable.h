#pragma once

namespace s {
namespace thread {

class IPoolable {
public:
    virtual ~IPoolable() {}
    // Gives the object back to its class's pool; the caller no longer owns it.
    virtual void ReleaseToPool() = 0;
    // Returns the object to the state in which its pool hands it out.
    virtual void Reset() = 0;
};

} // namespace thread
} // namespace s
