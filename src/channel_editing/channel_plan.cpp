#include "channel_editing/channel_plan.h"

#include <array>
#include <string>
#include <string_view>

namespace m742 {

namespace {

// The debug channels the radio is tuned on at the factory: RX, TX of rows 1-8.
constexpr std::array<std::array<std::string_view, 2>, 8> kDefaultDebugChannels{{
    {"460.10000", "460.00000"},
    {"450.10000", "450.00000"},
    {"469.90000", "469.97500"},
    {"460.30000", "460.30000"},
    {"460.35000", "460.35000"},
    {"460.40000", "460.40000"},
    {"460.35000", "460.35000"},
    {"460.45000", "460.45000"},
}};

}  // namespace

void ResetChannelPlan(EditorState& editor) {
    for (std::size_t row = 1; row <= kChannelCount; ++row) {
        editor.mfgrid1[row][0] = std::to_string(row);
        editor.mfgrid2[row][0] = std::to_string(row);
    }
    for (std::size_t i = 0; i < kDefaultDebugChannels.size(); ++i) {
        editor.mfgrid2[i + 1][1] = kDefaultDebugChannels[i][0];
        editor.mfgrid2[i + 1][2] = kDefaultDebugChannels[i][1];
    }
    SettingsPanel& p = editor.panel;
    p.Combo2 = 1;   // PTT ID: Start TX
    p.Combo3 = 2;   // time-out 60 s
    p.Combo4 = 5;   // squelch grade 5
    p.Combo9 = 1;   // battery save on
    p.Combo6 = 1;   // beep on
    p.Combo7 = 0;   // priority channel 1
    p.Combo10 = 0;  // end beep off
    p.Combo11 = 0;  // tail elimination 120 degrees
    p.Combo12 = 0;  // voice control on
    p.Combo13 = 0;  // voice control level 1
    p.Combo14 = 0;  // voice prompts off
}

EditorState StartupEditor(std::int16_t languageFlag) {
    EditorState editor;
    editor.LanguageFlag = languageFlag;
    editor.panel.Combo1 = 0;
    CreateDialogControls(editor);
    ResetChannelPlan(editor);
    return editor;
}

}  // namespace m742
