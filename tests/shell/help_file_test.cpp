#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/help_file.h"
#include "temp_folder.h"

namespace m742 {
namespace {

namespace fs = std::filesystem;

enum class Entry { kNone, kFile, kFolder, kLinkToFile, kDanglingLink };

// Puts `entry` at `path`; `target` is the file a link points to.
void Make(Entry entry, const fs::path& path, const fs::path& target) {
    fs::create_directories(path.parent_path());
    switch (entry) {
        case Entry::kNone:
            break;
        case Entry::kFile:
            std::ofstream(path) << "<html></html>";
            break;
        case Entry::kFolder:
            fs::create_directory(path);
            break;
        case Entry::kLinkToFile:
            std::ofstream(target) << "<html></html>";
            fs::create_symlink(target, path);
            break;
        case Entry::kDanglingLink:
            fs::create_symlink(target, path);
            break;
    }
}

enum class Found { kNothing, kBeside, kInstalled };

// Where an installation keeps the help files: PREFIX/share/doc/m742 for a program in PREFIX/bin;
// beside the program on Windows.
fs::path InstalledHelpFolder(const fs::path& program) {
#ifdef _WIN32
    return program;
#else
    return program.parent_path() / "share" / "doc" / "m742";
#endif
}

// The program in PREFIX/bin; beside it, and in PREFIX/share/doc/m742, whatever the case puts there.
TEST(HelpFile, FirstExistingFileBesideTheProgramThenInTheInstalledLayout) {
#ifdef _WIN32
    GTEST_SKIP() << "a Windows installation keeps the help files beside the program";
#endif
    const struct {
        const char* name;
        Entry beside;
        Entry installed;
        Found found;
    } cases[] = {
        {"neither", Entry::kNone, Entry::kNone, Found::kNothing},
        {"beside only", Entry::kFile, Entry::kNone, Found::kBeside},
        {"installed only", Entry::kNone, Entry::kFile, Found::kInstalled},
        {"both: beside wins", Entry::kFile, Entry::kFile, Found::kBeside},
        {"a folder of that name is no file", Entry::kFolder, Entry::kFile, Found::kInstalled},
        {"a link to a file counts", Entry::kLinkToFile, Entry::kFile, Found::kBeside},
        {"a dangling link does not", Entry::kDanglingLink, Entry::kFile, Found::kInstalled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const testing::TempFolder temp;
        const fs::path program = temp / "prefix" / "bin";
        const fs::path beside = program / "M-742.html";
        const fs::path installed = temp / "prefix" / "share" / "doc" / "m742" / "M-742.html";
        fs::create_directories(program);
        Make(c.beside, beside, temp / "elsewhere-beside.html");
        Make(c.installed, installed, temp / "elsewhere-installed.html");

        const fs::path found = HelpFilePath(program);
        switch (c.found) {
            case Found::kNothing:
                EXPECT_TRUE(found.empty()) << found;
                break;
            case Found::kBeside:
                ASSERT_FALSE(found.empty());
                EXPECT_TRUE(fs::equivalent(found, beside)) << found;
                break;
            case Found::kInstalled:
                ASSERT_FALSE(found.empty());
                EXPECT_TRUE(fs::equivalent(found, installed)) << found;
                // A browser shows the address: it names the file without going through bin/..
                EXPECT_EQ(found, fs::canonical(installed));
                break;
        }
    }
}

// Each interface language has its own guide, and never falls back on the other language's.
TEST(HelpFile, GuideOfTheInterfaceLanguage) {
    const struct {
        const char* name;
        bool english;
        bool chinese;
        Lang lang;
        const char* found;  // nullptr: nothing
    } cases[] = {
        {"English of both", true, true, Lang::English, "M-742.html"},
        {"Chinese of both", true, true, Lang::Chinese, "M-742.zh.html"},
        {"Chinese, only English there", true, false, Lang::Chinese, nullptr},
        {"English, only Chinese there", false, true, Lang::English, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const testing::TempFolder temp;
        const fs::path program = temp / "bin";
        fs::create_directories(program);
        if (c.english) {
            Make(Entry::kFile, program / "M-742.html", {});
        }
        if (c.chinese) {
            Make(Entry::kFile, InstalledHelpFolder(program) / "M-742.zh.html", {});
        }
        const fs::path found = HelpFilePath(program, c.lang);
        if (c.found == nullptr) {
            EXPECT_TRUE(found.empty()) << found;
        } else {
            EXPECT_EQ(found.filename(), c.found);
        }
    }
    EXPECT_STREQ(HelpFileName(Lang::English), "M-742.html");
    EXPECT_STREQ(HelpFileName(Lang::Chinese), "M-742.zh.html");
}

// A missing guide is named where it belongs: beside a build's program, else where the
// installation keeps it.
TEST(HelpFile, MissingGuideIsNamedWhereItBelongs) {
    const testing::TempFolder temp;
    const fs::path build = temp / "build" / "bin";
    fs::create_directories(build);
    std::ofstream(temp / "build" / "CMakeCache.txt") << "# CMake\n";
    const fs::path installed = temp / "usr" / "bin";
    EXPECT_EQ(ExpectedHelpFilePath(build, Lang::English), build / "M-742.html");
    EXPECT_EQ(ExpectedHelpFilePath(installed, Lang::Chinese),
              InstalledHelpFolder(installed) / "M-742.zh.html");
}

// The installed candidate goes through the program folder: "missing/.." is no path to share/.
TEST(HelpFile, MissingProgramFolderGivesNothing) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows takes away \"missing\\..\" by the name alone, folder or not";
#endif
    const testing::TempFolder temp;
    Make(Entry::kFile, temp / "share" / "doc" / "m742" / "M-742.html", {});
    EXPECT_TRUE(HelpFilePath(temp / "missing").empty());
}

}  // namespace
}  // namespace m742
