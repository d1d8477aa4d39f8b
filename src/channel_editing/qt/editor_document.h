// The editor's one owner. Every change to the channel plan — a cell, a row, a setting, a
// dialog's OK, a whole new, opened or read plan — is applied here as an EditorChange on the undo
// stack, and announced once by changed(); the grids, the panel and the dialogs repaint from that
// signal. The stack's clean state is the plan as last opened, saved, read or written.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <functional>

#include "channel_editing/editor_change.h"
#include "radio_data/editor_state.h"
#include "radio_data/status.h"

namespace m742 {

class EditorDocument : public QObject {
    Q_OBJECT

public:
    explicit EditorDocument(QObject* parent = nullptr);

    const EditorState& editor() const { return m_editor; }
    QUndoStack& undoStack() { return m_stack; }
    const QUndoStack& undoStack() const { return m_stack; }

    // Makes `after` the editor as one undoable step named `name`. Nothing happens, and false
    // comes back, when `after` changes nothing.
    bool Commit(const EditName& name, const EditorState& after);
    // The same with the step's starting point given: a dialog's OK undoes to the dialog as it
    // was before its lists were moved, not to the moved lists.
    bool Commit(const EditName& name, const EditorState& before, const EditorState& after);
    // Runs `edit` on a copy of the editor and commits the result.
    bool Apply(const EditName& name, const std::function<void(EditorState&)>& edit);
    // A change that is no step of the plan: a dialog's controls before its OK. Announced like
    // any other change.
    void ApplyUnrecorded(const std::function<void(EditorState&)>& edit);

    // The language the views word the plan in: flag 0 Chinese, any other value English. A
    // switch changes no value of the plan and is no step; the views follow its announcement.
    std::int16_t languageFlag() const { return m_languageFlag; }
    Lang language() const { return LanguageOf(m_languageFlag); }
    void SetLanguageFlag(std::int16_t flag);

    // The plan differs from what was last opened, saved, read or written (or from the plan the
    // program started with).
    bool isModified() const { return !m_stack.isClean(); }
    // The editor as it is now is what the file or the radio holds.
    void MarkSaved();
    // Forgets every step; what the editor holds now counts as saved.
    void ForgetSteps();
    // The editor as it was last marked saved.
    const EditorState& savedEditor() const { return m_saved; }

    // The step that Undo (or Redo) would take, or nothing.
    const EditName* undoStep() const;
    const EditName* redoStep() const;

signals:
    // The editor has changed; every view shows it again.
    void changed();
    void modifiedChanged(bool modified);

private:
    friend class EditorCommand;
    EditorState& mutableEditor() { return m_editor; }

    EditorState m_editor;
    EditorState m_saved;
    std::int16_t m_languageFlag = 0;
    QUndoStack m_stack;
};

}  // namespace m742
