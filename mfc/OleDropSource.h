#pragma once
#include <windows.h>
#include <ole2.h>

// The side of a drag that the user's mouse drives: the system's drag loop asks it on every poll
// whether the drag goes on, is dropped or is cancelled.
class COleDropSource {
public:
    COleDropSource();
    virtual ~COleDropSource();

    // Escape, or the other mouse button pressed, cancels; the button that drags released drops;
    // otherwise the drag goes on (S_OK).
    virtual SCODE QueryContinueDrag(BOOL escapePressed, DWORD keyState);
    virtual SCODE GiveFeedback(DWORD effect);

    // The buttons come from those held now: the right button drags when it alone is held, else
    // the left one.
    void TakeHeldButtons();
    IDropSource* GetInterface() { return &source_; }

    // The key-state bit of the button that drops, and of the one that cancels.
    DWORD m_dwButtonDrop;
    DWORD m_dwButtonCancel;

private:
    COleDropSource(const COleDropSource&) = delete;
    COleDropSource& operator=(const COleDropSource&) = delete;

    // Lives on the stack of the drag, which outlasts every call of the loop.
    class Source : public IDropSource {
    public:
        explicit Source(COleDropSource* owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
        ULONG STDMETHODCALLTYPE Release() override { return 1; }
        HRESULT STDMETHODCALLTYPE QueryContinueDrag(WINBOOL escapePressed, DWORD keyState) override;
        HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

    private:
        COleDropSource* owner_;
    };

    Source source_;
};
