#include "radio_data/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdio>
#include <optional>
#include <random>
#include <system_error>

#include "radio_data/unique_file.h"
#include "texts/file_texts.h"

namespace m742 {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;  // as many as the system follows in one path

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

Reason ReasonOf(std::string reason) {
    if (reason.empty()) {
        return std::nullopt;
    }
    return reason;
}

// The file that replacing `path` replaces.
struct Target {
    fs::path file;               // the path with its symbolic links followed
    std::optional<mode_t> mode;  // the permission bits of the file there; none for a new file
};

// Writes what the system still holds of an open file to the disk: 0, or -1 with errno set.
int SyncDescriptor(int fd) {
#ifdef _WIN32
    return ::_commit(fd);
#else
    return ::fsync(fd);
#endif
}

// Follows the symbolic links of `path` to the file to replace and checks that it may be
// replaced: the empty text, or the reason it may not. A missing file may be created.
Reason FindTarget(const fs::path& path, Target& target) {
    target.file = path;
#ifdef _WIN32
    // Windows: the file system library reads the kind and the read-only attribute (all there is
    // of the write bits) by the UTF-16 name. The system follows a link when it opens the file.
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        return {};
    }
    if (ec) {
        return ec.message();
    }
    if (!fs::is_regular_file(status)) {
        return &kNotRegularFileText;
    }
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return &kReadOnlyFileText;
    }
    return {};
#endif
#ifndef _WIN32
    for (int links = 0;; ++links) {
        struct stat status {};
        if (::lstat(target.file.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                return std::nullopt;
            }
            return SystemReason(errno);
        }
        if (!S_ISLNK(status.st_mode)) {
            if (!S_ISREG(status.st_mode)) {
                return &kNotRegularFileText;
            }
            if (::faccessat(AT_FDCWD, target.file.c_str(), W_OK, AT_EACCESS) != 0) {
                return SystemReason(errno);
            }
            // The system lets root write any file; one without a write bit is still kept.
            if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
                return &kReadOnlyFileText;
            }
            target.mode = status.st_mode & 07777;
            return {};
        }
        if (links == kMaxLinks) {
            return SystemReason(ELOOP);
        }
        std::error_code ec;
        const fs::path link = fs::read_symlink(target.file, ec);
        if (ec) {
            return SystemReason(ec.value());
        }
        target.file = link.is_absolute() ? link : target.file.parent_path() / link;
    }
#endif
}

// Opens a new temporary file beside `target`; never takes over an existing file.
UniqueFile CreateTemporary(const fs::path& target, fs::path& temporary, int& error) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target;
        temporary += ".tmp-" + std::to_string(random() % 1000000000u);
#ifdef _WIN32
        // _O_EXCL: fail rather than open a file that already exists.
        const int fd =
            ::_wopen(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                     _S_IREAD | _S_IWRITE);
        if (fd >= 0) {
            UniqueFile file{::_fdopen(fd, "wb")};
            if (!file) {
                error = errno;
                ::_close(fd);
            }
            return file;
        }
#else
        // "x": fail rather than open a file that already exists.
        if (UniqueFile file{std::fopen(temporary.c_str(), "wbx")}) {
            return file;
        }
#endif
        error = errno;
        if (error != EEXIST) {
            return nullptr;
        }
    }
    return nullptr;
}

// Makes sure what another writer put in `file` is on disk; the empty text or the reason.
std::string SyncToDisk(const fs::path& file) {
#ifdef _WIN32
    // Windows flushes only a file opened for writing.
    const UniqueDescriptor fd(::_wopen(file.c_str(), _O_RDWR | _O_BINARY | _O_NOINHERIT));
#else
    const UniqueDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
#endif
    if (!fd) {
        return SystemReason(errno);
    }
    const int error = SyncDescriptor(fd.get()) == 0 ? 0 : errno;
    return error != 0 ? SystemReason(error) : std::string();
}

// Gives the finished temporary file the old file's permission bits and renames it over the
// old file: the empty text, or the reason.
std::string Finish(const fs::path& temporary, const Target& target) {
#ifdef _WIN32
    // Windows: no permission bits to keep (a read-only target is refused before); the rename
    // returns once it is on the disk.
    if (!::MoveFileExW(temporary.c_str(), target.file.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return std::system_category().message(static_cast<int>(::GetLastError()));
    }
    return {};
#else
    if (target.mode && ::chmod(temporary.c_str(), *target.mode) != 0) {
        return SystemReason(errno);
    }
    std::error_code ec;
    fs::rename(temporary, target.file, ec);
    return ec ? SystemReason(ec.value()) : std::string();
#endif
}

// Removes the temporary file on every way out but the rename, an exception included.
struct Cleanup {
    const fs::path& file;
    bool keep = false;
    ~Cleanup() {
        if (!keep) {
            std::error_code ignored;
            fs::remove(file, ignored);
        }
    }
};

}  // namespace

Reason WriteFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    Target target;
    if (Reason reason = FindTarget(path, target)) {
        return reason;
    }
    fs::path temporary;
    int error = 0;
    UniqueFile file = CreateTemporary(target.file, temporary, error);
    if (!file) {
        return SystemReason(error);
    }
    Cleanup cleanup{temporary};
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                   std::fflush(file.get()) == 0;
    error = written ? 0 : errno;
    // The content must be on disk before the rename makes it the file.
    if (written && SyncDescriptor(::fileno(file.get())) != 0) {
        written = false;
        error = errno;
    }
    if (CloseNow(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        return SystemReason(error != 0 ? error : EIO);
    }
    std::string reason = Finish(temporary, target);
    cleanup.keep = reason.empty();
    return ReasonOf(std::move(reason));
}

namespace {

// Finds the file that `path` stands for and creates an empty temporary file beside it: the
// empty text, or the reason neither can be done.
Reason PrepareReplacement(const fs::path& path, Target& target, fs::path& temporary) {
    if (Reason reason = FindTarget(path, target)) {
        return reason;
    }
    int error = 0;
    if (!CreateTemporary(target.file, temporary, error)) {
        return SystemReason(error);
    }
    return {};
}

}  // namespace

Reason ReplaceFileAtomically(const fs::path& path,
                             const std::function<Reason(const fs::path& temporary)>& write) {
    Target target;
    fs::path temporary;
    if (Reason reason = PrepareReplacement(path, target, temporary)) {
        return reason;
    }
    Cleanup cleanup{temporary};
    Reason reason = write(temporary);
    if (!reason) {
        reason = ReasonOf(SyncToDisk(temporary));
    }
    if (!reason) {
        reason = ReasonOf(Finish(temporary, target));
    }
    cleanup.keep = !reason;
    return reason;
}

Reason CheckReplaceable(const fs::path& path) {
    // Only a file actually created shows that the folder takes one.
    Target target;
    fs::path temporary;
    Reason reason = PrepareReplacement(path, target, temporary);
    if (!reason) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return reason;
}

}  // namespace m742
