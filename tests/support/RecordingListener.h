#pragma once
#include <windows.h>

#include <functional>
#include <mutex>
#include <vector>

#include "storage/events/IEventListener.h"

namespace testing_support {

// Notes every event it is told, with the thread it was told on, and runs an optional action.
class RecordingListener : public s::gui::events::IEventListener {
public:
    struct Heard {
        s::base::IObject* source;
        int32_t code;
        DWORD threadId;
    };

    void OnEvent(s::base::IObject* source, int32_t code) override
    {
        {
            std::lock_guard<std::mutex> hold(lock_);
            heard_.push_back(Heard{source, code, GetCurrentThreadId()});
        }
        if (action)
            action(code);
    }

    std::vector<Heard> Take()
    {
        std::lock_guard<std::mutex> hold(lock_);
        std::vector<Heard> heard;
        heard.swap(heard_);
        return heard;
    }

    size_t Count()
    {
        std::lock_guard<std::mutex> hold(lock_);
        return heard_.size();
    }

    std::function<void(int32_t code)> action;

private:
    std::mutex lock_;
    std::vector<Heard> heard_;
};

} // namespace testing_support
