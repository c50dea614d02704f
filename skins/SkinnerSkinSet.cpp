// The skin-set XML of the skin manager: P\T holds "numOfSkins", each P\T_i a "name" and the
// fifteen colour elements.
#include "skins/Skinner.h"

#include "core/str/StrBuffer.h"
#include "skins/ISkin.h"
#include "skins/SkinColorSet.h"
#include "skins/skin/Builders.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/settings/IMappedData.h"
#include "storage/settings/XmlMappedData.h"
#include "storage/xml/Node.h"

namespace s {
namespace gui {
namespace drawer {

namespace {

using str::strbuffer::StrBuffer;

const wchar_t kNumOfSkins[] = L"numOfSkins";
const wchar_t kName[] = L"name";
const wchar_t kResourceBasePath[] = L"SkinSet";

// "P\T_i" into target.
void EntryPath(StrBuffer* target, StrBuffer* typePath, uint32_t i)
{
    target->Assign(typePath->GetText());
    target->Append(L"_");
    target->AppendUInt32(i);
}

} // namespace

void Skinner::LoadSkinSet(map::IMappedData* store, const wchar_t* basePath, bool replace)
{
    if (!store)
        return;
    StrBuffer* typePath = StrBuffer::New();
    StrBuffer* entryPath = StrBuffer::New();
    StrBuffer* name = StrBuffer::New();
    if (typePath && entryPath && name) {
        TypePath(typePath, basePath);
        const int32_t stored = store->GetInt32(typePath->GetText(), kNumOfSkins, 0);
        // The count is user data: a huge one must not keep the reader walking for ever.
        const uint32_t entries = stored <= 0 ? 0 : stored > static_cast<int32_t>(kMaxSkins)
                                                       ? kMaxSkins
                                                       : static_cast<uint32_t>(stored);
        const uint32_t oldCount = skins_.GetCount();
        // A replacing load stands in for the skins held; an adding one fills up to the limit.
        const uint32_t room = replace ? kMaxSkins : oldCount < kMaxSkins ? kMaxSkins - oldCount : 0;
        uint32_t added = 0;
        for (uint32_t i = 0; i < entries && added < room; ++i) {
            EntryPath(entryPath, typePath, i);
            name->Assign(store->GetString(entryPath->GetText(), kName, L"", nullptr, false));
            if (name->GetLength() == 0)
                continue;
            SkinColorSet colors;
            colors.ReadEntry(store, entryPath->GetText());
            int32_t values[SkinColorSet::kBuilderValues];
            colors.ToBuilderOrder(values);
            if (AddSkinFromColors(name->GetText(), values))
                ++added;
        }
        // The old skins go only once new ones stand in for them. Windows paint with the current
        // skin's drawers: a current skin among the old ones hands over to its namesake (else
        // the first new skin) before its drawers go back to their pools.
        if (replace && added > 0) {
            const int32_t current = GetCurrentSkinIndex();
            if (current >= 0 && static_cast<uint32_t>(current) < oldCount) {
                uint32_t successor = oldCount;
                for (uint32_t i = oldCount; i < skinNames_.GetCount(); ++i) {
                    if (skinNames_.Get(i)->MatchesIgnoreCaseAt(0, skinNames_.Get(current)->GetText(), 0, -1)) {
                        successor = i;
                        break;
                    }
                }
                MakeCurrent(GetSkinAt(successor));
            }
            for (uint32_t i = oldCount; i > 0; --i)
                RemoveSkinAt(i - 1);
        }
    }
    if (typePath)
        typePath->ReleaseToPool();
    if (entryPath)
        entryPath->ReleaseToPool();
    if (name)
        name->ReleaseToPool();
}

void Skinner::SaveSkinSet(map::IMappedData* store, const wchar_t* basePath)
{
    if (!store)
        return;
    StrBuffer* typePath = StrBuffer::New();
    StrBuffer* entryPath = StrBuffer::New();
    if (typePath && entryPath) {
        TypePath(typePath, basePath);
        const uint32_t count = skins_.GetCount();
        store->SetInt32(typePath->GetText(), kNumOfSkins, static_cast<int32_t>(count));
        for (uint32_t i = 0; i < count; ++i) {
            ISkin* skin = GetSkinAt(i);
            EntryPath(entryPath, typePath, i);
            store->SetString(entryPath->GetText(), kName, skin->GetName());
            SkinColorSet colors;
            skin::ReadColors(skin, &colors);
            colors.WriteEntry(store, entryPath->GetText());
        }
    }
    if (typePath)
        typePath->ReleaseToPool();
    if (entryPath)
        entryPath->ReleaseToPool();
}

void Skinner::LoadSkinSetSetting(archive::dll::win::Archive* archive, const wchar_t* typeName, uint32_t id)
{
    xml::Node* root = nullptr;
    StrBuffer* text = archive::dll::win::Archive::ReadTextResource(archive, typeName, id);
    if (text) {
        root = xml::Node::New();
        // A damaged document still gives the elements that stand complete before the damage.
        if (root)
            root->Parse(text->GetText());
        text->ReleaseToPool();
    }
    xml::MappedData* store = xml::MappedData::New();
    if (!store) {
        if (root)
            root->ReleaseToPool();
        return;
    }
    store->SetDocument(root);
    LoadSkinSet(store, kResourceBasePath, true);
    store->ReleaseToPool();
}

} // namespace drawer
} // namespace gui
} // namespace s
