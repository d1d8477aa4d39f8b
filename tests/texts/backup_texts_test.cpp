#include "texts/backup_texts.h"

#include <gtest/gtest.h>

#include "texts/message_text.h"

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

// A message worded late: its parts take the language's quotes and words, a filled-in part is
// never read again for placeholders, and a whole message can stand in for a part.
TEST(Worded, FillsPartsInTheLanguageAndNeverRereadsThem) {
    static constexpr Bilingual kPattern{"“%1”：%2（%3）", "\"%1\": %2 (%3)"};
    static constexpr Bilingual kWord{"关", "Off"};
    static constexpr Bilingual kTwo{"%1，%2", "%1, %2"};
    const Message message{&kPattern, {"100%1", QuotedName{"a.DAT"}, Inner({&kTwo, {&kWord, "x"}})}};
    EXPECT_EQ(Worded(message, Lang::English), "\"100%1\": \"a.DAT\" (Off, x)");
    EXPECT_EQ(Worded(message, Lang::Chinese), "“100%1”：“a.DAT”（关，x）");
    EXPECT_EQ(Worded(Concatenated({"a", &kWord, Inner(Text(kWord))}), Lang::English), "aOffOff");
    EXPECT_EQ(Worded(Message{}, Lang::English), "");
    EXPECT_EQ(Worded(Message{&kTwo, {"only"}}, Lang::English), "only, %2");
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
