// The menus' two heavy moments: the skin menu rebuilt before it opens, with 500 skins, and the
// whole menu tree rewritten after a change of language; each against plain native menu calls
// for the same entries in the same run.
#include "BenchClock.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "windowing/menu/MenuItem.h"
#include "windowing/menu/PopupMenu.h"

using s::gui::menuitem::MenuItem;
using s::gui::win::PopupMenu;

namespace {

const int32_t kSkins = 500;
const int32_t kFirstSkinCommand = 20000;
const int32_t kSubmenus = 12;
const int32_t kItemsPerSubmenu = 20;
const int32_t kFirstTextId = 100000;

std::vector<std::wstring> SkinNames()
{
    std::vector<std::wstring> names;
    for (int32_t i = 0; i < kSkins; ++i)
        names.push_back(L"Skin number " + std::to_wstring(i));
    return names;
}

void RebuildSkinMenu(PopupMenu* menu, const std::vector<std::wstring>& names, int32_t current)
{
    menu->RemoveAll();
    PopupMenu* periodic = PopupMenu::New();
    periodic->SetTitle(L"Change Periodically");
    for (int32_t i = 0; i < 4; ++i)
        periodic->AddItem(MenuItem::CreateWithText(L"period", 19000 + i, i == 0));
    menu->AddSubmenu(periodic);
    menu->AddItem(MenuItem::CreateSeparator());
    for (int32_t i = 0; i < kSkins; ++i) {
        MenuItem* item = MenuItem::CreateWithText(names[static_cast<size_t>(i)].c_str(), kFirstSkinCommand + i, false);
        item->SetTag(i);
        menu->AddItem(item);
    }
    menu->CheckRadioTag(current);
}

void RebuildNativeSkinMenu(HMENU* menu, const std::vector<std::wstring>& names, int32_t current)
{
    if (*menu)
        DestroyMenu(*menu);
    *menu = CreatePopupMenu();
    HMENU periodic = CreatePopupMenu();
    for (int32_t i = 0; i < 4; ++i)
        AppendMenuW(periodic, MF_STRING | (i == 0 ? MF_CHECKED : 0), 19000 + i, L"period");
    AppendMenuW(*menu, MF_POPUP, reinterpret_cast<UINT_PTR>(periodic), L"Change Periodically");
    AppendMenuW(*menu, MF_SEPARATOR, 0, nullptr);
    for (int32_t i = 0; i < kSkins; ++i)
        AppendMenuW(*menu, MF_STRING, kFirstSkinCommand + i, names[static_cast<size_t>(i)].c_str());
    CheckMenuRadioItem(*menu, 0, kSkins + 1, current + 2, MF_BYPOSITION);
}

s::lang::Localizer* TwoLanguages()
{
    s::lang::Localizer* localizer = s::lang::Localizer::New();
    for (int language = 0; language < 2; ++language) {
        s::lang::LangPack* pack = s::lang::LangPack::New();
        for (int32_t i = 0; i <= kSubmenus * (kItemsPerSubmenu + 1); ++i)
            pack->AddText(kFirstTextId + i, (std::wstring(language ? L"Eintrag " : L"Entry ") + std::to_wstring(i)).c_str());
        localizer->AddPack(pack);
    }
    localizer->SelectLanguageAt(0);
    return localizer;
}

// A tree like the gadget's main menu: submenus of text-id items, one radio mark and a check each.
PopupMenu* MenuTree(s::lang::Localizer* localizer)
{
    PopupMenu* top = PopupMenu::New();
    top->SetLocalizer(localizer);
    int32_t text = kFirstTextId;
    for (int32_t m = 0; m < kSubmenus; ++m) {
        PopupMenu* submenu = PopupMenu::New();
        submenu->SetLocalizer(localizer);
        submenu->SetTitleTextId(text++);
        for (int32_t i = 0; i < kItemsPerSubmenu; ++i)
            submenu->AddItem(MenuItem::Create(text++, localizer, 1000 + m * 100 + i, i == 1));
        submenu->CheckRadioAt(3);
        top->AddSubmenu(submenu);
    }
    return top;
}

HMENU NativeTree(std::vector<HMENU>* submenus)
{
    HMENU top = CreatePopupMenu();
    for (int32_t m = 0; m < kSubmenus; ++m) {
        HMENU submenu = CreatePopupMenu();
        for (int32_t i = 0; i < kItemsPerSubmenu; ++i)
            AppendMenuW(submenu, MF_STRING | (i == 1 ? MF_CHECKED : 0), 1000 + m * 100 + i, L"Entry");
        AppendMenuW(top, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), L"Entry");
        submenus->push_back(submenu);
    }
    return top;
}

void RewriteNativeTree(HMENU top, const std::vector<HMENU>& submenus, s::lang::Localizer* localizer)
{
    int32_t text = kFirstTextId;
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    for (int32_t m = 0; m < kSubmenus; ++m) {
        info.dwTypeData = const_cast<wchar_t*>(localizer->GetText(text++));
        SetMenuItemInfoW(top, static_cast<UINT>(m), TRUE, &info);
        for (int32_t i = 0; i < kItemsPerSubmenu; ++i) {
            info.dwTypeData = const_cast<wchar_t*>(localizer->GetText(text++));
            SetMenuItemInfoW(submenus[static_cast<size_t>(m)], static_cast<UINT>(1000 + m * 100 + i), FALSE, &info);
        }
    }
}

} // namespace

int main()
{
    const std::vector<std::wstring> names = SkinNames();
    PopupMenu* skinMenu = PopupMenu::New();
    int32_t current = 0;
    const double rebuild = Best([&] { RebuildSkinMenu(skinMenu, names, current++ % kSkins); });
    HMENU native = nullptr;
    const double nativeRebuild = Best([&] { RebuildNativeSkinMenu(&native, names, current++ % kSkins); });
    std::printf("skin menu of %d skins rebuilt: %.2f ms, plain native calls: %.2f ms, ratio %.1f\n", kSkins,
                rebuild * 1e3, nativeRebuild * 1e3, rebuild / nativeRebuild);
    skinMenu->ReleaseToPool();
    DestroyMenu(native);

    s::lang::Localizer* localizer = TwoLanguages();
    PopupMenu* tree = MenuTree(localizer);
    uint32_t language = 0;
    const double change = Best([&] { localizer->SelectLanguageAt(++language % 2); });
    std::vector<HMENU> submenus;
    HMENU nativeTree = NativeTree(&submenus);
    const double nativeChange = Best([&] { RewriteNativeTree(nativeTree, submenus, localizer); });
    std::printf("menu tree of %d entries after a language change: %.2f ms, plain native rewrites: %.2f ms, "
                "ratio %.1f\n",
                kSubmenus * (kItemsPerSubmenu + 1), change * 1e3, nativeChange * 1e3, change / nativeChange);
    tree->ReleaseToPool();
    DestroyMenu(nativeTree);
    localizer->ReleaseToPool();
    return 0;
}
