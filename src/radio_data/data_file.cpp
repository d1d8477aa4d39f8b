#include "radio_data/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include "radio_data/atomic_file.h"
#include "radio_data/codec.h"
#include "radio_data/text_codes.h"
#include "radio_data/unique_file.h"

namespace m742 {

namespace {

constexpr std::string_view kModel = "ZMR47C";
constexpr std::string_view kVersion = "V0100";

Status FileError(ErrorCode code, const std::filesystem::path& name, const std::string& reason,
                 Lang lang) {
    const std::string file = Quoted(name.string(), lang);
    std::string message;
    switch (code) {
        case ErrorCode::kFileMissing:
            message = lang == Lang::English ? "Cannot open " + file + ": the file does not exist."
                                            : "无法打开" + file + "：文件不存在。";
            break;
        case ErrorCode::kFileUnreadable:
            message = lang == Lang::English ? "Cannot read " + file + ": " + reason + "."
                                            : "无法读取" + file + "：" + reason + "。";
            break;
        case ErrorCode::kFileTooShort:
            message = lang == Lang::English ? file + " is not an M-742 data file: it holds " +
                                                  reason + " bytes, a data file holds 1074."
                                            : file + "不是 M-742 数据文件：它只有 " + reason +
                                                  " 个字节，数据文件应有 1074 个字节。";
            break;
        default:
            message = lang == Lang::English
                          ? "Cannot save " + file + ": " + reason + ". The file was not changed."
                          : "无法保存" + file + "：" + reason + "。文件未被改动。";
            break;
    }
    return {code, message, name.string()};
}

}  // namespace

std::vector<std::uint8_t> DataFileBytes(const RadioImage& image) {
    std::vector<std::uint8_t> bytes(kDataFileSize, 0xFF);
    std::copy(kModel.begin(), kModel.end(), bytes.begin());
    std::copy(kVersion.begin(), kVersion.end(), bytes.begin() + 10);
    std::copy(image.begin(), image.end(), bytes.begin() + kDataFileHeaderSize);
    return bytes;
}

Outcome<RadioImage> ImageOfDataFile(std::span<const std::uint8_t> content,
                                    const std::filesystem::path& name, Lang lang) {
    if (content.size() < kDataFileSize) {
        return Failed(
            FileError(ErrorCode::kFileTooShort, name, std::to_string(content.size()), lang));
    }
    RadioImage image{};
    std::copy_n(content.begin() + kDataFileHeaderSize, kImageSize, image.begin());
    return image;
}

Outcome<RadioImage> ReadDataFile(const std::filesystem::path& path, Lang lang) {
    const auto content = ReadDataFileBytes(path, lang);
    if (!content.ok()) {
        return Failed(content.status());
    }
    return ImageOfDataFile(content.value(), path, lang);
}

Outcome<std::vector<std::uint8_t>> ReadDataFileBytes(const std::filesystem::path& path, Lang lang) {
    // Anything but a regular file is refused before it is opened: opening a pipe would wait
    // for a writer, opening a device may act on it. The descriptor is checked once more, as
    // the name may have changed in between, and opened without waiting.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        const int error = errno;
        return Failed(
            FileError(error == ENOENT ? ErrorCode::kFileMissing : ErrorCode::kFileUnreadable, path,
                      std::generic_category().message(error), lang));
    }
    if (!S_ISREG(status.st_mode)) {
        return Failed(FileError(ErrorCode::kFileUnreadable, path, NotARegularFile(lang), lang));
    }
    const UniqueDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) {
        return Failed(FileError(ErrorCode::kFileUnreadable, path,
                                std::generic_category().message(errno), lang));
    }
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return Failed(FileError(ErrorCode::kFileUnreadable, path, NotARegularFile(lang), lang));
    }
    // Only the first 1074 bytes matter; one more tells nothing, so read exactly those.
    std::vector<std::uint8_t> content(kDataFileSize);
    std::size_t got = 0;
    int error = 0;
    while (got < content.size()) {
        const ssize_t n = ::read(fd.get(), content.data() + got, content.size() - got);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            error = errno;
            break;
        }
    }
    if (error != 0) {
        return Failed(FileError(ErrorCode::kFileUnreadable, path,
                                std::generic_category().message(error), lang));
    }
    content.resize(got);
    if (content.size() < kDataFileSize) {
        return Failed(FileError(ErrorCode::kFileTooShort, path, std::to_string(got), lang));
    }
    return content;
}

Status WriteDataFile(const std::filesystem::path& path, const RadioImage& image, Lang lang) {
    const std::string reason = WriteFileAtomically(path, DataFileBytes(image), lang);
    if (!reason.empty()) {
        return FileError(ErrorCode::kFileUnwritable, path, reason, lang);
    }
    return Status::Ok();
}

Status WriteDataFile(const std::filesystem::path& path, const RadioImage& image,
                     std::span<const std::uint8_t> header, Lang lang) {
    std::vector<std::uint8_t> bytes = DataFileBytes(image);
    std::copy_n(header.begin(), std::min(header.size(), kDataFileHeaderSize), bytes.begin());
    const std::string reason = WriteFileAtomically(path, bytes, lang);
    if (!reason.empty()) {
        return FileError(ErrorCode::kFileUnwritable, path, reason, lang);
    }
    return Status::Ok();
}

Status CheckDataFileSavable(const std::filesystem::path& path, Lang lang) {
    const std::string reason = CheckReplaceable(path, lang);
    if (!reason.empty()) {
        return FileError(ErrorCode::kFileUnwritable, path, reason, lang);
    }
    return Status::Ok();
}

Status OpenDataFile(const std::filesystem::path& path, EditorState& editor) {
    const auto image = ReadDataFile(path, LanguageOf(editor.LanguageFlag));
    if (!image.ok()) {
        return image.status();
    }
    DecodeImage(image.value(), editor);
    return Status::Ok();
}

Status SaveDataFile(const std::filesystem::path& path, const EditorState& editor) {
    const auto image = EncodeImage(editor);
    if (!image.ok()) {
        return image.status();
    }
    return WriteDataFile(path, image.value(), LanguageOf(editor.LanguageFlag));
}

}  // namespace m742
