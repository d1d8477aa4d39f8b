// Replacing a file through a writer that works by file name (the printer's PDF): the target
// changes only when the writer succeeded, and no temporary file outlives the call. Every
// writer follows links, keeps permission bits and refuses what it may not replace.
#include "radio_data/atomic_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <stdexcept>

#include "radio_data/data_file.h"
#include "special_files.h"
#include "temp_folder.h"

namespace m742 {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> Content(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> Listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

TEST(AtomicFileTest, ReplacingByNameChangesTheTargetOnlyWhenTheWriterSucceeds) {
    struct Case {
        const char* name;
        std::function<std::string(const fs::path&)> write;
        bool replaced;
        std::string reason;  // "" for an exception
    };
    const Case cases[] = {
        {"writes",
         [](const fs::path& file) {
             std::ofstream(file) << "new content";
             return std::string();
         },
         true, ""},
        {"fails half-way",
         [](const fs::path& file) {
             std::ofstream(file) << "new";
             return std::string("disk full");
         },
         false, "disk full"},
        {"throws",
         [](const fs::path& file) -> std::string {
             std::ofstream(file) << "new content";
             throw std::runtime_error("painter crashed");
         },
         false, ""},
        {"loses its file",
         [](const fs::path& file) {
             fs::remove(file);
             return std::string();
         },
         false, "No such file or directory"},
    };
    for (const Case& c : cases) {
        for (const bool existed : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (existed ? ", over a file" : ", new file"));
            testing::TempFolder folder;
            const fs::path target = folder / "report.pdf";
            if (existed) {
                std::ofstream(target) << "old content, longer than the new one";
            }
            fs::path given;
            std::string reason = "(threw)";
            const auto write = [&](const fs::path& temporary) {
                given = temporary;
                EXPECT_EQ(Content(temporary), "") << "the writer gets a new, empty file";
                return c.write(temporary);
            };
            try {
                reason = ReplaceFileAtomically(target, write, Lang::English);
            } catch (const std::runtime_error&) {
            }
            EXPECT_EQ(given.parent_path(), folder.path()) << "the rename must stay in the folder";
            if (c.replaced) {
                EXPECT_EQ(reason, "");
                EXPECT_EQ(Content(target), "new content");
            } else {
                EXPECT_EQ(reason, c.reason.empty() ? "(threw)" : c.reason);
                EXPECT_EQ(Content(target), existed ? std::optional<std::string>(
                                                         "old content, longer than the new one")
                                                   : std::nullopt);
            }
            const std::set<std::string> left = c.replaced || existed
                                                   ? std::set<std::string>{"report.pdf"}
                                                   : std::set<std::string>{};
            EXPECT_EQ(Listing(folder.path()), left);
        }
    }
}

TEST(AtomicFileTest, SavesFollowLinksKeepModesAndRefuseWhatTheyMayNotReplace) {
    RadioImage image{};
    image.fill(0x42);
    const std::vector<std::uint8_t> data = DataFileBytes(image);
    struct Writer {
        const char* name;
        Lang lang;
        std::function<std::string(const fs::path&, Lang)> save;
        std::string content;  // what a save leaves; "old" for a check that writes nothing
    };
    const Writer writers[] = {
        {"data file", Lang::English,
         [&image](const fs::path& file, Lang lang) {
             return WriteDataFile(file, image, lang).message;
         },
         std::string(data.begin(), data.end())},
        {"data file in Chinese", Lang::Chinese,
         [&image](const fs::path& file, Lang lang) {
             return WriteDataFile(file, image, lang).message;
         },
         std::string(data.begin(), data.end())},
        {"file written by name", Lang::English,
         [](const fs::path& file, Lang lang) {
             return ReplaceFileAtomically(
                 file,
                 [](const fs::path& temporary) {
                     std::ofstream(temporary) << "new";
                     return std::string();
                 },
                 lang);
         },
         "new"},
        {"check before a read", Lang::Chinese,
         [](const fs::path& file, Lang lang) { return CheckDataFileSavable(file, lang).message; },
         "old"},
    };
    for (const auto& kind : testing::kFileKinds) {
        for (const Writer& writer : writers) {
            SCOPED_TRACE(std::string(writer.name) + " over " + kind.name);
            testing::TempFolder folder;
            const fs::path file = folder / "x.DAT";
            if (!testing::MakeFileKind(kind.kind, file, "old")) {
                continue;  // a device node needs root
            }
            const std::string before = testing::Describe(file);
            const std::set<std::string> names = Listing(folder.path());
            const std::string reason = writer.save(file, writer.lang);
            EXPECT_EQ(Listing(folder.path()), names) << "a file was left or a link replaced";
            if (kind.replaced) {
                EXPECT_EQ(reason, "");
                EXPECT_EQ(testing::Describe(file),
                          writer.content == "old"
                              ? before
                              : testing::DescribeReplaced(kind.kind, writer.content));
                continue;
            }
            EXPECT_EQ(testing::Describe(file), before);
            EXPECT_NE(reason, "");
            if (kind.kind != testing::FileKind::kReadOnly) {
                EXPECT_NE(reason.find(writer.lang == Lang::English ? "not a regular file"
                                                                   : "不是普通文件"),
                          std::string::npos)
                    << reason;
            }
            if (writer.content != "new") {  // the data file's messages name the file
                EXPECT_NE(reason.find(file.string()), std::string::npos) << reason;
            }
        }
    }
}

}  // namespace
}  // namespace m742
