// Backup copies: names that say when and what, numbers shared by both kinds within a second,
// listing newest first with the first channels, and a folder that cannot be used.
#include "radio_data/backups.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "radio_data/data_file.h"
#include "radio_data/layout.h"
#include "temp_folder.h"

namespace m742 {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// An image whose channels `rx` hold these BCD frequencies (low pair first); others empty.
RadioImage ImageWith(const std::vector<std::pair<int, std::array<std::uint8_t, 4>>>& rx) {
    RadioImage image = BlankImage();
    for (const auto& [channel, code] : rx) {
        std::copy(code.begin(), code.end(), image.begin() + MemoryChannelAddress(channel));
    }
    return image;
}

TEST(BackupNames, NameAndParseAgree) {
    const struct {
        BackupKind kind;
        int sequence;
        const char* port;  // as given
        const char* tag;   // as the name keeps it
        const char* name;
    } cases[] = {
        {BackupKind::kRead, 1, "", "", "M-742-20261208-040652.DAT"},
        {BackupKind::kRead, 3, "", "", "M-742-20261208-040652-3.DAT"},
        {BackupKind::kBeforeWrite, 1, "", "", "M-742-20261208-040652-write.DAT"},
        {BackupKind::kBeforeWrite, 12, "", "", "M-742-20261208-040652-12-write.DAT"},
        {BackupKind::kRead, 1, "COM2", "COM2", "M-742-20261208-040652-COM2.DAT"},
        {BackupKind::kRead, 2, "/dev/pts/3", "pts-3", "M-742-20261208-040652-2-pts-3.DAT"},
        {BackupKind::kRead, 1, "/dev/radio", "", "M-742-20261208-040652.DAT"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BackupFileName("20261208-040652", c.kind, c.sequence, c.port), c.name);
        const auto parsed = ParseBackupName(c.name);
        ASSERT_TRUE(parsed.has_value()) << c.name;
        EXPECT_EQ(parsed->port, c.tag) << c.name;
        EXPECT_EQ(parsed->kind, c.kind) << c.name;
        EXPECT_EQ(parsed->sequence, c.sequence) << c.name;
        EXPECT_EQ(parsed->date(), "2026-12-08");
        EXPECT_EQ(parsed->time(), "04:06:52");
    }
    EXPECT_TRUE(ParseBackupName("M-742-20261208-040652.dat").has_value());
}

TEST(BackupNames, OtherNamesAreNotBackups) {
    for (const char* name :
         {"M-742-20261208-0406.DAT", "M-742-20261208-040652-1.DAT", "M-742-20261208-040652-02.DAT",
          "M-742-20261208-040652-read.DAT", "M-742-20261208-040652-write-2.DAT",
          "M-742-2026120a-040652.DAT", "M-742-20261208_040652.DAT", "M-743-20261208-040652.DAT",
          "M-742-20261208-040652.DAT.tmp", "M-742-20261208-040652", "plan.DAT", ""}) {
        EXPECT_FALSE(ParseBackupName(name).has_value()) << name;
    }
}

TEST(BackupNames, StampOfALocalTime) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 0;
    local.tm_mday = 5;
    local.tm_hour = 9;
    local.tm_min = 3;
    local.tm_sec = 7;
    EXPECT_EQ(BackupStamp(local), "20260105-090307");
}

TEST(KeepBackup, CopiesOfOneSecondAreNumberedAcrossBothKinds) {
    TempFolder temp;
    const fs::path folder = temp / "deep/backups";  // made when missing
    const RadioImage image = ImageWith({{1, {0x00, 0x25, 0x01, 0x46}}});
    const BackupKind kinds[] = {BackupKind::kRead, BackupKind::kBeforeWrite, BackupKind::kRead,
                                BackupKind::kBeforeWrite};
    const char* expected[] = {"M-742-20261208-040652.DAT", "M-742-20261208-040652-2-write.DAT",
                              "M-742-20261208-040652-3.DAT", "M-742-20261208-040652-4-write.DAT"};
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        const KeptBackup kept = KeepBackup(folder, image, kinds[i], "20261208-040652");
        ASSERT_TRUE(kept.ok());
        EXPECT_EQ(kept.path, folder / expected[i]);
        EXPECT_EQ(ReadDataFile(kept.path).value(), image);
        EXPECT_EQ(fs::file_size(kept.path), kDataFileSize);
    }
}

TEST(KeepBackup, AFolderThatCannotBeMadeSaysWhy) {
    TempFolder temp;
    std::ofstream(temp / "file") << "not a folder";
    const KeptBackup kept =
        KeepBackup(temp / "file", BlankImage(), BackupKind::kRead, "20261208-040652");
    EXPECT_FALSE(kept.ok());
    EXPECT_FALSE(kept.ok());
    EXPECT_EQ(fs::file_size(temp / "file"), 12u);
}

TEST(ListBackups, NewestFirstWithKindAndFirstChannels) {
    TempFolder temp;
    const RadioImage three = ImageWith({{2, {0x00, 0x25, 0x01, 0x46}},
                                        {5, {0x50, 0x62, 0x00, 0x45}},
                                        {9, {0x00, 0x00, 0x00, 0x47}},
                                        {16, {0x00, 0x00, 0x00, 0x44}}});
    const RadioImage none = BlankImage();
    ASSERT_TRUE(KeepBackup(temp.path(), none, BackupKind::kRead, "20261207-235959").ok());
    ASSERT_TRUE(KeepBackup(temp.path(), three, BackupKind::kBeforeWrite, "20261208-040652").ok());
    ASSERT_TRUE(KeepBackup(temp.path(), three, BackupKind::kRead, "20261208-040652").ok());
    std::ofstream(temp / "M-742-20261208-050000.DAT") << "short";  // listed, but unreadable
    std::ofstream(temp / "plan.DAT") << "not a backup";
    fs::create_directory(temp / "M-742-20261209-000000.DAT");  // a folder is not a backup

    const std::vector<BackupEntry> list = ListBackups(temp.path());
    ASSERT_EQ(list.size(), 4u);
    const struct {
        const char* name;
        BackupKind kind;
        bool readable;
        std::vector<std::string> channels;
    } expected[] = {
        {"M-742-20261208-050000.DAT", BackupKind::kRead, false, {}},
        {"M-742-20261208-040652-2.DAT",
         BackupKind::kRead,
         true,
         {"460.12500", "450.06250", "470.00000"}},
        {"M-742-20261208-040652-write.DAT",
         BackupKind::kBeforeWrite,
         true,
         {"460.12500", "450.06250", "470.00000"}},
        {"M-742-20261207-235959.DAT", BackupKind::kRead, true, {}},
    };
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i].path.filename(), expected[i].name) << i;
        EXPECT_EQ(list[i].kind, expected[i].kind) << i;
        EXPECT_EQ(list[i].readable, expected[i].readable) << i;
        EXPECT_EQ(list[i].firstChannels, expected[i].channels) << i;
    }
    EXPECT_TRUE(ListBackups(temp / "missing").empty());
}

}  // namespace
}  // namespace m742
