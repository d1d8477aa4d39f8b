// The memory grid mfgrid1 with its in-place editors: the frequency box Text1, the tone list
// Combo8 and the list editors Combo5_5 to Combo5_8 of columns 5 to 8. A press on a cell opens
// the cell's editor at once; the editor checks what is entered and writes it back to the cell
// it was opened for when it loses the focus. Tab ends the entry as Enter does and moves on to
// the next cell; Escape closes the editor and leaves the cell as it was.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "channel_editing/frequency_entry.h"
#include "channel_editing/key_filters.h"
#include "channel_editing/qt/channel_grid_view.h"
#include "radio_data/editor_state.h"
#include "texts/grid_columns.h"

class QComboBox;
class QLineEdit;

namespace m742 {

class ChannelActions;
class EditorDocument;
class GridModel;

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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildEditors();
    void PlaceOver(QWidget* editor, bool cellHeight);
    QWidget* OpenEditor() const;
    void EntryLostFocus(QObject* editor);
    // The editor `watched` belongs to (an editor, or the list of a combo editor), or nothing.
    QWidget* EditorOf(const QObject* watched) const;
    void TabOut(bool forward);
    void FrequencyBoxLostFocus();
    void ToneChosen(int index);
    void ToneListLostFocus();
    void ListItemChosen(int column, int index);
    void ListArrowKey(QComboBox* list, int step);
    // Commits `after` as the edit of the current cell (or the deletion of its channel).
    void CommitCell(const EditorState& after, bool deleted = false);
    // A press on the number of channel `row`: selects it, extends the selection, or opens the
    // channel menu.
    void ChannelNumberPressed(int row, const QMouseEvent& event);

    EditorDocument& m_document;
    const BandLimits& m_band;
    std::function<void(const EntryMessage&)> m_message;
    GridModel* m_model;
    bool m_armed = false;
    bool m_discarding = false;  // an editor is being hidden without a commit
    bool m_refused = false;     // the last frequency commit was refused with a message
    bool m_pressing = false;    // a left press is opening the editor
    // The current cell: the one the open (or last) editor writes to, row 1-16, column 1-8.
    int m_row = 1;
    int m_column = 1;
    ToneKeyFilter m_toneKeys;
    QLineEdit* m_frequencyBox = nullptr;
    QComboBox* m_toneList = nullptr;
    std::array<QComboBox*, kListColumnCount> m_columnLists{};  // the list columns, busy lock first
    ChannelActions* m_channelActions = nullptr;
    int m_anchor = 1;  // where a Shift+click selection starts
};

}  // namespace m742
