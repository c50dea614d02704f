#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace system {
namespace codepage {

// One installed code page: its number and the name users see. The process-wide list of them is
// loaded once and then only read, from any thread.
class CodePage : public base::IObject, public thread::IPoolable {
public:
    CodePage();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Number 0 and an empty name.
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static CodePage* New();

    // Fills the list once, whichever threads ask first: the installed code pages that have a
    // display name, always with UTF-16 (1200) and UTF-16BE (1201), sorted by display name.
    static void LoadInstalled();
    static bool IsLoaded();
    // The list, loaded first when it is not yet; its entries live until process exit.
    static col::_array::ArrayP& GetInstalled();
    static CodePage* GetAt(uint32_t index);
    // The entries the string conversions recognise by identity; they load the list when needed.
    static CodePage* GetUtf16();
    static CodePage* GetUtf16Be();
    // Null when the system has no UTF-8.
    static CodePage* GetUtf8();
    // The index of the OEM code page's entry; else of the UTF-8 entry; else 0.
    static int32_t GetOemIndex();
    // The same for a given OEM code-page number.
    static int32_t IndexForOem(int32_t oemNumber);
    // The display name of a code-page number; null when it has none.
    static const wchar_t* DisplayNameOf(int32_t codePageNumber);

    int32_t number;
    str::strbuffer::StrBuffer name;

private:
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;
};

} // namespace codepage
} // namespace system
} // namespace s
