#include "channel_editing/qt/grid_fit.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <numeric>

namespace m742 {

int ShareOf(int extra, int count, int index) {
    if (count <= 0 || extra <= 0) {
        return 0;
    }
    return extra / count + (index < extra % count ? 1 : 0);
}

GridFit::GridFit(QTableView& view, std::vector<int> stretchColumns)
    : QObject(&view),
      m_view(view),
      m_viewport(view.viewport()),
      m_stretch(std::move(stretchColumns)) {
    for (int column = 0; column < view.model()->columnCount(); ++column) {
        m_widths.push_back(view.columnWidth(column));
    }
    m_rowHeight = view.verticalHeader()->defaultSectionSize();
    // A column widened or narrowed by hand (or by the program) keeps that width as its own
    // from then on; only the share of the extra room changes with the grid's size.
    connect(view.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
                if (!m_fitting && column >= 0 && column < int(m_widths.size())) {
                    m_widths[std::size_t(column)] = width - m_shares[std::size_t(column)];
                }
            });
    // A heading in another language may need another width.
    connect(view.model(), &QAbstractItemModel::headerDataChanged, this, [this] { Fit(); });
    view.viewport()->installEventFilter(this);
    Fit();
}

std::vector<int> GridFit::Minimums() const {
    // The current column's heading is drawn bold; the header's hint measures it so, and no
    // column is narrower than its heading needs.
    std::vector<int> minimums = m_widths;
    for (std::size_t column = 0; column < minimums.size(); ++column) {
        minimums[column] =
            std::max(minimums[column], m_view.horizontalHeader()->sectionSizeHint(int(column)));
    }
    return minimums;
}

QSize GridFit::FullSize() const {
    const int frame = 2 * m_view.frameWidth();
    const std::vector<int> minimums = Minimums();
    const int width = std::accumulate(minimums.begin(), minimums.end(), 0) + frame +
                      (m_view.verticalHeader()->isVisible() ? m_view.verticalHeader()->width() : 0);
    const int height = m_view.horizontalHeader()->sizeHint().height() +
                       m_view.model()->rowCount() * m_rowHeight + frame;
    return {width, height};
}

void GridFit::Fit() {
    // The room the cells would have without scroll bars: when everything fits, none is needed.
    const QSize full = FullSize();
    const std::vector<int> minimums = Minimums();
    const int frame = 2 * m_view.frameWidth();
    const int least = std::accumulate(minimums.begin(), minimums.end(), 0);
    const int roomWidth = m_view.width() - (full.width() - least);
    const int rows = m_view.model()->rowCount();
    const int roomHeight = m_view.height() - frame - m_view.horizontalHeader()->sizeHint().height();

    int extraWidth = roomWidth - least;
    int extraHeight = roomHeight - rows * m_rowHeight;
    // A scroll bar that has to come takes its room from the other direction.
    if (extraWidth < 0) {
        extraHeight -= m_view.horizontalScrollBar()->sizeHint().height();
    }
    if (extraHeight < 0) {
        extraWidth -= m_view.verticalScrollBar()->sizeHint().width();
    }
    const int stretched = static_cast<int>(m_stretch.size());
    std::vector<int> widths = minimums;
    for (int i = 0; i < stretched; ++i) {
        widths[static_cast<std::size_t>(m_stretch[static_cast<std::size_t>(i)])] +=
            ShareOf(extraWidth, stretched, i);
    }

    std::vector<QTableView*> views{&m_view};
    for (QTableView* over : m_view.findChildren<QTableView*>(Qt::FindDirectChildrenOnly)) {
        views.push_back(over);
    }
    m_fitting = true;
    m_shares.assign(m_widths.size(), 0);
    for (std::size_t column = 0; column < widths.size(); ++column) {
        m_shares[column] = widths[column] - minimums[column];
    }
    for (QTableView* view : views) {
        for (std::size_t column = 0; column < widths.size(); ++column) {
            if (view->columnWidth(int(column)) != widths[column] &&
                !view->isColumnHidden(int(column))) {
                view->setColumnWidth(int(column), widths[column]);
            }
        }
        for (int row = 0; row < rows; ++row) {
            const int height = m_rowHeight + ShareOf(extraHeight, rows, row);
            if (view->rowHeight(row) != height) {
                view->setRowHeight(row, height);
            }
        }
    }
    m_fitting = false;
}

bool GridFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_viewport && event->type() == QEvent::Resize) {
        Fit();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace m742
