#include "radio_data/data_file.h"

#include <algorithm>
#include <string>

#include "radio_data/atomic_file.h"
#include "radio_data/codec.h"
#include "radio_data/file_reading.h"
#include "radio_data/text_codes.h"
#include "texts/file_texts.h"

namespace m742 {

namespace {

constexpr std::string_view kModel = "ZMR47C";
constexpr std::string_view kVersion = "V0100";
// The header's model and version, the bytes that tell a data file.
constexpr std::string_view kSignature{"ZMR47C\xFF\xFF\xFF\xFFV0100\xFF", 16};
// Enough of a file to tell what it is.
constexpr std::size_t kHeadSize = 4096;

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r\n";
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    const std::size_t first = text.find_first_not_of(kBlank);
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// The first line that is not a comment of a CSV file names Location and Frequency.
bool LooksLikeChirpCsv(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : Trimmed(text.substr(end));
        if (line.starts_with('#')) {
            continue;
        }
        const std::string lower = AsciiLower(line);
        return lower.find("location") != std::string::npos &&
               lower.find("frequency") != std::string::npos;
    }
    return false;
}

// Text: UTF-8 without control characters but line ends and tabs (a character cut off at the
// end of the head is no sign of anything else).
bool LooksLikeText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            if (byte < 0x20 && byte != '\n' && byte != '\r' && byte != '\t') {
                return false;
            }
            ++i;
            continue;
        }
        std::size_t length = 0;
        if (byte >= 0xC2 && byte <= 0xDF) {
            length = 2;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            length = 3;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            length = 4;
        } else {
            return false;
        }
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// Why content of `size` bytes starting with `head` is no data file.
Status NotDataFile(std::string_view head, std::uintmax_t size, const std::filesystem::path& name) {
    const std::string_view text = Trimmed(head);
    const Bilingual* why = nullptr;
    if (size == 0) {
        why = &kDataFileEmpty;
    } else if (head.starts_with(kSignature)) {
        why = size < kDataFileSize ? &kDataFileTooShort : &kDataFileWrongSize;
    } else if (head.starts_with("%PDF-")) {
        why = &kDataFileIsPdf;
    } else if (text.starts_with('{') || text.starts_with('[')) {
        why = &kDataFileIsJson;
    } else if (LooksLikeChirpCsv(text)) {
        why = &kDataFileIsCsv;
    } else if (LooksLikeText(head)) {
        why = &kDataFileIsText;
    } else {
        why = size < kDataFileSize ? &kDataFileTooShort : &kDataFileNoHeader;
    }
    const ErrorCode code =
        size < kDataFileSize ? ErrorCode::kFileTooShort : ErrorCode::kNotDataFile;
    return {code, {why, {QuotedName{name.string()}, std::to_string(size)}}, name.string()};
}

Status CannotSave(const std::filesystem::path& name, MessagePart reason) {
    return {ErrorCode::kFileUnwritable,
            {&kFileUnwritableText, {QuotedName{name.string()}, std::move(reason)}},
            name.string()};
}

// Writes `bytes` as the whole content of `path`, atomically: how every file the user names is
// saved, a data file or one of another kind.
Status SaveWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    Reason reason = WriteFileAtomically(path, bytes);
    return reason ? CannotSave(path, std::move(*reason)) : Status::Ok();
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
                                    const std::filesystem::path& name) {
    if (content.size() < kDataFileSize) {
        return Failed(NotDataFile({reinterpret_cast<const char*>(content.data()), content.size()},
                                  content.size(), name));
    }
    RadioImage image{};
    std::copy_n(content.begin() + kDataFileHeaderSize, kImageSize, image.begin());
    return image;
}

bool IsDataFileContent(std::string_view head, std::uintmax_t size) {
    return size == kDataFileSize && head.starts_with(kSignature);
}

Outcome<RadioImage> ReadDataFile(const std::filesystem::path& path, DataFileCheck check) {
    const auto content = ReadDataFileBytes(path, check);
    if (!content.ok()) {
        return Failed(content.status());
    }
    return ImageOfDataFile(content.value(), path);
}

Outcome<std::vector<std::uint8_t>> ReadDataFileBytes(const std::filesystem::path& path,
                                                     DataFileCheck check) {
    const auto head = ReadFileHead(path, kHeadSize);
    if (!head.ok()) {
        return Failed(head.status());
    }
    const std::string& bytes = head.value().bytes;
    const std::uintmax_t size = head.value().size;
    bool accepted = false;
    switch (check) {
        case DataFileCheck::kDataFile:
            accepted = IsDataFileContent(bytes, size);
            break;
        case DataFileCheck::kAnyHeader:
            accepted = size == kDataFileSize;
            break;
        case DataFileCheck::kAnyContent:
            accepted = size >= kDataFileSize;
            break;
    }
    if (!accepted || bytes.size() < kDataFileSize) {
        return Failed(NotDataFile(bytes, size, path));
    }
    return std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + kDataFileSize);
}

Status WriteDataFile(const std::filesystem::path& path, const RadioImage& image) {
    return SaveWholeFile(path, DataFileBytes(image));
}

Status WriteDataFileBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    return SaveWholeFile(path, bytes);
}

bool HoldsDataFile(const std::filesystem::path& path) {
    // Only the file's start is looked at; a file that cannot be read is the write's to report.
    const auto head = ReadFileHead(path, kSignature.size());
    return head.ok() && IsDataFileContent(head.value().bytes, head.value().size);
}

Status DataFileNotReplaced(const std::filesystem::path& path) {
    return CannotSave(path, &kWouldReplaceDataFile);
}

Status WriteOtherFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    if (HoldsDataFile(path)) {
        return DataFileNotReplaced(path);
    }
    return SaveWholeFile(path, bytes);
}

Status CheckDataFileSavable(const std::filesystem::path& path) {
    Reason reason = CheckReplaceable(path);
    return reason ? CannotSave(path, std::move(*reason)) : Status::Ok();
}

Status OpenDataFile(const std::filesystem::path& path, EditorState& editor, DataFileCheck check) {
    const auto image = ReadDataFile(path, check);
    if (!image.ok()) {
        return image.status();
    }
    DecodeImage(image.value(), editor);
    return Status::Ok();
}

}  // namespace m742
