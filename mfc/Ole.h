#pragma once

// The framework's OLE support on the calling thread (single-threaded apartment), as every
// user-interface thread needs it for drag and drop and the shell's objects.
bool AfxOleInit();
// Ends what AfxOleInit began on the same thread.
void AfxOleTerm();
