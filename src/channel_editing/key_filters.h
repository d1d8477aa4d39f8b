// What the channel editors let through as the user types or pastes. Keys are character codes;
// Enter is the window's business (it hands the focus back to the grid) and never reaches these.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace m742 {

inline constexpr int kBackspaceKey = 8;
inline constexpr std::size_t kFrequencyBoxLength = 9;  // "460.12500"

// Text1, the frequency editor of the memory grid: digits, "." and Backspace; the box holds at
// most nine characters, so with nine in it a digit or point passes only over a selection.
// Points are not counted: "4..5" can be typed and is refused when it is committed.
bool FrequencyBoxKeyPasses(int key, std::string_view text, std::size_t selectedLength);

// Txtrfre2 and Txtsfre2, the boxes of the debug panel: as Text1, and a point is dropped while
// the box holds one, selected or not.
bool DebugFrequencyKeyPasses(int key, std::string_view text, std::size_t selectedLength);

// What a frequency box keeps of text that arrives in one piece (pasted or dropped), `rest`
// being the text around it: the characters a key could bring in, in their order, and no more
// than leave the box at nine characters. A debug box (`debugBox`) also keeps a single point:
// none of the inserted ones when the rest holds one.
std::string PastedFrequency(std::string_view rest, std::string_view inserted, bool debugBox);

// Combo8, the tone editor: digits, ".", Backspace and the letters D, I, N in either case, the
// lower-case ones turned upper. Each letter passes at its first press after the editor lost
// the focus and never again until it loses the focus next: a letter already in the text can be
// typed once more, a letter typed, deleted and typed again is dropped.
class ToneKeyFilter {
public:
    // The character a key puts into the text (Backspace passes as itself), or nothing.
    std::optional<char> Key(int key);
    // Pasted text, character by character through Key; letters count as presses.
    std::string Text(std::string_view pasted);
    // Combo8 lost the focus: each letter may be typed once again.
    void FocusLost() { m_pressed = {}; }

private:
    std::array<bool, 3> m_pressed{};  // D, I, N
};

}  // namespace m742
