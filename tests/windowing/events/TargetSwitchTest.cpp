// The enabling listeners: what each does to its targets, and only for its own trigger.
#include <windows.h>

#include <gtest/gtest.h>

#include "windowing/events/Disabler.h"
#include "windowing/events/Editabler.h"
#include "windowing/events/Enabler.h"
#include "windowing/events/UnEditabler.h"
#include "windowing/widgets/TextField.h"

namespace {

using s::gui::events::Disabler;
using s::gui::events::Editabler;
using s::gui::events::Enabler;
using s::gui::events::TargetSwitch;
using s::gui::events::UnEditabler;
using s::gui::win::TextField;

// Fields without a window only store what they are told, which is all these listeners touch.
class TargetSwitchTest : public testing::Test {
protected:
    void SetUp() override
    {
        trigger_ = TextField::New();
        other_ = TextField::New();
        for (TextField*& target : targets_)
            target = TextField::New();
    }
    void TearDown() override
    {
        for (TextField* field : {trigger_, other_, targets_[0], targets_[1]}) {
            if (field)
                field->ReleaseToPool();
        }
    }

    TextField* trigger_ = nullptr;
    TextField* other_ = nullptr;
    TextField* targets_[2] = {};
};

TEST_F(TargetSwitchTest, EachListenerSwitchesEveryTargetOnAnyCodeOfItsTrigger)
{
    struct Case {
        TargetSwitch* listener;
        bool startEnabled, startEditable;
        bool enabled, editable;
    };
    const Case cases[] = {
        {Enabler::Create(trigger_), false, true, true, true},
        {Disabler::Create(trigger_), true, true, false, true},
        {Editabler::Create(trigger_), true, false, true, true},
        {UnEditabler::Create(trigger_), true, true, true, false},
    };
    for (const Case& c : cases) {
        ASSERT_NE(nullptr, c.listener);
        for (TextField* target : targets_) {
            target->SetEnabled(c.startEnabled);
            target->SetEditable(c.startEditable);
            c.listener->AddTarget(target);
        }
        // Another source changes nothing.
        c.listener->OnEvent(other_, 1);
        for (TextField* target : targets_) {
            EXPECT_EQ(c.startEnabled, target->IsEnabled()) << target->GetClassName();
            EXPECT_EQ(c.startEditable, target->IsEditable());
        }
        c.listener->OnEvent(trigger_, 7);
        for (TextField* target : targets_) {
            EXPECT_EQ(c.enabled, target->IsEnabled()) << c.listener->GetClassName();
            EXPECT_EQ(c.editable, target->IsEditable()) << c.listener->GetClassName();
        }
        c.listener->ReleaseToPool();
    }
}

TEST_F(TargetSwitchTest, AListenerBackFromItsPoolForgetsTriggerAndTargets)
{
    Enabler* enabler = Enabler::Create(trigger_);
    ASSERT_NE(nullptr, enabler);
    enabler->AddTarget(targets_[0]);
    enabler->AddTarget(nullptr);
    EXPECT_EQ(1, enabler->GetTargetCount());
    enabler->ReleaseToPool();
    Enabler* again = Enabler::New();
    ASSERT_NE(nullptr, again);
    EXPECT_EQ(nullptr, again->GetTrigger());
    EXPECT_EQ(0, again->GetTargetCount());
    EXPECT_STREQ(L"s_gui_events_Enabler", again->GetClassName());
    again->ReleaseToPool();
}

} // namespace
