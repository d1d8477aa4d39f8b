// *.DAT data files: a 50-byte header, then the 1024 image bytes.
//
//   offset  0  "ZMR47C"
//   offset  6  FFh FFh FFh FFh
//   offset 10  "V0100"
//   offset 15  FFh, then 34 bytes FFh up to offset 49
//   offset 50  the image, address 000h first (so the first password byte is at 50 and
//              memory channel 1 starts at 66)
//
// A file given where a data file belongs is checked first: 1074 bytes that start with the
// header's model and version ("ZMR47C", FFh x4, "V0100", FFh). Anything else is refused with
// what it appears to be, so that a JSON plan, a CSV list or a PDF never reaches a radio as if
// it were a plan; the window asks before it opens such a file anyway.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
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
                                    const std::filesystem::path& name);

// Whether content of `size` bytes that starts with `head` is a data file: 1074 bytes with the
// header's model and version.
bool IsDataFileContent(std::string_view head, std::uintmax_t size);

// What a file must be to be read as a data file.
enum class DataFileCheck {
    kDataFile,    // a data file, else kNotDataFile (or kFileTooShort) naming what it looks like
    kAnyHeader,   // 1074 bytes, whatever the header holds: a file from another program
    kAnyContent,  // any file of at least 1074 bytes; its first 1074 are taken as a data file's
};

// Reads the image of a data file; never creates the file, and refuses at once what is not a
// regular file (a pipe, a device, a folder).
Outcome<RadioImage> ReadDataFile(const std::filesystem::path& path,
                                 DataFileCheck check = DataFileCheck::kDataFile);

// The same checks and messages, for the first kDataFileSize bytes of the file whole: the
// header as well as the image.
Outcome<std::vector<std::uint8_t>> ReadDataFileBytes(
    const std::filesystem::path& path, DataFileCheck check = DataFileCheck::kDataFile);

// Writes a data file whole and atomically: a failure leaves an existing file unchanged. A
// symbolic link is followed; see atomic_file.h for the files that are refused.
Status WriteDataFile(const std::filesystem::path& path, const RadioImage& image);

// Writes the whole content of a data file, as WriteDataFile does.
Status WriteDataFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Whether `path` names an existing data file (followed through symbolic links).
bool HoldsDataFile(const std::filesystem::path& path);

// The refusal for a file of another kind that would replace the data file `path`.
Status DataFileNotReplaced(const std::filesystem::path& path);

// Writes a file of another kind (a CSV list, a PDF report) whole and atomically, as a data file
// is saved; an existing data file is never replaced by it.
Status WriteOtherFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Whether `path` could be saved now, without saving: the message WriteDataFile would give.
Status CheckDataFileSavable(const std::filesystem::path& path);

// "Open": reads the file and decodes it into the editor. On failure the editor is untouched.
Status OpenDataFile(const std::filesystem::path& path, EditorState& editor,
                    DataFileCheck check = DataFileCheck::kDataFile);

}  // namespace m742
