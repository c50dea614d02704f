#pragma once
#include <windows.h>

#include <cstdint>

#include "app/IAppBase.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "windowing/IAppWindowFactory.h"

class CWinApp;

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace file {
namespace win {
class PathWin;
}
} // namespace file
namespace archive {
namespace dll {
namespace win {
class Archive;
}
} // namespace dll
namespace icon {
class Archive;
}
} // namespace archive
namespace lang {
class Localizer;
}
namespace map {
class IMappedData;
}
namespace xml {
class MappedData;
}
namespace reg {
class MappedData;
}
namespace image {
class IEncodedImage;
namespace win {
class BufferedImage;
}
namespace ico {
namespace win {
class IconImage;
}
} // namespace ico
} // namespace image
namespace gui {
namespace drawer {
class Skinner;
}
} // namespace gui
namespace process {
namespace commandline {
namespace win {
class CommandLine;
}
} // namespace commandline
} // namespace process

namespace app {
namespace win {

// The process-wide holder of what every window of the program shares: the software type, the
// base text id, the command line, the executable's path and resources, the language pack, the
// embedded pictures, the icons and the settings file beside the executable. Built once at
// start-up; giving it back to its pool writes the settings file.
class AppBase : public IAppBase, public IAppWindowFactory, public thread::IPoolable {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;
    typedef file::win::PathWin PathWin;
    typedef process::commandline::win::CommandLine CommandLine;

    static constexpr const wchar_t* kClassName = L"s_app_win_AppBase";
    static constexpr const wchar_t* kFreeware = L"Freeware";
    static const int32_t kIconGroupId = 128;
    static constexpr const wchar_t* kXmlResourceType = L"IDR_XML";
    static constexpr const wchar_t* kJpegResourceType = L"IDR_JPG";
    static constexpr const wchar_t* kGifResourceType = L"IDR_GIF";
    static const uint32_t kLangPackResourceId = 130;
    static const uint32_t kPicture131Id = 131;
    static const uint32_t kPicture132Id = 132;
    // The settings file below the executable's folder, and its root element.
    static constexpr const wchar_t* kSettingsFile = L"savedata\\SaveData.xml";
    static constexpr const wchar_t* kSettingsRoot = L"savedata";

    AppBase();
    ~AppBase() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    virtual const wchar_t* GetSoftwareType();
    virtual PathWin* GetModulePath();
    virtual PathWin* GetModuleFolder();
    virtual CommandLine* GetCommandLine();
    // The program's icon group; null when the executable has none.
    virtual archive::icon::Archive* GetIconArchive();
    // The image of the icon group that best fits 16, 32 or 64 pixels square at 32 bits, new and
    // owned by the caller; null without an icon group or when that image does not decode.
    virtual image::ico::win::IconImage* GetIcon16();
    virtual image::ico::win::IconImage* GetIcon32();
    virtual image::win::BufferedImage* GetIcon64();
    // A new icon archive over that icon group of the executable, owned by the caller; null when
    // there is no such group.
    virtual archive::icon::Archive* OpenIconArchive(int32_t iconGroupId);
    virtual int32_t GetBaseTextId();
    virtual lang::Localizer* GetLangPack();
    virtual base::IObject* GetMember23();
    virtual base::IObject* GetMember24();
    virtual base::IObject* GetMember25();
    // The pictures wait for the image codecs: until then they stay empty.
    virtual image::win::BufferedImage* RenderPicture131();
    virtual image::IEncodedImage* GetPicture131();
    virtual image::win::BufferedImage* RenderPicture132();
    virtual image::IEncodedImage* GetPicture132();
    map::IMappedData* GetSettings() override;
    // A holder from the window defaults of that name (AppWindowDefaults); the progress dialog's
    // "ProgressWindow" is one.
    IAppWindow* CreateAppWindow(const wchar_t* name) override;
    void ReleaseAppWindow(IAppWindow* holder) override;
    // Writes the settings file now; the final write at reset is then left out.
    virtual bool SaveSettings();
    virtual bool HasSkinner();
    virtual gui::drawer::Skinner* GetSkinner();
    // The stored language's English name, else the current pack's.
    virtual const wchar_t* GetLanguage();
    virtual void SetLanguage(const wchar_t* engName);
    virtual const wchar_t* GetSkin();
    virtual void SetSkin(const wchar_t* name);
    // True when another process of this executable was found and told; never, until the
    // single-instance rule is built.
    virtual bool SignalOtherInstance(bool signal, bool alsoNotify, bool byTitle);
    virtual bool SignalOtherInstanceOnDesktop(bool signal, bool alsoNotify, bool byTitle);
    virtual xml::MappedData* OpenSettingsFile();
    virtual reg::MappedData* OpenRegistrySettings();
    // The one-time "Silent" request of the program's registry key: opens the software page.
    virtual void RunFirstStartHook();

    // Texts of the current language; empty when the pack lacks the id.
    const wchar_t* GetSoftwarePage();
    const wchar_t* GetFeedbackPage();
    const wchar_t* GetSkinsPage();
    const wchar_t* GetVersion();
    const wchar_t* GetSoftwareListPage();
    const wchar_t* GetWorkplacePage();
    const wchar_t* GetTranslationPage();
    // The title in English, whatever language is current.
    const wchar_t* GetEnglishTitle();

    // Sets the base up (see AppBase.cpp for the order); false only when the base could not get
    // a settings store.
    bool Init(CWinApp* app, const wchar_t* softwareType, int32_t iconGroupId, const wchar_t* langPackType,
              uint32_t langPackId, const wchar_t* picture1Type, uint32_t picture1Id, const wchar_t* picture2Type,
              uint32_t picture2Id);

    static thread::EasyPooler* GetPool();
    static AppBase* New();
    // A base from the pool set up with the program's own resources; the caller gives it back.
    static AppBase* Create(CWinApp* app);

private:
    AppBase(const AppBase&) = delete;
    AppBase& operator=(const AppBase&) = delete;

    const wchar_t* TextOf(int32_t id);
    bool FindIcon(int32_t side, uint32_t* index);
    void ReadModulePath();
    void CheckVersion();
    void SelectStoredLanguage();

    StrBuffer* scratch_;
    StrBuffer* scratch2_;
    const wchar_t* softwareType_;
    int32_t baseTextId_;
    CommandLine* commandLine_;
    PathWin* modulePath_;
    PathWin* moduleFolder_;
    archive::dll::win::Archive* resources_;
    lang::Localizer* langPack_;
    base::IObject* member23_;
    base::IObject* member24_;
    base::IObject* member25_;
    gui::drawer::Skinner* skinner_;
    archive::icon::Archive* iconArchive_;
    image::IEncodedImage* picture1_;
    image::IEncodedImage* picture2_;
    uint8_t settingsWritten_;
    map::IMappedData* settings_;
    StrBuffer* defaultSkinName_;
};

} // namespace win
} // namespace app
} // namespace s
