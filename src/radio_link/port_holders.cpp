#include "radio_link/port_holders.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace m742 {

namespace {

constexpr const char* kHolderPrograms[] = {"ModemManager", "brltty"};

// The process's name as the kernel keeps it ("comm"), without the line end.
std::string ProcessName(const std::filesystem::path& folder) {
    std::ifstream file(folder / "comm");
    std::string name;
    std::getline(file, name);
    return name;
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

}  // namespace

std::vector<PortHolder> SystemPortHolders(const std::string& device,
                                          const std::filesystem::path& proc) {
    std::vector<PortHolder> holders;
#ifdef _WIN32
    // Windows has neither program, nor a /proc to find them in.
    (void)proc;
    return holders;
#endif
    if (device.empty()) {
        return holders;
    }
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(proc, ec)) {
        const std::string pid = entry.path().filename().string();
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(),
                                        [](unsigned char c) { return std::isdigit(c) != 0; })) {
            continue;
        }
        const std::string name = ProcessName(entry.path());
        if (std::find(std::begin(kHolderPrograms), std::end(kHolderPrograms), name) ==
            std::end(kHolderPrograms)) {
            continue;
        }
        PortHolder holder{std::stoi(pid), name, false};
        std::error_code fdError;
        std::filesystem::directory_iterator fds(entry.path() / "fd", fdError);
        if (!fdError) {
            bool holds = false;
            for (const auto& fd : fds) {
                std::error_code linkError;
                const auto target = std::filesystem::read_symlink(fd.path(), linkError);
                if (!linkError && (target == device || SameFile(target, device))) {
                    holds = true;
                    break;
                }
            }
            if (!holds) {
                continue;
            }
            holder.seen = true;
        }
        holders.push_back(std::move(holder));
    }
    std::sort(holders.begin(), holders.end(),
              [](const PortHolder& a, const PortHolder& b) { return a.pid < b.pid; });
    return holders;
}

}  // namespace m742
