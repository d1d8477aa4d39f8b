#include "shell/help_file.h"

#include <system_error>

#include "shell/preferences.h"

namespace m742 {

std::filesystem::path HelpFilePath(const std::filesystem::path& programFolder, Lang lang) {
    const char* name = HelpFileName(lang);
    const std::filesystem::path candidates[] = {
        programFolder / name,
        programFolder / M742_HELP_FROM_BINDIR / name,
    };
    for (const std::filesystem::path& candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error)) {
            // Without the "..": a browser shows the address.
            const std::filesystem::path resolved = std::filesystem::canonical(candidate, error);
            return error ? candidate : resolved;
        }
    }
    return {};
}

std::filesystem::path ExpectedHelpFilePath(const std::filesystem::path& programFolder, Lang lang) {
    const char* name = HelpFileName(lang);
    if (IsBuildFolder(programFolder)) {
        return programFolder / name;
    }
    return (programFolder / M742_HELP_FROM_BINDIR / name).lexically_normal();
}

}  // namespace m742
