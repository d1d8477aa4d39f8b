#include "channel_editing/qt/debug_grid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "channel_editing/debug_panel.h"
#include "channel_editing/qt/editor_document.h"
#include "channel_editing/qt/entry_validator.h"
#include "channel_editing/qt/grid_model.h"
#include "texts/message_text.h"

namespace m742 {

DebugGridView::DebugGridView(EditorDocument& document, QWidget* parent)
    : ChannelGridView(parent),
      m_document(document),
      m_model(new GridModel(GridModel::Grid::kDebug, document, this)) {
    setObjectName("mfgrid2");
    m_model->ShowIn(*this);
    FreezeChannelColumn();
    setSelectionBehavior(QAbstractItemView::SelectRows);

    m_menu = new QMenu(this);
    m_menu->setObjectName("mnuchannel");
    m_delete = m_menu->addAction(QString());
    m_delete->setObjectName("mnudel_channel");
    connect(m_delete, &QAction::triggered, this, [this] { DeleteMenuChannel(); });

    BuildPanel(parent);
    // The panel always shows the highlighted channel, however the highlight moved (arrow keys,
    // Home, End, Page Up/Down, a typed number).
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && current.row() + 1 != SelectedChannel()) {
                    SelectChannel(current.row() + 1);
                }
            });
    // The boxes show the selected channel again only when its frequencies changed, so an entry
    // typed into them survives a change elsewhere (a setting, another channel).
    connect(&document, &EditorDocument::changed, this, [this] {
        const int channel = SelectedChannel();
        if (m_storing) {
            // The boxes keep what was typed into them until the next selection.
            m_shownRx = m_model->cellText(channel, 1);
            m_shownTx = m_model->cellText(channel, 2);
            return;
        }
        if (channel >= 1 && (m_model->cellText(channel, 1) != m_shownRx ||
                             m_model->cellText(channel, 2) != m_shownTx)) {
            ShowDebugChannel();
        }
    });
}

void DebugGridView::BuildPanel(QWidget* parent) {
    m_panel = new QWidget(parent);
    auto* layout = new QGridLayout(m_panel);
    auto label = [this](const char* name) {
        auto* l = new QLabel(m_panel);
        l->setObjectName(name);
        return l;
    };
    m_channel = new QComboBox(m_panel);
    m_channel->setObjectName("combochannel2");
    for (int n = 1; n <= kChannelCount; ++n) {
        m_channel->addItem(QString::number(n));
    }
    connect(m_channel, &QComboBox::activated, this, [this] { ChannelChosen(); });
    m_rx = new QLineEdit(m_panel);
    m_rx->setObjectName("Txtrfre2");
    m_tx = new QLineEdit(m_panel);
    m_tx->setObjectName("Txtsfre2");
    for (QLineEdit* box : {m_rx, m_tx}) {
        // Enter is a key like any other the boxes refuse.
        new EntryValidator(box, box, EntryValidator::FrequencyKeys(true),
                           EntryValidator::FrequencyText(true), [] {});
    }
    m_ok = new QPushButton(m_panel);
    m_ok->setObjectName("Command1");
    connect(m_ok, &QPushButton::clicked, this, [this] { StoreChannel(); });
    layout->addWidget(label("Label26"), 0, 0);  // "Channel"
    layout->addWidget(m_channel, 0, 1);
    layout->addWidget(label("Label24"), 1, 0);  // "RX Frequency"
    layout->addWidget(m_rx, 1, 1);
    layout->addWidget(label("Label22"), 2, 0);  // "TX Frequency"
    layout->addWidget(m_tx, 2, 1);
    layout->addWidget(m_ok, 3, 1);
    layout->setRowStretch(4, 1);
}

int DebugGridView::SelectedChannel() const {
    return m_channel->currentIndex() + 1;
}

void DebugGridView::SelectChannel(int channel) {
    {
        const QSignalBlocker quiet(m_channel);
        m_channel->setCurrentIndex(channel - 1);
    }
    ChannelChosen();
}

void DebugGridView::ChannelChosen() {
    if (isVisible() && isEnabled() && m_panelReady) {
        setFocus();
    }
    m_panelReady = true;
    ShowDebugChannel();
}

void DebugGridView::ShowDebugChannel() {
    const int channel = SelectedChannel();
    if (channel < 1) {
        return;
    }
    setCurrentIndex(m_model->index(channel - 1, 1));
    selectRow(channel - 1);
    // selectRow makes the channel number current, which is no cell: the arrow keys would move
    // along the numbers and highlight nothing.
    selectionModel()->setCurrentIndex(m_model->index(channel - 1, 1),
                                      QItemSelectionModel::NoUpdate);
    m_shownRx = m_model->cellText(channel, 1);
    m_shownTx = m_model->cellText(channel, 2);
    m_rx->setText(m_shownRx);
    m_tx->setText(m_shownTx);
}

void DebugGridView::StoreChannel() {
    const int channel = SelectedChannel();
    const std::string rx = m_rx->text().toStdString();
    const std::string tx = m_tx->text().toStdString();
    m_storing = true;
    m_document.Apply({EditKind::kDebugChannel, channel, 0, {}},
                     [&](EditorState& editor) { StoreDebugChannel(editor, channel, rx, tx); });
    m_storing = false;
}

void DebugGridView::DeleteMenuChannel() {
    if (!isVisible()) {
        return;
    }
    const int row = m_menuRow;
    m_document.Apply({EditKind::kDeleteDebugChannel, row, 0, {}},
                     [row](EditorState& editor) { DeleteDebugChannel(editor, row); });
}

void DebugGridView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int row = indexAt(at).isValid() ? indexAt(at).row() + 1 : 0;
    if (event->button() == Qt::RightButton) {
        // Only over a channel row: the heading and the space below the last row have no menu.
        if (const auto caption = DeleteChannelCaption(row)) {
            m_menuRow = row;
            m_delete->setText(QString::fromStdString(Worded(*caption, m_document.language())));
            m_menu->popup(event->globalPosition().toPoint());
        }
        return;
    }
    if (event->button() != Qt::LeftButton || row == 0) {
        return;
    }
    // A click picks the row's channel in the list, which shows it in the panel.
    setFocus();
    setCurrentIndex(m_model->index(row - 1, 1));
    SelectChannel(row);
}

QModelIndex DebugGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // The channel numbers are no cells: the highlight stays on the frequencies.
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    return next.isValid() && next.column() < 1 ? next.siblingAtColumn(1) : next;
}

void DebugGridView::keyboardSearch(const QString& search) {
    // Typing a channel's number highlights it: "1" then "2" in quick succession is 12.
    if (search.isEmpty() || !search.front().isDigit()) {
        return;
    }
    if (!m_typing.isValid() || m_typing.elapsed() > QApplication::keyboardInputInterval()) {
        m_typed.clear();
    }
    m_typing.start();
    for (const QString& typed : {m_typed + search, search}) {
        const int channel = typed.toInt();
        if (channel >= 1 && channel <= kChannelCount && !typed.startsWith('0')) {
            m_typed = typed;
            SelectChannel(channel);
            return;
        }
    }
    m_typed.clear();
}

void DebugGridView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();  // no selection is dragged out
}

void DebugGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace m742
