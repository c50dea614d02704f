#include "mfc/OleMessageFilter.h"

COleMessageFilter::COleMessageFilter() : busyDialog_(TRUE), notRespondingDialog_(TRUE) {}

COleMessageFilter* AfxOleGetMessageFilter()
{
    static COleMessageFilter filter;
    return &filter;
}
