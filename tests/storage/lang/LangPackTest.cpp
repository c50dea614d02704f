#include "storage/lang/LangPack.h"

#include <gtest/gtest.h>

#include "core/str/StrBuffer.h"

namespace {

using s::lang::LangPack;

LangPack* PackTagged(const wchar_t* tag)
{
    LangPack* pack = LangPack::New();
    pack->GetTagName()->Assign(tag);
    return pack;
}

TEST(LangPack, TextsByIdFirstOneWins)
{
    LangPack* pack = PackTagged(L"eng");
    pack->AddText(100, L"File");
    pack->AddText(-5, L"Negative");
    pack->AddText(100, L"Second file");
    pack->AddText(2010002000, L" spaced \u00a0");
    EXPECT_STREQ(L"File", pack->FindText(100)->GetText());
    EXPECT_STREQ(L"Negative", pack->FindText(-5)->GetText());
    EXPECT_STREQ(L" spaced \u00a0", pack->FindText(2010002000)->GetText());
    EXPECT_EQ(nullptr, pack->FindText(101));
    EXPECT_TRUE(pack->HasId(-5));
    EXPECT_FALSE(pack->HasId(0));
    EXPECT_EQ(4u, pack->GetTextCount());
    pack->ReleaseToPool();
}

TEST(LangPack, KeyedTextsKeepTheFirstTextOfAKey)
{
    LangPack* pack = PackTagged(L"eng");
    pack->AddKeyedText(L"title", L"Monitor");
    pack->AddKeyedText(L"title", L"Other");
    pack->AddKeyedText(L"Title", L"Case counts");
    EXPECT_STREQ(L"Monitor", pack->FindKeyedText(L"title")->GetText());
    EXPECT_STREQ(L"Case counts", pack->FindKeyedText(L"Title")->GetText());
    EXPECT_TRUE(pack->HasKey(L"title"));
    EXPECT_FALSE(pack->HasKey(L"TITLE"));
    EXPECT_FALSE(pack->HasKey(nullptr));
    EXPECT_EQ(2u, pack->GetKeyCount());
    // Keyed texts take no place among the numbered ones.
    EXPECT_EQ(0u, pack->GetTextCount());
    pack->ReleaseToPool();
}

TEST(LangPack, BarredLOnOldSystemsOnlyInVenetian)
{
    const bool real = LangPack::NeedsBarredLFallback();
    struct Case {
        bool oldSystem;
        const wchar_t* tag;
        const wchar_t* stored;
    };
    const Case cases[] = {
        {true, L"vec", L"Ve\u0142 \u0142"},
        {true, L"VEC", L"Ve\u019a \u019a"},
        {true, L"vecc", L"Ve\u019a \u019a"},
        {true, L"eng", L"Ve\u019a \u019a"},
        {false, L"vec", L"Ve\u019a \u019a"},
    };
    for (const Case& c : cases) {
        LangPack::SetBarredLFallback(c.oldSystem);
        LangPack* pack = PackTagged(c.tag);
        pack->AddText(1, L"Ve\u019a \u019a");
        pack->AddKeyedText(L"k", L"Ve\u019a \u019a");
        EXPECT_STREQ(c.stored, pack->FindText(1)->GetText()) << c.tag << c.oldSystem;
        EXPECT_STREQ(c.stored, pack->FindKeyedText(L"k")->GetText()) << c.tag << c.oldSystem;
        pack->ReleaseToPool();
    }
    LangPack::SetBarredLFallback(real);
}

TEST(LangPack, BackFromThePoolEmpty)
{
    LangPack* pack = PackTagged(L"deu");
    pack->GetEngName()->Assign(L"German");
    pack->GetTrueName()->Assign(L"Deutsch");
    pack->AddText(1, L"Eins");
    pack->AddKeyedText(L"one", L"Eins");
    pack->Reset();
    EXPECT_EQ(0u, pack->GetTagName()->GetLength());
    EXPECT_EQ(0u, pack->GetEngName()->GetLength());
    EXPECT_EQ(0u, pack->GetTrueName()->GetLength());
    EXPECT_EQ(0u, pack->GetTextCount());
    EXPECT_EQ(0u, pack->GetKeyCount());
    EXPECT_EQ(nullptr, pack->FindText(1));
    EXPECT_EQ(nullptr, pack->FindKeyedText(L"one"));
    pack->AddKeyedText(L"one", L"again");
    EXPECT_STREQ(L"again", pack->FindKeyedText(L"one")->GetText());
    EXPECT_STREQ(L"s_lang_LangPack", pack->GetClassName());
    pack->ReleaseToPool();
}

} // namespace
