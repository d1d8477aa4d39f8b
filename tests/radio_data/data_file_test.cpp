#include "radio_data/data_file.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"
#include "texts/message_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "special_files.h"
#include "temp_folder.h"
#include "texts/store_refusal.h"

namespace m742 {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// Only the file itself is left in the folder: no temporary files behind.
std::size_t FilesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class DataFile : public ::testing::Test {
protected:
    testing::TempFolder folder;
    EditorState editor = StartupEditor();
};

TEST_F(DataFile, SavedFileIsHeaderThenImage) {
    editor.password = "7";
    SetMemoryCellText(editor, 1, 1, "460.12500");
    const auto path = folder / "plan.DAT";
    ASSERT_TRUE(SaveDataFile(path, editor, Lang::English).ok());
    const Bytes bytes = ReadAll(path);
    ASSERT_EQ(bytes.size(), 1074u);
    const Bytes header = {'Z',  'M',  'R', '4', '7', 'C', 0xFF, 0xFF,
                          0xFF, 0xFF, 'V', '0', '1', '0', '0'};
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 15), header);
    EXPECT_EQ(Bytes(bytes.begin() + 15, bytes.begin() + 50), Bytes(35, 0xFF));
    EXPECT_EQ(bytes[50], '7');   // first password byte
    EXPECT_EQ(bytes[66], 0x00);  // first byte of memory channel 1: 460.12500 is 00 25 01 46
    EXPECT_EQ(bytes[69], 0x46);
    const auto image = EncodeImage(editor, Lang::English).value();
    EXPECT_EQ(Bytes(bytes.begin() + 50, bytes.end()), Bytes(image.begin(), image.end()));
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST_F(DataFile, SavingOverALongerFileLeavesNoTail) {
    const auto path = folder / "plan.DAT";
    WriteAll(path, Bytes(5000, 0x11));
    ASSERT_TRUE(SaveDataFile(path, editor, Lang::English).ok());
    EXPECT_EQ(ReadAll(path).size(), 1074u);
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST_F(DataFile, FailedSaveLeavesTheOldFile) {
    const auto path = folder / "plan.DAT";
    const Bytes old(1074, 0x22);
    WriteAll(path, old);

    SetMemoryCellText(editor, 3, 1, "46.1");
    const Status refused = SaveDataFile(path, editor, Lang::English);
    EXPECT_EQ(refused.code, ErrorCode::kFrequencyRefused);
    EXPECT_EQ(ReadAll(path), old);

    const Status unwritable =
        SaveDataFile(folder / "no such folder" / "plan.DAT", StartupEditor(), Lang::English);
    EXPECT_EQ(unwritable.code, ErrorCode::kFileUnwritable);
    const std::string because = Worded(unwritable.message, Lang::English);
    EXPECT_NE(because.find("no such folder"), std::string::npos) << because;

    const Status onFolder = SaveDataFile(folder.path(), StartupEditor(), Lang::English);
    EXPECT_EQ(onFolder.code, ErrorCode::kFileUnwritable);
    EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST_F(DataFile, OpenRefusesWithoutTouchingTheEditor) {
    const auto shortFile = folder / "short.DAT";
    WriteAll(shortFile, Bytes(1073, 0x00));
    struct Case {
        std::filesystem::path path;
        ErrorCode code;
        const char* english;
        const char* chinese;
    };
    std::vector<Case> cases = {
        {folder / "missing.DAT", ErrorCode::kFileMissing, "the file does not exist", "文件不存在"},
        {shortFile, ErrorCode::kFileTooShort, "it holds 1073 bytes", "1073 个字节"},
        {folder.path(), ErrorCode::kFileUnreadable, "Cannot read", "无法读取"},
    };
    // Refused at once: a pipe must not wait for a writer, a device is not read.
    for (const auto kind : {testing::FileKind::kPipe, testing::FileKind::kDevice}) {
        const auto path = folder / (kind == testing::FileKind::kPipe ? "pipe.DAT" : "null.DAT");
        if (testing::MakeFileKind(kind, path, "")) {
            cases.push_back(
                {path, ErrorCode::kFileUnreadable, ": not a regular file.", "：不是普通文件。"});
        }
    }
    for (const auto& c : cases) {
        for (std::int16_t flag : {1, 0}) {
            EditorState target = StartupEditor();
            SetMemoryCellText(target, 2, 1, "460.00000");
            const EditorState before = target;
            const Status status = OpenDataFile(c.path, target);
            EXPECT_EQ(status.code, c.code) << c.path;
            const std::string message = Worded(status.message, LanguageOf(flag));
            EXPECT_NE(message.find(flag ? c.english : c.chinese), std::string::npos) << message;
            EXPECT_NE(message.find(c.path.string()), std::string::npos) << message;
            EXPECT_EQ(target, before);
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "missing.DAT"));
}

// Only a data file is opened as one; anything else is refused with what it looks like, unless
// the caller takes any content (the window, after asking), which opens a file with another
// header or a tail as the original program did.
TEST_F(DataFile, OnlyADataFileOpensUnlessAnyContentIsTaken) {
    EditorState saved = StartupEditor();
    SetMemoryCellText(saved, 4, 1, "470.00000");
    SetMemoryCellText(saved, 4, 3, "470.00000");
    const Bytes good = DataFileBytes(EncodeImage(saved, Lang::English).value());
    Bytes otherHeader = good;
    std::fill(otherHeader.begin(), otherHeader.begin() + 50, 0x00);
    Bytes tail = good;
    tail.resize(3000, 0x5A);
    const auto text = [](std::string_view t) { return Bytes(t.begin(), t.end()); };
    const std::string json(1835, ' ');
    const struct {
        const char* name;
        Bytes content;
        ErrorCode code;  // kNone: a data file
        const char* says;
    } cases[] = {
        {"good.DAT", good, ErrorCode::kNone, ""},
        {"header.DAT", otherHeader, ErrorCode::kNotDataFile, "does not start with a data file's"},
        {"tail.DAT", tail, ErrorCode::kNotDataFile, "it holds 3000 bytes"},
        {"plan.json", text("{\"format\": \"m742-plan\"" + json + "}"), ErrorCode::kNotDataFile,
         "\"m742-cli encode\" saves it"},
        {"list.csv", text("Location,Name,Frequency\r\n1,,460.125000\r\n"), ErrorCode::kFileTooShort,
         "\"m742-cli import-csv\" read"},
        {"report.pdf", text("%PDF-1.4\n" + json), ErrorCode::kNotDataFile, "PDF document"},
        {"notes.txt", text("channel plan\n"), ErrorCode::kFileTooShort, "text file"},
        {"empty.DAT", {}, ErrorCode::kFileTooShort, "it is empty"},
    };
    for (const auto& c : cases) {
        const auto path = folder / c.name;
        WriteAll(path, c.content);
        editor = StartupEditor();
        const Status strict = OpenDataFile(path, editor);
        EXPECT_EQ(strict.code, c.code) << c.name;
        const std::string message = Worded(strict.message, Lang::English);
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
        const bool opens = c.content.size() >= good.size();
        EXPECT_EQ(OpenDataFile(path, editor, DataFileCheck::kAnyContent).ok(), opens) << c.name;
        if (opens && c.content[60] == good[60]) {
            EXPECT_EQ(MemoryCellText(editor, 4, 1, Lang::English), "470.00000") << c.name;
        }
    }
}

}  // namespace
}  // namespace m742
