// The monitor's skins: the stored skin and the periodic change at start, the skin menu rebuilt
// before every opening, its commands, and the sample picture of every skin.
#include "app/monitor/Monitor.h"

#include <cwchar>

#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/MonitorSettingKeys.h"
#include "app/monitor/PeriodicSkin.h"
#include "app/monitor/SkinImageFile.h"
#include "app/monitor/ScratchText.h"
#include "core/str/StrBuffer.h"
#include "core/time/Time.h"
#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "storage/file/ShellServices.h"
#include "storage/settings/IMappedData.h"
#include "windowing/Window.h"
#include "windowing/menu/PopupMenu.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
const wchar_t kSkinImagesFolder[] = L"Zorv Skin Images\\";

Monitor::SecondsClock& Clock()
{
    static Monitor::SecondsClock clock = &time::NowSeconds;
    return clock;
}
} // namespace

Monitor::SecondsClock Monitor::SetSecondsClock(SecondsClock clock)
{
    SecondsClock previous = Clock();
    Clock() = clock ? clock : &time::NowSeconds;
    return previous;
}

void Monitor::InitSkin()
{
    skinTools_ = false;
    if (!skinner_)
        return;
    if (holder_)
        skinner_->SelectSkinByName(holder_->GetSkinName());
    const int64_t now = Clock()();
    periodicSkinDays_ = ReadInt(key::kGroupView, key::kRandomSkinDay, -1);
    const int64_t last = ReadNumber(key::kGroupView, key::kRandomSkinLastChange, now);
    switch (PeriodicSkinStepAt(periodicSkinDays_, last, now)) {
    case kPeriodicSkinChange:
        skinner_->SelectRandomSkin();
        StoreSkinName();
        StoreLastSkinChange(now);
        break;
    case kPeriodicSkinStampOnly:
        StoreLastSkinChange(now);
        break;
    default:
        break;
    }
}

void Monitor::StoreLastSkinChange(int64_t now)
{
    if (settings_)
        settings_->SetInt64(SectionPath(key::kGroupView).c_str(), key::kRandomSkinLastChange, now);
}

// The next start shows the skin the user sees now, also after a periodic change.
void Monitor::StoreSkinName()
{
    ::s::gui::drawer::ISkin* skin = skinner_ ? skinner_->GetCurrentSkin() : nullptr;
    if (holder_ && skin)
        holder_->SetSkinName(skin->GetName());
}

void Monitor::RebuildSkinMenu()
{
    if (!skinner_)
        return;
    const int32_t count = static_cast<int32_t>(skinner_->GetSkinCount());
    menuNames_.resize(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        menuNames_[static_cast<size_t>(i)] = skinner_->GetSkinNameAt(static_cast<uint32_t>(i))->GetText();
    menus_.RebuildSkinMenu(menuNames_.data(), count, skinner_->GetCurrentSkinIndex(), periodicSkinDays_);
}

void Monitor::OnSkinCommand(int32_t command)
{
    const int32_t index = command - command::kSkinBase;
    if (skinner_ && index >= 0 && index < static_cast<int32_t>(skinner_->GetSkinCount())) {
        skinner_->SelectSkinAt(static_cast<uint32_t>(index));
        menus_.MarkSkin(index);
        StoreSkinName();
        // A skin of the user's choice puts the next periodic change off.
        StoreLastSkinChange(Clock()());
        return;
    }
    if (const PeriodicSkinOption* option = FindPeriodicSkinOption(command)) {
        periodicSkinDays_ = option->days;
        if (menus_.GetPeriodicSkinMenu())
            menus_.GetPeriodicSkinMenu()->CheckRadioCommand(command);
        if (settings_)
            settings_->SetInt32(SectionPath(key::kGroupView).c_str(), key::kRandomSkinDay, periodicSkinDays_);
        StoreLastSkinChange(Clock()());
        return;
    }
    if (command == command::kSkinThumbnails) {
        app::win::AppBase* app = GetApp();
        OpenPage(app ? app->GetSkinsPage() : nullptr);
    } else if (command == command::kCreateSkinImages) {
        CreateSkinImages();
    } else if (command == command::kCustomizeSkin) {
        OpenSkinCustomizer();
    }
}

// Every skin's picture of the gadget, on the desktop; the skin shown before comes back.
void Monitor::CreateSkinImages()
{
    if (!skinner_ || !window_)
        return;
    const int32_t current = skinner_->GetCurrentSkinIndex();
    counter::ScratchText folder;
    folder->Assign(system::win::GetCachedSpecialFolder());
    const wchar_t* desktop = folder->GetText();
    if (desktop[0] && desktop[wcslen(desktop) - 1] != L'\\')
        folder->Append(L"\\");
    folder->Append(kSkinImagesFolder);
    if (!PrepareSkinImageFolder(folder->GetText()))
        return;
    counter::ScratchText path;
    const int32_t count = static_cast<int32_t>(skinner_->GetSkinCount());
    for (int32_t i = 0; i < count; ++i) {
        if (skinner_->GetCurrentSkinIndex() != i)
            skinner_->SelectSkinAt(static_cast<uint32_t>(i));
        SkinImagePath(folder->GetText(), skinner_->GetSkinNameAt(static_cast<uint32_t>(i))->GetText(), path.get());
        window_->SaveScreenshotGif(path->GetText());
    }
    if (current >= 0 && skinner_->GetCurrentSkinIndex() != current)
        skinner_->SelectSkinAt(static_cast<uint32_t>(current));
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
