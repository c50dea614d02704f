#include "measurement/report/OsReport.h"

#include "measurement/win/OsVersion.h"
#include "storage/lang/UiLanguage.h"

namespace s {
namespace system {
namespace win {

str::strbuffer::StrBuffer* BuildOsReport()
{
    OsVersionInfo& version = GetOsVersion();
    if (!version.done)
        LoadOsVersion();
    str::strbuffer::StrBuffer* line = str::strbuffer::StrBuffer::FromText(
        version.is64BitProcess ? L"[OS] (64 bit) " : L"[OS] (32 bit) ");
    if (!line)
        return nullptr;
    line->Append(L"(")->Append(lang::GetUserUiLanguageName())->Append(L") ");
    line->Append(L"Major Version: ")->AppendInt32(version.major);
    line->Append(L", Minor Version: ")->AppendInt32(version.minor);
    line->Append(L", Build Number: ")->AppendInt32(version.build);
    line->Append(L", Service Pack: ")->Append(version.servicePack);
    return line;
}

} // namespace win
} // namespace system
} // namespace s
