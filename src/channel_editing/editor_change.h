// One change to the editor, as a step that can be undone and done again: what the changed parts
// of the editor held before and after it. Only the parts that differ are kept — a memory
// channel, a debug channel, the settings panel with the password and ANI
// boxes, the dialogs' settings with their controls — so a cell edit keeps one row, while a new,
// opened or read plan keeps whatever it replaced.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "radio_data/editor_state.h"
#include "texts/edit_texts.h"

namespace m742 {

class EditorChange {
public:
    // The step from `before` to `after`, named `name`. The interface language is no part of a
    // step: undoing an edit never switches the language back.
    EditorChange(EditName name, const EditorState& before, const EditorState& after);

    const EditName& name() const { return m_name; }
    // Nothing differs: there is no step to take.
    bool empty() const;

    // Puts the changed parts as they were after (Redo) or before (Undo) the step. A step holds
    // values, not texts: the grids show them in whatever language the editor has by then.
    void Redo(EditorState& editor) const;
    void Undo(EditorState& editor) const;

    // Takes `next` into this step when both are edits of the same panel box or list (typing a
    // password is one step, not one per key). False, changing nothing, otherwise.
    bool MergeWith(const EditorChange& next);

private:
    struct MemoryRow {
        int number = 0;
        MemoryChannel channel;
    };
    struct DebugRow {
        int number = 0;
        DebugChannel channel;
    };
    struct Panel {
        RadioSettings settings;
        std::string password;
        std::string ani;
        bool operator==(const Panel&) const = default;
    };
    struct Dialogs {
        SideKeys sideKeys;
        DtmfTiming dtmf;
        PowerLevels powerLevels;
        DialogSelections shown;
    };
    // What one side of the step holds of the changed parts.
    struct Side {
        std::vector<MemoryRow> memory;
        std::vector<DebugRow> debug;
        std::optional<Panel> panel;
        std::optional<Dialogs> dialogs;
    };

    static Side Take(const EditorState& editor, const std::vector<int>& memoryRows,
                     const std::vector<int>& debugRows, bool panel, bool dialogs);
    static void Put(const Side& side, EditorState& editor);

    EditName m_name;
    Side m_before;
    Side m_after;
};

}  // namespace m742
