#include "windowing/MiddleClickActions.h"

namespace s {
namespace gui {
namespace win {

const wchar_t kMiddleClickDoNothing[] = L"DoNothing";
const wchar_t kMiddleClickIconize[] = L"Iconize";
const wchar_t kMiddleClickClose[] = L"Close";

} // namespace win
} // namespace gui
} // namespace s
