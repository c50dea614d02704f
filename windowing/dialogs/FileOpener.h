#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/dialogs/IFileOpener.h"

namespace s {
namespace gui {
namespace dialogs {
namespace win {

// The toolkit's file dialog front, from its pool. Reset: open mode, follow links on,
// multi-select off, every text empty; the paths stay until the next run.
class FileOpener : public IFileOpener, public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_dialogs_win_FileOpener";
    // The longest filter text, in characters.
    static const uint32_t kMaxFilterLength = 32767;
    // The result buffer of a multiple choice, in characters, and the part the dialog may fill:
    // two characters stay free for the closing NULs.
    static constexpr uint32_t kMultiSelectBufferLength = 130000;
    static constexpr uint32_t kMultiSelectCapacity = 129998;

    FileOpener();
    ~FileOpener() override;

    static thread::EasyPooler* GetPool();
    static FileOpener* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    void SetOpenMode(bool multiSelect, bool followLinks) override;
    void SetSaveMode() override;
    void SetInitialFolder(const wchar_t* folder) override;
    void SetFileName(const wchar_t* name) override;
    void SetDefaultExtension(const wchar_t* extension) override;
    bool AddFilter(const wchar_t* name, const wchar_t* pattern) override;
    bool Run(IWindow* owner) override;
    str::strarray::StrArray* GetPaths() override;
    const wchar_t* GetPath() override;

    // What the dialog's run reads.
    bool IsOpenMode() { return openMode_; }
    bool IsMultiSelect() { return multiSelect_; }
    bool IsFollowLinks() { return followLinks_; }
    const wchar_t* GetInitialFolder() { return initialFolder_.GetText(); }
    const wchar_t* GetFileName() { return fileName_.GetText(); }
    const wchar_t* GetDefaultExtension() { return defaultExtension_.GetText(); }
    // Each type's name and pattern, each followed by "|".
    const wchar_t* GetFilter() { return filter_.GetText(); }

private:
    FileOpener(const FileOpener&) = delete;
    FileOpener& operator=(const FileOpener&) = delete;

    bool openMode_;
    str::strbuffer::StrBuffer path_;
    str::strbuffer::StrBuffer initialFolder_;
    str::strbuffer::StrBuffer fileName_;
    str::strbuffer::StrBuffer defaultExtension_;
    str::strbuffer::StrBuffer filter_;
    bool followLinks_;
    bool multiSelect_;
    str::strarray::StrArray paths_;
};

} // namespace win
} // namespace dialogs
} // namespace gui
} // namespace s
