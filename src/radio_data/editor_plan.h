// Between the editor, whose grids still hold the texts they show, and the plan they stand for.
#pragma once

#include "radio_data/editor_state.h"
#include "radio_data/radio_plan.h"

namespace m742 {

// The plan the editor holds: each grid text read as the field it stands for, the list columns
// from their positions (their texts are not looked at).
RadioPlan PlanOfEditor(const EditorState& editor);

// Shows a plan in the editor, in the editor's language: grid texts, list positions and the
// radio-wide values. A memory channel that is not in use shows no list texts. The channel
// numbers, the language and the dialogs' own selections stay.
void ShowPlan(const RadioPlan& plan, EditorState& editor);

}  // namespace m742
