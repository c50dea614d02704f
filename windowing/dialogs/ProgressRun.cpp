// The progress dialog's refresh loop, on its worker: the counters become label texts, and the
// bars' places go to the window's own thread as named events.
#include <cstdint>

#include "core/io/Formatters.h"
#include "core/str/StrBuffer.h"
#include "windowing/Window.h"
#include "windowing/dialogs/Progress.h"
#include "windowing/widgets/Label.h"

namespace s {
namespace gui {
namespace dialogs {

namespace {

using str::strbuffer::StrBuffer;
using thread::ScopedLock;

const int64_t kPercent = 100;

void SetPercentText(gui::win::Label* label, StrBuffer* text, int64_t percent)
{
    if (!label)
        return;
    text->Clear();
    text->AppendInt64(percent)->Append(L"%");
    label->SetText(text->GetText(), true);
}

void SetTimeText(gui::win::Label* label, StrBuffer* text, int64_t seconds)
{
    if (!label)
        return;
    system::counter::FormatHms(&seconds, text);
    label->SetText(text->GetText(), true);
}

// Scratch texts of one run, given back however the run ends.
class RunTexts {
public:
    RunTexts() : entry(StrBuffer::New()), name(StrBuffer::New()), total(StrBuffer::New()) {}
    ~RunTexts()
    {
        for (StrBuffer* text : {entry, name, total}) {
            if (text)
                text->ReleaseToPool();
        }
    }
    bool IsComplete() const { return entry && name && total; }

    StrBuffer* entry;
    StrBuffer* name;
    StrBuffer* total;
};

} // namespace

void Progress::Run()
{
    ScopedLock hold(runLock_);
    running_ = 1;
    RunTexts texts;
    if (texts.IsComplete()) {
        int64_t start = Now();
        int64_t elapsed = 0;
        int64_t shownSecond = start;
        int64_t shownRemaining = -1;
        while (!stopRequested_) {
            ShowEntryProgress(texts.entry);
            ShowEntryName(texts.name);
            ShowTotalProgress(texts.total);
            Sleep(kRefreshMillis);
            const int64_t now = Now();
            // The clock stands while paused: the start follows now.
            if (data_.paused)
                start = now - elapsed;
            if (now != shownSecond) {
                shownSecond = now;
                elapsed = now - start;
                SetTimeText(elapsedLabel_, texts.entry, elapsed);
            }
            const int64_t ratio = data_.GetDoneRatio();
            if (elapsed > 0 && ratio > 0) {
                const int64_t remaining = (archive::ProgressData::kRatioScale - ratio) * elapsed / ratio;
                if (remaining != shownRemaining) {
                    shownRemaining = remaining;
                    SetTimeText(remainingLabel_, texts.total, remaining);
                }
            }
        }
    }
    running_ = 0;
    stopRequested_ = 0;
}

void Progress::ShowEntryProgress(StrBuffer* text)
{
    int64_t size = 0;
    int64_t offset = 0;
    if (!data_.TakeEntryProgress(&size, &offset))
        return;
    const int64_t percent = archive::ProgressData::ShareOf(offset, size, kPercent);
    if (percent < 0)
        return;
    SetPercentText(entryPercentLabel_, text, percent);
    if (window_)
        window_->SendEvent(kDataOffsetUpdate, reinterpret_cast<INT_PTR>(&size), reinterpret_cast<INT_PTR>(&offset), 0);
}

void Progress::ShowEntryName(StrBuffer* text)
{
    if (data_.TakeEntryName(text) && nameLabel_)
        nameLabel_->SetText(text->GetText(), true);
}

void Progress::ShowTotalProgress(StrBuffer* text)
{
    int64_t total = 0;
    int64_t done = 0;
    if (!data_.TakeTotalProgress(&total, &done))
        return;
    const int64_t percent = archive::ProgressData::ShareOf(done, total, kPercent);
    if (percent < 0)
        return;
    SetPercentText(totalPercentLabel_, text, percent);
    if (window_)
        window_->SendEvent(kCurEntryIndexUpdate, reinterpret_cast<INT_PTR>(&total), reinterpret_cast<INT_PTR>(&done), 0);
}

} // namespace dialogs
} // namespace gui
} // namespace s
