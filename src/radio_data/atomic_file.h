// Replacing a file whole: the new content goes to a temporary file in the same folder, which
// is then renamed over the target, so a failure leaves the old file as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace m742 {

// Writes `bytes` as the whole content of `path`. Returns the empty text on success, else the
// reason (the system's words); the target is then unchanged and no temporary file is left.
std::string WriteFileAtomically(const std::filesystem::path& path,
                                std::span<const std::uint8_t> bytes);

// The same for content that another library writes to a file by name (a PDF from the
// printer): `write` gets the name of a new, empty file beside `path`, fills it and returns the
// empty text, or the reason it could not. The file then replaces `path`. Returns the empty
// text on success, else the reason; the target is then unchanged and no temporary file is
// left.
std::string ReplaceFileAtomically(
    const std::filesystem::path& path,
    const std::function<std::string(const std::filesystem::path& temporary)>& write);

}  // namespace m742
