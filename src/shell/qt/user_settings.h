// The user's own settings of the window, beyond the preferences file the radio tool has always
// kept: stored per user, in a file a test can name.
#pragma once

#include <QSettings>
#include <filesystem>
#include <memory>

namespace m742 {

// The settings in `file` (INI format), or the platform's settings for the user ("m742") when
// `file` is empty.
std::unique_ptr<QSettings> OpenUserSettings(const std::filesystem::path& file);

// The keys.
inline constexpr const char* kVerifyAfterWriteKey = "radio/verifyAfterWrite";

}  // namespace m742
