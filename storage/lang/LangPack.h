#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/Arrays.h"
#include "core/map/MapTable.h"
#include "core/str/StrArray.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace lang {

// The texts of one language: by numeric id in the order they were added, and by text key.
class LangPack : public base::IObject, public thread::IPoolable {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;

    LangPack();
    ~LangPack() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Appends the id and a copy of the text; a second text for an id is kept but never found.
    void AddText(int32_t id, const wchar_t* text);
    // Stores copies of key and text; a key already held keeps its earlier text.
    void AddKeyedText(const wchar_t* key, const wchar_t* text);
    bool HasId(int32_t id);
    bool HasKey(const wchar_t* key);
    // The text of the first equal id, or null.
    StrBuffer* FindText(int32_t id);
    // The text stored under the key, or null.
    StrBuffer* FindKeyedText(const wchar_t* key);

    StrBuffer* GetTagName() { return tagName_; }
    StrBuffer* GetEngName() { return engName_; }
    StrBuffer* GetTrueName() { return trueName_; }
    uint32_t GetTextCount() { return ids_.GetCount(); }
    uint32_t GetKeyCount() { return keys_.GetCount(); }

    static thread::EasyPooler* GetPool();
    static LangPack* New();

    // Whether the texts of the language tagged "vec" get U+0142 for U+019A: systems before 6.0
    // have no glyph for the barred l. Asked of the version record once; tests set it.
    static bool NeedsBarredLFallback();
    static void SetBarredLFallback(bool on);

private:
    LangPack(const LangPack&) = delete;
    LangPack& operator=(const LangPack&) = delete;

    void InitMembers();
    void ApplyVecRule(StrBuffer* text);

    StrBuffer* tagName_;
    StrBuffer* engName_;
    StrBuffer* trueName_;
    col::_array::ArrayS32 ids_;
    str::strarray::StrArray texts_;
    str::strarray::StrArray keys_;
    // Keys point into keys_; the table owns the keyed texts.
    map::MapTable keyedTexts_;
};

} // namespace lang
} // namespace s
