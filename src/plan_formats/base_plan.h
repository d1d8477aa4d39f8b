// The channel plan a command starts from: the start-up plan, or the plan of a data file as
// "Open" gives it, with the password the file holds.
#pragma once

#include <cstdint>
#include <string>

#include "radio_data/editor_state.h"
#include "radio_data/image.h"

namespace m742 {

// The password in the first bytes of an image: one character per byte up to the first FFh,
// at most 16.
std::string PasswordOfImage(const RadioImage& image);

// The start-up editor in the given language with `image` decoded over it, password included
// ("Open" leaves the password box alone; a plan taken from a file keeps the file's).
EditorState EditorOfImage(const RadioImage& image, std::int16_t languageFlag);

}  // namespace m742
