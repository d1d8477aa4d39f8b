// Saving an editor and opening it again gives the same editor, but for what the image does
// not keep: the password box, and an Off encode tone on a channel without a TX frequency.
#include <gtest/gtest.h>
#include "memory_rows.h"
#include "radio_data/layout.h"
#include "texts/grid_cells.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/layout.h"
#include "radio_data/tones.h"
#include "temp_folder.h"
#include "texts/list_texts.h"
#include "texts/store_refusal.h"

namespace m742 {
namespace {

int Pick(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// A frequency on the 5 kHz or the 6.25 kHz raster, as the grid editors leave them.
std::string RandomFrequency(std::mt19937& rng) {
    const int below100k = Pick(rng, 0, 1) == 0 ? 500 * Pick(rng, 0, 19) : 625 * Pick(rng, 0, 15);
    char text[16];
    std::snprintf(text, sizeof text, "%03d.%d%04d", Pick(rng, 400, 479), Pick(rng, 0, 9),
                  below100k);
    return text;
}

std::string RandomText(std::mt19937& rng, std::string_view alphabet, int maxLength) {
    std::string text;
    for (int i = Pick(rng, 0, maxLength); i > 0; --i) {
        text += alphabet[static_cast<std::size_t>(Pick(rng, 0, int(alphabet.size()) - 1))];
    }
    return text;
}

struct Case {
    EditorState editor;
    EditorState expected;  // what opening the saved file gives
};

Case RandomCase(std::mt19937& rng) {
    const std::int16_t flag = static_cast<std::int16_t>(Pick(rng, 0, 2));
    const Lang lang = LanguageOf(flag);
    Case c{StartupEditor(), StartupEditor()};
    EditorState& e = c.editor;
    EditorState& x = c.expected;
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = 5; col <= 8; ++col) {
            SetListPosition(
                MemoryChannelOf(e, row), col,
                static_cast<std::int16_t>(Pick(rng, 0, ListSize(GridColumnList(col)) - 1)));
        }
        if (Pick(rng, 0, 3) == 0) {
            continue;  // an empty channel: its list positions come back as 0
        }
        Row cells = MemoryRow(e, row);
        cells[1] = RandomFrequency(rng);
        cells[3] = Pick(rng, 0, 7) == 0 ? "" : RandomFrequency(rng);
        cells[2] = ListItem(ListId::kTone, Pick(rng, 0, kToneListSize - 1), lang);
        cells[4] = ListItem(ListId::kTone, Pick(rng, 0, kToneListSize - 1), lang);
        for (int col = 5; col <= 8; ++col) {
            cells[col] =
                ListItem(GridColumnList(col), ListPositionOf(MemoryChannelOf(e, row), col), lang);
        }
        SetMemoryRow(e, row, cells);
        SetMemoryRow(x, row, cells);
        if (cells[3].empty() && cells[4] == OffWord(lang)) {
            SetMemoryCellText(x, row, 4, "");
        }
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = 1; col <= 2; ++col) {
            SetDebugCellText(e, row, col, Pick(rng, 0, 4) == 0 ? "" : RandomFrequency(rng));
            SetDebugCellText(x, row, col, DebugCellText(e, row, col));
        }
    }
    e.password = RandomText(rng, "0123456789.", 6);
    e.ani = RandomText(rng, "0123456789ABCD*#", 10);
    x.ani = e.ani.substr(0, kAniLength);
    for (const SettingField& field : SettingFields()) {
        if (field.address == kNoAddress) {
            continue;
        }
        // The voice level alone keeps "no selection": its byte 00h reads back as none.
        const int lowest = field.name == "Combo13" ? -1 : 0;
        const int highest =
            field.read == ReadRule::kByteOrFallback ? field.max : ListSize(field.list) - 1;
        const auto position = static_cast<std::int16_t>(Pick(rng, lowest, highest));
        field.value(e) = position;
        field.value(x) = position;
    }
    x.dialogs.sideKeys = {x.sideKeys.pf1Short, x.sideKeys.pf1Long, x.sideKeys.pf2Short,
                          x.sideKeys.pf2Long};
    x.dialogs.dtmf = {x.dtmf.firstDigitDelay, x.dtmf.digitInterval, x.dtmf.digitDelay};
    x.dialogs.powerLevels = {x.powerLevels.low, x.powerLevels.high};
    return c;
}

TEST(RoundTrip, RandomEditorsComeBackThroughTheImage) {
    std::mt19937 rng(742);
    for (int i = 0; i < 500; ++i) {
        const Case c = RandomCase(rng);
        const auto image = EncodeImage(c.editor, Lang::English);
        ASSERT_TRUE(image.ok()) << image.status().where;
        EditorState opened = StartupEditor();
        DecodeImage(image.value(), opened);
        ASSERT_EQ(opened, c.expected) << "case " << i;
        // A second trip changes nothing more.
        EditorState again = StartupEditor();
        DecodeImage(EncodeImage(opened, Lang::English).value(), again);
        ASSERT_EQ(again, opened) << "case " << i;
    }
}

TEST(RoundTrip, RandomEditorsComeBackThroughDataFiles) {
    const testing::TempFolder folder;
    std::mt19937 rng(1742);
    for (int i = 0; i < 20; ++i) {
        const Case c = RandomCase(rng);
        const auto path = folder / ("plan" + std::to_string(i) + ".DAT");
        ASSERT_TRUE(SaveDataFile(path, c.editor, Lang::English).ok());
        EditorState opened = StartupEditor();
        ASSERT_TRUE(OpenDataFile(path, opened).ok());
        EXPECT_EQ(opened, c.expected) << "case " << i;
    }
}

}  // namespace
}  // namespace m742
