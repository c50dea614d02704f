// The error report: the system report saved where the user chooses, for the developers.
#include "app/monitor/Monitor.h"

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "measurement/report/SystemReport.h"
#include "storage/file/PathWin.h"
#include "storage/file/ShellServices.h"
#include "storage/lang/Localizer.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Window.h"
#include "windowing/dialogs/FileOpener.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {

const wchar_t kReportName[] = L"Error Report.txt";
// Saved: where to send the file. Not saved: the path follows the text on a line of its own.
const int32_t kReportSavedText = 109100;
const int32_t kReportNotSavedText = 109200;

bool WriteReport(const wchar_t* target)
{
    str::strarray::StrArray* lines = ::s::system::win::BuildSystemReport();
    file::win::PathWin* path = file::win::PathWin::CreateFromText(target);
    const bool written = lines && path && lines->WriteJoined(path);
    if (path)
        path->ReleaseToPool();
    if (lines)
        lines->ReleaseToPool();
    return written;
}

} // namespace

void Monitor::SaveErrorReport()
{
    ::s::gui::dialogs::win::FileOpener* dialog = ::s::gui::dialogs::win::FileOpener::New();
    if (!dialog)
        return;
    dialog->SetSaveMode();
    dialog->SetInitialFolder(::s::system::win::GetCachedSpecialFolder());
    dialog->SetFileName(kReportName);
    dialog->AddFilter(L"Text files (*.txt)", L"*.txt");
    if (dialog->Run(window_)) {
        if (WriteReport(dialog->GetPath())) {
            ::s::gui::win::ShowInfoMessage(localizer_ ? localizer_->GetText(kReportSavedText) : L"");
        } else {
            str::strbuffer::StrBuffer* text = str::strbuffer::StrBuffer::New();
            if (text) {
                text->Assign(localizer_ ? localizer_->GetText(kReportNotSavedText) : L"")->Append(L"\n");
                text->Append(dialog->GetPath());
                ::s::gui::win::ShowErrorMessage(text->GetText());
                text->ReleaseToPool();
            }
        }
    }
    dialog->ReleaseToPool();
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
