// How long the codec takes on a full channel plan: decoding an image into the editor (a read
// from the radio or "Open"), encoding the editor (a write or "Save"), and a data-file save
// followed by an open through the file system.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "channel_editing/channel_plan.h"
#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"
#include "texts/message_text.h"
#include "texts/store_refusal.h"

namespace {

using namespace m742;

std::string Frequency(int mhz, int tenHz) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d.%05d", mhz, tenHz);
    return text;
}

// Every memory channel in use with a TX frequency, tones of each kind and varied flags; every
// debug channel set; password, ANI code and all settings away from their defaults.
EditorState FullPlan() {
    EditorState editor = StartupEditor();
    const Lang lang = Lang::English;
    for (int n = 1; n <= kChannelCount; ++n) {
        SetMemoryCellText(editor, n, kColumnRx, Frequency(400 + 4 * n, 1250 * n));
        SetMemoryCellText(editor, n, kColumnTx, Frequency(479 - n, 625 * n));
        SetMemoryCellText(editor, n, kColumnDecodeTone,
                          ListItem(ListId::kTone, (n * 17) % ListSize(ListId::kTone), lang));
        SetMemoryCellText(editor, n, kColumnEncodeTone,
                          ListItem(ListId::kTone, (n * 53 + 7) % ListSize(ListId::kTone), lang));
        for (int column = 5; column <= 8; ++column) {
            SetListPosition(
                MemoryChannelOf(editor, n), column,
                static_cast<std::int16_t>((n + column) % ListSize(GridColumnList(column))));
        }
        SetDebugCellText(editor, n, kDebugColumnRx, Frequency(470 - n, 3125 * n));
        SetDebugCellText(editor, n, kDebugColumnTx, Frequency(450 + n, 500 * n));
    }
    editor.password = "123456";
    editor.ani = "12AB*#D0";
    editor.settings.pttId = 3;
    editor.settings.transmitTimeout = 10;
    editor.settings.squelchLevel = 7;
    editor.settings.priorityChannel = 15;
    editor.settings.tailElimination = 2;
    editor.settings.voiceLevel = 8;
    editor.settings.voicePrompt = 2;
    editor.sideKeys.pf1Short = 3;
    editor.dtmf.firstDigitDelay = 40;
    editor.dtmf.digitInterval = 200;
    editor.powerLevels.low = 40;
    editor.powerLevels.high = 240;
    CreateDialogControls(editor);
    return editor;
}

RadioImage FullImage() {
    const auto image = EncodeImage(FullPlan(), Lang::English);
    if (!image.ok()) {
        std::fprintf(stderr, "the benchmark plan does not encode: %s\n",
                     Worded(image.status().message, Lang::English).c_str());
        std::abort();
    }
    return image.value();
}

void BM_DecodeImage(benchmark::State& state) {
    const RadioImage image = FullImage();
    EditorState editor = StartupEditor();
    for (auto _ : state) {
        DecodeImage(image, editor);
        benchmark::DoNotOptimize(editor);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeImage);

void BM_EncodeImage(benchmark::State& state) {
    const EditorState editor = FullPlan();
    for (auto _ : state) {
        auto image = EncodeImage(editor, Lang::English);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_EncodeImage);

// "Save" then "Open" of the same plan, with the file system in between.
void BM_DataFileSaveOpen(benchmark::State& state) {
    namespace fs = std::filesystem;
    std::random_device random;
    const fs::path folder = fs::temp_directory_path() / ("m742-bench-" + std::to_string(random()));
    fs::create_directories(folder);
    const fs::path file = folder / "plan.dat";
    const EditorState saved = FullPlan();
    EditorState opened = StartupEditor();
    for (auto _ : state) {
        const Status save = SaveDataFile(file, saved, Lang::English);
        const Status open = OpenDataFile(file, opened);
        if (!save.ok() || !open.ok()) {
            state.SkipWithError(Worded((save.ok() ? open : save).message, Lang::English).c_str());
            break;
        }
        benchmark::DoNotOptimize(opened);
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}
// The file is synced to disk before it replaces the old one, so wall time is what counts.
BENCHMARK(BM_DataFileSaveOpen)->UseRealTime();

}  // namespace
