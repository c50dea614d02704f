#pragma once

namespace s {
namespace system {
namespace network {

// The longest address text: an IPv6 address with an IPv4 tail.
const int kMaxAddressChars = 45;

// True for a complete IPv4 text ("203.0.113.7") or IPv6 text ("2001:db8::1", "::ffff:1.2.3.4"),
// nothing before or after it.
bool IsAddressText(const wchar_t* text);

} // namespace network
} // namespace system
} // namespace s
