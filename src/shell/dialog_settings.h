// The OK and Cancel of the three settings dialogs. Each dialog's controls (the lists of the side
// keys and DTMF dialogs, the sliders of the power dialog) are kept in the editor beside the
// settings they edit; a change in a dialog reaches the settings, and so the radio, only through
// OK.
#pragma once

#include <vector>

#include "radio_data/editor_state.h"
#include "radio_data/layout.h"

namespace m742 {

enum class SettingsDialog {
    kSideKeys,  // SideKeyDialog ("Form5"): the PF1 and PF2 short and long press functions
    kDtmf,      // DtmfDialog ("Form2"): the three DTMF times
    kPower,     // PowerDialog ("Form3"): the low and high TX power levels
};

// The settings a dialog edits, in the order it shows them; each has its dialog control.
std::vector<const SettingField*> DialogFields(SettingsDialog dialog);

// OK: every control's position becomes its setting.
void AcceptDialog(EditorState& editor, SettingsDialog dialog);

// Cancel: every control goes back to its setting. A setting its list does not have (only a
// radio image can bring one) leaves that control where it is; the others still go back.
void RevertDialog(EditorState& editor, SettingsDialog dialog);

}  // namespace m742
