#pragma once
// Player names: UTF-8 in memory, Shift-JIS (code page 932) in the high-score file.

#include <string>
#include <string_view>

namespace pelta {

// A character with no Shift-JIS form becomes "?", as the system's own conversion to the
// ANSI code page does, so the rest of the name survives.
std::string NameToShiftJis(std::string_view utf8);

// A byte sequence that is not Shift-JIS becomes "?" in the same way.
std::string NameFromShiftJis(std::string_view cp932);

}  // namespace pelta
