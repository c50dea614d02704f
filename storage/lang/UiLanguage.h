#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace lang {

// A language code is the language number times 65,536 plus a variant (0 except for the
// script and country variants of Chinese, Portuguese and Serbian); -1 is no language.
const int32_t kNoLanguage = -1;

// The code of a 16-bit Windows language identifier, or -1.
int32_t LanguageIdToCode(uint16_t languageId);
// The upper-case English name of a code, or "Unknown" for a code outside the table.
const wchar_t* LanguageCodeToName(int32_t code);
// The user's display language as a capitalised English name ("English", "Chinese_traditional"),
// computed on the first call and kept for the life of the process.
const wchar_t* GetUserUiLanguageName();

// Where the display language comes from: GetUserDefaultUILanguage unless replaced. Replacing it
// forgets the cached name, so that the next call asks the new source. Returns the previous one.
typedef LANGID (*UiLanguageSource)();
UiLanguageSource SetUiLanguageSource(UiLanguageSource source);

} // namespace lang
} // namespace s
