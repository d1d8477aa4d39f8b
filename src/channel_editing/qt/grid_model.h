// The memory grid mfgrid1 and the debug grid mfgrid2 as views of the editor: the model reads
// the editor's cell texts; row 0 of the original grids, the headings, is the header.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class QTableView;

#include "radio_data/editor_state.h"

namespace m742 {
class EditorDocument;
}

namespace m742 {

class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Grid { kMemory, kDebug };

    // Repaints whenever the document announces a change.
    GridModel(Grid grid, const EditorDocument& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // The channel numbers in column 0 are fixed, like the headings: shown, never selected.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
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
    const EditorDocument& m_document;
    QStringList m_headings;
};

}  // namespace m742
