#pragma once
#include <cstdint>

namespace s {
namespace gui {

// The toolkit's message box: each operation shows one box under the application's title and
// returns when the user has answered.
class IMessageBox {
public:
    virtual ~IMessageBox() {}
    virtual void ShowInfo(const wchar_t* text) = 0;
    virtual void ShowWarning(const wchar_t* text) = 0;
    virtual void ShowError(const wchar_t* text) = 0;
    // True for Yes.
    virtual bool AskYesNo(const wchar_t* text) = 0;
    // False for Cancel; otherwise true with the Yes or No answer in yes.
    virtual bool AskYesNoCancel(const wchar_t* text, bool* yes) = 0;
    virtual void SetMode(int32_t mode) = 0;
    virtual int32_t GetMode() = 0;
};

} // namespace gui
} // namespace s
