#include "radio_data/editor_state.h"

#include "radio_data/lists.h"

namespace m742 {

namespace {

std::int16_t SideKeyAtCreation(std::int16_t value) {
    return value >= 0 && value <= 7 ? value : 1;
}

// A list keeps its selection when asked to select a position it does not have.
void SelectIfInList(std::int16_t& control, std::int16_t position, ListId list) {
    if (position >= 0 && position < ListSize(list)) {
        control = position;
    }
}

}  // namespace

void ClearMemoryChannel(RadioPlan& plan, int number) {
    MemoryChannelOf(plan, number) = MemoryChannel{};
}

void ClearMemoryChannels(RadioPlan& plan) {
    for (MemoryChannel& channel : plan.memory) {
        channel.rx = {};
        channel.tx = {};
        channel.decodeTone = {};
        channel.encodeTone = {};
    }
}

void ClearDebugChannels(RadioPlan& plan) {
    plan.debug.fill(DebugChannel{});
}

void CreateDialogControls(EditorState& editor) {
    const SideKeys& keys = editor.sideKeys;
    editor.dialogs.sideKeys = {SideKeyAtCreation(keys.pf1Short), SideKeyAtCreation(keys.pf1Long),
                               SideKeyAtCreation(keys.pf2Short), SideKeyAtCreation(keys.pf2Long)};
    DialogSelections& shown = editor.dialogs;
    SelectIfInList(shown.dtmf.firstDigitDelay, editor.dtmf.firstDigitDelay,
                   ListId::kDtmfFirstDelay);
    SelectIfInList(shown.dtmf.digitInterval, editor.dtmf.digitInterval, ListId::kDtmfTime);
    SelectIfInList(shown.dtmf.digitDelay, editor.dtmf.digitDelay, ListId::kDtmfTime);
    SelectIfInList(shown.powerLevels.low, editor.powerLevels.low, ListId::kPowerLevel);
    SelectIfInList(shown.powerLevels.high, editor.powerLevels.high, ListId::kPowerLevel);
}

}  // namespace m742
