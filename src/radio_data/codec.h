// The image decoder and encoder: between a whole radio image and the editor.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "radio_data/editor_state.h"
#include "radio_data/image.h"
#include "radio_data/status.h"

namespace m742 {

// Spreads a whole image over the editor: memory grid and its list positions, debug grid,
// ANI box, settings panel, dialog-held globals and the dialogs' controls. Never fails: an
// out-of-range setting falls back to a fixed position. Leaves the password box, the band,
// the channel numbers and the language alone. Texts come out in the editor's language.
void DecodeImage(const RadioImage& image, EditorState& editor);

// The same for the text form; returns false, leaving the editor untouched, unless `imageHex`
// is exactly 2048 upper-case hexadecimal digits.
bool DecodeImage(std::string_view imageHex, EditorState& editor);

// Builds a whole image from the editor. Refuses, with the frequency message in the editor's
// language, at the first frequency cell it cannot store (and with a tone message at a tone
// cell that holds no tone); nothing after that cell is looked at.
Outcome<RadioImage> EncodeImage(const EditorState& editor);

// The password an image holds, as the password box would show it: the characters of its
// first 16 bytes, FFh bytes left out. The decoder leaves the box alone, so a plan taken from a
// file or a radio reads it from here.
std::string PasswordOfImage(const RadioImage& image);

// For each image byte, the bits the editor holds: what the decoder reads and the encoder
// writes from the editor (the debug channels' in-use marker included). The rest is fill or
// bytes the program does not know.
using ImageMask = std::array<std::uint8_t, kImageSize>;
const ImageMask& ModeledBits();

// The bits of the image that hold one value of the editor: `length` bytes from `address`, the
// bits of `mask` in each.
struct HeldBits {
    int address;
    int length;
    std::uint8_t mask;
};

// Calls `visit` with the bits of every value the editor holds, and whether `a` and `b` hold
// the same value there (the same cell text, list position, setting, password or ANI code).
void ForEachHeldValue(const EditorState& a, const EditorState& b,
                      const std::function<void(const HeldBits&, bool same)>& visit);

// Encodes `editor` over an older image: `base`, whose own plan is `baseEditor`, with the bits
// of every value the editor holds otherwise than `baseEditor` encoded afresh. Everything else
// stays as `base` has it: the bits the editor does not hold, and the bits of a value the plan
// leaves as it was, even where the decoder read them as a fallback. A base's own plan thus
// encodes back to the base byte for byte. Refuses as EncodeImage does.
Outcome<RadioImage> EncodeOverBase(const EditorState& editor, const EditorState& baseEditor,
                                   const RadioImage& base);

}  // namespace m742
