// The memory grid's channel operations: Copy (Ctrl+C), Cut (Ctrl+X), Paste (Ctrl+V), Paste to
// the same channels (Ctrl+Shift+V), Clear (Delete), Move up (Alt+Up), Move down (Alt+Down),
// Insert (Insert), Delete (Ctrl+Delete) and Fill down, on the channels selected by their
// numbers. The keys belong to the grid itself, so an open cell editor keeps Ctrl+C and
// Ctrl+V for its text; the same items form the menu of the channel numbers. Each operation is
// one undo step.
#pragma once

#include <QObject>
#include <functional>
#include <map>

#include "channel_editing/channel_operations.h"
#include "channel_editing/frequency_entry.h"
#include "texts/edit_texts.h"

class QAction;
class QMenu;

namespace m742 {

class EditorDocument;
class MemoryGridView;

class ChannelActions : public QObject {
    Q_OBJECT

public:
    // `band` is read at every paste; `message` reports a refused paste.
    ChannelActions(MemoryGridView& grid, EditorDocument& document, const BandLimits& band,
                   std::function<void(const EntryMessage&)> message);

    QAction* action(ChannelCommand command) const { return m_actions.at(command); }
    // The menu of the channel numbers, worded in the interface language.
    QMenu* menu();
    // Puts the same items into `menu` (the window's Edit menu), after a separator; they are
    // worded and enabled as the grid stands each time it opens.
    void AddTo(QMenu& menu);

    void Copy();
    void Cut();
    void Paste(PasteTarget target = PasteTarget::kFromRow);
    void Clear();
    void Move(bool up);
    void Insert();
    void Delete();
    void Fill(int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Reword();
    // The items that work on selected channels are on while some are selected and the grid
    // takes edits.
    void UpdateEnabled();

    MemoryGridView& m_grid;
    EditorDocument& m_document;
    const BandLimits& m_band;
    std::function<void(const EntryMessage&)> m_message;
    std::map<ChannelCommand, QAction*> m_actions;
    QMenu* m_menu;
    QMenu* m_fill;
    std::map<int, QAction*> m_fillColumns;
};

}  // namespace m742
