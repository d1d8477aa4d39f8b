// What a user may name where the program writes or reads a file: a read-only file, a link, a
// pipe, a device node, a folder. Each kind is made in a test folder; Describe tells what is
// at a path, so that a test can compare it before and after.
#pragma once

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
    bool replaced;  // whether a save replaces it (else it must be refused and left alone)
};

inline constexpr FileKindCase kFileKinds[] = {
    {"a file of mode 0640", FileKind::kWritable, true},
    {"a read-only file", FileKind::kReadOnly, false},
    {"a link to a file of mode 0600", FileKind::kLink, true},
    {"a pipe", FileKind::kPipe, false},
    {"a device node", FileKind::kDevice, false},
    {"a folder", FileKind::kFolder, false},
};

// Makes a file of `kind` at `path` (a link points at "target" beside it, holding `content`).
// False when it cannot be made here: a device node needs root. The node made is a copy of
// /dev/null, so a faulty save replaces the copy, never the real one.
inline bool MakeFileKind(FileKind kind, const std::filesystem::path& path,
                         const std::string& content) {
    const auto plain = [&content](const std::filesystem::path& file, mode_t mode) {
        std::ofstream(file, std::ios::binary) << content;
        return ::chmod(file.c_str(), mode) == 0;
    };
    switch (kind) {
        case FileKind::kWritable:
            return plain(path, 0640);
        case FileKind::kReadOnly:
            return plain(path, 0444);
        case FileKind::kLink:
            return plain(path.parent_path() / "target", 0600) &&
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

// What is at `path`: its kind, permission bits and, for a regular file, its content; a link
// is named with its target and described by what it points at.
inline std::string Describe(const std::filesystem::path& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        return "nothing";
    }
    std::string text;
    if (S_ISLNK(status.st_mode)) {
        text = "link to " + std::filesystem::read_symlink(path).string() + ": ";
        if (::stat(path.c_str(), &status) != 0) {
            return text + "nothing";
        }
    }
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(status.st_mode & 07777));
    if (S_ISREG(status.st_mode)) {
        std::ifstream in(path, std::ios::binary);
        return text + "file " + mode + " \"" + std::string(std::istreambuf_iterator<char>(in), {}) +
               "\"";
    }
    return text +
           (S_ISFIFO(status.st_mode)  ? "pipe "
            : S_ISCHR(status.st_mode) ? "device "
            : S_ISDIR(status.st_mode) ? "folder "
                                      : "other ") +
           mode;
}

// What a replacing save leaves at `path` of `kind`: the same kind, mode and link, with
// `content`.
inline std::string DescribeReplaced(FileKind kind, const std::string& content) {
    return std::string(kind == FileKind::kLink ? "link to target: file 0600" : "file 0640") +
           " \"" + content + "\"";
}

}  // namespace m742::testing
