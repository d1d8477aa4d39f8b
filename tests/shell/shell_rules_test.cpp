#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "shell/panel_rules.h"
#include "shell/preferences.h"
#include "special_files.h"
#include "temp_folder.h"

namespace m742 {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Preferences, MissingBytesReadAsZero) {
    const struct {
        Bytes file;
        Preferences read;
    } cases[] = {
        {{}, {0, 0, 0}},
        {{1}, {1, 0, 0}},
        {{1, 3}, {1, 3, 0}},
        {{1, 3, 1}, {1, 3, 1}},
        {{2, 9, 2, 0, 7, 7}, {2, 9, 2}},
    };
    for (const auto& c : cases) {
        const Preferences p = ParsePreferences(c.file);
        EXPECT_EQ(p.lock, c.read.lock);
        EXPECT_EQ(p.portNumber, c.read.portNumber);
        EXPECT_EQ(p.languageFlag, c.read.languageFlag);
    }
}

TEST(Preferences, WrittenAsFourBytesKeepingAnyTail) {
    EXPECT_EQ(PreferenceBytes({}, false, 1, 1), (Bytes{0, 1, 1, 0}));
    EXPECT_EQ(PreferenceBytes({}, true, 3, 1), (Bytes{1, 3, 1, 0}));
    EXPECT_EQ(PreferenceBytes(Bytes{2, 3}, true, 0, 0), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(PreferenceBytes(Bytes{0, 0, 0, 0, 9, 8}, false, 8, 258), (Bytes{0, 8, 2, 1, 9, 8}));
    EXPECT_EQ(PreferenceBytes({}, false, 0, -1), (Bytes{0, 0, 0xFF, 0xFF}));
}

TEST(Preferences, SaveAndLoadThroughTheFile) {
    const testing::TempFolder folder;
    const auto path = folder / "config" / "parameter";  // the folder is made as needed
    EXPECT_EQ(LoadPreferences(path).portNumber, 0);
    ASSERT_EQ(SavePreferences(path, true, 5, 1), "");
    const Preferences p = LoadPreferences(path);
    EXPECT_EQ(p.lock, 1);
    EXPECT_EQ(p.portNumber, 5);
    EXPECT_EQ(p.languageFlag, 1);
    EXPECT_NE(SavePreferences(folder.path(), false, 1, 0), "");  // a folder is no file
}

// A first start speaks the desktop's language; once the file exists, it decides. ("zhx" is
// a language whose code merely begins with "zh".)
TEST(Preferences, FirstStartFollowsTheDesktopLanguage) {
    const struct {
        const char* locale;
        std::uint8_t flag;
    } cases[] = {
        {"zh_CN.UTF-8", 0}, {"zh_TW", 0},   {"zh", 0},     {"", 0},
        {"C", 0},           {"C.UTF-8", 0}, {"POSIX", 0},  {"en_US.UTF-8", 1},
        {"de_DE@euro", 1},  {"fr", 1},      {"zhx_YY", 1},
    };
    const testing::TempFolder folder;
    const auto missing = folder / "parameter";
    for (const auto& c : cases) {
        EXPECT_EQ(FirstStartLanguageFlag(c.locale), c.flag) << c.locale;
        EXPECT_EQ(StartupPreferences(missing, c.locale).languageFlag, c.flag) << c.locale;
    }
    // An empty file, as the original program created it, is Chinese whatever the desktop.
    std::ofstream(missing).flush();
    EXPECT_EQ(StartupPreferences(missing, "en_US.UTF-8").languageFlag, 0);
    ASSERT_EQ(SavePreferences(missing, false, 2, 0), "");
    EXPECT_EQ(StartupPreferences(missing, "en_US.UTF-8").portNumber, 2);
    EXPECT_EQ(StartupPreferences(missing, "en_US.UTF-8").languageFlag, 0);
}

TEST(Preferences, SavedAsADataFileIs) {
    for (const auto& kind : testing::kFileKinds) {
        const testing::TempFolder folder;
        const auto path = folder / "parameter";
        if (testing::MakeFileKind(kind.kind, path, "old")) {
            const std::string before = testing::Describe(path);
            EXPECT_EQ(SavePreferences(path, true, 2, 1).empty(), kind.replaced != nullptr);
            EXPECT_EQ(testing::Describe(path), kind.replaced != nullptr
                                                   ? kind.replaced + std::string("\1\2\1\0", 4)
                                                   : before)
                << kind.name;
        }
    }
}

// A build keeps the preferences beside its programs, so that its tests and runs leave the
// user's own alone; an installed program keeps them in the user's configuration folder.
TEST(Preferences, KeptBesideABuildElseWithTheUser) {
    const testing::TempFolder folder;
    const auto build = folder / "build";
    std::filesystem::create_directories(build / "bin");
    std::ofstream(build / "CMakeCache.txt") << "# CMake\n";
    const auto installed = folder / "usr" / "bin";
    std::filesystem::create_directories(installed);
    const auto home = folder / "home";
    const auto config = folder / "config";
    struct Case {
        std::filesystem::path program;
        std::filesystem::path configHome;
        std::filesystem::path home;
        std::filesystem::path expected;
    } cases[] = {
        {build / "bin", config, home, build / "bin" / "parameter"},
        {installed, config, home, config / "m742" / "parameter"},
        {installed, {}, home, home / ".config" / "m742" / "parameter"},
        {installed, "relative/config", home, home / ".config" / "m742" / "parameter"},
        {installed, {}, {}, installed / "parameter"},
        // The build folder itself, or a folder beside one, is not where a build's programs are.
        {build, config, home, config / "m742" / "parameter"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PreferencesPath(c.program, c.configHome, c.home), c.expected) << c.program;
    }
}

TEST(PanelRules, PasswordKeepsDigitsAndPointsUpToSix) {
    const std::pair<const char*, const char*> cases[] = {
        {"12.4", "12.4"}, {"1a2", "12"},   {"1234567", "123456"},
        {"abc", ""},      {" 1 2 ", "12"}, {"..........", "......"},
        {"１２", ""},  // full-width digits are not digits here
    };
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(FilterPassword(typed), kept) << typed;
    }
}

TEST(PanelRules, AniKeepsDtmfCharactersInUpperCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"a1*#d", "A1*#D"},         {"Ee+ ", ""},
        {"0123456789", "01234567"}, {"ABCDabcd", "ABCDABCD"},
        {"12AB*", "12AB*"},         {"x\t9", "9"},
        {"123456789", "12345678"},  {"x1x2x3x4x5x6x7x8x9", "12345678"},
    };
    for (const auto& [typed, kept] : cases) {
        EXPECT_EQ(FilterAni(typed), kept) << typed;
    }
}

// What comes in ends at the cursor: in a full box the newest characters are refused, wherever
// they were put.
TEST(PanelRules, AFullBoxRefusesTheNewestCharacters) {
    const struct {
        const char* text;  // the box's text after the edit
        std::size_t cursor;
        const char* kept;
        std::size_t keptCursor;
    } cases[] = {
        {"1234567890", 10, "12345678", 8},  // typed or pasted at the end
        {"90123456", 2, "90123456", 2},     // room enough
        {"9x01234567", 2, "01234567", 0},   // pasted in front of a full box's text
        {"0123456789", 0, "01234567", 0},   // the tail alone is too long
        {"ab", 9, "AB", 2},                 // a cursor past the end is at the end
    };
    for (const auto& c : cases) {
        const KeptEntry kept = KeepEntry(c.text, c.cursor, FilterAni, kAniBoxLength);
        EXPECT_EQ(kept.text, c.kept) << c.text;
        EXPECT_EQ(kept.cursor, c.keptCursor) << c.text;
    }
}

}  // namespace
}  // namespace m742
