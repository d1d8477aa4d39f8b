// Replacing a file whole: the new content goes to a temporary file in the same folder, which
// is then renamed over the target, so a failure leaves the old file as it was.
//
// The replacing behaves as a careful editor's save does: a symbolic link is followed and its
// target replaced (the link stays); a file the user may not write is refused, and so is one
// without a write permission bit even where the system would let its owner (root) write it;
// a replaced file keeps its permission bits; and anything that is not a regular file (a
// folder, a pipe, a device) is refused before it is opened, so nothing blocks or is lost.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "radio_data/status.h"

namespace m742 {

// Why a file was not written, in the system's words or the program's own; none on success.
using Reason = std::optional<MessagePart>;

// Writes `bytes` as the whole content of `path`. Returns the reason it could not; the target
// is then unchanged and no temporary file is left.
Reason WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The same for content that another library writes to a file by name (a PDF from the
// printer): `write` gets the name of a new, empty file beside `path`, fills it and returns
// the reason it could not, or none. The file then replaces `path`. Returns the reason
// it could not; the target is then unchanged and no temporary file is left.
Reason ReplaceFileAtomically(
    const std::filesystem::path& path,
    const std::function<Reason(const std::filesystem::path& temporary)>& write);

// Whether `path` could be replaced now, without replacing it: the reason the replacing would
// give, or none. Lets a command refuse before it starts work that would be lost.
Reason CheckReplaceable(const std::filesystem::path& path);

}  // namespace m742
