#pragma once
#include <windows.h>
#include <ole2.h>

// The data of a drag (or the clipboard) seen through the system's data-object interface.
class COleDataObject {
public:
    COleDataObject();
    ~COleDataObject();

    // Takes the interface; with autoRelease it is released when this object lets go of it.
    void Attach(IDataObject* dataObject, BOOL autoRelease = TRUE);
    IDataObject* Detach();
    void Release();

    // Whether the data can be had in the format as a memory block.
    BOOL IsDataAvailable(CLIPFORMAT format);
    // A copy of the data in the format, the caller's to free; null when it cannot be had.
    HGLOBAL GetGlobalData(CLIPFORMAT format);

private:
    COleDataObject(const COleDataObject&) = delete;
    COleDataObject& operator=(const COleDataObject&) = delete;

    IDataObject* dataObject_;
    BOOL autoRelease_;
};
