// The channel plan a command starts from: the start-up plan, or the plan of a data file as
// "Open" gives it, with the password the file holds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "radio_data/codec.h"
#include "radio_data/editor_state.h"
#include "radio_data/image.h"
#include "radio_data/status.h"

namespace m742 {

// The start-up editor with `image` decoded over it, password included
// ("Open" leaves the password box alone; a plan taken from a file keeps the file's).
EditorState EditorOfImage(const RadioImage& image);

// A data file a command saves over: its plan as EditorOfImage gives it, its image and its
// first 1074 bytes.
struct BaseFile {
    EditorState editor;
    RadioImage image{};
    std::vector<std::uint8_t> content;
};
Outcome<BaseFile> ReadBaseFile(const std::filesystem::path& path);

// The content of the data file that saving `plan` gives: as "Save" writes it, or over `base`
// when there is one (EncodeOverBase, and the base's 50-byte header); or the field the encoder
// refuses.
using DataFileContent = std::variant<std::vector<std::uint8_t>, StoreRefusal>;
DataFileContent DataFileOverBase(const RadioPlan& plan, const BaseFile* base);

}  // namespace m742
