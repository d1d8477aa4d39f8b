// The image decoder and encoder: between a whole radio image and the editor.
#pragma once

#include <array>
#include <cstdint>
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

// `encoded` with every bit the editor does not hold taken from `base`: what saving the editor
// over an older image gives when the older image's unknown bytes must survive.
RadioImage KeepUnmodeled(const RadioImage& encoded, const RadioImage& base);

}  // namespace m742
