// Kinds of file a user may name for the program to write or read, made in a test folder.
#pragma once

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace m742::testing {

enum class FileKind { kWritable, kReadOnly, kLink, kPipe, kDevice, kFolder };

struct FileKindCase {
    const char* name;
    FileKind kind;
    const char* replaced;  // how Describe starts after a save; null: refused, left alone
};

inline constexpr FileKindCase kFileKinds[] = {
#ifdef _WIN32
    {"file 0666", FileKind::kWritable, "file 0666 "},  // all a writable file shows on Windows
#else
    {"file 0640", FileKind::kWritable, "file 0640 "},
#endif
    {"read-only file", FileKind::kReadOnly, nullptr},
    {"link", FileKind::kLink, "link to target: file 0600 "},
    {"pipe", FileKind::kPipe, nullptr},
    {"device node", FileKind::kDevice, nullptr},
    {"folder", FileKind::kFolder, nullptr},
};

#ifdef _WIN32
// False when the kind cannot be made here: Windows has no pipes or devices in a folder, and a
// symbolic link needs a privilege that a user does not have.
inline bool MakeFileKind(FileKind kind, const std::filesystem::path& path,
                         const std::string& content) {
    namespace fs = std::filesystem;
    switch (kind) {
        case FileKind::kWritable:
        case FileKind::kReadOnly:
            std::ofstream(path, std::ios::binary) << content;
            if (kind == FileKind::kReadOnly) {
                fs::permissions(
                    path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
            }
            return fs::is_regular_file(path);
        case FileKind::kFolder:
            return fs::create_directory(path);
        default:
            return false;
    }
}
#else
// False when the kind cannot be made here: a device node (a copy of /dev/null) needs root.
inline bool MakeFileKind(FileKind kind, const std::filesystem::path& path,
                         const std::string& content) {
    const auto file = [&content](const std::filesystem::path& name, mode_t mode) {
        std::ofstream(name, std::ios::binary) << content;
        return ::chmod(name.c_str(), mode) == 0;
    };
    switch (kind) {
        case FileKind::kWritable:
            return file(path, 0640);
        case FileKind::kReadOnly:
            return file(path, 0444);
        case FileKind::kLink:
            return file(path.parent_path() / "target", 0600) &&
                   ::symlink("target", path.c_str()) == 0;
        case FileKind::kPipe:
            return ::mkfifo(path.c_str(), 0644) == 0;
        case FileKind::kDevice:
            return ::mknod(path.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
        case FileKind::kFolder:
            return std::filesystem::create_directory(path);
    }
    return false;
}
#endif

// What is at `path` ("link to target: file 0600 old"), to compare before and after.
inline std::string Describe(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    const auto link = fs::symlink_status(path);
    const auto status = fs::status(path);
    std::string text =
        fs::is_symlink(link) ? "link to " + fs::read_symlink(path).string() + ": " : "";
    text += fs::is_regular_file(status) ? "file" : fs::is_fifo(status) ? "pipe" : "other";
    char mode[16];
    std::snprintf(mode, sizeof mode, " %04o ", static_cast<unsigned>(status.permissions()));
    if (!fs::is_regular_file(status)) {
        return text + mode;  // never opened: a pipe would wait for a writer
    }
    std::ifstream in(path, std::ios::binary);
    return text + mode + std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace m742::testing
