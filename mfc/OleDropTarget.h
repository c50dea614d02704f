#pragma once
#include <windows.h>
#include <ole2.h>

#include "mfc/OleDataObject.h"

class CWnd;

// The effect a drop target answers: DROPEFFECT_NONE, _COPY, _MOVE, _LINK.
typedef DWORD DROPEFFECT;

// A window's drop target: the system's drag callbacks arrive at the four virtual operations with
// the dragged data. Registration needs OLE on the window's thread (AfxOleInit).
class COleDropTarget {
public:
    COleDropTarget();
    virtual ~COleDropTarget();

    // Makes the window a drop target; false when the system refuses or it is one already.
    BOOL Register(CWnd* window);
    void Revoke();
    CWnd* GetWindow() const { return window_; }
    // The system's interface, as the drag and drop loop calls it.
    IDropTarget* GetInterface() { return &target_; }

    virtual DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, POINT point);
    virtual DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, POINT point);
    virtual void OnDragLeave(CWnd* window);
    virtual BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, POINT point);

private:
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // The interface the system holds; its counts never end the owner, which revokes it first.
    class Target : public IDropTarget {
    public:
        explicit Target(COleDropTarget* owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
        ULONG STDMETHODCALLTYPE Release() override { return 1; }
        HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
        HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
        HRESULT STDMETHODCALLTYPE DragLeave() override;
        HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    private:
        COleDropTarget* owner_;
    };

    // The drag's data from enter to leave or drop, for the over callbacks that get none.
    COleDataObject dragData_;
    Target target_;
    CWnd* window_;
};
