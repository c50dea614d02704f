#include "skins/Skinner.h"

#include <cstdlib>
#include <ctime>

#include "core/str/StrBuffer.h"
#include "core/thread/ObjLocker.h"
#include "skins/ISkin.h"
#include "skins/SkinColorSet.h"
#include "skins/skin/Builders.h"
#include "skins/skin/Presets.h"
#include "skins/skin/Thin.h"
#include "skins/skin/ThinWindow.h"
#include "storage/events/IEventListener.h"

namespace s {
namespace gui {
namespace drawer {

namespace {

using col::_array::ArrayP;
using str::strbuffer::StrBuffer;

const wchar_t kBasic[] = L"Basic";
const wchar_t kThin[] = L"Thin";
const wchar_t kThinWindow[] = L"ThinWindow";

// Six of the fifteen builder colours make a "Thin" skin: windowBg, compFg, text, sliderBg,
// counter01 and counter02, at these builder positions.
const uint32_t kThinPositions[6] = {0, 3, 5, 7, 13, 14};

bool SameName(StrBuffer* name, const wchar_t* text)
{
    return name && text && name->MatchesIgnoreCaseAt(0, text, 0, -1);
}

// The generator is seeded once per process, from the first call on.
void SeedRandomOnce()
{
    static volatile LONG seeded = 0;
    static thread::ObjLocker locker;
    if (seeded)
        return;
    thread::ScopedLock lock(locker);
    if (seeded)
        return;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    InterlockedExchange(&seeded, 1);
}

uint32_t DrawRandom32()
{
    const uint32_t r1 = static_cast<uint32_t>(std::rand());
    const uint32_t r2 = static_cast<uint32_t>(std::rand());
    const uint32_t r3 = static_cast<uint32_t>(std::rand());
    return (((r1 << 15) | r2) << 15) | r3;
}

} // namespace

Skinner::Skinner() : drawerType_(StrBuffer::New()), currentSkin_(nullptr)
{
    Reset();
}

Skinner::~Skinner()
{
    // Deleted, not given back: at process exit the pools may already be gone.
    const uint32_t count = skins_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        delete static_cast<ISkin*>(skins_.Get(i));
    skins_.Clear();
    delete drawerType_;
}

const wchar_t* Skinner::GetClassName()
{
    return L"s_gui_drawer_Skinner";
}

base::IObject* Skinner::NewInstance()
{
    return New();
}

void Skinner::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Skinner::Reset()
{
    const uint32_t count = skins_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        static_cast<ISkin*>(skins_.Get(i))->ReleaseToPool();
    skins_.FreeAll();
    skinNames_.Items().FreeAll();
    currentSkin_ = nullptr;
    listeners_.FreeAll();
    if (drawerType_)
        drawerType_->Assign(kBasic);
}

thread::EasyPooler* Skinner::GetPool()
{
    return &thread::PoolOf<Skinner>();
}

Skinner* Skinner::New()
{
    Skinner* skinner = thread::TakeFromPool<Skinner>();
    if (skinner && !skinner->drawerType_) {
        skinner->ReleaseToPool();
        return nullptr;
    }
    return skinner;
}

void Skinner::SetDrawerType(const wchar_t* type)
{
    drawerType_->Assign(type ? type : L"");
}

const wchar_t* Skinner::GetDrawerType()
{
    return drawerType_->GetText();
}

bool Skinner::IsType(const wchar_t* type)
{
    return SameName(drawerType_, type);
}

ISkin* Skinner::GetSkinAt(uint32_t index)
{
    return index < skins_.GetCount() ? static_cast<ISkin*>(skins_.Get(index)) : nullptr;
}

StrBuffer* Skinner::GetSkinNameAt(uint32_t index)
{
    return index < skinNames_.GetCount() ? skinNames_.Get(index) : nullptr;
}

int32_t Skinner::GetCurrentSkinIndex()
{
    int32_t index = -1;
    if (currentSkin_)
        skins_.IndexOf(currentSkin_, &index);
    return index;
}

void Skinner::AddListener(events::IEventListener* listener)
{
    if (listener)
        listeners_.Append(listener);
}

void Skinner::RemoveListener(events::IEventListener* listener)
{
    listeners_.RemoveValue(listener);
}

void Skinner::NotifyListeners()
{
    events::TellListeners(listeners_, this, kSkinChanged);
}

void Skinner::MakeCurrent(ISkin* skin)
{
    if (!skin || skin == currentSkin_)
        return;
    currentSkin_ = skin;
    NotifyListeners();
}

void Skinner::SelectSkinAt(uint32_t index)
{
    MakeCurrent(GetSkinAt(index));
}

void Skinner::SelectSkinByName(const wchar_t* name)
{
    const uint32_t count = skinNames_.GetCount();
    if (count == 0)
        return;
    uint32_t found = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (SameName(skinNames_.Get(i), name)) {
            found = i;
            break;
        }
    }
    MakeCurrent(GetSkinAt(found));
}

void Skinner::SelectRandomSkin()
{
    const uint32_t count = skins_.GetCount();
    if (count < 2)
        return;
    SeedRandomOnce();
    ISkin* chosen;
    do {
        chosen = GetSkinAt(DrawRandom32() % count);
    } while (chosen == currentSkin_);
    MakeCurrent(chosen);
}

bool Skinner::AddSkin(ISkin* skin, int32_t)
{
    if (!skin)
        return false;
    skins_.Append(skin);
    skinNames_.AddText(skin->GetName());
    return true;
}

bool Skinner::AddSkinFromColors(const wchar_t* name, const int32_t* values)
{
    ISkin* skin = nullptr;
    if (IsType(kThin)) {
        int32_t six[18];
        for (uint32_t i = 0; i < 6; ++i) {
            for (uint32_t c = 0; c < 3; ++c)
                six[i * 3 + c] = values[kThinPositions[i] * 3 + c];
        }
        skin = skin::BuildThin(name, six);
    } else if (IsType(kThinWindow)) {
        skin = skin::BuildThinWindow(name, values);
    }
    return AddSkin(skin);
}

void Skinner::AddBuiltInSkins(int32_t)
{
    if (IsType(kThin)) {
        const uint32_t count = skin::GetThinBuiltInCount();
        for (uint32_t i = 0; i < count; ++i)
            AddSkin(skin::BuildThinBuiltIn(i));
    } else if (IsType(kThinWindow)) {
        const uint32_t count = skin::GetThinWindowBuiltInCount();
        for (uint32_t i = 0; i < count; ++i)
            AddSkin(skin::BuildThinWindowBuiltIn(i));
    }
}

void Skinner::RemoveSkinAt(uint32_t index)
{
    if (index >= skins_.GetCount())
        return;
    skinNames_.Items().DisposeAt(index);
    ISkin* skin = static_cast<ISkin*>(skins_.RemoveAt(index));
    // Pooled skins come back as other skins: a current skin kept after its removal would let a
    // later selection of that object pass untold while windows paint with drawers given back.
    if (skin == currentSkin_)
        currentSkin_ = nullptr;
    skin->ReleaseToPool();
}

void Skinner::ReorderSkins(StrArray* names)
{
    ArrayP* restSkins = ArrayP::New();
    ArrayP* restNames = ArrayP::New();
    if (!restSkins || !restNames) {
        if (restSkins)
            restSkins->ReleaseToPool();
        if (restNames)
            restNames->ReleaseToPool();
        return;
    }
    const uint32_t count = skins_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        restSkins->Append(skins_.Get(i));
        restNames->Append(skinNames_.Items().Get(i));
    }
    // The lists are rebuilt from the same objects: names move with their skins, none is freed.
    skins_.Clear();
    skinNames_.Items().Clear();
    const uint32_t nameCount = names ? names->GetCount() : 0;
    for (uint32_t n = 0; n < nameCount; ++n) {
        const wchar_t* wanted = names->Get(n)->GetText();
        for (uint32_t i = 0; i < restNames->GetCount(); ++i) {
            if (SameName(static_cast<StrBuffer*>(restNames->Get(i)), wanted)) {
                skins_.Append(restSkins->RemoveAt(i));
                skinNames_.Items().Append(restNames->RemoveAt(i));
                break;
            }
        }
    }
    for (uint32_t i = 0; i < restSkins->GetCount(); ++i) {
        skins_.Append(restSkins->Get(i));
        skinNames_.Items().Append(restNames->Get(i));
    }
    restSkins->ReleaseToPool();
    restNames->ReleaseToPool();
}

void Skinner::TypePath(StrBuffer* target, const wchar_t* basePath)
{
    target->Assign(basePath ? basePath : L"");
    target->Append(L"\\");
    target->AppendStr(drawerType_);
}

} // namespace drawer
} // namespace gui
} // namespace s
