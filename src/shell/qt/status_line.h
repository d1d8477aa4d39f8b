// The status line under the grids: what the radio is doing (object name "Label20"), how far its
// transfer has come ("ProgressBar1"), and in the progress bar's place between exchanges the
// last exchange's outcome with the time it ended.
#pragma once

#include <QTime>
#include <QWidget>
#include <string_view>

#include "radio_data/status.h"

class QLabel;
class QProgressBar;

namespace m742 {

class EditorDocument;

class StatusLine : public QWidget {
    Q_OBJECT

public:
    // The outcome is worded in the document's interface language.
    StatusLine(const EditorDocument& document, QWidget* parent);

    void SetText(std::string_view caption);
    void SetTextVisible(bool visible);
    // The label's own flag: isVisible() would also be false while the window is hidden.
    bool TextVisible() const;
    void SetProgress(int value);
    // The outcome shows while the progress bar does not.
    void SetProgressVisible(bool visible);
    // Keeps `outcome` in view with the time now; nothing: none shown.
    void ShowOutcome(const Bilingual* outcome);
    // Words the outcome shown anew, after the interface language changed.
    void RewordOutcome();

private:
    const EditorDocument& m_document;
    QLabel* m_status = nullptr;          // Label20
    QProgressBar* m_progress = nullptr;  // ProgressBar1
    QLabel* m_outcome = nullptr;         // the last exchange's outcome and its time
    const Bilingual* m_lastOutcome = nullptr;
    QTime m_outcomeTime;
};

}  // namespace m742
