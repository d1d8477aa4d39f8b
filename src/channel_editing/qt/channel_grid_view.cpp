#include "channel_editing/qt/channel_grid_view.h"

#include <QHeaderView>
#include <QScrollBar>

namespace m742 {

ChannelGridView::ChannelGridView(QWidget* parent) : QTableView(parent) {}

void ChannelGridView::FreezeChannelColumn() {
    m_numbers = new QTableView(this);
    m_numbers->setObjectName("channelNumbers");
    m_numbers->setModel(model());
    m_numbers->setFocusPolicy(Qt::NoFocus);
    m_numbers->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_numbers->setFrameShape(QFrame::NoFrame);
    m_numbers->setSelectionMode(QAbstractItemView::NoSelection);
    m_numbers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_numbers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_numbers->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_numbers->verticalHeader()->hide();
    m_numbers->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
    m_numbers->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_numbers->setVerticalScrollMode(verticalScrollMode());
    for (int column = 1; column < model()->columnCount(); ++column) {
        m_numbers->setColumnHidden(column, true);
    }
    m_numbers->setColumnWidth(0, columnWidth(0));
    // Scrolling by pixels keeps the cell beside the numbers whole instead of hiding part of it.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    viewport()->stackUnder(m_numbers);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (column == 0) {
                    m_numbers->setColumnWidth(0, width);
                    PlaceChannelColumn();
                }
            });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, m_numbers->verticalScrollBar(),
            &QScrollBar::setValue);
    PlaceChannelColumn();
    m_numbers->show();
}

void ChannelGridView::PlaceChannelColumn() {
    if (m_numbers == nullptr) {
        return;
    }
    m_numbers->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), columnWidth(0),
                           viewport()->height() + horizontalHeader()->height());
    m_numbers->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

QModelIndex ChannelGridView::indexAt(const QPoint& point) const {
    if (m_numbers != nullptr && point.x() >= 0 && point.x() < columnWidth(0)) {
        const int row = rowAt(point.y());
        return row < 0 ? QModelIndex() : model()->index(row, 0);
    }
    return QTableView::indexAt(point);
}

void ChannelGridView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QScrollBar& sideways = *horizontalScrollBar();
    const int before = sideways.value();
    QTableView::scrollTo(index, hint);
    if (m_numbers == nullptr || !index.isValid()) {
        return;
    }
    if (index.column() == 0) {
        sideways.setValue(before);  // the numbers are always in view
        return;
    }
    const int covered = columnWidth(0) - columnViewportPosition(index.column());
    if (covered > 0) {
        sideways.setValue(sideways.value() - covered);
    }
}

void ChannelGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    PlaceChannelColumn();
}

void ChannelGridView::updateGeometries() {
    QTableView::updateGeometries();
    PlaceChannelColumn();
}

}  // namespace m742
