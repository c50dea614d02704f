#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "windowing/menu/MenuItem.h"
#include "windowing/menu/PopupMenu.h"

namespace menutest {

// Texts of the refresh-period menu in English and German, as the language pack holds them.
struct PeriodText {
    int32_t id;
    const wchar_t* english;
    const wchar_t* german;
};
const PeriodText kPeriodTexts[] = {
    {710000, L"Refresh Frequency", L"Aktualisierungsintervall"},
    {710050, L"0.5 Second", L"0,5 Sekunden"},
    {710100, L"1 Second", L"1 Sekunde"},
    {710150, L"1.5 Second", L"1,5 Sekunden"},
    {710200, L"2 Seconds", L"2 Sekunden"},
    {710300, L"3 Seconds", L"3 Sekunden"},
    {710400, L"5 Seconds", L"5 Sekunden"},
    {710500, L"10 Seconds", L"10 Sekunden"},
    {710600, L"30 Seconds", L"30 Sekunden"},
    {710700, L"1 Minute", L"1 Minute"},
    {710800, L"5 Minutes", L"5 Minuten"},
};
const int32_t kTitleId = 710000;
const int32_t kFirstPeriod = 1;
const int32_t kPeriodCount = 10;

// A localizer with the English pack first and the German second, English current.
inline s::lang::Localizer* MakeLocalizer()
{
    s::lang::Localizer* localizer = s::lang::Localizer::New();
    for (int language = 0; language < 2; ++language) {
        s::lang::LangPack* pack = s::lang::LangPack::New();
        for (const PeriodText& text : kPeriodTexts)
            pack->AddText(text.id, language == 0 ? text.english : text.german);
        localizer->AddPack(pack);
    }
    localizer->SelectLanguageAt(0);
    return localizer;
}

// What the native menu shows at a position.
inline std::wstring EntryText(HMENU menu, int position)
{
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 256, MF_BYPOSITION);
    return text;
}

inline UINT EntryState(HMENU menu, int position)
{
    return GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
}

inline bool EntryChecked(HMENU menu, int position)
{
    return (EntryState(menu, position) & MF_CHECKED) != 0;
}

inline bool EntryRadio(HMENU menu, int position)
{
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
    return (info.fType & MFT_RADIOCHECK) != 0 && (info.fState & MFS_CHECKED) != 0;
}

// A submenu titled by the refresh-frequency text with the ten periods as commands 101..110.
inline s::gui::win::PopupMenu* MakePeriodMenu(s::lang::Localizer* localizer)
{
    s::gui::win::PopupMenu* menu = s::gui::win::PopupMenu::New();
    menu->SetLocalizer(localizer);
    menu->SetTitleTextId(kTitleId);
    for (int32_t i = 0; i < kPeriodCount; ++i)
        menu->AddItem(s::gui::menuitem::MenuItem::Create(kPeriodTexts[kFirstPeriod + i].id, localizer, 101 + i, false));
    return menu;
}

} // namespace menutest
