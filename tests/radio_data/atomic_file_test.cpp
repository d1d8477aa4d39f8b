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
#include <tuple>

#include "radio_data/data_file.h"
#include "special_files.h"
#include "temp_folder.h"
#include "texts/message_text.h"

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

// A reason as the English front ends word it; the empty text for none.
std::string Text(const Reason& reason, Lang lang = Lang::English) {
    return reason ? Worded(*reason, lang) : std::string();
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
        std::function<Reason(const fs::path&)> write;
        bool replaced;
        std::string reason;  // "" for an exception
    };
    const Case cases[] = {
        {"writes",
         [](const fs::path& file) {
             std::ofstream(file) << "new content";
             return Reason();
         },
         true, ""},
        {"fails half-way",
         [](const fs::path& file) {
             std::ofstream(file) << "new";
             return Reason("disk full");
         },
         false, "disk full"},
        {"throws",
         [](const fs::path& file) -> Reason {
             std::ofstream(file) << "new content";
             throw std::runtime_error("painter crashed");
         },
         false, ""},
        {"loses its file",
         [](const fs::path& file) {
             fs::remove(file);
             return Reason();
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
                reason = Text(ReplaceFileAtomically(target, write));
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
    const RadioImage image{};
    using Save = std::function<std::string(const fs::path&, Lang)>;
    const Save byName = [](const fs::path& file, Lang lang) {
        return Text(ReplaceFileAtomically(file,
                                          [](const fs::path& temporary) {
                                              return std::ofstream(temporary) ? Reason()
                                                                              : Reason("?");
                                          }),
                    lang);
    };
    const std::tuple<const char*, Lang, Save> writers[] = {
        {"data file", Lang::English,
         [&](const fs::path& f, Lang l) { return Worded(WriteDataFile(f, image).message, l); }},
        {"data file", Lang::Chinese,
         [&](const fs::path& f, Lang l) { return Worded(WriteDataFile(f, image).message, l); }},
        {"by name", Lang::English, byName},
        {"check", Lang::Chinese,
         [](const fs::path& f, Lang l) { return Worded(CheckDataFileSavable(f).message, l); }},
    };
    for (const auto& kind : testing::kFileKinds) {
        for (const auto& [name, lang, save] : writers) {
            SCOPED_TRACE(std::string(name) + " over " + kind.name);
            testing::TempFolder folder;
            const fs::path file = folder / "x.DAT";
            if (!testing::MakeFileKind(kind.kind, file, "old")) {
                continue;
            }
            const std::string before = testing::Describe(file);
            const std::set<std::string> names = Listing(folder.path());
            const std::string reason = save(file, lang);
            EXPECT_EQ(Listing(folder.path()), names);
            const std::string after = testing::Describe(file);
            if (kind.replaced != nullptr) {
                EXPECT_EQ(reason, "");
                EXPECT_TRUE(after.starts_with(kind.replaced)) << after;
                EXPECT_EQ(after == before, std::string(name) == "check") << after;
                continue;
            }
            EXPECT_EQ(after, before);
            EXPECT_FALSE(reason.empty());
            if (kind.kind != testing::FileKind::kReadOnly) {
                EXPECT_NE(
                    reason.find(lang == Lang::English ? "not a regular file" : "不是普通文件"),
                    std::string::npos)
                    << reason;
            }
            EXPECT_NE(reason.find(std::string(name) == "by name" ? "" : file.string()),
                      std::string::npos);
        }
    }
}

}  // namespace
}  // namespace m742
