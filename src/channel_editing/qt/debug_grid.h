// The debug grid mfgrid2 and its panel: the channel list combochannel2, the boxes Txtrfre2 (RX)
// and Txtsfre2 (TX), the button Command1 that stores them, and the context menu mnuchannel
// whose single item mnudel_channel empties a debug channel. The grid itself is never edited
// in place.
#pragma once

#include <QElapsedTimer>
#include <QString>

#include "channel_editing/qt/channel_grid_view.h"

#include "radio_data/editor_state.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

namespace m742 {

class EditorDocument;
class GridModel;

class DebugGridView : public ChannelGridView {
    Q_OBJECT

public:
    // OK and the deletion are committed to `document`; the grid and the panel show each change.
    DebugGridView(EditorDocument& document, QWidget* parent);

    GridModel& gridModel() const { return *m_model; }
    // The panel beside the grid: the list, the two boxes, Command1 and their labels.
    QWidget* panel() const { return m_panel; }
    // Command1, shown only while the debug tab is selected.
    QPushButton* okButton() const { return m_ok; }

    // Selects debug channel `channel` (1-16) in combochannel2 as setting its text does: the
    // selection handling runs even when the channel was already selected.
    void SelectChannel(int channel);
    // Shows the channel selected in combochannel2: its row becomes the grid's current row and
    // its two frequencies go into the boxes.
    void ShowDebugChannel();
    bool panelReady() const { return m_panelReady; }

    void ChannelChosen();
    void StoreChannel();
    void DeleteMenuChannel();
    // A digit typed into the grid highlights the channel of that number.
    void keyboardSearch(const QString& search) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void BuildPanel(QWidget* parent);
    int SelectedChannel() const;

    EditorDocument& m_document;
    GridModel* m_model;
    QWidget* m_panel = nullptr;
    QComboBox* m_channel = nullptr;  // combochannel2
    QLineEdit* m_rx = nullptr;       // Txtrfre2
    QLineEdit* m_tx = nullptr;       // Txtsfre2
    QPushButton* m_ok = nullptr;     // Command1
    QMenu* m_menu = nullptr;         // mnuchannel
    QAction* m_delete = nullptr;     // mnudel_channel
    // Set by the first selection in combochannel2; until then a selection leaves the focus
    // alone, so loading the window does not move it.
    bool m_panelReady = false;
    int m_menuRow = 0;  // the row the context menu was opened over
    // The frequencies the boxes were last given.
    QString m_shownRx;
    QString m_shownTx;
    bool m_storing = false;  // Command1 is storing the boxes
    QString m_typed;         // the channel number typed so far
    QElapsedTimer m_typing;  // since its last digit
};

}  // namespace m742
