#pragma once
// The data files are Shift-JIS (code page 932) on every system, whatever its own locale: they
// are the collection's files, written once for all machines.

#include <string>
#include <string_view>

namespace launcher {

// UTF-8 for CP932 bytes; a byte sequence CP932 does not define becomes U+FFFD, so one bad
// byte in a description does not hide the rest of it.
std::string DecodeCp932(std::string_view bytes);

}  // namespace launcher
