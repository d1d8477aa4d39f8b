#include "channel_editing/qt/memory_cell_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableView>

#include "channel_editing/qt/entry_validator.h"
#include "channel_editing/qt/grid_model.h"
#include "radio_data/lists.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

// Leaving the window, or a pop-up (a box's context menu, the editor's own list as it drops
// down and takes the keyboard) holding the focus for a moment, is no end of an entry.
bool EndsEntry(const QWidget* editor, const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
        return false;
    }
    const QWidget* now = QApplication::focusWidget();
    const auto* list = qobject_cast<const QComboBox*>(editor);
    return list == nullptr || now == nullptr || now->window() != list->view()->window();
}

}  // namespace

MemoryCellDelegate::MemoryCellDelegate(QTableView& grid)
    : QStyledItemDelegate(&grid), m_grid(grid) {
    m_frequencyBox = new QLineEdit(&grid);
    m_frequencyBox->setObjectName("Text1");  // frequency editor of columns 1 and 3
    m_frequencyBox->hide();
    m_frequencyRules =
        new EntryValidator(m_frequencyBox, m_frequencyBox, EntryValidator::FrequencyKeys(false),
                           EntryValidator::FrequencyText(false), [&grid] { grid.setFocus(); });

    m_toneList = new QComboBox(&grid);
    m_toneList->setObjectName("Combo8");  // tone editor of columns 2 and 4
    m_toneList->setEditable(true);
    m_toneList->setInsertPolicy(QComboBox::NoInsert);
    m_toneList->setCompleter(nullptr);  // a typed "6" must stay "6", not become "67.0"
    m_toneList->setMaxVisibleItems(20);
    for (int i = 0; i < ListSize(ListId::kTone); ++i) {
        m_toneList->addItem(QString::fromStdString(ListItem(ListId::kTone, i, Lang::English)));
    }
    m_toneList->hide();
    m_toneRules = new EntryValidator(
        m_toneList, m_toneList->lineEdit(),
        [this](int key, const std::string&, std::size_t) { return m_toneKeys.Key(key); },
        [this](const std::string&, const std::string& inserted) {
            return m_toneKeys.Text(inserted);
        },
        [&grid] { grid.setFocus(); });
    m_toneList->view()->installEventFilter(this);
    connect(m_toneList, &QComboBox::activated, this,
            [this](int index) { Pick(m_toneList, index); });

    for (int column = kFirstListColumn; column <= kLastListColumn; ++column) {
        auto* list = new QComboBox(&grid);
        // Combo5_5 busy lock, Combo5_6 band, Combo5_7 add scan, Combo5_8 TX power.
        list->setObjectName(QString("Combo5_%1").arg(column));
        for (int i = 0; i < ListSize(GridColumnList(column)); ++i) {
            list->addItem(QString());  // texted by the language tables
        }
        list->hide();
        list->view()->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, list](int index) { Pick(list, index); });
        m_columnLists[static_cast<std::size_t>(column - kFirstListColumn)] = list;
    }
}

QWidget* MemoryCellDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const {
    const int column = index.column();
    if (column == kColumnRx || column == kColumnTx) {
        return m_frequencyBox;
    }
    if (IsToneColumn(column)) {
        return m_toneList;
    }
    if (IsListColumn(column)) {
        return m_columnLists[static_cast<std::size_t>(column - kFirstListColumn)];
    }
    return nullptr;
}

void MemoryCellDelegate::destroyEditor(QWidget* editor, const QModelIndex&) const {
    if (editor == m_toneList) {
        m_toneKeys.FocusLost();  // each letter may be typed once again
    }
    m_cell = QPersistentModelIndex();
}

void MemoryCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    m_cell = index;
    m_refused = false;
    const QVariant value = index.data(Qt::EditRole);
    if (editor == m_frequencyBox) {
        m_frequencyRules->SetText(value.toString());
    } else if (editor == m_toneList) {
        const QSignalBlocker quiet(m_toneList);
        m_toneRules->SetText(value.toString());
        m_toneList->setCurrentIndex(m_toneList->findText(value.toString()));
        m_toneRules->SetText(value.toString());
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // Set while hidden: a pick only counts once the list is shown.
        list->setCurrentIndex(value.toInt());
    }
}

void MemoryCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
    if (editor == m_frequencyBox) {
        m_refused = !model->setData(index, m_frequencyBox->text(), Qt::EditRole);
    } else if (editor == m_toneList) {
        model->setData(index, m_toneList->currentText(), Qt::EditRole);
    }
}

void MemoryCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const {
    const QRect cell = option.rect.translated(m_grid.viewport()->pos());
    editor->move(cell.topLeft());
    editor->resize(cell.width(),
                   editor == m_frequencyBox ? cell.height() : editor->sizeHint().height());
}

QWidget* MemoryCellDelegate::openEditor() const {
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

bool MemoryCellDelegate::IsFrequencyBox(const QWidget* editor) const {
    return editor != nullptr && editor == m_frequencyBox;
}

bool MemoryCellDelegate::IsToneList(const QWidget* editor) const {
    return editor != nullptr && editor == m_toneList;
}

void MemoryCellDelegate::Finish() {
    QWidget* open = openEditor();
    if (open == nullptr) {
        return;
    }
    m_refused = false;
    emit commitData(open);
    emit closeEditor(open, NoHint);
    if (m_refused) {
        m_grid.setFocus();
    }
}

void MemoryCellDelegate::Discard() {
    QWidget* open = openEditor();
    if (open == nullptr) {
        return;
    }
    if (auto* list = qobject_cast<QComboBox*>(open)) {
        list->hidePopup();  // the list hands the keyboard back to its box
    }
    emit closeEditor(open, NoHint);  // the grid takes back the focus the editor had
}

QWidget* MemoryCellDelegate::EditorOf(const QObject* watched) const {
    if (watched == m_frequencyBox) {
        return m_frequencyBox;
    }
    if (watched == m_toneList || watched == m_toneList->view()) {
        return m_toneList;
    }
    for (QComboBox* list : m_columnLists) {
        if (watched == list || watched == list->view()) {
            return list;
        }
    }
    return nullptr;
}

QComboBox* MemoryCellDelegate::ListOf(const QObject* watched) const {
    if (watched == m_toneList->view()) {
        return m_toneList;
    }
    for (QComboBox* list : m_columnLists) {
        if (watched == list->view()) {
            return list;
        }
    }
    return nullptr;
}

bool MemoryCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    QWidget* editor = EditorOf(watched);
    if (editor == nullptr || editor != openEditor()) {
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        if (watched == editor && EndsEntry(editor, event)) {
            Finish();
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab leaves the editor as Enter does and goes on to the next cell (Shift+Tab: the one
    // before); Escape closes the editor and leaves the cell alone. Neither reaches a list, which
    // would take them for its own.
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (tab || key->key() == Qt::Key_Escape) {
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
        } else if (tab) {
            emit tabbed(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        } else {
            emit escaped();
        }
        return true;
    }
    QComboBox* list = ListOf(watched);
    return list != nullptr && ListKey(list, event);
}

// With a list dropped down, an arrow key picks the next item at once, as a click on it would;
// the tone list's edit field still takes what is typed, and Enter ends the entry there.
bool MemoryCellDelegate::ListKey(QComboBox* list, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (event->type() == QEvent::ShortcutOverride) {
        // The list would take Enter as a pick of its highlighted item before the key press
        // arrives; in the tone list Enter ends the typed entry instead.
        if (list == m_toneList && enter) {
            event->accept();
            return true;
        }
        return false;
    }
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        const int row = list->view()->currentIndex().row() + (key->key() == Qt::Key_Up ? -1 : 1);
        if (row >= 0 && row < list->count()) {
            list->hidePopup();
            list->setCurrentIndex(row);
            Pick(list, row);
        }
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
    return false;
}

void MemoryCellDelegate::Pick(QComboBox* list, int position) {
    if (list != openEditor() || position < 0 || !m_cell.isValid()) {
        return;
    }
    m_grid.model()->setData(m_cell, position, GridModel::kPickRole);
    m_grid.setFocus();  // the commit that follows finds the picked item
    if (list == openEditor()) {
        emit closeEditor(list, NoHint);
    }
}

}  // namespace m742
