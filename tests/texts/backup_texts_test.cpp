#include "texts/backup_texts.h"

#include <gtest/gtest.h>

namespace m742 {
namespace {

TEST(FillText, ReplacesNumberedPlaceholdersOnly) {
    const struct {
        const char* pattern;
        std::initializer_list<std::string_view> values;
        const char* expected;
    } cases[] = {
        {"Channel %1: %2", {"3", "RX"}, "Channel 3: RX"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1%1", {"x"}, "xx"},
        {"100% sure, %3 kept", {"a"}, "100% sure, %3 kept"},
        {"ends with %", {"a"}, "ends with %"},
        {"“%1”中", {"/tmp"}, "“/tmp”中"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FillText(c.pattern, c.values), c.expected) << c.pattern;
    }
}

TEST(BackupMenuTexts, BelongToTheMainWindowAndDifferByLanguage) {
    for (const TextRow& row : BackupMenuTexts()) {
        EXPECT_EQ(row.window, "Form1");
        EXPECT_EQ(row.property, TextProperty::kCaption);
        EXPECT_NE(row.zh, row.en) << row.control;
        // No access key of the menus these items join.
        for (const char* taken : {"(&N)", "(&O)", "(&S)", "(&P)", "(&Q)", "(&R)", "(&W)"}) {
            EXPECT_EQ(row.en.find(taken), std::string::npos) << row.control;
        }
    }
}

}  // namespace
}  // namespace m742
