// The user's own settings of the window, beyond the preferences file the radio tool has always
// kept: stored per user, in a file a test can name.
#pragma once

#include <QSettings>
#include <filesystem>
#include <memory>

namespace m742 {

// The settings in `file`, or the user's own (~/.config/m742/m742.ini) when `file` is empty; INI
// format either way.
std::unique_ptr<QSettings> OpenUserSettings(const std::filesystem::path& file);

// The keys.
inline constexpr const char* kVerifyAfterWriteKey = "radio/verifyAfterWrite";
// The data files last opened or saved, newest first, and the folder the file dialogs open in.
inline constexpr const char* kRecentFilesKey = "files/recent";
inline constexpr const char* kFileFolderKey = "files/folder";
// The window's size, place and maximised state are kept under "window/" (window_placement).

}  // namespace m742
