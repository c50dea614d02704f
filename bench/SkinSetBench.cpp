// Times loading the embedded skin set into a fresh skin manager, as the gadget does at every
// start, beside parsing the same document alone; and the memory each leaves in use.
#include "BenchClock.h"
#include "BenchPaths.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/str/StrBuffer.h"
#include "skins/Skinner.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/xml/Node.h"

using s::archive::dll::win::Archive;
using s::gui::drawer::Skinner;
using s::str::strbuffer::StrBuffer;
using s::xml::Node;

namespace {

const wchar_t kType[] = L"IDR_XML";
const uint32_t kSkinSetId = 150;

// The program beside the bench's folder, where the build puts it.
// Bytes in busy blocks of every heap of the process: what the program holds, without the pages
// a heap keeps committed for later.
size_t HeapBytesInUse()
{
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    size_t used = 0;
    for (DWORD i = 0; i < count && i < 64; ++i) {
        PROCESS_HEAP_ENTRY entry = {};
        HeapLock(heaps[i]);
        while (HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                used += entry.cbData;
        }
        HeapUnlock(heaps[i]);
    }
    return used;
}

// Reads the resource and parses it: the least a loader of the document does.
Node* Parse(Archive* archive)
{
    StrBuffer* text = Archive::ReadTextResource(archive, kType, kSkinSetId);
    Node* node = Node::New();
    if (text) {
        node->Parse(text->GetText());
        text->ReleaseToPool();
    }
    return node;
}

Skinner* Load(Archive* archive)
{
    Skinner* skinner = Skinner::New();
    skinner->SetDrawerType(L"ThinWindow");
    skinner->LoadSkinSetSetting(archive, kType, kSkinSetId);
    return skinner;
}

} // namespace

int main()
{
    const std::wstring program = ProgramFolder() + L"..\\pulsegrid.exe";
    s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(program.c_str());
    Archive* archive = Archive::OpenModule(path);
    path->ReleaseToPool();
    if (!archive->IsOpen()) {
        std::printf("pulsegrid.exe not found beside the bench folder\n");
        return 1;
    }

    // Memory first, on a fresh process: the parsed tree is kept while the load runs, so the load
    // cannot reuse its pooled nodes.
    const size_t beforeParse = HeapBytesInUse();
    Node* kept = Parse(archive);
    const size_t parseBytes = HeapBytesInUse() - beforeParse;
    const size_t beforeLoad = HeapBytesInUse();
    Skinner* loaded = Load(archive);
    const size_t loadBytes = HeapBytesInUse() - beforeLoad;
    std::printf("skins loaded: %u\n", loaded->GetSkinCount());
    loaded->ReleaseToPool();
    kept->ReleaseToPool();

    const double parse = Best([&] { Parse(archive)->ReleaseToPool(); }, 20);
    const double load = Best([&] { Load(archive)->ReleaseToPool(); }, 20);

    std::printf("%-48s %8.3f ms\n", "read and parse the skin-set document", parse * 1e3);
    std::printf("%-48s %8.3f ms, ratio %6.1f\n", "load it into a fresh manager (84 skins)", load * 1e3, load / parse);
    std::printf("%-48s %8zu KB\n", "memory of the parsed document", parseBytes / 1024);
    std::printf("%-48s %8zu KB, ratio %6.1f\n", "memory of the loaded manager with its parse", loadBytes / 1024,
                parseBytes ? static_cast<double>(loadBytes) / static_cast<double>(parseBytes) : 0.0);
    archive->ReleaseToPool();
    return 0;
}
