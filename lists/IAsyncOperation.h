#pragma once
#include <windows.h>
#include <shldisp.h>

// The shell's interface by which a data object lets the drop target take its data in the
// background, after the drag loop has returned. Newer headers call it IDataObjectAsyncCapability;
// interface id and slots are the same.
using IAsyncOperation = IDataObjectAsyncCapability;
