#include "shell/recent_files.h"

#include <algorithm>

namespace m742 {

namespace {

// Split at the last separator of either system, so that a UTF-8 name stays as it is on Windows
// too (std::filesystem would read it in the system's code page there).
std::size_t NameStart(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string::npos ? 0 : separator + 1;
}

std::string FileName(const std::string& path) {
    return path.substr(NameStart(path));
}

std::string Folder(const std::string& path) {
    const std::size_t start = NameStart(path);
    return start == 0 ? std::string() : path.substr(0, start - 1);
}

}  // namespace

std::vector<std::string> WithRecentFile(std::vector<std::string> paths, const std::string& path) {
    std::erase(paths, path);
    paths.insert(paths.begin(), path);
    if (paths.size() > kRecentFileCount) {
        paths.resize(kRecentFileCount);
    }
    return paths;
}

std::vector<std::string> RecentFileLabels(const std::vector<std::string>& paths) {
    std::vector<std::string> labels;
    for (const std::string& path : paths) {
        const std::string name = FileName(path);
        const auto same = std::count_if(paths.begin(), paths.end(), [&name](const std::string& p) {
            return FileName(p) == name;
        });
        labels.push_back(same > 1 ? name + " (" + Folder(path) + ")" : name);
    }
    return labels;
}

}  // namespace m742
