#pragma once

// What the monitor hands its dialogs: the dialog's settings holder, or else a language pack and
// the application's settings store.
namespace s {
namespace app {
namespace win {
class AppWindow;
}
} // namespace app
namespace lang {
class Localizer;
}
namespace map {
class IMappedData;
}
} // namespace s
