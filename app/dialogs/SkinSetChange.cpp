#include "app/dialogs/SkinSetChange.h"

#include "windowing/IWindow.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {

const wchar_t kChangeSkinSetName[] = L"ChangeSkinSet";

class FunctionChange : public ISkinSetChange {
public:
    explicit FunctionChange(const std::function<void()>& change) : change_(change), done_(false) {}
    void Run() override
    {
        if (done_)
            return;
        done_ = true;
        change_();
    }
    bool IsDone() const { return done_; }

private:
    const std::function<void()>& change_;
    bool done_;
};

} // namespace

const gui::win::NamedEvent kChangeSkinSet(kChangeSkinSetName);

void ChangeSkinSet(IWindow* painter, const std::function<void()>& change)
{
    FunctionChange record(change);
    if (painter && !painter->IsClosed())
        painter->SendEvent(kChangeSkinSet, reinterpret_cast<INT_PTR>(static_cast<ISkinSetChange*>(&record)), 0, 0);
    record.Run();
}

} // namespace dialogs
} // namespace gui
} // namespace s
