// A fresh channel plan: channel numbers, the factory debug channels and default settings.
#pragma once

#include <cstdint>

#include "radio_data/editor_state.h"

namespace m742 {

// Loads the default debug channels into debug channels 1-8 (9-16
// stay as they are) and selects the default item of every function setting. The password,
// the ANI code and the dialog-held settings are left alone.
void ResetChannelPlan(EditorState& editor);

// The editor as the program starts: empty memory channels, dialog settings at their defaults,
// the single band selected, then ResetChannelPlan.
EditorState StartupEditor();

}  // namespace m742
