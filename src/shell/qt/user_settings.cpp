#include "shell/qt/user_settings.h"

namespace m742 {

std::unique_ptr<QSettings> OpenUserSettings(const std::filesystem::path& file) {
    if (file.empty()) {
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "m742",
                                           "m742");
    }
    return std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat);
}

}  // namespace m742
