#include "storage/lang/EmbeddedPack.h"

#include "core/str/StrBuffer.h"
#include "storage/TestFiles.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/lang/Localizer.h"
#include "storage/xml/Node.h"

namespace embeddedpack {
namespace {

using s::archive::dll::win::Archive;

Archive* OpenProgram()
{
    const std::wstring module = testfiles::BesideTestProgram(L"..\\pulsegrid.exe");
    s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(module.c_str());
    Archive* archive = Archive::OpenModule(path);
    path->ReleaseToPool();
    return archive;
}

} // namespace

std::wstring Document()
{
    Archive* archive = OpenProgram();
    s::str::strbuffer::StrBuffer* text = Archive::ReadTextResource(archive, L"IDR_XML", 130);
    if (archive)
        archive->ReleaseToPool();
    if (!text)
        return std::wstring();
    std::wstring document(text->GetText(), text->GetLength());
    text->ReleaseToPool();
    return document;
}

s::lang::Localizer* Load()
{
    Archive* archive = OpenProgram();
    s::lang::Localizer* localizer = s::lang::Localizer::CreateFromResource(archive, L"IDR_XML", 130);
    if (archive)
        archive->ReleaseToPool();
    return localizer;
}

std::vector<int32_t> EntryIds(const std::wstring& document)
{
    std::vector<int32_t> ids;
    s::xml::Node* root = s::xml::Node::New();
    root->Parse(document.c_str());
    s::xml::Node* entries = root->FindChildNode(L"entries", 0xFFFFFFFF);
    for (uint32_t i = 0; entries && i < entries->GetChildCount(); ++i)
        ids.push_back(entries->ChildAt(i)->GetInt32Attribute(L"id", 0));
    root->ReleaseToPool();
    return ids;
}

} // namespace embeddedpack
