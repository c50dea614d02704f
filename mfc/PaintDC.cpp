#include "mfc/PaintDC.h"

#include "mfc/Wnd.h"

CPaintDC::CPaintDC(CWnd* window) : m_ps(), m_hWnd(window ? window->m_hWnd : nullptr)
{
    if (m_hWnd)
        Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hWnd && m_hDC)
        ::EndPaint(m_hWnd, &m_ps);
    Detach();
}
