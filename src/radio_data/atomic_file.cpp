#include "radio_data/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define M742_HAVE_FSYNC 1
#endif

namespace m742 {

namespace {

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

// Opens a new temporary file beside `path`; never takes over an existing file.
std::FILE* CreateTemporary(const std::filesystem::path& path, std::filesystem::path& temporary,
                           int& error) {
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = path;
        temporary += ".tmp-" + std::to_string(random() % 1000000000u);
        // "x": fail rather than open a file that already exists.
        if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) {
            return file;
        }
        error = errno;
        if (error != EEXIST) {
            return nullptr;
        }
    }
    return nullptr;
}

// Makes sure what another writer put in `file` is on disk; the empty text or the reason.
std::string SyncToDisk([[maybe_unused]] const std::filesystem::path& file) {
#ifdef M742_HAVE_FSYNC
    std::FILE* stream = std::fopen(file.string().c_str(), "rb");
    if (stream == nullptr) {
        return SystemReason(errno);
    }
    const int error = ::fsync(::fileno(stream)) == 0 ? 0 : errno;
    std::fclose(stream);
    if (error != 0) {
        return SystemReason(error);
    }
#endif
    return {};
}

// The temporary file that is to replace `path`, open for writing; null, with the reason in
// `error`, when there is none (a folder is never replaced).
std::FILE* StartReplacing(const std::filesystem::path& path, std::filesystem::path& temporary,
                          int& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = EISDIR;
        return nullptr;
    }
    return CreateTemporary(path, temporary, error);
}

}  // namespace

std::string WriteFileAtomically(const std::filesystem::path& path,
                                std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    std::filesystem::path temporary;
    int error = 0;
    std::FILE* file = StartReplacing(path, temporary, error);
    if (file == nullptr) {
        return SystemReason(error);
    }
    bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    error = written ? 0 : errno;
#ifdef M742_HAVE_FSYNC
    // The content must be on disk before the rename makes it the file.
    if (written && ::fsync(::fileno(file)) != 0) {
        written = false;
        error = errno;
    }
#endif
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) {
        std::filesystem::rename(temporary, path, ec);
        if (!ec) {
            return {};
        }
        error = ec.value();
    }
    std::filesystem::remove(temporary, ec);
    return SystemReason(error != 0 ? error : EIO);
}

std::string ReplaceFileAtomically(
    const std::filesystem::path& path,
    const std::function<std::string(const std::filesystem::path& temporary)>& write) {
    std::error_code ec;
    std::filesystem::path temporary;
    int error = 0;
    std::FILE* file = StartReplacing(path, temporary, error);
    if (file == nullptr) {
        return SystemReason(error);
    }
    std::fclose(file);
    // The temporary file goes on every way out but the rename, an exception from `write`
    // included.
    struct Cleanup {
        const std::filesystem::path& file;
        bool keep = false;
        ~Cleanup() {
            if (!keep) {
                std::error_code ignored;
                std::filesystem::remove(file, ignored);
            }
        }
    } cleanup{temporary};

    std::string reason = write(temporary);
    if (reason.empty()) {
        reason = SyncToDisk(temporary);
    }
    if (reason.empty()) {
        std::filesystem::rename(temporary, path, ec);
        if (!ec) {
            cleanup.keep = true;
            return {};
        }
        reason = SystemReason(ec.value());
    }
    return reason;
}

}  // namespace m742
