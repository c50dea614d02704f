#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/str/StrArray.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace map {
class IMappedData;
}
namespace archive {
namespace dll {
namespace win {
class Archive;
}
} // namespace dll
} // namespace archive
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace events {
class IEventListener;
}
namespace drawer {

class ISkin;

// The skins one or more windows paint with: an ordered list of skins of one drawer type with a
// parallel list of their names, the current skin, and the listeners told when it changes.
// No lock: it is used on the threads of the windows bound to it, and tells its listeners on the
// calling thread.
class Skinner : public base::IObject, public thread::IPoolable {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;
    typedef str::strarray::StrArray StrArray;

    // The event code of a new current skin.
    static constexpr int32_t kSkinChanged = 0;
    // The most skins a load brings into a manager, and the most entries it reads (the colour
    // editor's limit as well).
    static constexpr uint32_t kMaxSkins = 500;

    Skinner();
    ~Skinner() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Gives every skin back, forgets names, current skin and listeners (untold); type "Basic".
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static Skinner* New();

    // "ThinWindow" (fifteen-colour skins) or "Thin" (six-colour skins), compared ignoring case;
    // any other type builds nothing.
    void SetDrawerType(const wchar_t* type);
    const wchar_t* GetDrawerType();

    uint32_t GetSkinCount() { return skins_.GetCount(); }
    ISkin* GetSkinAt(uint32_t index);
    // The listed name of the skin at the index (a copy of its name when it was added; the colour
    // editor renames through it); null beyond the list.
    StrBuffer* GetSkinNameAt(uint32_t index);
    ISkin* GetCurrentSkin() { return currentSkin_; }
    // -1 without a current skin.
    int32_t GetCurrentSkinIndex();

    // Not owned; told in registration order.
    void AddListener(events::IEventListener* listener);
    // Removes the first entry of the listener.
    void RemoveListener(events::IEventListener* listener);
    uint32_t GetListenerCount() { return listeners_.GetCount(); }
    // Tells every listener, with this manager as source and code 0.
    void NotifyListeners();

    // The three selections tell the listeners only when the chosen skin is another object than
    // the current one.
    // An index beyond the list changes nothing.
    void SelectSkinAt(uint32_t index);
    // The first skin of that whole name (A to Z in either case), else the first skin.
    void SelectSkinByName(const wchar_t* name);
    // Another skin than the current one, drawn at random; nothing with fewer than two skins.
    void SelectRandomSkin();

    // Appends the skin and a copy of its name; the manager owns the skin from now on. False
    // only for a null skin. The reserved argument is not used.
    bool AddSkin(ISkin* skin, int32_t reserved = 0);
    // Builds a skin of the manager's type from the name and 45 values (red, green, blue per
    // colour in builder order: windowBg, windowFg, compDisabled, compFg, groupBorder, text,
    // textOutLineSpecific, sliderBg, listHeaderBg, listHeaderFont, listBg, listFont,
    // listAlternate, counter01, counter02) and appends it; a "Thin" skin uses six of them.
    // False when the type builds nothing. The current skin stays.
    bool AddSkinFromColors(const wchar_t* name, const int32_t* values);
    // Appends the built-in skins of the manager's type, in their table's order.
    void AddBuiltInSkins(int32_t reserved = 0);

    // Gives the skin back and drops its name; a removed current skin leaves no current skin
    // (its drawers go back to their pools), without telling the listeners.
    void RemoveSkinAt(uint32_t index);
    // Puts the skins into the order of the names: each name takes the first skin of that name
    // not yet placed; unknown names are ignored; skins left unnamed follow in their old order.
    // The current skin stays the same object.
    void ReorderSkins(StrArray* names);

    // Adds the skins stored under basePath\<type> (at most kMaxSkins entries, never beyond
    // kMaxSkins skins). With replace on and at least one skin read, the skins held before are
    // removed; a current skin among them is first replaced by the new skin of its name (else the
    // first new one) and the listeners are told.
    void LoadSkinSet(map::IMappedData* store, const wchar_t* basePath, bool replace);
    // Writes every skin under basePath\<type>; entries beyond the new count stay in the store.
    void SaveSkinSet(map::IMappedData* store, const wchar_t* basePath);
    // Loads, with replace, the skin set of the UTF-8 XML document in the module's resource of
    // that type and number, under "SkinSet". A missing or damaged resource leaves the skins.
    void LoadSkinSetSetting(archive::dll::win::Archive* archive, const wchar_t* typeName, uint32_t id);

private:
    Skinner(const Skinner&) = delete;
    Skinner& operator=(const Skinner&) = delete;

    bool IsType(const wchar_t* type);
    // The notification rule of the selections.
    void MakeCurrent(ISkin* skin);
    // The type path "basePath\type" into target.
    void TypePath(StrBuffer* target, const wchar_t* basePath);

    StrBuffer* drawerType_;
    col::_array::ArrayP skins_;
    StrArray skinNames_;
    ISkin* currentSkin_;
    col::_array::ArrayP listeners_;
};

} // namespace drawer
} // namespace gui
} // namespace s
