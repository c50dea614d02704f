// Menu items: the text of a text id follows the current language; reset empties every field.
#include <gtest/gtest.h>

#include "windowing/menu/MenuFixture.h"

namespace {

using s::gui::menuitem::MenuItem;

TEST(MenuItemTest, ATextIdShowsItsTextInTheCurrentLanguage)
{
    s::lang::Localizer* localizer = menutest::MakeLocalizer();
    MenuItem* item = MenuItem::Create(710100, localizer, 7, true);
    ASSERT_NE(nullptr, item);
    EXPECT_STREQ(L"1 Second", item->GetText());
    EXPECT_EQ(7, item->GetCommandId());
    EXPECT_TRUE(item->IsChecked());
    // A literal text cannot hide the id's text.
    item->SetText(L"literal");
    localizer->SelectLanguageAt(1);
    EXPECT_STREQ(L"1 Sekunde", item->GetText());
    // An id the pack lacks shows nothing, also from the start.
    item->SetTextId(123);
    EXPECT_STREQ(L"", item->GetText());
    MenuItem* missing = MenuItem::Create(999, localizer, 8, false);
    EXPECT_STREQ(L"", missing->GetText());
    MenuItem* literal = MenuItem::CreateWithText(L"Black Black", 9, false);
    EXPECT_STREQ(L"Black Black", literal->GetText());
    EXPECT_EQ(-1, literal->GetTextId());
    item->ReleaseToPool();
    missing->ReleaseToPool();
    literal->ReleaseToPool();
    localizer->ReleaseToPool();
}

TEST(MenuItemTest, AnItemBackFromThePoolHoldsNothingOfItsLastUse)
{
    s::lang::Localizer* localizer = menutest::MakeLocalizer();
    MenuItem* item = MenuItem::Create(710100, localizer, 7, true);
    item->SetRadioChecked(true);
    item->SetTag(42);
    item->SetSeparator(true);
    item->ReleaseToPool();
    // The pool hands out the last item given back.
    MenuItem* again = MenuItem::New();
    ASSERT_EQ(item, again);
    EXPECT_EQ(nullptr, again->GetLocalizer());
    EXPECT_STREQ(L"", again->GetText());
    EXPECT_EQ(-1, again->GetTextId());
    EXPECT_EQ(-1, again->GetCommandId());
    EXPECT_FALSE(again->IsChecked());
    EXPECT_FALSE(again->IsRadioChecked());
    EXPECT_FALSE(again->IsSeparator());
    EXPECT_EQ(0, again->GetTag());
    again->ReleaseToPool();
    MenuItem* separator = MenuItem::CreateSeparator();
    EXPECT_TRUE(separator->IsSeparator());
    EXPECT_EQ(-1, separator->GetCommandId());
    separator->ReleaseToPool();
    localizer->ReleaseToPool();
}

} // namespace
