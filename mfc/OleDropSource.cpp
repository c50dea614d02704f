#include "mfc/OleDropSource.h"

COleDropSource::COleDropSource() : m_dwButtonDrop(MK_LBUTTON), m_dwButtonCancel(MK_RBUTTON), source_(this) {}

COleDropSource::~COleDropSource() {}

SCODE COleDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState)
{
    if (escapePressed || (keyState & m_dwButtonCancel) != 0)
        return DRAGDROP_S_CANCEL;
    if ((keyState & m_dwButtonDrop) == 0)
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DWORD)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

void COleDropSource::TakeHeldButtons()
{
    const bool left = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    const bool right = (GetKeyState(VK_RBUTTON) & 0x8000) != 0;
    if (right && !left) {
        m_dwButtonDrop = MK_RBUTTON;
        m_dwButtonCancel = MK_LBUTTON;
    } else {
        m_dwButtonDrop = MK_LBUTTON;
        m_dwButtonCancel = MK_RBUTTON;
    }
}

HRESULT STDMETHODCALLTYPE COleDropSource::Source::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropSource)) {
        *object = static_cast<IDropSource*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE COleDropSource::Source::QueryContinueDrag(WINBOOL escapePressed, DWORD keyState)
{
    return owner_->QueryContinueDrag(escapePressed, keyState);
}

HRESULT STDMETHODCALLTYPE COleDropSource::Source::GiveFeedback(DWORD effect)
{
    return owner_->GiveFeedback(effect);
}
