// The preferences file "parameter": editing lock, serial port and interface language.
//
//   byte 1  editing lock: 1 locked, 0 unlocked (another value changes nothing at start-up)
//   byte 2  serial port number, 1-8 (0: none chosen yet)
//   byte 3  LanguageFlag (read as one byte; written as 16 bits, little-endian, bytes 3 and 4)
//
// Bytes after the fourth are kept as they are.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace m742 {

struct Preferences {
    std::uint8_t lock = 0;
    std::uint8_t portNumber = 0;
    std::uint8_t languageFlag = 0;
};

// Missing bytes (a short or empty file) read as 0.
Preferences ParsePreferences(std::span<const std::uint8_t> bytes);

// The file's new content: the three values over the old content, whose tail stays.
std::vector<std::uint8_t> PreferenceBytes(std::span<const std::uint8_t> old, bool locked,
                                          std::uint8_t portNumber, std::int16_t languageFlag);

// Reads the file; a missing or unreadable one gives all zeros.
Preferences LoadPreferences(const std::filesystem::path& path);

// The interface language of a first start, before any preferences file exists: Chinese (0)
// when the desktop's locale `localeName` is Chinese, unset, "C" or "POSIX"; English (1) for any
// other language.
std::uint8_t FirstStartLanguageFlag(std::string_view localeName);

// The locale whose language the desktop asks for: the first of LC_ALL, LC_MESSAGES and LANG
// that is set and not empty; on Windows, when none is, the desktop's language ("en_US");
// otherwise empty.
std::string DesktopLocaleName();

// What the window starts with: the file's values, or when there is no file yet, the defaults
// in the language of `localeName` (FirstStartLanguageFlag). Once the file is written, it
// decides.
Preferences StartupPreferences(const std::filesystem::path& path, std::string_view localeName);

// Writes the file atomically, as a data file is saved (a link is followed, a read-only file
// is kept). Returns the empty text, or why it could not be written.
[[nodiscard]] std::string SavePreferences(const std::filesystem::path& path, bool locked,
                                          std::uint8_t portNumber, std::int16_t languageFlag);

// Whether `programFolder` is the bin/ folder of a CMake build (its parent holds CMakeCache.txt).
bool IsBuildFolder(const std::filesystem::path& programFolder);

// Where the program keeps its preferences: "parameter" in its own folder when that is a build
// folder; otherwise the user's configuration folder, `configHome`/m742/parameter
// ($XDG_CONFIG_HOME; %APPDATA% on Windows) or, when that is empty or not an absolute path,
// `home`/.config/m742/parameter. Without either: the program's folder.
std::filesystem::path PreferencesPath(const std::filesystem::path& programFolder,
                                      const std::filesystem::path& configHome,
                                      const std::filesystem::path& home);

}  // namespace m742
