#pragma once
#include <cstdint>

namespace s {
namespace app {

// The program's own texts of the language pack: offsets from the base text id, and the ids
// shared by every program of the maker.
const int32_t kBaseTextId = 500000;
const int32_t kTitleOffset = 0;
const int32_t kSoftwarePageOffset = 3;
const int32_t kFeedbackPageOffset = 4;
const int32_t kSkinsPageOffset = 7;
const int32_t kVersionOffset = 10;
const int32_t kLastUpdateOffset = 20;

// The program's short title: its software identifier and the name of its registry key.
const int32_t kSoftwareIdText = 300000;
const int32_t kSoftwareListPageText = 108000;
const int32_t kWorkplacePageText = 108200;
const int32_t kTranslationPageText = 108500;
// The about box's texts of the program's own: its licence row, its support row and the support
// page (base + 100), and the maker's home page.
const int32_t kLicenseCaptionText = 400030;
const int32_t kLicenseText = 400031;
const int32_t kSupportRowOffset = 89;
const int32_t kSupportLinkOffset = 90;
const int32_t kSupportPageOffset = 100;
const int32_t kHomePageText = 101000;

// Every web page the pack names lies below this address, the project's own placeholder site.
constexpr const wchar_t kWebPagesBase[] = L"https://pulsegrid.example.org/";

} // namespace app
} // namespace s
