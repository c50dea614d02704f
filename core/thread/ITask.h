#pragma once

namespace s {
namespace thread {

class ITask {
public:
    virtual ~ITask() {}
    virtual void Run() = 0;
};

} // namespace thread
} // namespace s
