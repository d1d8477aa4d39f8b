// The main window's four dialogs, with their object names: side keys ("Form5"), DTMF times
// ("Form2"), power levels ("Form3") and About ("frmAbout"). Each is made once when the program
// starts and afterwards only shown and hidden, so it keeps its controls' states between
// showings. The settings dialogs are views of the editor: their controls' positions live in the
// editor beside the settings, and only OK turns them into settings.
#pragma once

#include <QDialog>
#include <functional>
#include <utility>
#include <vector>

#include "channel_editing/qt/editor_document.h"
#include "radio_data/editor_state.h"
#include "shell/dialog_settings.h"

class QCloseEvent;
class QComboBox;
class QLabel;
class QSlider;

namespace m742 {

// A settings dialog of drop-down lists with OK and Cancel: the side keys and DTMF dialogs. The
// lists are Combo1, Combo2, ... beside the labels Label1, Label2, ..., one per setting of the
// dialog.
class ListSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // Shows the editor's list positions.
    void Sync();
    void StoreSettings();   // OK
    void DiscardChanges();  // Cancel

protected:
    // `listsPerFrame`: the lists stand in frames Frame1, Frame2, ... of this many each; 0 for
    // no frames.
    ListSettingsDialog(EditorDocument& document, SettingsDialog dialog, const char* name,
                       int listsPerFrame, QWidget* parent);

private:
    EditorDocument& m_document;
    SettingsDialog m_dialog;
    std::vector<std::pair<const SettingField*, QComboBox*>> m_lists;
};

// The side keys dialog ("Form5"), "Keys Set" in English: the PF1 and PF2 short and long press
// functions.
class SideKeyDialog : public ListSettingsDialog {
    Q_OBJECT

public:
    explicit SideKeyDialog(EditorDocument& document, QWidget* parent = nullptr)
        : ListSettingsDialog(document, SettingsDialog::kSideKeys, "Form5", 2, parent) {}
    // Escape: as Cancel.
    void reject() override { DiscardChanges(); }

protected:
    // The close box: hidden as it is; a changed list keeps showing the change, which reaches
    // nothing until OK.
    void closeEvent(QCloseEvent* event) override;
};

// The DTMF dialog ("Form2"), "DTMF": the first digit delay, the digit interval and the digit delay.
class DtmfDialog : public ListSettingsDialog {
    Q_OBJECT

public:
    explicit DtmfDialog(EditorDocument& document, QWidget* parent = nullptr)
        : ListSettingsDialog(document, SettingsDialog::kDtmf, "Form2", 0, parent) {}
    // The close box (and Escape): as Cancel.
    void reject() override { DiscardChanges(); }
};

// The power levels dialog ("Form3"), "Power": two sliders 0-255 behind the power lock.
class PowerDialog : public QDialog {
    Q_OBJECT

public:
    // `maxLabelClicked` hears a click on the "Hight" label of the low power frame (8, Label8)
    // or of the high power frame (7, Label7): the halves of the unlock gesture.
    PowerDialog(EditorDocument& document, std::function<void(int label)> maxLabelClicked,
                QWidget* parent = nullptr);
    void Sync();
    // The sliders can be moved only while the power levels are unlocked.
    void SetUnlocked(bool unlocked);
    void StoreLevels();  // OK
    // The close box (and Escape): hidden as it is, nothing stored.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditorDocument& m_document;
    std::function<void(int)> m_maxLabelClicked;
    QSlider* m_low = nullptr;       // Slider1
    QSlider* m_high = nullptr;      // Slider3
    QLabel* m_lowValue = nullptr;   // Lblpower1
    QLabel* m_highValue = nullptr;  // Lblpower3
    QLabel* m_lowMax = nullptr;     // Label8
    QLabel* m_highMax = nullptr;    // Label7
};

// The About dialog ("frmAbout"), "Help": the program's title, edition, maker and issue date.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    // The maker's web address, opened by a click on the maker's line.
    static const char* const kMakerAddress;

    explicit AboutDialog(QWidget* parent = nullptr);
    // OK: hides the dialog.
    void Dismiss();
    // A click on the maker's line: opens kMakerAddress.
    void OpenMakerAddress();
};

// Makes every list in `area` wide enough for its longest item again. A list measures its items
// only when it is first shown, so after a change of language its new texts would be cut.
void FitListsToTexts(QWidget& area);

}  // namespace m742
