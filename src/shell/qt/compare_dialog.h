// "Compare with File…": what differs between the editor and a data file, one line a field, by
// section, in the interface language. The list is read-only; its lines can be selected and
// copied (Ctrl+C or "Copy") as tab-separated text.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

#include "plan_formats/plan_diff.h"

class QLabel;
class QTableWidget;

namespace m742 {

class CompareDialog : public QDialog {
public:
    // `diff` compares the editor (A) with `file` (B), its texts in the language of
    // `languageFlag`.
    CompareDialog(const PlanDiff& diff, const QString& file, std::int16_t languageFlag,
                  QWidget* parent = nullptr);

    QTableWidget& list() const { return *m_list; }
    // The selected lines, or every line when none is selected, as "Copy" puts them on the
    // clipboard: the cells of a line tab-separated, a section's title on a line of its own.
    QString copiedText() const;

private:
    QTableWidget* m_list = nullptr;  // lstDifferences
    QLabel* m_summary = nullptr;     // lblSummary
};

}  // namespace m742
