// What the password and ANI boxes of the settings panel let through. Typed, pasted and
// dropped text all pass the same rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace m742 {

inline constexpr int kPasswordBoxLength = 6;  // the box holds six of the 16 bytes
inline constexpr int kAniBoxLength = 8;       // the radio keeps eight ANI characters

// Digits and "." only, at most six characters.
std::string FilterPassword(std::string_view text);

// The DTMF characters: digits, "*", "#", "A" to "D"; "a" to "d" become upper case. At most
// eight characters.
std::string FilterAni(std::string_view text);

// What a box keeps of `text` once an edit left its cursor at `cursor`, by `filter` (whose
// result is at most `length` characters long): the filtered text before the cursor and after
// it, so that what came in ends at the cursor and, when the box is full, the newest
// characters are the ones refused. Returns the kept text and the cursor's new place.
struct KeptEntry {
    std::string text;
    std::size_t cursor = 0;
};
KeptEntry KeepEntry(std::string_view text, std::size_t cursor,
                    std::string (*filter)(std::string_view), std::size_t length);

}  // namespace m742
