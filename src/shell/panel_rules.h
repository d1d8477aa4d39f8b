// What the password and ANI boxes of the settings panel let through. Typed, pasted and
// dropped text all pass the same rules.
#pragma once

#include <string>
#include <string_view>

namespace m742 {

inline constexpr int kPasswordBoxLength = 6;  // the box holds six of the 16 bytes

// Digits and "." only, at most six characters.
std::string FilterPassword(std::string_view text);

// The DTMF characters: digits, "*", "#", "A" to "D"; "a" to "d" become upper case.
std::string FilterAni(std::string_view text);

}  // namespace m742
