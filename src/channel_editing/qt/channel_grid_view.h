// What the memory grid and the debug grid share as table views: the channel numbers of column 0
// stay in place when the grid scrolls sideways, as a fixed column does. A second view, laid over
// the left edge and showing column 0 alone, draws them; it lets the mouse through, and the grid
// takes a press on it as one on the channel number of that row.
#pragma once

#include <QTableView>

namespace m742 {

class ChannelGridView : public QTableView {
    Q_OBJECT

public:
    explicit ChannelGridView(QWidget* parent);

    QModelIndex indexAt(const QPoint& point) const override;
    // A cell scrolled into view is never left under the channel numbers.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    // Lays the channel numbers over the grid; called once the model is set.
    void FreezeChannelColumn();
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

private:
    void PlaceChannelColumn();

    QTableView* m_numbers = nullptr;
};

}  // namespace m742
