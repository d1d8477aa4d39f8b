// The memory grid mfgrid1 and the debug grid mfgrid2 as views of the editor: the model reads
// the editor's cell texts; row 0 of the original grids, the headings, is the header. The memory
// grid's cells are edited through the model: an entry passes the entry rules and becomes a
// step of the document's undo history.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

class QTableView;

#include "channel_editing/frequency_entry.h"
#include "radio_data/editor_state.h"

namespace m742 {
class EditorDocument;
}

namespace m742 {

class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Grid { kMemory, kDebug };
    // setData's role for an item picked from a cell's list: the value is its position.
    static constexpr int kPickRole = Qt::UserRole;

    // Repaints whenever the document announces a change.
    GridModel(Grid grid, EditorDocument& document, QObject* parent = nullptr);

    // Makes the memory grid's cells editable: a frequency is checked against `band`, read at
    // every entry, and `message` shows why one was refused.
    void AcceptEntries(const BandLimits& band, std::function<void(const EntryMessage&)> message);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The channel numbers in column 0 are fixed, like the headings: shown, never selected.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Commits an entry typed into a cell (Qt::EditRole: the text) or picked from its list
    // (kPickRole: the position). An entry of no frequency deletes the channel. False when the
    // entry was refused: its message has been shown and the cell keeps its text.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The text of cell (row, column) in the grid's own numbering: rows 1-16.
    QString cellText(int row, int column) const;
    void SetHeading(int column, const QString& text);
    // Shows this grid in `view`: the headings above, no row numbers beside, one cell selected at
    // a time and nothing edited in the view itself.
    void ShowIn(QTableView& view);
    // The editor changed: every cell is drawn again.
    void Refresh();

private:
    Grid m_grid;
    EditorDocument& m_document;
    const BandLimits* m_band = nullptr;  // set while the cells take entries
    std::function<void(const EntryMessage&)> m_message;
    QStringList m_headings;
};

}  // namespace m742
