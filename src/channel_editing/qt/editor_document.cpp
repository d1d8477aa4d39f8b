#include "channel_editing/qt/editor_document.h"

#include <QUndoCommand>

namespace m742 {

// One EditorChange on the stack. The stack runs redo() as the command is pushed: that is when
// the change reaches the editor.
class EditorCommand : public QUndoCommand {
public:
    EditorCommand(EditorDocument& document, EditorChange change)
        : m_document(document), m_change(std::move(change)) {}

    const EditorChange& change() const { return m_change; }

    void redo() override { Run(true); }
    void undo() override { Run(false); }
    // All panel edits share one id; the change decides whether two of them are one step.
    int id() const override { return m_change.name().kind == EditKind::kSetting ? 1 : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        if (!m_change.MergeWith(static_cast<const EditorCommand*>(other)->m_change)) {
            return false;
        }
        setObsolete(m_change.empty());
        return true;
    }

private:
    void Run(bool forward) {
        if (forward) {
            m_change.Redo(m_document.mutableEditor());
        } else {
            m_change.Undo(m_document.mutableEditor());
        }
        emit m_document.changed();
    }

    EditorDocument& m_document;
    EditorChange m_change;
};

EditorDocument::EditorDocument(QObject* parent) : QObject(parent), m_stack(this) {
    connect(&m_stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

bool EditorDocument::Commit(const EditName& name, const EditorState& after) {
    return Commit(name, m_editor, after);
}

bool EditorDocument::Commit(const EditName& name, const EditorState& before,
                            const EditorState& after) {
    EditorChange change(name, before, after);
    if (change.empty()) {
        return false;
    }
    m_stack.push(new EditorCommand(*this, std::move(change)));
    return true;
}

bool EditorDocument::Apply(const EditName& name, const std::function<void(EditorState&)>& edit) {
    EditorState after = m_editor;
    edit(after);
    return Commit(name, after);
}

void EditorDocument::ApplyUnrecorded(const std::function<void(EditorState&)>& edit) {
    edit(m_editor);
    emit changed();
}

void EditorDocument::SetLanguageFlag(std::int16_t flag) {
    m_languageFlag = flag;
    emit changed();
}

void EditorDocument::MarkSaved() {
    m_saved = m_editor;
    m_stack.setClean();
}

void EditorDocument::ForgetSteps() {
    m_saved = m_editor;
    m_stack.clear();
}

const EditName* EditorDocument::undoStep() const {
    if (!m_stack.canUndo()) {
        return nullptr;
    }
    const auto* command = static_cast<const EditorCommand*>(m_stack.command(m_stack.index() - 1));
    return &command->change().name();
}

const EditName* EditorDocument::redoStep() const {
    if (!m_stack.canRedo()) {
        return nullptr;
    }
    const auto* command = static_cast<const EditorCommand*>(m_stack.command(m_stack.index()));
    return &command->change().name();
}

}  // namespace m742
