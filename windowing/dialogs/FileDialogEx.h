#pragma once
#include "mfc/FileDialog.h"

namespace s {
namespace gui {
namespace dialogs {
namespace win {

// The system's file dialog whose save mode follows the chosen file type: the typed name gets
// the type's extension.
class FileDialogEx : public CFileDialog {
public:
    using CFileDialog::CFileDialog;

    // In a save dialog the name in the box gets the extension of the chosen type's pattern, such
    // as report.xml for *.xml. An open dialog, an empty name and a pattern without a plain
    // extension (such as * or *.*) leave the box alone.
    void OnTypeChange() override;
};

} // namespace win
} // namespace dialogs
} // namespace gui
} // namespace s
