#include "shell/qt/compare_dialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "radio_data/lists.h"
#include "texts/backup_texts.h"
#include "texts/compare_texts.h"
#include "texts/diff_texts.h"
#include "texts/list_texts.h"

namespace m742 {

namespace {

constexpr int kColumns = 4;  // channel, item, editor, file

QString Of(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

CompareDialog::CompareDialog(const PlanDiff& diff, const QString& file, std::int16_t languageFlag,
                             QWidget* parent)
    : QDialog(parent) {
    const Lang lang = LanguageOf(languageFlag);
    const auto text = [lang](const Bilingual& texts) { return Of(texts.in(lang)); };
    setObjectName("frmCompare");
    setWindowTitle(text(kCompareDialogTitle));
    auto* layout = new QVBoxLayout(this);

    const QString name = QFileInfo(file).fileName();
    const std::vector<DiffTable> tables = DiffTables(diff, lang);
    const std::size_t lines = diff.items.size() + diff.otherBytes.size();
    m_summary = new QLabel(
        diff.equal()
            ? text(kCompareEqual).replace("%1", name)
            : text(kCompareSummary).replace("%1", name).replace("%2", QString::number(lines)),
        this);
    m_summary->setObjectName("lblSummary");
    m_summary->setToolTip(file);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    m_list = new QTableWidget(this);
    m_list->setObjectName("lstDifferences");
    m_list->setColumnCount(kColumns);
    m_list->setHorizontalHeaderLabels(
        {text(kMemoryHeadings[0]), text(kItemHeading), text(kEditorHeading), text(kFileHeading)});
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->verticalHeader()->setVisible(false);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 8);
    m_list->setWordWrap(false);
    for (const DiffTable& table : tables) {
        // The section's title on a line across the list.
        const int titleRow = m_list->rowCount();
        m_list->insertRow(titleRow);
        auto* title = new QTableWidgetItem(Of(table.title));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        m_list->setItem(titleRow, 0, title);
        m_list->setSpan(titleRow, 0, 1, kColumns);
        for (const auto& cells : table.rows) {
            const int row = m_list->rowCount();
            m_list->insertRow(row);
            for (int column = 0; column < kColumns; ++column) {
                m_list->setItem(row, column,
                                new QTableWidgetItem(Of(cells[static_cast<std::size_t>(column)])));
            }
        }
    }
    m_list->resizeColumnsToContents();
    for (int column = 0; column < kColumns; ++column) {
        m_list->setColumnWidth(column, m_list->columnWidth(column) + 12);  // room for the grid
    }
    // The editor's and the file's values side by side, alike in width.
    const int valueWidth = std::max(m_list->columnWidth(2), m_list->columnWidth(3));
    m_list->setColumnWidth(2, valueWidth);
    m_list->setColumnWidth(3, valueWidth);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setVisible(!diff.equal());
    layout->addWidget(m_list, 1);

    if (!diff.otherBytes.empty()) {
        auto* note = new QLabel(text(kOtherBytesNote), this);
        note->setObjectName("lblOtherBytes");
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    auto* copy = new QAction(m_list);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_list->addAction(copy);
    const auto toClipboard = [this] { QApplication::clipboard()->setText(copiedText()); };
    connect(copy, &QAction::triggered, this, toClipboard);

    auto* buttons = new QDialogButtonBox(this);
    if (!diff.equal()) {
        QPushButton* copyButton =
            buttons->addButton(text(kCopyButton), QDialogButtonBox::ActionRole);
        copyButton->setObjectName("cmdCopy");
        connect(copyButton, &QPushButton::clicked, this, toClipboard);
    }
    QPushButton* close = buttons->addButton(text(kCloseButton), QDialogButtonBox::RejectRole);
    close->setObjectName("cmdClose");
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Room for the longest lines on a 1366x768 screen, and no more than the list needs.
    if (diff.equal()) {
        resize(420, 120);
    } else {
        int width = 80;
        for (int column = 0; column < kColumns; ++column) {
            width += m_list->columnWidth(column);
        }
        const int height =
            140 + m_list->rowCount() * m_list->verticalHeader()->defaultSectionSize();
        resize(std::clamp(width, 560, 1200), std::clamp(height, 300, 640));
    }
}

QString CompareDialog::copiedText() const {
    QString copied;
    const bool all = m_list->selectionModel()->selectedRows().isEmpty();
    for (int row = 0; row < m_list->rowCount(); ++row) {
        if (!all && !m_list->selectionModel()->isRowSelected(row)) {
            continue;
        }
        QStringList cells;
        for (int column = 0; column < kColumns; ++column) {
            const QTableWidgetItem* item = m_list->item(row, column);
            if (item != nullptr) {
                cells << item->text();
            }
        }
        copied += cells.join('\t') + '\n';
    }
    return copied;
}

}  // namespace m742
