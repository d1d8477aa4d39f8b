// A channel grid that fills the room it is given: once the grid is wider than its columns, the
// extra width goes to the columns named (the frequencies and tones), and once it is taller than
// its rows, every row grows alike, so that no empty band is left below the last one. Smaller
// than that, the columns and rows keep the widths and heights they had when the fit began (or
// the width their heading needs in the interface language, bold as the current column's is)
// and the grid scrolls.
#pragma once

#include <QObject>
#include <vector>

class QTableView;

namespace m742 {

class GridFit : public QObject {
public:
    // Fits `view` (and the views laid over it, such as its fixed channel column) from now on.
    // The column widths and the row height it has now are the smallest it is given; the
    // columns in `stretchColumns` share any extra width.
    GridFit(QTableView& view, std::vector<int> stretchColumns);

    // The size the grid needs to show every row and every column without scroll bars.
    QSize FullSize() const;
    // Lays the columns and rows out for the grid's present size.
    void Fit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The smallest width of every column: its own, or its heading's when that is wider.
    std::vector<int> Minimums() const;

    QTableView& m_view;
    // The viewport the filter watches, kept apart: while the grid is being destroyed its
    // viewport still has events, and the grid may no longer be asked for it.
    const QObject* m_viewport;
    std::vector<int> m_stretch;
    std::vector<int> m_widths;  // the width every column was given (the heading aside)
    std::vector<int> m_shares;  // what each column has of the extra room now
    bool m_fitting = false;     // the widths changing now are the fit's own
    int m_rowHeight = 0;        // the smallest row height
};

// Shares `extra` pixels among `count` parts, the first ones taking one more when it does not
// divide evenly: the share of part `index`.
int ShareOf(int extra, int count, int index);

}  // namespace m742
