#include "shell/qt/undo_menu.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QUndoStack>
#include <QWidget>

#include "channel_editing/qt/editor_document.h"
#include "texts/edit_texts.h"

namespace m742 {

namespace {

constexpr QChar kModifiedMark = u'*';

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

UndoMenuItems::UndoMenuItems(EditorDocument& document, QMenu& edit, std::function<bool()> ready)
    : QObject(&edit),
      m_document(document),
      m_ready(std::move(ready)),
      m_undo(new QAction(&edit)),
      m_redo(new QAction(&edit)) {
    m_undo->setObjectName("mnuUndo");
    m_undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_redo->setObjectName("mnuRedo");
    m_redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QAction* first = edit.actions().value(0);
    edit.insertAction(first, m_undo);
    edit.insertAction(first, m_redo);
    edit.insertSeparator(first)->setObjectName("mnuUndoLine");
    QUndoStack& stack = m_document.undoStack();
    connect(m_undo, &QAction::triggered, this, [this] {
        if (m_ready()) {
            m_document.undoStack().undo();
        }
    });
    connect(m_redo, &QAction::triggered, this, [this] {
        if (m_ready()) {
            m_document.undoStack().redo();
        }
    });
    // The language switch comes as a change too: the items are worded again with it.
    connect(&m_document, &EditorDocument::changed, this, &UndoMenuItems::Reword);
    connect(&stack, &QUndoStack::indexChanged, this, &UndoMenuItems::Reword);
    Reword();
}

void UndoMenuItems::Reword() {
    const Lang lang = m_document.language();
    m_undo->setText(FromUtf8(UndoCaption(m_document.undoStep(), lang)));
    m_redo->setText(FromUtf8(RedoCaption(m_document.redoStep(), lang)));
    m_undo->setEnabled(m_document.undoStep() != nullptr);
    m_redo->setEnabled(m_document.redoStep() != nullptr);
}

ModifiedMark::ModifiedMark(EditorDocument& document, QWidget& window)
    : QObject(&window), m_document(document), m_window(window) {
    m_window.installEventFilter(this);
    connect(&m_document, &EditorDocument::modifiedChanged, this, &ModifiedMark::Mark);
    Mark();
}

bool ModifiedMark::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::WindowTitleChange) {
        Mark();
    }
    return QObject::eventFilter(watched, event);
}

void ModifiedMark::Mark() {
    const QString title = m_window.windowTitle();
    const bool marked = title.endsWith(kModifiedMark);
    if (marked == m_document.isModified()) {
        return;
    }
    // Setting the title comes back here as a title change, which then finds it right.
    m_window.setWindowTitle(marked ? title.chopped(1) : title + kModifiedMark);
}

}  // namespace m742
