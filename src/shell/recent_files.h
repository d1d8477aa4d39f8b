// The File menu's recent data files: the last eight opened or saved, newest first, each named by
// its file name, with its folder where two names are the same.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace m742 {

inline constexpr std::size_t kRecentFileCount = 8;

// `paths` with `path` put first: an earlier entry of the same path goes, and the list keeps the
// newest kRecentFileCount. Paths are compared as written (the window gives absolute ones).
std::vector<std::string> WithRecentFile(std::vector<std::string> paths, const std::string& path);

// What the menu shows for each path: the file name, or "name (folder)" when another entry has
// the same name.
std::vector<std::string> RecentFileLabels(const std::vector<std::string>& paths);

}  // namespace m742
