#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace col {
namespace _array {
class ArrayU08;
}
} // namespace col
namespace file {
namespace win {
class PathWin;
}
} // namespace file
namespace str {
namespace strbuffer {
class StrBuffer;
}

namespace strarray {

// An ordered list of strings that it owns: every string in it goes back to the string pool when
// the list lets go of it.
class StrArray : public base::IObject, public thread::IPoolable {
public:
    typedef strbuffer::StrBuffer StrBuffer;
    typedef col::_array::ArrayU08 ArrayU08;

    StrArray();
    // Deletes the strings outright: at exit the string pool may already be gone.
    ~StrArray() override;

    const wchar_t* GetClassName() override;
    StrArray* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static StrArray* New();

    // The strings themselves; a string appended here belongs to this list from then on.
    col::_array::ArrayP& Items() { return items_; }
    uint32_t GetCount() { return items_.GetCount(); }
    StrBuffer* Get(uint32_t index) const { return static_cast<StrBuffer*>(items_.Get(index)); }
    void Add(StrBuffer* text) { items_.Append(text); }

    // Every string back to the string pool; an empty list keeps its storage.
    void Clear();
    StrArray* AddText(const wchar_t* text);

    // The multi-string form: UTF-16 strings each closed by a NUL, the sequence closed by one more.
    // Without a closing double NUL the list stays empty.
    void ParseMultiString(ArrayU08* bytes);
    // The same from a wide text, which must hold the closing double NUL.
    void ParseMultiText(const wchar_t* text);
    // Replaces what out held; a new array from the pool when out is null.
    ArrayU08* ToMultiString(ArrayU08* out);
    // The strings joined by CR LF, as UTF-8 without a terminator, in a new array from the pool.
    ArrayU08* ToUtf8Lines();
    // Writes ToUtf8Lines to the file; true only when every byte reached it. The old file stays
    // as it was unless the new content is complete. Built with the file streams (storage).
    bool WriteJoined(file::win::PathWin* path);

private:
    StrArray(const StrArray&) = delete;
    StrArray& operator=(const StrArray&) = delete;

    void ParseUnits(const wchar_t* units);

    col::_array::ArrayP items_;
};

} // namespace strarray
} // namespace str
} // namespace s
