#include "shell/preferences.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <array>
#include <cstdlib>
#include <fstream>

#include "radio_data/atomic_file.h"
#include "texts/message_text.h"

namespace m742 {

namespace {

// The file's bytes; none when it is missing, unreadable or not a file.
std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    char c = 0;
    while (in.get(c)) {
        bytes.push_back(static_cast<std::uint8_t>(c));
    }
    return bytes;
}

}  // namespace

Preferences ParsePreferences(std::span<const std::uint8_t> bytes) {
    auto at = [&bytes](std::size_t i) -> std::uint8_t { return i < bytes.size() ? bytes[i] : 0; };
    return {at(0), at(1), at(2)};
}

std::vector<std::uint8_t> PreferenceBytes(std::span<const std::uint8_t> old, bool locked,
                                          std::uint8_t portNumber, std::int16_t languageFlag) {
    std::vector<std::uint8_t> bytes(old.begin(), old.end());
    if (bytes.size() < 4) {
        bytes.resize(4, 0);
    }
    const auto flag = static_cast<std::uint16_t>(languageFlag);
    bytes[0] = locked ? 1 : 0;
    bytes[1] = portNumber;
    bytes[2] = static_cast<std::uint8_t>(flag & 0xFF);
    bytes[3] = static_cast<std::uint8_t>(flag >> 8);
    return bytes;
}

Preferences LoadPreferences(const std::filesystem::path& path) {
    return ParsePreferences(ReadAll(path));
}

std::uint8_t FirstStartLanguageFlag(std::string_view localeName) {
    // "zh_CN.UTF-8", "zh_TW"; "C.UTF-8" is the C locale too.
    const std::string_view language = localeName.substr(0, localeName.find_first_of("_.@"));
    const bool chinese =
        language.empty() || language == "zh" || language == "C" || language == "POSIX";
    return chinese ? 0 : 1;
}

std::string DesktopLocaleName() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
#ifdef _WIN32
    // Windows sets none of them: the language of the user's desktop, "zh-CN" as "zh_CN".
    std::array<wchar_t, LOCALE_NAME_MAX_LENGTH> name{};
    if (LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name.data(),
                         static_cast<int>(name.size()), 0) > 0) {
        std::string text;
        for (const wchar_t* c = name.data(); *c != L'\0'; ++c) {
            text += *c == L'-' ? '_' : static_cast<char>(*c & 0x7F);
        }
        return text;
    }
#endif
    return {};
}

Preferences StartupPreferences(const std::filesystem::path& path, std::string_view localeName) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        return LoadPreferences(path);
    }
    Preferences first;
    first.languageFlag = FirstStartLanguageFlag(localeName);
    return first;
}

std::string SavePreferences(const std::filesystem::path& path, bool locked, std::uint8_t portNumber,
                            std::int16_t languageFlag) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    const Reason reason =
        WriteFileAtomically(path, PreferenceBytes(ReadAll(path), locked, portNumber, languageFlag));
    // Only ever logged, in English.
    return reason ? Worded(*reason, Lang::English) : std::string();
}

bool IsBuildFolder(const std::filesystem::path& programFolder) {
    std::error_code ec;
    return std::filesystem::is_regular_file(programFolder.parent_path() / "CMakeCache.txt", ec);
}

std::filesystem::path PreferencesPath(const std::filesystem::path& programFolder,
                                      const std::filesystem::path& configHome,
                                      const std::filesystem::path& home) {
    if (IsBuildFolder(programFolder)) {
        return programFolder / "parameter";
    }
    if (configHome.is_absolute()) {
        return configHome / "m742" / "parameter";
    }
    if (home.is_absolute()) {
        return home / ".config" / "m742" / "parameter";
    }
    return programFolder / "parameter";
}

}  // namespace m742
