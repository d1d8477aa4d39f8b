// *.DAT data files: a 50-byte header, then the 1024 image bytes.
//
//   offset  0  "ZMR47C"
//   offset  6  FFh FFh FFh FFh
//   offset 10  "V0100"
//   offset 15  FFh, then 34 bytes FFh up to offset 49
//   offset 50  the image, address 000h first (so the first password byte is at 50 and
//              memory channel 1 starts at 66)
//
// The header is written but never checked when a file is opened.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "radio_data/editor_state.h"
#include "radio_data/image.h"
#include "radio_data/status.h"

namespace m742 {

inline constexpr std::size_t kDataFileHeaderSize = 50;
inline constexpr std::size_t kDataFileSize = kDataFileHeaderSize + kImageSize;  // 1074

// The whole content of a data file holding `image`.
std::vector<std::uint8_t> DataFileBytes(const RadioImage& image);

// The image inside the content of a data file. Longer content is accepted (the tail is never
// read); shorter content is refused. `name` is the file's name for the message.
Outcome<RadioImage> ImageOfDataFile(std::span<const std::uint8_t> content,
                                    const std::filesystem::path& name, Lang lang);

// Reads the image of a data file; never creates the file, and refuses at once what is not a
// regular file (a pipe, a device, a folder).
Outcome<RadioImage> ReadDataFile(const std::filesystem::path& path, Lang lang);

// The same checks and messages, for the first kDataFileSize bytes of the file whole: the
// header as well as the image.
Outcome<std::vector<std::uint8_t>> ReadDataFileBytes(const std::filesystem::path& path, Lang lang);

// Writes a data file whole and atomically: a failure leaves an existing file unchanged. A
// symbolic link is followed; see atomic_file.h for the files that are refused.
Status WriteDataFile(const std::filesystem::path& path, const RadioImage& image, Lang lang);

// The same with the first 50 bytes of `header` in place of the program's own header: saving
// over an older file keeps the header it had.
Status WriteDataFile(const std::filesystem::path& path, const RadioImage& image,
                     std::span<const std::uint8_t> header, Lang lang);

// Whether `path` could be saved now, without saving: the message WriteDataFile would give.
Status CheckDataFileSavable(const std::filesystem::path& path, Lang lang);

// "Open": reads the file and decodes it into the editor. On failure the editor is untouched.
Status OpenDataFile(const std::filesystem::path& path, EditorState& editor);

// "Save": encodes the editor and writes the file. A refused cell leaves the file untouched.
Status SaveDataFile(const std::filesystem::path& path, const EditorState& editor);

}  // namespace m742
