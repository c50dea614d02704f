#include "lists/CMyDropSource.h"

#include "storage/events/IEventListener.h"

namespace s {
namespace gui {
namespace win {

CMyDropSource::CMyDropSource(events::IEventListener* listener, base::IObject* dataSource)
    : started_(0), dropReported_(0), cancelled_(0), listener_(listener), dataSource_(dataSource)
{
}

SCODE CMyDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    started_ = 1;
    const SCODE result = COleDropSource::QueryContinueDrag(escapePressed, keyState);
    if (result == DRAGDROP_S_DROP) {
        if (dropReported_)
            return result;
        dropReported_ = 1;
        if (listener_)
            listener_->OnEvent(dataSource_, kDropped);
    }
    if (result == DRAGDROP_S_CANCEL)
        cancelled_ = 1;
    if (!dropReported_ && !cancelled_ && listener_)
        listener_->OnEvent(dataSource_, kDragging);
    return result;
}

} // namespace win
} // namespace gui
} // namespace s
