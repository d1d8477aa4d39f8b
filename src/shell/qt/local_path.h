// A file name the window holds as a QString (from a file dialog, the command line, Qt itself)
// as a path for the core, whose paths are UTF-16 on Windows.
#pragma once

#include <QString>
#include <filesystem>

namespace m742 {

inline std::filesystem::path LocalPath(const QString& name) {
#ifdef _WIN32
    return {name.toStdWString()};
#else
    return {name.toStdString()};
#endif
}

}  // namespace m742
