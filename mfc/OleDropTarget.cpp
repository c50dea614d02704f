#include "mfc/OleDropTarget.h"

#include "mfc/Wnd.h"

namespace {

POINT ClientPoint(CWnd* window, POINTL screen)
{
    POINT point = {screen.x, screen.y};
    if (window)
        window->ScreenToClient(&point);
    return point;
}

} // namespace

COleDropTarget::COleDropTarget() : target_(this), window_(nullptr) {}

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* window)
{
    if (!window || !window->m_hWnd || window_)
        return FALSE;
    if (FAILED(RegisterDragDrop(window->m_hWnd, &target_)))
        return FALSE;
    window_ = window;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    dragData_.Release();
    if (!window_)
        return;
    if (window_->m_hWnd)
        RevokeDragDrop(window_->m_hWnd);
    window_ = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, POINT)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, POINT)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, POINT)
{
    return FALSE;
}

HRESULT COleDropTarget::Target::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT COleDropTarget::Target::DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    if (data)
        data->AddRef();
    owner_->dragData_.Attach(data, TRUE);
    *effect = owner_->OnDragEnter(owner_->window_, &owner_->dragData_, keyState, ClientPoint(owner_->window_, point));
    return S_OK;
}

HRESULT COleDropTarget::Target::DragOver(DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    *effect = owner_->OnDragOver(owner_->window_, &owner_->dragData_, keyState, ClientPoint(owner_->window_, point));
    return S_OK;
}

HRESULT COleDropTarget::Target::DragLeave()
{
    owner_->OnDragLeave(owner_->window_);
    owner_->dragData_.Release();
    return S_OK;
}

HRESULT COleDropTarget::Target::Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    COleDataObject dropped;
    if (data)
        data->AddRef();
    dropped.Attach(data, TRUE);
    const POINT at = ClientPoint(owner_->window_, point);
    DROPEFFECT answer = owner_->OnDragOver(owner_->window_, &dropped, keyState, at);
    if (answer != DROPEFFECT_NONE && !owner_->OnDrop(owner_->window_, &dropped, answer, at))
        answer = DROPEFFECT_NONE;
    *effect = answer;
    owner_->dragData_.Release();
    return S_OK;
}
