#pragma once

namespace s {
namespace str {
namespace strarray {
class StrArray;
}
} // namespace str
namespace gui {

class IWindow;

namespace dialogs {

// The front of the system's open and save dialogs: what the dialog is to show, and the paths the
// user chose in its last confirmed run. Texts given as null count as empty.
class IFileOpener {
public:
    virtual ~IFileOpener() {}
    // An open dialog; several files may be chosen with multiSelect, shortcuts resolve to their
    // targets with followLinks.
    virtual void SetOpenMode(bool multiSelect, bool followLinks) = 0;
    virtual void SetSaveMode() = 0;
    virtual void SetInitialFolder(const wchar_t* folder) = 0;
    virtual void SetFileName(const wchar_t* name) = 0;
    // Added by the dialog to a name typed without an extension.
    virtual void SetDefaultExtension(const wchar_t* extension) = 0;
    // One file type: its name and pattern, such as ("Skin set", "*.xml"). False, with the filter
    // unchanged, for an empty or missing text, a text holding the separator "|", or a filter
    // that would grow past its limit.
    virtual bool AddFilter(const wchar_t* name, const wchar_t* pattern) = 0;
    // Shows the dialog over the owner (none for null) and blocks the calling thread, which should
    // be the owner's, until it closes. Meanwhile the owner is disabled and off the top; both come
    // back in every case. True when the user confirmed and the paths hold the choice; false, with
    // no paths, when the dialog was cancelled or failed.
    virtual bool Run(IWindow* owner) = 0;
    // The chosen paths, in the dialog's order.
    virtual str::strarray::StrArray* GetPaths() = 0;
    // The first chosen path, "" before a confirmed run.
    virtual const wchar_t* GetPath() = 0;
};

} // namespace dialogs
} // namespace gui
} // namespace s
