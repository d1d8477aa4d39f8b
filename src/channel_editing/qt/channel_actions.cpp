#include "channel_editing/qt/channel_actions.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMenu>

#include "channel_editing/channel_operations.h"
#include "channel_editing/qt/editor_document.h"
#include "channel_editing/qt/memory_grid.h"
#include "radio_data/lists.h"
#include "texts/edit_texts.h"
#include "texts/grid_cells.h"
#include "texts/list_texts.h"
#include "texts/message_style.h"

namespace m742 {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

ChannelActions::ChannelActions(MemoryGridView& grid, EditorDocument& document,
                               const BandLimits& band,
                               std::function<void(const EntryMessage&)> message)
    : QObject(&grid),
      m_grid(grid),
      m_document(document),
      m_band(band),
      m_message(std::move(message)),
      m_menu(new QMenu(&grid)),
      m_fill(new QMenu(m_menu)) {
    m_menu->setObjectName("mnuChannels");
    const struct {
        ChannelCommand command;
        const char* name;
        QKeySequence key;
        std::function<void()> run;
    } items[] = {
        {ChannelCommand::kCopy, "mnuCopyChannels", QKeySequence::Copy, [this] { Copy(); }},
        {ChannelCommand::kCut, "mnuCutChannels", QKeySequence::Cut, [this] { Cut(); }},
        {ChannelCommand::kPaste, "mnuPasteChannels", QKeySequence::Paste,
         [this] { Paste(PasteTarget::kFromRow); }},
        {ChannelCommand::kPasteSameChannels, "mnuPasteSameChannels",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V),
         [this] { Paste(PasteTarget::kSameChannels); }},
        {ChannelCommand::kClear, "mnuClearChannels", QKeySequence(Qt::Key_Delete),
         [this] { Clear(); }},
        {ChannelCommand::kMoveUp, "mnuMoveChannelsUp", QKeySequence(Qt::ALT | Qt::Key_Up),
         [this] { Move(true); }},
        {ChannelCommand::kMoveDown, "mnuMoveChannelsDown", QKeySequence(Qt::ALT | Qt::Key_Down),
         [this] { Move(false); }},
        {ChannelCommand::kInsert, "mnuInsertChannel", QKeySequence(Qt::Key_Insert),
         [this] { Insert(); }},
        {ChannelCommand::kDelete, "mnuDeleteChannels", QKeySequence(Qt::CTRL | Qt::Key_Delete),
         [this] { Delete(); }},
    };
    for (const auto& item : items) {
        auto* action = new QAction(&grid);
        action->setObjectName(item.name);
        action->setShortcut(item.key);
        // The grid's own keys: inside an open cell editor, Ctrl+C and Ctrl+V stay the editor's.
        action->setShortcutContext(Qt::WidgetShortcut);
        grid.addAction(action);
        connect(action, &QAction::triggered, this, item.run);
        m_menu->addAction(action);
        m_actions[item.command] = action;
    }
    m_fill->setObjectName("mnuFillDown");
    m_actions[ChannelCommand::kFillDown] = m_menu->addMenu(m_fill);
    for (int column : {kColumnDecodeTone, kColumnEncodeTone, kColumnBusyLock, kColumnBandwidth,
                       kColumnAddScan, kColumnTxPower}) {
        QAction* action = m_fill->addAction(QString());
        action->setObjectName(QString("mnuFillDown%1").arg(column));
        connect(action, &QAction::triggered, this, [this, column] { Fill(column); });
        m_fillColumns[column] = action;
    }
    Reword();
    // The items and their keys follow the selection and the lock at once, not only when a
    // menu opens: a menu shown with nothing selected must not leave Ctrl+C off for good.
    connect(grid.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelActions::UpdateEnabled);
    grid.installEventFilter(this);
    UpdateEnabled();
}

bool ChannelActions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_grid && event->type() == QEvent::EnabledChange) {
        UpdateEnabled();
    }
    return QObject::eventFilter(watched, event);
}

QMenu* ChannelActions::menu() {
    Reword();
    UpdateEnabled();
    return m_menu;
}

void ChannelActions::AddTo(QMenu& menu) {
    menu.addSeparator()->setObjectName("mnuChannelsLine");
    menu.addActions(m_menu->actions());
    connect(&menu, &QMenu::aboutToShow, this, [this] {
        Reword();
        UpdateEnabled();
    });
}

void ChannelActions::UpdateEnabled() {
    const bool selected = m_grid.isEnabled() && !m_grid.selectedChannels().empty();
    for (ChannelCommand command :
         {ChannelCommand::kCopy, ChannelCommand::kCut, ChannelCommand::kClear,
          ChannelCommand::kMoveUp, ChannelCommand::kMoveDown, ChannelCommand::kInsert,
          ChannelCommand::kDelete, ChannelCommand::kFillDown}) {
        m_actions[command]->setEnabled(selected);
    }
    for (ChannelCommand command : {ChannelCommand::kPaste, ChannelCommand::kPasteSameChannels}) {
        m_actions[command]->setEnabled(m_grid.isEnabled());
    }
}

void ChannelActions::Reword() {
    const Lang lang = m_document.language();
    for (auto& [command, action] : m_actions) {
        action->setText(FromUtf8(ChannelCommandText(command, lang)));
    }
    for (auto& [column, action] : m_fillColumns) {
        QString heading = FromUtf8(std::string(kMemoryHeadings[std::size_t(column)].in(lang)));
        if (lang == Lang::Chinese && IsToneColumn(column)) {
            // Both tone columns share one Chinese heading.
            heading = FromUtf8(std::string((column == kColumnDecodeTone ? kDecodeToneFillPrefix
                                                                        : kEncodeToneFillPrefix)
                                               .in(lang))) +
                      heading;
        }
        action->setText(heading);
    }
}

void ChannelActions::Copy() {
    const std::vector<int> rows = m_grid.selectedChannels();
    if (!rows.empty()) {
        QGuiApplication::clipboard()->setText(
            FromUtf8(CopyChannels(m_document.editor(), rows, m_document.language())));
    }
}

void ChannelActions::Cut() {
    const std::vector<int> rows = m_grid.selectedChannels();
    if (rows.empty()) {
        return;
    }
    Copy();
    m_document.Apply({EditKind::kCut, rows.front(), 0, {}},
                     [&rows](EditorState& editor) { ClearChannels(editor, rows); });
}

void ChannelActions::Paste(PasteTarget target) {
    const int first = m_grid.pasteChannel();
    EditorState after = m_document.editor();
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    if (const auto refusal = PasteChannels(after, first, text, m_band, target)) {
        m_message({PasteRefusalMessage(*refusal, m_band), kStyleWarning, ""});
        return;
    }
    m_document.Commit({EditKind::kPaste, first, 0, {}}, after);
}

void ChannelActions::Clear() {
    const std::vector<int> rows = m_grid.selectedChannels();
    if (!rows.empty()) {
        m_document.Apply({EditKind::kClear, rows.front(), 0, {}},
                         [&rows](EditorState& editor) { ClearChannels(editor, rows); });
    }
}

void ChannelActions::Move(bool up) {
    const std::vector<int> rows = m_grid.selectedChannels();
    EditorState after = m_document.editor();
    if (!MoveChannels(after, rows, up)) {
        return;
    }
    m_document.Commit({up ? EditKind::kMoveUp : EditKind::kMoveDown, rows.front(), 0, {}}, after);
    std::vector<int> moved;
    for (int row : rows) {
        moved.push_back(up ? row - 1 : row + 1);
    }
    m_grid.SelectChannels(moved);  // the selection goes with the channels
}

void ChannelActions::Insert() {
    const std::vector<int> rows = m_grid.selectedChannels();
    if (rows.empty()) {
        return;
    }
    EditorState after = m_document.editor();
    if (!InsertChannel(after, rows.front())) {
        m_message({{&kInsertWouldLoseText, {std::to_string(kChannelCount)}}, kStyleWarning, ""});
        return;
    }
    m_document.Commit({EditKind::kInsertChannel, rows.front(), 0, {}}, after);
    m_grid.SelectChannels({rows.front()});  // the empty channel, ready to be filled
}

void ChannelActions::Delete() {
    const std::vector<int> rows = m_grid.selectedChannels();
    if (rows.empty()) {
        return;
    }
    const EditName name = rows.size() == 1 ? EditName{EditKind::kDeleteChannel, rows.front(), 0, {}}
                                           : EditName{EditKind::kDeleteChannels, 0, 0, {}};
    m_document.Apply(name, [&rows](EditorState& editor) { DeleteChannels(editor, rows); });
    m_grid.SelectChannels({});
}

void ChannelActions::Fill(int column) {
    const std::vector<int> rows = m_grid.selectedChannels();
    m_document.Apply({EditKind::kFillDown, 0, column, {}},
                     [&rows, column](EditorState& editor) { FillDown(editor, rows, column); });
}

}  // namespace m742
