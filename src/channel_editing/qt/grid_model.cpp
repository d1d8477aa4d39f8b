#include "channel_editing/qt/grid_model.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>

#include "channel_editing/qt/editor_document.h"
#include "texts/grid_cells.h"

namespace m742 {

GridModel::GridModel(Grid grid, const EditorDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_document(document) {
    connect(&document, &EditorDocument::changed, this, &GridModel::Refresh);
    for (int column = 0; column < columnCount(); ++column) {
        m_headings << QString();
    }
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelCount;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return m_grid == Grid::kMemory ? kMemoryColumns : kDebugColumns;
}

QString GridModel::cellText(int row, int column) const {
    const EditorState& editor = m_document.editor();
    return QString::fromStdString(m_grid == Grid::kMemory
                                      ? MemoryCellText(editor, row, column, m_document.language())
                                      : DebugCellText(editor, row, column));
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return cellText(index.row() + 1, index.column());
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    if (role == Qt::BackgroundRole && index.column() == 0) {
        return QGuiApplication::palette().button();
    }
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return index.column() == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_headings.value(section);
    }
    if (role == Qt::TextAlignmentRole) {
        return int(Qt::AlignCenter);
    }
    return {};
}

void GridModel::SetHeading(int column, const QString& text) {
    if (column >= 0 && column < m_headings.size()) {
        m_headings[column] = text;
        emit headerDataChanged(Qt::Horizontal, column, column);
    }
}

void GridModel::ShowIn(QTableView& view) {
    view.setModel(this);
    view.verticalHeader()->setVisible(false);
    view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 8);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void GridModel::Refresh() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

}  // namespace m742
