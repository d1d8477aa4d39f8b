// The settings panel of the main window: the model frame (the band and the password box) and
// the function settings (the radio-wide lists and the ANI box). Each list and box writes to the
// editor as one undoable step, and the panel shows what the editor holds.
#pragma once

#include <QWidget>

#include "channel_editing/frequency_entry.h"

class QGroupBox;
class QLineEdit;

namespace m742 {

class EditorDocument;
class MainWindow;

class SettingsPanel : public QWidget {
    Q_OBJECT

public:
    SettingsPanel(MainWindow& window, EditorDocument& document);

    // The band list's choice: a different band clears the channels once confirmed.
    void BandChosen();
    // The band the frequency editors accept.
    const BandLimits& band() const { return m_band; }
    // Off while the editing lock holds or the radio talks.
    void SetEditable(bool editable);
    // The two frames, whose lists fit their texts.
    QGroupBox* modelFrame() const { return m_modelFrame; }
    QGroupBox* functionFrame() const { return m_functionFrame; }

private:
    QGroupBox* BuildModelFrame();
    QGroupBox* BuildFunctionFrame();
    void SyncFromEditor();

    MainWindow& m_window;
    EditorDocument& m_document;
    QGroupBox* m_modelFrame = nullptr;     // Frame1
    QGroupBox* m_functionFrame = nullptr;  // Frame2
    QLineEdit* m_password = nullptr;       // Text2
    QLineEdit* m_ani = nullptr;            // Text3
    int m_bandIndex = 0;
    BandLimits m_band;  // the band the frequency editors accept
};

}  // namespace m742
