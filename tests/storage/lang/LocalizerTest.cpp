#include "storage/lang/Localizer.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "core/str/StrBuffer.h"
#include "storage/events/IEventListener.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/UiLanguage.h"

namespace {

using s::lang::LangPack;
using s::lang::Localizer;

LANGID gDisplayLanguage = 0x0409;
LANGID FakeDisplayLanguage()
{
    return gDisplayLanguage;
}

struct Heard {
    int listener;
    s::base::IObject* source;
    int32_t code;
    std::thread::id thread;
};

class Recorder : public s::gui::events::IEventListener {
public:
    Recorder(int number, std::vector<Heard>* log) : number_(number), log_(log) {}
    void OnEvent(s::base::IObject* source, int32_t code) override
    {
        log_->push_back({number_, source, code, std::this_thread::get_id()});
    }

private:
    int number_;
    std::vector<Heard>* log_;
};

struct PackRow {
    const wchar_t* tag;
    const wchar_t* engName;
};

// A Localizer over packs of these names; each pack holds text 1 as "<tag>:1" and the English
// pack also text 2.
Localizer* MakeLocalizer(std::initializer_list<PackRow> rows)
{
    Localizer* localizer = Localizer::New();
    for (const PackRow& row : rows) {
        LangPack* pack = LangPack::New();
        pack->GetTagName()->Assign(row.tag);
        pack->GetEngName()->Assign(row.engName);
        pack->GetTrueName()->Assign(row.engName);
        pack->AddText(1, (std::wstring(row.tag) + L":1").c_str());
        if (std::wstring(row.engName) == L"English")
            pack->AddText(2, L"only English");
        localizer->AddPack(pack);
    }
    return localizer;
}

std::wstring EngNameOf(LangPack* pack)
{
    return pack ? pack->GetEngName()->GetText() : L"<none>";
}

// The display language is the fake's for each test.
class LocalizerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gDisplayLanguage = 0x0409;
        previous_ = s::lang::SetUiLanguageSource(&FakeDisplayLanguage);
    }
    void TearDown() override { s::lang::SetUiLanguageSource(previous_); }

    void DisplayLanguage(LANGID id)
    {
        gDisplayLanguage = id;
        s::lang::SetUiLanguageSource(&FakeDisplayLanguage);
    }

private:
    s::lang::UiLanguageSource previous_ = nullptr;
};

TEST_F(LocalizerTest, FindPackWithFamilyFallbacks)
{
    Localizer* some = MakeLocalizer({{L"eng", L"English"},
                                     {L"deu", L"German"},
                                     {L"zht", L"Chinese_Traditional"},
                                     {L"bra", L"Portuguese_Brazilian"},
                                     {L"srp", L"Serbian_Latin"}});
    Localizer* both = MakeLocalizer({{L"zht", L"Chinese_Traditional"}, {L"zhs", L"Chinese_Simplified"},
                                     {L"srp", L"Serbian_Latin"}, {L"cpn", L"Serbian_Cyrillic"}});
    struct Case {
        Localizer* localizer;
        const wchar_t* name;
        const wchar_t* found;
    };
    const Case cases[] = {
        {some, L"german", L"German"},
        {some, L"ENGLISH", L"English"},
        {some, L"Chinese_simplified", L"Chinese_Traditional"},
        {some, L"chinese", L"Chinese_Traditional"},
        {some, L"Portuguese_portugal", L"Portuguese_Brazilian"},
        {some, L"Serbian", L"Serbian_Latin"},
        {some, L"Hebrew", L"<none>"},
        {some, L"Engl", L"<none>"},
        {some, L"", L"<none>"},
        {some, nullptr, L"<none>"},
        {both, L"Chinese", L"Chinese_Simplified"},
        {both, L"Chinese_traditional", L"Chinese_Traditional"},
        {both, L"Serbian_Latin", L"Serbian_Latin"},
        {both, L"Serbian", L"Serbian_Cyrillic"},
        {both, L"Portuguese", L"<none>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::wstring(c.found), EngNameOf(c.localizer->FindPack(c.name))) << (c.name ? c.name : L"null");
    some->ReleaseToPool();
    both->ReleaseToPool();
}

TEST_F(LocalizerTest, FirstChoiceFollowsTheDisplayLanguage)
{
    struct Case {
        LANGID display;
        const wchar_t* firstUse;
        const wchar_t* selected;
    };
    const Case cases[] = {
        {0x0C04, L"Chinese_Traditional", L"Chinese_Traditional"},
        {0x0416, L"Portuguese_Brazilian", L"Portuguese_Brazilian"},
        {0x0407, L"German", L"German"},
        // No pack for Hebrew: the first pack on first use, English when selected by name.
        {0x040D, L"German", L"English"},
        {0x003D, L"German", L"English"},
    };
    for (const Case& c : cases) {
        DisplayLanguage(c.display);
        Localizer* localizer = MakeLocalizer({{L"deu", L"German"},
                                              {L"eng", L"English"},
                                              {L"zht", L"Chinese_Traditional"},
                                              {L"bra", L"Portuguese_Brazilian"}});
        EXPECT_EQ(std::wstring(c.firstUse), EngNameOf(localizer->GetCurrentPack())) << c.display;
        localizer->ReleaseToPool();

        localizer = MakeLocalizer({{L"deu", L"German"},
                                   {L"eng", L"English"},
                                   {L"zht", L"Chinese_Traditional"},
                                   {L"bra", L"Portuguese_Brazilian"}});
        localizer->SelectLanguage(s::lang::GetUserUiLanguageName());
        EXPECT_EQ(std::wstring(c.selected), EngNameOf(localizer->GetCurrentPack())) << c.display;
        localizer->ReleaseToPool();
    }
}

TEST_F(LocalizerTest, TextsOfTheCurrentAndTheEnglishPack)
{
    Localizer* localizer = MakeLocalizer({{L"eng", L"English"}, {L"deu", L"German"}});
    EXPECT_STREQ(L"eng:1", localizer->GetText(1));
    EXPECT_STREQ(L"only English", localizer->GetText(2));
    EXPECT_STREQ(L"", localizer->GetText(3));
    localizer->SelectLanguage(L"GERMAN");
    EXPECT_STREQ(L"deu:1", localizer->GetText(1));
    EXPECT_STREQ(L"", localizer->GetText(2));
    EXPECT_STREQ(L"eng:1", localizer->GetEnglishText(1));
    EXPECT_STREQ(L"only English", localizer->GetEnglishText(2));
    EXPECT_STREQ(L"", localizer->GetEnglishText(3));
    localizer->ReleaseToPool();

    // Without an English pack the first pack stands in for it.
    localizer = MakeLocalizer({{L"deu", L"German"}, {L"fra", L"French"}});
    localizer->SelectLanguageAt(1);
    EXPECT_STREQ(L"deu:1", localizer->GetEnglishText(1));
    localizer->ReleaseToPool();
}

TEST_F(LocalizerTest, WithoutPacksEveryTextIsEmpty)
{
    Localizer* localizer = Localizer::New();
    std::vector<Heard> log;
    Recorder recorder(1, &log);
    localizer->AddListener(&recorder);
    localizer->SelectLanguage(L"English");
    EXPECT_EQ(nullptr, localizer->GetCurrentPack());
    EXPECT_STREQ(L"", localizer->GetText(1));
    EXPECT_STREQ(L"", localizer->GetEnglishText(1));
    EXPECT_TRUE(log.empty());
    localizer->ReleaseToPool();
}

TEST_F(LocalizerTest, ListenersToldOnceEachInOrderOnTheChangingThread)
{
    Localizer* localizer = MakeLocalizer({{L"eng", L"English"}, {L"deu", L"German"}, {L"fra", L"French"}});
    std::vector<Heard> log;
    Recorder first(1, &log), second(2, &log), third(3, &log);
    localizer->AddListener(&first);
    localizer->AddListener(&second);
    localizer->AddListener(&third);
    localizer->AddListener(&first);
    localizer->RemoveListener(&first);
    EXPECT_EQ(3u, localizer->GetListenerCount());

    // The first choice and a select of the current language tell no one.
    localizer->SelectLanguage(L"english");
    localizer->SelectLanguageAt(0);
    EXPECT_TRUE(log.empty());

    std::thread changer([&] { localizer->SelectLanguage(L"German"); });
    const std::thread::id changerId = changer.get_id();
    changer.join();
    ASSERT_EQ(3u, log.size());
    const int order[] = {2, 3, 1};
    for (size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(order[i], log[i].listener);
        EXPECT_EQ(localizer, log[i].source);
        EXPECT_EQ(Localizer::kLanguageChanged, log[i].code);
        EXPECT_EQ(changerId, log[i].thread);
    }

    log.clear();
    localizer->SelectLanguageAt(3);
    EXPECT_TRUE(log.empty());
    localizer->SelectLanguageAt(2);
    EXPECT_EQ(3u, log.size());
    EXPECT_EQ(L"French", EngNameOf(localizer->GetCurrentPack()));
    log.clear();
    // An unknown name falls back to English, which is a change.
    localizer->SelectLanguage(L"Klingon");
    EXPECT_EQ(L"English", EngNameOf(localizer->GetCurrentPack()));
    EXPECT_EQ(3u, log.size());
    localizer->ReleaseToPool();
}

// A listener that, when told, takes another listener (or itself) out of the list, as a window
// does that rebuilds its menus on a change of language.
class Remover : public s::gui::events::IEventListener {
public:
    Remover(int number, std::vector<Heard>* log, Localizer* localizer)
        : number_(number), log_(log), localizer_(localizer), leaving_(nullptr)
    {
    }
    void Removes(s::gui::events::IEventListener* leaving) { leaving_ = leaving; }
    void OnEvent(s::base::IObject* source, int32_t code) override
    {
        log_->push_back({number_, source, code, std::this_thread::get_id()});
        if (leaving_)
            localizer_->RemoveListener(leaving_);
        leaving_ = nullptr;
    }

private:
    int number_;
    std::vector<Heard>* log_;
    Localizer* localizer_;
    s::gui::events::IEventListener* leaving_;
};

TEST_F(LocalizerTest, ListenersLeavingWhileToldSkipNoOther)
{
    struct Case {
        const char* what;
        int remover;      // the listener, 1 to 3, that removes one when told
        int removed;      // the listener, 1 to 3, it removes
        const int* told;  // who is told, in order, ended by 0
    };
    const int itself[] = {1, 2, 3, 0};
    const int earlier[] = {1, 2, 3, 0};
    const int later[] = {1, 2, 0};
    const Case cases[] = {
        {"the first removes itself", 1, 1, itself},
        {"the second removes the first, already told", 2, 1, earlier},
        {"the second removes the third, not yet told", 2, 3, later},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Localizer* localizer = MakeLocalizer({{L"eng", L"English"}, {L"deu", L"German"}});
        std::vector<Heard> log;
        Remover one(1, &log, localizer), two(2, &log, localizer), three(3, &log, localizer);
        Remover* listeners[] = {&one, &two, &three};
        for (Remover* listener : listeners)
            localizer->AddListener(listener);
        localizer->SelectLanguage(L"English");
        listeners[c.remover - 1]->Removes(listeners[c.removed - 1]);

        localizer->SelectLanguage(L"German");
        std::vector<int> heard;
        for (const Heard& h : log)
            heard.push_back(h.listener);
        std::vector<int> expected;
        for (const int* n = c.told; *n; ++n)
            expected.push_back(*n);
        EXPECT_EQ(expected, heard);
        EXPECT_EQ(2u, localizer->GetListenerCount());
        localizer->ReleaseToPool();
    }
}

TEST_F(LocalizerTest, BackFromThePoolEmpty)
{
    Localizer* localizer = MakeLocalizer({{L"eng", L"English"}});
    std::vector<Heard> log;
    Recorder recorder(1, &log);
    localizer->AddListener(&recorder);
    ASSERT_NE(nullptr, localizer->GetCurrentPack());
    localizer->Reset();
    EXPECT_EQ(0u, localizer->GetPackCount());
    EXPECT_EQ(nullptr, localizer->GetCurrentPack());
    EXPECT_EQ(0u, localizer->GetListenerCount());
    EXPECT_STREQ(L"s_lang_Localizer", localizer->GetClassName());
    localizer->ReleaseToPool();
}

} // namespace
