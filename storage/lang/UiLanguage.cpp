#include "storage/lang/UiLanguage.h"

#include "core/str/StrBuffer.h"

namespace s {
namespace lang {

namespace {

constexpr int32_t Code(int32_t number, int32_t variant)
{
    return number * 65536 + variant;
}

// Identifiers whose country or script picks a language of their own, looked at before the
// primary language.
struct WholeId {
    uint16_t id;
    int32_t code;
    const wchar_t* name;
};

const WholeId kWholeIds[] = {
    {0x0004, Code(170, 170), L"CHINESE_SIMPLIFIED"},  {0x0804, Code(170, 170), L"CHINESE_SIMPLIFIED"},
    {0x1004, Code(170, 170), L"CHINESE_SIMPLIFIED"},  {0x0404, Code(170, 340), L"CHINESE_TRADITIONAL"},
    {0x0C04, Code(170, 340), L"CHINESE_TRADITIONAL"}, {0x1404, Code(170, 340), L"CHINESE_TRADITIONAL"},
    {0x7C04, Code(170, 340), L"CHINESE_TRADITIONAL"}, {0x0416, Code(780, 780), L"PORTUGUESE_BRAZILIAN"},
    {0x0816, Code(780, 1560), L"PORTUGUESE_PORTUGAL"}, {0x001A, Code(190, 0), L"CROATIAN"},
    {0x041A, Code(190, 0), L"CROATIAN"},              {0x101A, Code(190, 0), L"CROATIAN"},
    {0x0C1A, Code(860, 860), L"SERBIAN_CYRILLIC"},    {0x1C1A, Code(860, 860), L"SERBIAN_CYRILLIC"},
    {0x081A, Code(860, 1720), L"SERBIAN_LATIN"},      {0x181A, Code(860, 1720), L"SERBIAN_LATIN"},
    {0x201A, Code(130, 0), L"BOSNIAN"},               {0x7C1A, Code(860, 0), L"SERBIAN"},
    {0x042E, Code(1090, 0), L"UPPER_SORBIAN"},        {0x082E, Code(610, 0), L"LOWER_SORBIAN"},
};

// Every other identifier by its low byte, the primary language; variant 0.
struct Primary {
    uint8_t primary;
    int32_t number;
    const wchar_t* name;
};

const Primary kPrimaries[] = {
    {0x01, 50, L"ARABIC"},       {0x02, 150, L"BULGARIAN"},    {0x03, 160, L"CATALAN"},
    {0x04, 170, L"CHINESE"},     {0x05, 200, L"CZECH"},        {0x06, 210, L"DANISH"},
    {0x07, 340, L"GERMAN"},      {0x08, 350, L"GREEK"},        {0x09, 250, L"ENGLISH"},
    {0x0A, 930, L"SPANISH"},     {0x0B, 290, L"FINNISH"},      {0x0C, 300, L"FRENCH"},
    {0x0D, 390, L"HEBREW"},      {0x0E, 410, L"HUNGARIAN"},    {0x0F, 420, L"ICELANDIC"},
    {0x10, 470, L"ITALIAN"},     {0x11, 480, L"JAPANESE"},     {0x12, 560, L"KOREAN"},
    {0x13, 240, L"DUTCH"},       {0x14, 730, L"NORWEGIAN"},    {0x15, 770, L"POLISH"},
    {0x16, 780, L"PORTUGUESE"},  {0x17, 820, L"ROMANSH"},      {0x18, 810, L"ROMANIAN"},
    {0x19, 830, L"RUSSIAN"},     {0x1A, 860, L"SERBIAN"},      {0x1B, 910, L"SLOVAK"},
    {0x1C, 20, L"ALBANIAN"},     {0x1D, 950, L"SWEDISH"},      {0x1E, 1020, L"THAI"},
    {0x1F, 1050, L"TURKISH"},    {0x20, 1100, L"URDU"},        {0x21, 440, L"INDONESIAN"},
    {0x22, 1080, L"UKRAINIAN"},  {0x23, 110, L"BELARUSIAN"},   {0x24, 920, L"SLOVENIAN"},
    {0x25, 260, L"ESTONIAN"},    {0x26, 590, L"LATVIAN"},      {0x27, 600, L"LITHUANIAN"},
    {0x28, 970, L"TAJIK"},       {0x29, 765, L"PERSIAN"},      {0x2A, 1120, L"VIETNAMESE"},
    {0x2B, 60, L"ARMENIAN"},     {0x2C, 80, L"AZERI"},         {0x2D, 100, L"BASQUE"},
    {0x2F, 630, L"MACEDONIAN"},  {0x32, 880, L"TSWANA"},       {0x34, 1150, L"XHOSA"},
    {0x35, 1190, L"ZULU"},       {0x36, 10, L"AFRIKAANS"},     {0x37, 330, L"GEORGIAN"},
    {0x38, 270, L"FAEROESE"},    {0x39, 400, L"HINDI"},        {0x3A, 660, L"MALTESE"},
    {0x3B, 840, L"SAMI"},        {0x3C, 460, L"IRISH"},        {0x3E, 640, L"MALAY"},
    {0x3F, 510, L"KAZAK"},       {0x40, 570, L"KYRGYZ"},       {0x41, 940, L"SWAHILI"},
    {0x42, 1060, L"TURKMEN"},    {0x43, 1110, L"UZBEK"},       {0x44, 1000, L"TATAR"},
    {0x45, 120, L"BENGALI"},     {0x46, 790, L"PUNJABI"},      {0x47, 370, L"GUJARATI"},
    {0x48, 750, L"ORIYA"},       {0x49, 990, L"TAMIL"},        {0x4A, 1010, L"TELUGU"},
    {0x4B, 490, L"KANNADA"},     {0x4C, 650, L"MALAYALAM"},    {0x4D, 70, L"ASSAMESE"},
    {0x4E, 690, L"MARATHI"},     {0x4F, 850, L"SANSKRIT"},     {0x50, 710, L"MONGOLIAN"},
    {0x51, 1030, L"TIBETAN"},    {0x52, 1130, L"WELSH"},       {0x53, 520, L"KHMER"},
    {0x54, 580, L"LAO"},         {0x56, 320, L"GALICIAN"},     {0x57, 550, L"KONKANI"},
    {0x59, 890, L"SINDHI"},      {0x5A, 960, L"SYRIAC"},       {0x5B, 900, L"SINHALESE"},
    {0x5D, 450, L"INUKTITUT"},   {0x5E, 40, L"AMHARIC"},       {0x5F, 980, L"TAMAZIGHT"},
    {0x60, 500, L"KASHMIRI"},    {0x61, 720, L"NEPALI"},       {0x62, 310, L"FRISIAN"},
    {0x63, 760, L"PASHTO"},      {0x64, 280, L"FILIPINO"},     {0x65, 230, L"DIVEHI"},
    {0x68, 380, L"HAUSA"},       {0x6A, 1180, L"YORUBA"},      {0x6B, 800, L"QUECHUA"},
    {0x6C, 870, L"SOTHO"},       {0x6D, 90, L"BASHKIR"},       {0x6E, 620, L"LUXEMBOURGISH"},
    {0x6F, 360, L"GREENLANDIC"}, {0x70, 430, L"IGBO"},         {0x73, 1040, L"TIGRIGNA"},
    {0x78, 1170, L"YI"},         {0x7A, 680, L"MAPUDUNGUN"},   {0x7C, 700, L"MOHAWK"},
    {0x7E, 140, L"BRETON"},      {0x80, 1070, L"UIGHUR"},      {0x81, 670, L"MAORI"},
    {0x82, 740, L"OCCITAN"},     {0x83, 180, L"CORSICAN"},     {0x84, 30, L"ALSATIAN"},
    {0x85, 1160, L"YAKUT"},      {0x86, 530, L"KICHE"},        {0x87, 540, L"KINYARWANDA"},
    {0x88, 1140, L"WOLOF"},      {0x8C, 220, L"DARI"},
};

const wchar_t kUnknown[] = L"Unknown";

LANGID SystemUiLanguage()
{
    return GetUserDefaultUILanguage();
}

UiLanguageSource gSource = &SystemUiLanguage;
int32_t gCachedCode = kNoLanguage;

// Built on first use, so that the name outlives every caller that kept its characters.
str::strbuffer::StrBuffer& CachedName()
{
    static str::strbuffer::StrBuffer name;
    return name;
}

} // namespace

int32_t LanguageIdToCode(uint16_t languageId)
{
    for (const WholeId& whole : kWholeIds) {
        if (whole.id == languageId)
            return whole.code;
    }
    const uint8_t primary = static_cast<uint8_t>(languageId & 0xFF);
    for (const Primary& entry : kPrimaries) {
        if (entry.primary == primary)
            return Code(entry.number, 0);
    }
    return kNoLanguage;
}

const wchar_t* LanguageCodeToName(int32_t code)
{
    for (const WholeId& whole : kWholeIds) {
        if (whole.code == code)
            return whole.name;
    }
    for (const Primary& entry : kPrimaries) {
        if (Code(entry.number, 0) == code)
            return entry.name;
    }
    return kUnknown;
}

const wchar_t* GetUserUiLanguageName()
{
    str::strbuffer::StrBuffer& name = CachedName();
    if (name.GetLength() != 0)
        return name.GetText();
    if (gCachedCode == kNoLanguage)
        gCachedCode = LanguageIdToCode(static_cast<uint16_t>(gSource()));
    name.Assign(LanguageCodeToName(gCachedCode));
    name.Capitalize();
    return name.GetText();
}

UiLanguageSource SetUiLanguageSource(UiLanguageSource source)
{
    const UiLanguageSource previous = gSource;
    gSource = source ? source : &SystemUiLanguage;
    gCachedCode = kNoLanguage;
    CachedName().Clear();
    return previous;
}

} // namespace lang
} // namespace s
