// The image decoder and encoder: between a whole radio image and the editor.
#pragma once

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

}  // namespace m742
