#include "channel_editing/channel_plan.h"

#include <array>
#include <string>
#include <string_view>

namespace m742 {

namespace {

// The debug channels the radio is tuned on at the factory: RX, TX of channels 1-8, in 10 Hz.
constexpr std::array<std::array<std::int32_t, 2>, 8> kDefaultDebugChannels{{
    {46010000, 46000000},
    {45010000, 45000000},
    {46990000, 46997500},
    {46030000, 46030000},
    {46035000, 46035000},
    {46040000, 46040000},
    {46035000, 46035000},
    {46045000, 46045000},
}};

}  // namespace

void ResetChannelPlan(EditorState& editor) {
    for (std::size_t i = 0; i < kDefaultDebugChannels.size(); ++i) {
        editor.debug[i] = {Frequency{kDefaultDebugChannels[i][0]},
                           Frequency{kDefaultDebugChannels[i][1]}};
    }
    RadioSettings& s = editor.settings;
    s.pttId = 1;            // Start TX
    s.transmitTimeout = 2;  // 60 s
    s.squelchLevel = 5;
    s.batterySave = 1;      // on
    s.beep = 1;             // on
    s.priorityChannel = 0;  // channel 1
    s.endBeep = 0;          // off
    s.tailElimination = 0;  // 120 degrees
    s.voiceSwitch = 0;      // on
    s.voiceLevel = 0;       // level 1
    s.voicePrompt = 0;      // off
}

EditorState StartupEditor() {
    EditorState editor;
    editor.settings.band = 0;
    CreateDialogControls(editor);
    ResetChannelPlan(editor);
    return editor;
}

}  // namespace m742
