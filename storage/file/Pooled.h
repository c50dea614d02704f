#pragma once

namespace s {
namespace file {

// Holds one object taken from its class's pool and gives it back at the end of the scope.
template <class T>
class Pooled {
public:
    Pooled() : object_(T::New()) {}
    explicit Pooled(T* object) : object_(object) {}
    ~Pooled()
    {
        if (object_)
            object_->ReleaseToPool();
    }
    T* get() const { return object_; }
    T* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    // Hands the object over to the caller, who then gives it back.
    T* release()
    {
        T* object = object_;
        object_ = nullptr;
        return object;
    }

private:
    Pooled(const Pooled&) = delete;
    Pooled& operator=(const Pooled&) = delete;
    T* object_;
};

} // namespace file
} // namespace s
