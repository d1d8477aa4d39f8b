// Where the help file is: "M-742.html" (the application title and ".html") beside the program,
// or, for an installed program, in share/doc/m742 under the installation prefix.
#pragma once

#include <filesystem>

namespace m742 {

inline constexpr const char* kHelpFileName = "M-742.html";

// The first of programFolder/M-742.html and programFolder/../share/doc/m742/M-742.html that
// exists as a file (or a link to one), resolved to its canonical form; the empty path when
// neither does.
std::filesystem::path HelpFilePath(const std::filesystem::path& programFolder);

}  // namespace m742
