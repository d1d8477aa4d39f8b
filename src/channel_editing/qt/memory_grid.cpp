#include "channel_editing/qt/memory_grid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <algorithm>

#include "channel_editing/qt/channel_actions.h"
#include "channel_editing/qt/editor_document.h"
#include "channel_editing/qt/grid_model.h"
#include "channel_editing/qt/memory_cell_delegate.h"
#include "texts/grid_columns.h"

namespace m742 {

namespace {

// A list dropped down by a press on the grid would take the release of that press as a click
// outside it (or on its current item) and close at once; the list a combo box drops down from
// its own press waits for the next click. This swallows the one release, then goes.
class ReleaseGuard : public QObject {
public:
    explicit ReleaseGuard(QComboBox* list) : QObject(qApp), m_popup(list->view()->parentWidget()) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            Done();  // a new press: the release to come is its own
        } else if (event->type() == QEvent::MouseButtonRelease && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (m_popup != nullptr && (widget == m_popup || m_popup->isAncestorOf(widget))) {
                Done();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void Done() {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QPointer<QWidget> m_popup;
};

}  // namespace

MemoryGridView::MemoryGridView(EditorDocument& document, const BandLimits& band,
                               std::function<void(const EntryMessage&)> message, QWidget* parent)
    : ChannelGridView(parent),
      m_document(document),
      m_model(new GridModel(GridModel::Grid::kMemory, document, this)),
      m_editors(new MemoryCellDelegate(*this)) {
    setObjectName("mfgrid1");
    m_model->AcceptEntries(band, message);
    m_model->ShowIn(*this);
    setItemDelegate(m_editors);
    FreezeChannelColumn();
    setCurrentIndex(m_model->index(0, kColumnRx));
    connect(m_editors, &MemoryCellDelegate::tabbed, this, &MemoryGridView::TabOut);
    connect(m_editors, &MemoryCellDelegate::escaped, this, &MemoryGridView::DiscardEntry);
    m_channelActions = new ChannelActions(*this, m_document, band, std::move(message));
    // An open editor follows its cell when the grid scrolls.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] { updateEditorGeometries(); });
    }
}

void MemoryGridView::EditClickedCell() {
    if (!m_armed) {
        return;
    }
    m_armed = false;
    // An editor still open (it kept the focus through a window switch) closes unchanged.
    DiscardEntry();
    QModelIndex cell = currentIndex();
    if (!cell.isValid() || cell.column() < kColumnRx) {
        return;
    }
    // An empty channel is started by its RX frequency, whatever column was clicked.
    if (!ChannelInUse(m_document.editor(), cell.row() + 1)) {
        cell = m_model->index(cell.row(), kColumnRx);
        setCurrentIndex(cell);
    }
    edit(cell);
    QWidget* editor = m_editors->openEditor();
    if (editor == nullptr) {
        return;
    }
    editor->raise();
    if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        box->end(false);  // the cell's text to add to, not to type over
    }
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->showPopup();
        if (m_pressing) {
            new ReleaseGuard(list);
        }
    }
    if (m_editors->IsToneList(editor)) {
        // As a combo box's edit field is when it takes the focus: what is typed replaces it.
        static_cast<QComboBox*>(editor)->lineEdit()->selectAll();
    }
}

void MemoryGridView::HideFrequencyEditor() {
    if (m_editors->IsFrequencyBox(m_editors->openEditor())) {
        m_editors->Discard();
    }
}

bool MemoryGridView::EndEntry() {
    QWidget* open = m_editors->openEditor();
    if (open == nullptr) {
        return true;
    }
    if (auto* list = qobject_cast<QComboBox*>(open)) {
        list->hidePopup();  // the list hands the keyboard back to its box
    }
    const QWidget* focus = QApplication::focusWidget();
    if (focus == open || open->isAncestorOf(focus)) {
        setFocus();  // the editor loses the focus, which commits the entry
    }
    if (m_editors->openEditor() == open) {
        m_editors->Finish();  // the window was not active: the editor never had the keyboard
    }
    return !m_editors->refused();
}

void MemoryGridView::DiscardEntry() {
    m_editors->Discard();
}

void MemoryGridView::TabOut(bool forward) {
    if (!EndEntry()) {
        return;  // a refused entry stays on its cell, to be pressed again
    }
    setFocus();
    const QModelIndex next = moveCursor(forward ? MoveNext : MovePrevious, Qt::NoModifier);
    if (next.isValid()) {
        setCurrentIndex(next);
    }
}

std::vector<int> MemoryGridView::selectedChannels() const {
    std::vector<int> rows;
    for (int row = 0; row < kChannelCount; ++row) {
        bool whole = true;
        for (int column = kColumnRx; column <= kLastListColumn && whole; ++column) {
            whole = selectionModel()->isSelected(m_model->index(row, column));
        }
        if (whole) {
            rows.push_back(row + 1);
        }
    }
    return rows;
}

void MemoryGridView::SelectChannels(const std::vector<int>& rows) {
    QItemSelection selection;
    for (int row : rows) {
        selection.select(m_model->index(row - 1, kColumnRx),
                         m_model->index(row - 1, kLastListColumn));
    }
    // The current cell stays where it is: a number is no cell to edit.
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

int MemoryGridView::pasteChannel() const {
    const std::vector<int> rows = selectedChannels();
    if (!rows.empty()) {
        return rows.front();
    }
    return currentIndex().isValid() ? currentIndex().row() + 1 : 1;
}

void MemoryGridView::ChannelNumberPressed(int row, const QMouseEvent& event) {
    std::vector<int> rows = selectedChannels();
    const bool selected = std::find(rows.begin(), rows.end(), row) != rows.end();
    if (event.button() == Qt::RightButton) {
        if (!selected) {
            m_anchor = row;
            SelectChannels({row});
        }
        m_channelActions->menu()->popup(event.globalPosition().toPoint());
        return;
    }
    if (event.button() != Qt::LeftButton) {
        return;
    }
    if (event.modifiers() & Qt::ShiftModifier) {
        rows.clear();
        for (int r = std::min(m_anchor, row); r <= std::max(m_anchor, row); ++r) {
            rows.push_back(r);
        }
    } else if (event.modifiers() & Qt::ControlModifier) {
        if (selected) {
            std::erase(rows, row);
        } else {
            rows.push_back(row);
        }
        m_anchor = row;
    } else {
        rows = {row};
        m_anchor = row;
    }
    SelectChannels(rows);
}

void MemoryGridView::mousePressEvent(QMouseEvent* event) {
    // The press is the whole click: the editor opens under the pointer and no range is ever
    // dragged out. On a cell a right press only takes the focus; the channel numbers select
    // channels and have the channel menu.
    setFocus();
    const QModelIndex cell = indexAt(event->position().toPoint());
    if (cell.isValid() && cell.column() == kColumnChannel) {
        ChannelNumberPressed(cell.row() + 1, *event);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (!cell.isValid() || cell.column() < kColumnRx) {
        return;
    }
    m_armed = true;
    DiscardEntry();  // an editor left open without the keyboard closes unchanged
    setCurrentIndex(cell);
    m_pressing = true;
    EditClickedCell();
    m_pressing = false;
}

void MemoryGridView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void MemoryGridView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void MemoryGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void MemoryGridView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_armed = true;
        EditClickedCell();
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex MemoryGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // The channel numbers are not cells to edit: the cursor stops at the RX column.
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    return next.isValid() && next.column() < kColumnRx ? next.siblingAtColumn(kColumnRx) : next;
}

}  // namespace m742
