// What the window shows of the editor's undo steps: the Undo and Redo items at the head of the
// Edit menu, named after the step each would take, and the "*" in the window's title while the
// plan differs from what was last opened, saved, read or written.
#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace m742 {

class EditorDocument;

class UndoMenuItems : public QObject {
    Q_OBJECT

public:
    // Puts "mnuUndo" (Ctrl+Z) and "mnuRedo" (Ctrl+Y, Ctrl+Shift+Z) at the head of `edit`.
    // `ready` runs before either takes its step; false stops it (an open entry was refused).
    UndoMenuItems(EditorDocument& document, QMenu& edit, std::function<bool()> ready);

    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

private:
    // Enables and words both items for the steps they would take, in the interface language.
    void Reword();

    EditorDocument& m_document;
    std::function<bool()> m_ready;
    QAction* m_undo;
    QAction* m_redo;
};

// Keeps a "*" at the end of `window`'s title exactly while the document is modified, whoever
// sets the title.
class ModifiedMark : public QObject {
    Q_OBJECT

public:
    ModifiedMark(EditorDocument& document, QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Mark();

    EditorDocument& m_document;
    QWidget& m_window;
};

}  // namespace m742
