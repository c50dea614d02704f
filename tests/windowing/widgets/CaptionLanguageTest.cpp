// Captions given as text ids: check boxes, radio buttons and group boxes show the window's
// language's text, follow each change of language with their native text and their size, and
// stop following when their native window goes.
#include <windows.h>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::IComponent;
using s::gui::win::CheckBox;
using s::gui::win::GroupBox;
using s::gui::win::RadioButton;

const int32_t kCaptionId = 500020;
const int32_t kMissingId = 500021;

// One widget kind as the test drives it.
struct Kind {
    const char* name;
    std::function<IComponent*()> make;
    std::function<void(IComponent*, int32_t)> setTextId;
    std::function<void(IComponent*, const wchar_t*)> setCaption;
    std::function<const wchar_t*(IComponent*)> caption;
};

template <class Widget>
Kind KindOf(const char* name, std::function<Widget*()> make)
{
    return Kind{name, [make] { return static_cast<IComponent*>(make()); },
                [](IComponent* widget, int32_t id) { dynamic_cast<Widget*>(widget)->SetCaptionTextId(id); },
                [](IComponent* widget, const wchar_t* text) { dynamic_cast<Widget*>(widget)->SetCaption(text); },
                [](IComponent* widget) { return dynamic_cast<Widget*>(widget)->GetCaption(); }};
}

const Kind kKinds[] = {
    KindOf<CheckBox>("check box", [] { return CheckBox::New(); }),
    KindOf<RadioButton>("radio button", [] { return RadioButton::New(); }),
    KindOf<GroupBox>("group box", [] { return GroupBox::CreateWithBox(L"", -1, s::gui::IBox::kColumn, 0, 0); }),
};

std::wstring NativeText(IComponent* widget)
{
    wchar_t text[128] = {};
    GetWindowTextW(dynamic_cast<CWnd*>(widget)->GetSafeHwnd(), text, 128);
    return text;
}

s::lang::LangPack* PackWith(const wchar_t* text)
{
    s::lang::LangPack* pack = s::lang::LangPack::New();
    if (pack)
        pack->AddText(kCaptionId, text);
    return pack;
}

class CaptionLanguageTest : public testing_support::WidgetStage {
protected:
    void SetUp() override
    {
        WidgetStage::SetUp();
        if (HasFatalFailure())
            return;
        localizer_ = s::lang::Localizer::New();
        ASSERT_NE(nullptr, localizer_);
        s::lang::LangPack* first = PackWith(L"Refresh");
        s::lang::LangPack* second = PackWith(L"Refresh the readings & the graphs");
        ASSERT_NE(nullptr, first);
        ASSERT_NE(nullptr, second);
        localizer_->AddPack(first);
        localizer_->AddPack(second);
        localizer_->SelectLanguageAt(0);
        window_->SetLocalizer(localizer_);
    }

    void TearDown() override
    {
        WidgetStage::TearDown();
        window_->SetLocalizer(nullptr);
        if (localizer_)
            localizer_->ReleaseToPool();
    }

    s::lang::Localizer* localizer_ = nullptr;
};

TEST_F(CaptionLanguageTest, TextIdsShowTheWindowsLanguageAndFollowEachChange)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        const uint32_t listeners = localizer_->GetListenerCount();
        IComponent* widget = kind.make();
        ASSERT_NE(nullptr, widget);
        kind.setTextId(widget, kCaptionId);
        // No window yet: no language either.
        EXPECT_STREQ(L"", kind.caption(widget));
        Add(widget);
        EXPECT_STREQ(L"Refresh", kind.caption(widget));
        EXPECT_EQ(L"Refresh", NativeText(widget));
        EXPECT_EQ(listeners + 1, localizer_->GetListenerCount());
        const int32_t shortWidth = widget->GetMinWidth();

        localizer_->SelectLanguageAt(1);
        EXPECT_STREQ(L"Refresh the readings & the graphs", kind.caption(widget));
        EXPECT_EQ(L"Refresh the readings && the graphs", NativeText(widget)) << "shown as written";
        EXPECT_GT(widget->GetMinWidth(), shortWidth) << "measured again";

        // An id the pack lacks is the empty text; a set id takes the language at once.
        kind.setTextId(widget, kMissingId);
        EXPECT_STREQ(L"", kind.caption(widget));
        kind.setTextId(widget, kCaptionId);
        EXPECT_STREQ(L"Refresh the readings & the graphs", kind.caption(widget));

        // Its native window gone, the widget no longer follows.
        widget->CreateWindowIn(nullptr);
        EXPECT_EQ(listeners, localizer_->GetListenerCount());
        localizer_->SelectLanguageAt(0);
        EXPECT_STREQ(L"Refresh the readings & the graphs", kind.caption(widget));
        box_->RemoveChild(widget, true);
    }
}

TEST_F(CaptionLanguageTest, AWrittenCaptionWithoutIdStaysThroughAChange)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        IComponent* widget = kind.make();
        ASSERT_NE(nullptr, widget);
        kind.setTextId(widget, kCaptionId);
        Add(widget);
        // The id given up, the written text is kept.
        kind.setTextId(widget, -1);
        kind.setCaption(widget, L"Every & each");
        localizer_->SelectLanguageAt(1);
        EXPECT_STREQ(L"Every & each", kind.caption(widget));
        EXPECT_EQ(L"Every && each", NativeText(widget));
        localizer_->SelectLanguageAt(0);
        box_->RemoveChild(widget, true);
    }
}

} // namespace
