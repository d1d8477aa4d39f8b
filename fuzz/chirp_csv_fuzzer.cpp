// Fuzzes Import Channels: the input is the text of a CSV file. Whatever the text, the import
// either refuses it or gives a plan whose channels the encoder stores, every row is imported or
// skipped, and exporting the imported channels and importing that file gives them back. A
// violation traps, so libFuzzer and the replay runner both report it as a crash.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "channel_editing/channel_plan.h"
#include "plan_formats/chirp_csv.h"
#include "radio_data/codec.h"
#include "texts/store_refusal.h"

namespace {

using namespace m742;

void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const EditorState base = StartupEditor();
    const auto import = ImportChirpCsv(text, base, "in.csv");
    if (!import.ok()) {
        Check(!import.status().message.empty());
        return 0;
    }
    const CsvImport& first = import.value();
    Check(EncodeImage(first.editor, Lang::English).ok());
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const bool listed = std::find(first.channels.begin(), first.channels.end(), channel) !=
                            first.channels.end();
        Check(ChannelInUse(first.editor, channel) == listed);
    }
    const CsvExport exported = ExportChirpCsv(first.editor);
    Check(exported.leftOut.empty() && exported.channels == int(first.channels.size()));
    const auto again = ImportChirpCsv(exported.text, base, "out.csv");
    Check(again.ok() && again.value().skipped.empty() && again.value().adjusted.empty());
    Check(again.value().editor == first.editor);
    return 0;
}
