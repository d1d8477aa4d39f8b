#include "radio_data/file_reading.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cerrno>
#include <system_error>

#include "radio_data/atomic_file.h"
#include "radio_data/text_codes.h"
#include "radio_data/unique_file.h"
#include "texts/file_texts.h"

namespace m742 {

namespace {

Failure Refused(ErrorCode code, const std::filesystem::path& path, MessagePart reason) {
    const Bilingual* text =
        code == ErrorCode::kFileMissing ? &kFileMissingText : &kFileUnreadableText;
    return Failed({code, {text, {QuotedName{path.string()}, std::move(reason)}}, path.string()});
}

Failure TooLarge(std::string_view name, std::size_t limit, const Bilingual& tooLarge) {
    return Failed({ErrorCode::kFileUnreadable,
                   {&tooLarge, {QuotedName{std::string(name)}, std::to_string(limit)}},
                   std::string(name)});
}

}  // namespace

Outcome<FileHead> ReadFileHead(const std::filesystem::path& path, std::size_t count) {
    // Anything but a regular file is refused before it is opened: opening a pipe would wait
    // for a writer, opening a device may act on it. The descriptor is checked once more, as
    // the name may have changed in between, and opened without waiting.
    struct stat status {};
#ifdef _WIN32
    // Windows: the name is UTF-16 all the way; nothing the C runtime opens waits for a writer.
    std::error_code ec;
    const std::filesystem::file_status found = std::filesystem::status(path, ec);
    if (found.type() == std::filesystem::file_type::not_found) {
        return Refused(ErrorCode::kFileMissing, path, std::generic_category().message(ENOENT));
    }
    if (ec) {
        return Refused(ErrorCode::kFileUnreadable, path, ec.message());
    }
    if (!std::filesystem::is_regular_file(found)) {
        return Refused(ErrorCode::kFileUnreadable, path, &kNotRegularFileText);
    }
    const UniqueDescriptor fd(::_wopen(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT));
#else
    if (::stat(path.c_str(), &status) != 0) {
        const int error = errno;
        return Refused(error == ENOENT ? ErrorCode::kFileMissing : ErrorCode::kFileUnreadable, path,
                       std::generic_category().message(error));
    }
    if (!S_ISREG(status.st_mode)) {
        return Refused(ErrorCode::kFileUnreadable, path, &kNotRegularFileText);
    }
    const UniqueDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
#endif
    if (!fd) {
        return Refused(ErrorCode::kFileUnreadable, path, std::generic_category().message(errno));
    }
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return Refused(ErrorCode::kFileUnreadable, path, &kNotRegularFileText);
    }
    FileHead head;
    head.bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd.get(), head.bytes.data() + got, count - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            return Refused(ErrorCode::kFileUnreadable, path,
                           std::generic_category().message(errno));
        }
    }
    head.bytes.resize(got);
    // A file that grew or shrank while it was read is as large as what was read says.
    head.size = got < count ? got : std::max<std::uintmax_t>(got, status.st_size);
    return head;
}

Outcome<std::string> ReadWholeFile(const std::filesystem::path& path, std::size_t limit,
                                   const Bilingual& tooLarge) {
    auto head = ReadFileHead(path, limit + 1);
    if (!head.ok()) {
        return Failed(head.status());
    }
    if (head.value().size > limit) {
        return TooLarge(path.string(), limit, tooLarge);
    }
    return std::move(head.value().bytes);
}

Outcome<std::string> ReadWholeStream(std::istream& in, std::string_view name, std::size_t limit,
                                     const Bilingual& tooLarge) {
    std::string content;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (content.size() > limit) {
            return TooLarge(name, limit, tooLarge);
        }
    }
    if (in.bad()) {
        return Failed({ErrorCode::kFileUnreadable,
                       {&kFileUnreadableText,
                        {QuotedName{std::string(name)}, std::generic_category().message(EIO)}},
                       std::string(name)});
    }
    return content;
}

}  // namespace m742
