#pragma once
#include <cstdint>

namespace s {
namespace str {
namespace numtext {

// The one place where numbers become text and text becomes numbers. The C runtimes this code
// meets (mingw-w64's own printf, msvcrt.dll, Wine's msvcrt) disagree on "%I64d", wide "%s",
// and the digits of "%f"; these routines give the same characters everywhere.

// Room every integer form fits in, with its terminator.
const uint32_t kIntegerRoom = 24;
// Room the longest "%f" text of a finite double fits in (309 digits, sign, point, six
// decimals), with its terminator.
const uint32_t kFixedRoom = 320;

// Each writer stores its characters and a terminator at out and returns the characters
// written, terminator not counted.
uint32_t WriteInt64(wchar_t* out, int64_t value);
uint32_t WriteUInt64(wchar_t* out, uint64_t value);
// "%f": six decimals, rounded to nearest, a full stop as decimal point; "inf", "-inf" and
// "nan" for the values that have no digits.
uint32_t WriteFixed(wchar_t* out, double value);
// Exactly digits lower-case hexadecimal digits of the low bits of value, no terminator.
void WriteHex(wchar_t* out, uint64_t value, uint32_t digits);

// Base 10 from the start of text: ASCII white space skipped, an optional sign, then the
// decimal digits up to the first other character. No digits read as 0; a value beyond
// [low, high] saturates at the limit it passed. A null text reads as 0.
int64_t ParseInteger(const wchar_t* text, int64_t low, int64_t high);
// A floating-point number from the start of text (white space, sign, digits, point,
// exponent); 0 when none stands there.
double ParseDouble(const wchar_t* text);
// The value of a hex digit, or -1 for any other character.
int32_t HexValue(wchar_t c);

} // namespace numtext
} // namespace str
} // namespace s
