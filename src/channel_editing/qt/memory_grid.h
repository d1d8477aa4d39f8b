// The memory grid mfgrid1. A press on a cell opens the cell's editor at once (the delegate's,
// memory_cell_delegate.h); a press on a channel number selects channels.
#pragma once

#include <functional>
#include <vector>

#include "channel_editing/frequency_entry.h"
#include "channel_editing/qt/channel_grid_view.h"

namespace m742 {

class ChannelActions;
class EditorDocument;
class GridModel;
class MemoryCellDelegate;

class MemoryGridView : public ChannelGridView {
    Q_OBJECT

public:
    // Every entry is committed to `document` as a step of its own. `band` is read at every
    // frequency commit; `message` shows the out-of-band message.
    MemoryGridView(EditorDocument& document, const BandLimits& band,
                   std::function<void(const EntryMessage&)> message, QWidget* parent);

    GridModel& gridModel() const { return *m_model; }

    // The click handling: opens the editor of the selected cell, but only while a left press
    // or Enter has armed it.
    void EditClickedCell();
    // Hides Text1 without taking over its text (a read, a write or an opened file replaces it).
    void HideFrequencyEditor();
    // Ends an open entry as losing the focus does. False when the entry was refused: its
    // message has been shown and the cell kept its text, so a command waiting on the entry
    // (a save, a write, a print) should not run.
    bool EndEntry();
    // Closes an open editor and leaves its cell as it was, as Escape does.
    void DiscardEntry();

    // The channels selected by their numbers (a click, Shift and Ctrl extending it), ascending.
    std::vector<int> selectedChannels() const;
    // Selects these channels as a click on their numbers would.
    void SelectChannels(const std::vector<int>& rows);
    // The channel a paste starts at: the first selected one, else the current cell's.
    int pasteChannel() const;
    ChannelActions& channelActions() const { return *m_channelActions; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void TabOut(bool forward);
    // A press on the number of channel `row`: selects it, extends the selection, or opens the
    // channel menu.
    void ChannelNumberPressed(int row, const QMouseEvent& event);

    EditorDocument& m_document;
    GridModel* m_model;
    MemoryCellDelegate* m_editors;
    bool m_armed = false;
    bool m_pressing = false;  // a left press is opening the editor
    ChannelActions* m_channelActions = nullptr;
    int m_anchor = 1;  // where a Shift+click selection starts
};

}  // namespace m742
