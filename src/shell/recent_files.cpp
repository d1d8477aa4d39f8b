#include "shell/recent_files.h"

#include <algorithm>
#include <filesystem>

namespace m742 {

namespace {

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
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
        labels.push_back(same > 1 ? name + " (" +
                                        std::filesystem::path(path).parent_path().string() + ")"
                                  : name);
    }
    return labels;
}

}  // namespace m742
