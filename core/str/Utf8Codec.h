#pragma once
#include <cstdint>

namespace s {
namespace str {

// UTF-8 to and from UTF-16 in pieces, with exactly the results of the system's own conversion
// (MultiByteToWideChar and WideCharToMultiByte with code page 65001 and no flags), for callers
// that convert many short runs of a well-formed text in place of one copy of the whole. A run
// with a malformed sequence is handed to the system whole; what the system puts in place of such
// a sequence may depend on the bytes that follow the run.

// The UTF-16 units that count bytes decode to.
uint32_t Utf16Units(const char* bytes, uint32_t count);
// Decodes count bytes into out, which has room for Utf16Units of them; returns the units written.
uint32_t DecodeUtf8(const char* bytes, uint32_t count, wchar_t* out);
// True when the bytes are well-formed UTF-8 throughout.
bool IsWellFormedUtf8(const char* bytes, uint32_t count);

// The UTF-8 bytes that count units encode to.
uint64_t Utf8Bytes(const wchar_t* units, uint32_t count);
// Encodes count units at out, which has room for Utf8Bytes of them; returns the end.
char* EncodeUtf8(const wchar_t* units, uint32_t count, char* out);

} // namespace str
} // namespace s
