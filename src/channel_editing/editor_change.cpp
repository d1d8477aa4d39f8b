#include "channel_editing/editor_change.h"

namespace m742 {

namespace {

bool SamePanel(const EditorState& a, const EditorState& b) {
    return a.settings == b.settings && a.password == b.password && a.ani == b.ani;
}

bool SameDialogs(const EditorState& a, const EditorState& b) {
    return a.sideKeys == b.sideKeys && a.dtmf == b.dtmf && a.powerLevels == b.powerLevels &&
           a.dialogs == b.dialogs;
}

}  // namespace

EditorChange::EditorChange(EditName name, const EditorState& before, const EditorState& after)
    : m_name(std::move(name)) {
    std::vector<int> memoryRows;
    std::vector<int> debugRows;
    for (int number = 1; number <= kChannelCount; ++number) {
        if (MemoryChannelOf(before, number) != MemoryChannelOf(after, number)) {
            memoryRows.push_back(number);
        }
        if (DebugChannelOf(before, number) != DebugChannelOf(after, number)) {
            debugRows.push_back(number);
        }
    }
    const bool panel = !SamePanel(before, after);
    const bool dialogs = !SameDialogs(before, after);
    m_before = Take(before, memoryRows, debugRows, panel, dialogs);
    m_after = Take(after, memoryRows, debugRows, panel, dialogs);
}

bool EditorChange::empty() const {
    return m_before.memory.empty() && m_before.debug.empty() && !m_before.panel &&
           !m_before.dialogs;
}

EditorChange::Side EditorChange::Take(const EditorState& editor, const std::vector<int>& memoryRows,
                                      const std::vector<int>& debugRows, bool panel, bool dialogs) {
    Side side;
    for (int number : memoryRows) {
        side.memory.push_back({number, MemoryChannelOf(editor, number)});
    }
    for (int number : debugRows) {
        side.debug.push_back({number, DebugChannelOf(editor, number)});
    }
    if (panel) {
        side.panel = Panel{editor.settings, editor.password, editor.ani};
    }
    if (dialogs) {
        side.dialogs = Dialogs{editor.sideKeys, editor.dtmf, editor.powerLevels, editor.dialogs};
    }
    return side;
}

void EditorChange::Put(const Side& side, EditorState& editor) {
    for (const MemoryRow& row : side.memory) {
        MemoryChannelOf(editor, row.number) = row.channel;
    }
    for (const DebugRow& row : side.debug) {
        DebugChannelOf(editor, row.number) = row.channel;
    }
    if (side.panel) {
        editor.settings = side.panel->settings;
        editor.password = side.panel->password;
        editor.ani = side.panel->ani;
    }
    if (side.dialogs) {
        editor.sideKeys = side.dialogs->sideKeys;
        editor.dtmf = side.dialogs->dtmf;
        editor.powerLevels = side.dialogs->powerLevels;
        editor.dialogs = side.dialogs->shown;
    }
}

void EditorChange::Redo(EditorState& editor) const {
    Put(m_after, editor);
}

void EditorChange::Undo(EditorState& editor) const {
    Put(m_before, editor);
}

bool EditorChange::MergeWith(const EditorChange& next) {
    const bool panelOnly = m_before.memory.empty() && m_before.debug.empty() && !m_before.dialogs &&
                           m_before.panel.has_value();
    const bool nextPanelOnly = next.m_before.memory.empty() && next.m_before.debug.empty() &&
                               !next.m_before.dialogs && next.m_before.panel.has_value();
    if (m_name.kind != EditKind::kSetting || !(m_name == next.m_name) || !panelOnly ||
        !nextPanelOnly) {
        return false;
    }
    m_after.panel = next.m_after.panel;
    if (*m_after.panel == *m_before.panel) {
        m_before.panel.reset();
        m_after.panel.reset();
    }
    return true;
}

}  // namespace m742
