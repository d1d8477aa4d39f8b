// Reading the files a user names: only regular files (a pipe, a device or a folder is refused
// before anything waits on it), and never more than a command can use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>

#include "radio_data/status.h"

namespace m742 {

// The first bytes of a file and its whole size.
struct FileHead {
    std::string bytes;
    std::uintmax_t size = 0;
};

// Reads at most `count` bytes from the start of the regular file `path`. A missing file is
// kFileMissing, anything else that cannot be read kFileUnreadable.
Outcome<FileHead> ReadFileHead(const std::filesystem::path& path, std::size_t count);

// Reads the regular file `path` whole. A file larger than `limit` bytes is refused with
// `tooLarge` (%1 the file, %2 the limit) without reading it all.
Outcome<std::string> ReadWholeFile(const std::filesystem::path& path, std::size_t limit,
                                   const Bilingual& tooLarge);

// The same for a stream (standard input), named `name` in the messages: reading stops once
// more than `limit` bytes have come.
Outcome<std::string> ReadWholeStream(std::istream& in, std::string_view name, std::size_t limit,
                                     const Bilingual& tooLarge);

}  // namespace m742
