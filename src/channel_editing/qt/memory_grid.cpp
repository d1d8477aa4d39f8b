#include "channel_editing/qt/memory_grid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "channel_editing/list_entry.h"
#include "channel_editing/qt/channel_actions.h"
#include "channel_editing/qt/editor_document.h"
#include "channel_editing/qt/entry_filter.h"
#include "channel_editing/qt/grid_model.h"
#include "channel_editing/tone_entry.h"
#include "radio_data/layout.h"
#include "radio_data/lists.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

// Leaving the window, or a pop-up (a box's context menu, the editor's own list as it drops
// down and takes the keyboard) holding the focus for a moment, is no end of an entry.
bool EndsEntry(const QObject* editor, const QEvent* event) {
    if (event->type() != QEvent::FocusOut) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
        return false;
    }
    const QWidget* now = QApplication::focusWidget();
    const auto* list = qobject_cast<const QComboBox*>(editor);
    return list == nullptr || now == nullptr || now->window() != list->view()->window();
}

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
      m_band(band),
      m_message(std::move(message)),
      m_model(new GridModel(GridModel::Grid::kMemory, document, this)) {
    setObjectName("mfgrid1");
    m_model->ShowIn(*this);
    FreezeChannelColumn();
    setCurrentIndex(m_model->index(0, kColumnRx));
    BuildEditors();
    m_channelActions = new ChannelActions(*this, m_document, m_band, m_message);
    // An open editor follows its cell when the grid scrolls.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (QWidget* open = OpenEditor()) {
                PlaceOver(open, open == m_frequencyBox);
            }
        });
    }
}

void MemoryGridView::BuildEditors() {
    m_frequencyBox = new QLineEdit(this);
    m_frequencyBox->setObjectName("Text1");  // frequency editor of columns 1 and 3
    m_frequencyBox->hide();
    new EntryFilter(m_frequencyBox, m_frequencyBox, EntryFilter::FrequencyKeys(false),
                    EntryFilter::FrequencyText(false), [this] { setFocus(); });
    m_frequencyBox->installEventFilter(this);

    m_toneList = new QComboBox(this);
    m_toneList->setObjectName("Combo8");  // tone editor of columns 2 and 4
    m_toneList->setEditable(true);
    m_toneList->setInsertPolicy(QComboBox::NoInsert);
    m_toneList->setCompleter(nullptr);  // a typed "6" must stay "6", not become "67.0"
    m_toneList->setMaxVisibleItems(20);
    for (int i = 0; i < ListSize(ListId::kTone); ++i) {
        m_toneList->addItem(QString::fromStdString(ListItem(ListId::kTone, i, Lang::English)));
    }
    m_toneList->hide();
    new EntryFilter(
        m_toneList, m_toneList->lineEdit(),
        [this](int key, const QLineEdit&) { return m_toneKeys.Key(key); },
        [this](const QString&, const QString& inserted) {
            return QString::fromStdString(m_toneKeys.Text(inserted.toStdString()));
        },
        [this] { setFocus(); });
    m_toneList->installEventFilter(this);
    m_toneList->view()->installEventFilter(this);
    connect(m_toneList, &QComboBox::activated, this, &MemoryGridView::ToneChosen);

    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        auto* list = new QComboBox(this);
        // Combo5_5 busy lock, Combo5_6 band, Combo5_7 add scan, Combo5_8 TX power.
        list->setObjectName(QString("Combo5_%1").arg(column));
        for (int i = 0; i < ListSize(GridColumnList(column)); ++i) {
            list->addItem(QString());  // texted by the language tables
        }
        list->hide();
        list->installEventFilter(this);
        list->view()->installEventFilter(this);
        connect(list, &QComboBox::activated, this,
                [this, column](int index) { ListItemChosen(column, index); });
        m_columnLists[static_cast<std::size_t>(column - kFirstListColumn)] = list;
    }
}

QWidget* MemoryGridView::OpenEditor() const {
    if (!m_frequencyBox->isHidden()) {
        return m_frequencyBox;
    }
    if (!m_toneList->isHidden()) {
        return m_toneList;
    }
    for (QComboBox* list : m_columnLists) {
        if (!list->isHidden()) {
            return list;
        }
    }
    return nullptr;
}

void MemoryGridView::PlaceOver(QWidget* editor, bool cellHeight) {
    const QRect cell =
        visualRect(m_model->index(m_row - 1, m_column)).translated(viewport()->pos());
    editor->move(cell.topLeft());
    editor->resize(cell.width(), cellHeight ? cell.height() : editor->sizeHint().height());
}

void MemoryGridView::EditClickedCell() {
    if (!m_armed) {
        return;
    }
    m_armed = false;
    QModelIndex cell = currentIndex();
    if (!cell.isValid() || cell.column() < kColumnRx) {
        return;
    }
    const int row = cell.row() + 1;
    // An empty channel is started by its RX frequency, whatever column was clicked.
    if (!ChannelInUse(m_document.editor(), row)) {
        cell = m_model->index(cell.row(), kColumnRx);
        setCurrentIndex(cell);
    }
    // An editor still open (it kept the focus through a window switch) closes unchanged.
    if (QWidget* open = OpenEditor()) {
        m_discarding = true;
        open->hide();
        m_discarding = false;
    }
    m_row = row;
    m_column = cell.column();
    const QString text = m_model->cellText(m_row, m_column);

    QWidget* editor = nullptr;
    if (m_column == kColumnRx || m_column == kColumnTx) {
        PlaceOver(m_frequencyBox, true);
        m_frequencyBox->setText(text);
        editor = m_frequencyBox;
    } else if (IsToneColumn(m_column)) {
        PlaceOver(m_toneList, false);
        const QSignalBlocker quiet(m_toneList);
        m_toneList->setCurrentIndex(m_toneList->findText(text));
        m_toneList->setEditText(text);
        editor = m_toneList;
    } else {
        QComboBox* list = m_columnLists[static_cast<std::size_t>(m_column - kFirstListColumn)];
        PlaceOver(list, false);
        // Set while hidden: a pick only counts once the list is shown.
        list->setCurrentIndex(
            ListPositionOf(MemoryChannelOf(m_document.editor(), m_row), m_column));
        editor = list;
    }
    editor->show();
    editor->raise();
    editor->setFocus();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->showPopup();
        if (m_pressing) {
            new ReleaseGuard(list);
        }
    }
    if (editor == m_toneList) {
        // As a combo box's edit field is when it takes the focus: what is typed replaces it.
        m_toneList->lineEdit()->selectAll();
    }
}

void MemoryGridView::HideFrequencyEditor() {
    m_discarding = true;
    if (m_frequencyBox->hasFocus()) {
        setFocus();
    }
    m_frequencyBox->hide();
    m_discarding = false;
}

bool MemoryGridView::EndEntry() {
    QWidget* open = OpenEditor();
    if (open == nullptr) {
        return true;
    }
    m_refused = false;
    if (auto* list = qobject_cast<QComboBox*>(open)) {
        list->hidePopup();  // the list hands the keyboard back to its box
    }
    const QWidget* focus = QApplication::focusWidget();
    if (focus == open || open->isAncestorOf(focus)) {
        setFocus();  // the editor loses the focus, which commits the entry
    }
    if (OpenEditor() == open) {
        EntryLostFocus(open);  // the window was not active: the editor never had the keyboard
    }
    return !m_refused;
}

void MemoryGridView::DiscardEntry() {
    QWidget* open = OpenEditor();
    if (open == nullptr) {
        return;
    }
    m_discarding = true;
    if (auto* list = qobject_cast<QComboBox*>(open)) {
        list->hidePopup();
    }
    const QWidget* focus = QApplication::focusWidget();
    if (focus == open || open->isAncestorOf(focus)) {
        setFocus();
    }
    open->hide();
    m_discarding = false;
    if (open == m_toneList) {
        m_toneKeys.FocusLost();
    }
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

void MemoryGridView::CommitCell(const EditorState& after, bool deleted) {
    const EditName name{
        deleted ? EditKind::kDeleteChannel : EditKind::kCell, m_row, deleted ? 0 : m_column, {}};
    m_document.Commit(name, after);
}

void MemoryGridView::FrequencyBoxLostFocus() {
    if (m_discarding || m_frequencyBox->isHidden()) {
        return;
    }
    EditorState after = m_document.editor();
    const FrequencyCommit commit =
        CommitFrequency(after, m_row, m_column, m_frequencyBox->text().toStdString(), m_band);
    CommitCell(after, commit.outcome == FrequencyOutcome::kChannelDeleted);
    m_refused = commit.message.has_value();
    if (commit.message) {
        m_message(*commit.message);
        setFocus();
    }
    m_frequencyBox->hide();
}

void MemoryGridView::ToneChosen(int index) {
    if (m_toneList->isHidden() || index < 0 || !IsToneColumn(m_column)) {
        return;
    }
    EditorState after = m_document.editor();
    SetMemoryCellText(after, m_row, m_column, m_toneList->itemText(index).toStdString());
    CommitCell(after);
    setFocus();  // the commit that follows finds the picked text
    m_toneList->hide();
}

void MemoryGridView::ToneListLostFocus() {
    m_toneKeys.FocusLost();
    if (m_discarding || m_toneList->isHidden()) {
        return;
    }
    EditorState after = m_document.editor();
    CommitTone(after, m_row, m_column, m_toneList->currentText().toStdString());
    CommitCell(after);
    m_toneList->hide();
}

void MemoryGridView::ListItemChosen(int column, int index) {
    QComboBox* list = m_columnLists[static_cast<std::size_t>(column - kFirstListColumn)];
    if (list->isHidden() || column != m_column) {
        return;
    }
    EditorState after = m_document.editor();
    PickListItem(after, m_row, column, index);
    CommitCell(after);
    setFocus();
    list->hide();
}

// With a list dropped down, an arrow key picks the next item at once, as a click on it would;
// the tone list's edit field still takes what is typed, and Enter ends the entry there.
void MemoryGridView::ListArrowKey(QComboBox* list, int step) {
    const int row = list->view()->currentIndex().row() + step;
    if (row < 0 || row >= list->count()) {
        return;
    }
    list->hidePopup();
    list->setCurrentIndex(row);
    if (list == m_toneList) {
        ToneChosen(row);
        return;
    }
    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        if (list == m_columnLists[static_cast<std::size_t>(column - kFirstListColumn)]) {
            ListItemChosen(column, row);
        }
    }
}

void MemoryGridView::EntryLostFocus(QObject* editor) {
    if (editor == m_frequencyBox) {
        FrequencyBoxLostFocus();
    } else if (editor == m_toneList) {
        ToneListLostFocus();
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        list->hide();  // a list editor left without a pick changes nothing
    }
}

QWidget* MemoryGridView::EditorOf(const QObject* watched) const {
    if (watched == m_frequencyBox || watched == m_toneList || watched == m_toneList->view()) {
        return watched == m_frequencyBox ? static_cast<QWidget*>(m_frequencyBox) : m_toneList;
    }
    for (QComboBox* list : m_columnLists) {
        if (watched == list || watched == list->view()) {
            return list;
        }
    }
    return nullptr;
}

bool MemoryGridView::eventFilter(QObject* watched, QEvent* event) {
    if (EndsEntry(watched, event)) {
        if (!m_discarding) {
            EntryLostFocus(watched);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return QTableView::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab leaves the editor as Enter does and goes on to the next cell (Shift+Tab: the one
    // before); Escape closes the editor and leaves the cell alone. Neither reaches a list, which
    // would take them for its own.
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if ((tab || key->key() == Qt::Key_Escape) && EditorOf(watched) != nullptr) {
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (tab) {
            TabOut(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        } else {
            DiscardEntry();
        }
        return true;
    }
    QComboBox* list = nullptr;
    for (QComboBox* candidate : m_columnLists) {
        if (watched == candidate->view()) {
            list = candidate;
        }
    }
    if (watched == m_toneList->view()) {
        list = m_toneList;
    }
    if (list == nullptr) {
        return QTableView::eventFilter(watched, event);
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (event->type() == QEvent::ShortcutOverride) {
        // The list would take Enter as a pick of its highlighted item before the key press
        // arrives; in the tone list Enter ends the typed entry instead.
        if (list == m_toneList && enter) {
            event->accept();
            return true;
        }
        return QTableView::eventFilter(watched, event);
    }
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        ListArrowKey(list, key->key() == Qt::Key_Up ? -1 : 1);
        return true;
    }
    if (list == m_toneList &&
        (enter || key->key() == Qt::Key_Backspace || !key->text().isEmpty())) {
        if (enter) {
            m_toneList->hidePopup();
        }
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
        QCoreApplication::sendEvent(m_toneList, &copy);
        return true;
    }
    return QTableView::eventFilter(watched, event);
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
