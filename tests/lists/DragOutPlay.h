#pragma once
// Entries to drag out and a drop target played by hand: the system's drag loop never runs
// headless, so a test stands in for it and asks the data object what the shell would.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/io/IOutputStream.h"
#include "lists/ExplorerDropSource.h"
#include "mfc/OleDropSource.h"
#include "storage/archive/IEntry.h"
#include "storage/archive/ProgressData.h"

namespace listtest {

// An archive entry held in memory; its write goes out in pieces, as a real entry's would.
class FakeEntry : public s::archive::IEntry {
public:
    static const uint32_t kPiece = 10000;

    FakeEntry() = default;
    explicit FakeEntry(std::string content) : bytes(std::move(content)) {}

    const wchar_t* GetClassName() override { return L"FakeEntry"; }
    s::base::IObject* NewInstance() override { return nullptr; }
    bool IsDirectory() override { return directory; }
    uint64_t GetSize() override { return size != UINT64_MAX ? size : bytes.size(); }
    int64_t GetCreationTime() override { return created; }
    int64_t GetWriteTime() override { return written; }
    int64_t GetAccessTime() override { return accessed; }
    uint32_t GetAttributes() override { return attributes; }
    bool WriteTo(s::io::IOutputStream* output, s::archive::ProgressData* progress) override
    {
        ++writes;
        const int64_t total = static_cast<int64_t>(bytes.size());
        for (size_t at = 0; at < bytes.size(); at += kPiece) {
            const uint32_t n = static_cast<uint32_t>(std::min<size_t>(kPiece, bytes.size() - at));
            uint32_t done = 0;
            if (!output->Write(bytes.data() + at, n, &done) || done != n)
                return false;
            if (progress)
                progress->SetEntryProgress(total, static_cast<int64_t>(at + n));
            if (beforeEachPiece)
                beforeEachPiece();
        }
        return !refuse;
    }

    std::string bytes;
    uint64_t size = UINT64_MAX;
    bool directory = false;
    bool refuse = false;
    int64_t created = 0;
    int64_t written = 0;
    int64_t accessed = 0;
    uint32_t attributes = FILE_ATTRIBUTE_NORMAL;
    int writes = 0;
    std::function<void()> beforeEachPiece;
};

// Puts a drag loop of the test's in place of the system's for the life of the object.
class PlayedDrag {
public:
    using Play = std::function<void(s::gui::win::ExplorerDropSource*, COleDropSource*)>;
    explicit PlayedDrag(Play play)
    {
        play_ = std::move(play);
        previous_ = s::gui::win::ExplorerDropSource::SetDragLoop(&Loop);
    }
    ~PlayedDrag()
    {
        s::gui::win::ExplorerDropSource::SetDragLoop(previous_);
        play_ = nullptr;
    }
    static int runs;

private:
    static DROPEFFECT Loop(s::gui::win::ExplorerDropSource* source, COleDropSource* dropSource)
    {
        ++runs;
        if (play_)
            play_(source, dropSource);
        return DROPEFFECT_COPY;
    }
    static inline Play play_;
    s::gui::win::ExplorerDropSource::DragLoop previous_;
};
inline int PlayedDrag::runs = 0;

inline FORMATETC ContentsRequest(LONG index, DWORD tymed = TYMED_ISTREAM | TYMED_HGLOBAL)
{
    return FORMATETC{s::gui::win::ExplorerDropSource::GetContentsFormat(), nullptr, DVASPECT_CONTENT, index, tymed};
}

// The descriptor block as the shell gets it; empty when it is not offered.
inline std::vector<uint8_t> DescriptorBytes(IDataObject* data)
{
    FORMATETC wanted = {s::gui::win::ExplorerDropSource::GetDescriptorFormat(), nullptr, DVASPECT_CONTENT, -1,
                        TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (data->GetData(&wanted, &medium) != S_OK)
        return {};
    std::vector<uint8_t> bytes(GlobalSize(medium.hGlobal));
    const void* block = GlobalLock(medium.hGlobal);
    if (block && !bytes.empty())
        memcpy(bytes.data(), block, bytes.size());
    GlobalUnlock(medium.hGlobal);
    ReleaseStgMedium(&medium);
    return bytes;
}

inline std::string ReadAll(IStream* stream)
{
    std::string bytes;
    char piece[4096];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(piece, sizeof(piece), &read)) && read > 0)
        bytes.append(piece, read);
    return bytes;
}

// One "FileContents" request as the shell makes it: the contents arrive as a stream.
inline HRESULT RequestContents(IDataObject* data, LONG index, std::string* bytes, DWORD* tymed = nullptr)
{
    FORMATETC wanted = ContentsRequest(index);
    STGMEDIUM medium = {};
    const HRESULT result = data->GetData(&wanted, &medium);
    if (tymed)
        *tymed = medium.tymed;
    if (result == S_OK && medium.tymed == TYMED_ISTREAM && bytes)
        *bytes = ReadAll(medium.pstm);
    if (result == S_OK)
        ReleaseStgMedium(&medium);
    return result;
}

} // namespace listtest
