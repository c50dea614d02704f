#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace gui {
namespace events {
class IEventListener;
}
} // namespace gui
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace xml {
class IXml;
}
namespace archive {
namespace dll {
namespace win {
class Archive;
}
} // namespace dll
} // namespace archive

namespace lang {

class LangPack;

// The language packs and the current one. Texts are looked up by numeric id; an id the pack
// lacks gives the empty text. Listeners are told, on the thread that made the change, when the
// current language changes. No lock: built at start, then read by the windows' threads.
class Localizer : public base::IObject, public thread::IPoolable {
public:
    // The event code of a change of language.
    static constexpr int32_t kLanguageChanged = 0;

    Localizer();
    ~Localizer() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // A Localizer from the pool with the packs of the language-pack document stored in the
    // archive under that text type and number, in the language of the user's display language
    // (else English, else the first pack). Without the resource it has no pack and every text
    // is empty; a damaged document gives the packs that can be read.
    static Localizer* CreateFromResource(archive::dll::win::Archive* archive, const wchar_t* type, uint32_t id);
    // Adds one pack per language of the document and one text per entry to every pack; a
    // language without a text of its own gets the entry's first text.
    void BuildPacks(xml::IXml* root);

    // Takes the pack; the Localizer gives it back to the pack pool when it lets go of it.
    void AddPack(LangPack* pack);
    uint32_t GetPackCount() { return packs_.GetCount(); }
    LangPack* GetPack(uint32_t index) { return static_cast<LangPack*>(packs_.Get(index)); }

    // The first pack of that English name ignoring case, else for a name of the Chinese,
    // Portuguese or Serbian family the family's first variant present; else null.
    LangPack* FindPack(const wchar_t* engName);
    // By English name; a name no pack matches selects English, else the first pack.
    void SelectLanguage(const wchar_t* engName);
    // An index beyond the packs changes nothing.
    void SelectLanguageAt(uint32_t index);
    // Null only while there is no pack at all.
    LangPack* GetCurrentPack();
    // The text of the id in the current pack, else the empty text; valid while the Localizer
    // lives and the pack stays.
    const wchar_t* GetText(int32_t id);
    const wchar_t* GetEnglishText(int32_t id);

    // Not owned; the same listener may be added twice and is then told twice.
    void AddListener(gui::events::IEventListener* listener);
    // Removes the first entry of the listener.
    void RemoveListener(gui::events::IEventListener* listener);
    uint32_t GetListenerCount() { return listeners_.GetCount(); }

    static thread::EasyPooler* GetPool();
    static Localizer* New();

private:
    Localizer(const Localizer&) = delete;
    Localizer& operator=(const Localizer&) = delete;

    void ChooseFirst();
    LangPack* EnglishPack();
    void MakeCurrent(LangPack* pack);

    col::_array::ArrayP packs_;
    LangPack* current_;
    col::_array::ArrayP listeners_;
};

} // namespace lang
} // namespace s
