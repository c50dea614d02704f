#include "mfc/ClientDC.h"

#include "mfc/Wnd.h"

CClientDC::CClientDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr)
{
    if (m_hWnd)
        Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
    if (m_hWnd && m_hDC)
        ::ReleaseDC(m_hWnd, m_hDC);
    Detach();
}
