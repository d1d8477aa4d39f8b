// Where the help file is: the user's guide in the interface language, "M-742.html" (English) or
// "M-742.zh.html" (Chinese), beside the program or, for an installed program, in share/doc/m742
// under the installation prefix.
#pragma once

#include <filesystem>

#include "radio_data/status.h"

namespace m742 {

inline constexpr const char* kHelpFileName = "M-742.html";
inline constexpr const char* kChineseHelpFileName = "M-742.zh.html";

// The help file's name for the interface language.
constexpr const char* HelpFileName(Lang lang) {
    return lang == Lang::Chinese ? kChineseHelpFileName : kHelpFileName;
}

// The first of programFolder/NAME and programFolder/../share/doc/m742/NAME that exists as a file
// (or a link to one), resolved to its canonical form, NAME being HelpFileName(lang); the empty
// path when neither does.
std::filesystem::path HelpFilePath(const std::filesystem::path& programFolder,
                                   Lang lang = Lang::English);

// Where the help file belongs when HelpFilePath finds none, to name it in the message: beside
// the program of a build (IsBuildFolder), else in share/doc/m742 of the installation.
std::filesystem::path ExpectedHelpFilePath(const std::filesystem::path& programFolder, Lang lang);

}  // namespace m742
