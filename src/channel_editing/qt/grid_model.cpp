#include "channel_editing/qt/grid_model.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>

#include "channel_editing/list_entry.h"
#include "channel_editing/qt/editor_document.h"
#include "channel_editing/tone_entry.h"
#include "radio_data/lists.h"
#include "texts/grid_cells.h"
#include "texts/grid_columns.h"
#include "texts/list_texts.h"

namespace m742 {

GridModel::GridModel(Grid grid, EditorDocument& document, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_document(document) {
    connect(&document, &EditorDocument::changed, this, &GridModel::Refresh);
    for (int column = 0; column < columnCount(); ++column) {
        m_headings << QString();
    }
}

void GridModel::AcceptEntries(const BandLimits& band,
                              std::function<void(const EntryMessage&)> message) {
    m_band = &band;
    m_message = std::move(message);
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
    // What a list cell's editor starts from is the position of the channel's item.
    if (role == Qt::EditRole && m_grid == Grid::kMemory && IsListColumn(index.column())) {
        return int(
            ListPositionOf(MemoryChannelOf(m_document.editor(), index.row() + 1), index.column()));
    }
    if (role == Qt::EditRole) {
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
    if (index.column() == 0) {
        return Qt::ItemIsEnabled;
    }
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return m_band != nullptr ? flags | Qt::ItemIsEditable : flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (m_band == nullptr || !index.isValid() || index.column() < kColumnRx) {
        return false;
    }
    const int row = index.row() + 1;
    const int column = index.column();
    EditorState after = m_document.editor();
    const bool typed = role == Qt::EditRole && !IsListColumn(column);
    if (role != kPickRole && !typed) {
        return false;  // a list cell takes only a pick
    }
    FrequencyCommit frequency;
    if (role == kPickRole && IsToneColumn(column)) {
        SetMemoryCellText(after, row, column,
                          ListItem(ListId::kTone, value.toInt(), Lang::English));
    } else if (role == kPickRole) {
        PickListItem(after, row, column, value.toInt());
    } else if (IsToneColumn(column)) {
        CommitTone(after, row, column, value.toString().toStdString());
    } else {
        frequency = CommitFrequency(after, row, column, value.toString().toStdString(), *m_band);
    }
    const bool deleted = frequency.outcome == FrequencyOutcome::kChannelDeleted;
    m_document.Commit(
        {deleted ? EditKind::kDeleteChannel : EditKind::kCell, row, deleted ? 0 : column, {}},
        after);
    if (frequency.message) {
        m_message(*frequency.message);
        return false;
    }
    return true;
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
