// The memory grid's in-place editors, as its item delegate: the frequency box Text1 of columns
// 1 and 3, the tone list Combo8 of columns 2 and 4 and the list editors Combo5_5 to Combo5_8 of
// columns 5 to 8. An editor writes what is entered back to the cell it was opened for when it
// loses the focus, and an item picked from a list at once. Tab ends the entry as Enter does
// and moves on to the next cell; Escape closes the editor and leaves the cell as it was.
#pragma once

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>
#include <array>

#include "channel_editing/key_filters.h"
#include "texts/grid_columns.h"

class QComboBox;
class QLineEdit;
class QTableView;

namespace m742 {

class EntryValidator;

class MemoryCellDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // The editors are made once, hidden between entries, as children of `grid` itself: laid
    // over the frozen channel numbers, never under them.
    explicit MemoryCellDelegate(QTableView& grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // The editor is kept for the next entry.
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Commits the entry of a frequency or tone; a list editor commits only what is picked.
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The editor open over a cell, or nothing.
    QWidget* openEditor() const;
    bool IsFrequencyBox(const QWidget* editor) const;
    bool IsToneList(const QWidget* editor) const;
    // Commits the open entry and closes its editor, as losing the focus does.
    void Finish();
    // The last entry was refused: its message has been shown and the cell kept its text.
    bool refused() const { return m_refused; }
    // Closes the open editor and leaves its cell as it was.
    void Discard();

signals:
    // Tab (`forward`) or Shift+Tab was pressed in an editor.
    void tabbed(bool forward);
    void escaped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The editor `watched` belongs to (an editor, or the list of a combo editor), or nothing.
    QWidget* EditorOf(const QObject* watched) const;
    // The editor whose dropped-down list `watched` is, or nothing.
    QComboBox* ListOf(const QObject* watched) const;
    bool ListKey(QComboBox* list, QEvent* event);
    void Pick(QComboBox* list, int position);

    QTableView& m_grid;
    mutable ToneKeyFilter m_toneKeys;
    QLineEdit* m_frequencyBox = nullptr;
    EntryValidator* m_frequencyRules = nullptr;
    QComboBox* m_toneList = nullptr;
    EntryValidator* m_toneRules = nullptr;
    std::array<QComboBox*, kListColumnCount> m_columnLists{};  // the list columns, busy lock first
    mutable QPersistentModelIndex m_cell;                      // the cell the open editor writes to
    mutable bool m_refused = false;  // the last frequency commit was refused with a message
};

}  // namespace m742
