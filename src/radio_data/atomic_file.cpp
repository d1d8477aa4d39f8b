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

}  // namespace

std::string WriteFileAtomically(const std::filesystem::path& path,
                                std::span<const std::uint8_t> bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return SystemReason(EISDIR);
    }
    std::filesystem::path temporary;
    int error = 0;
    std::FILE* file = CreateTemporary(path, temporary, error);
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

}  // namespace m742
