#include "shell/qt/status_line.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

#include "channel_editing/qt/editor_document.h"
#include "texts/window_texts.h"

namespace m742 {

StatusLine::StatusLine(const EditorDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document) {
    auto* row = new QGridLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_status = new QLabel(this);
    m_status->setObjectName("Label20");
    QSizePolicy keep = m_status->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_status->setSizePolicy(keep);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName("ProgressBar1");
    m_progress->setRange(0, 1024);
    keep = m_progress->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_progress->setSizePolicy(keep);
    m_progress->setVisible(false);
    // The outcome of the last exchange stays in the progress bar's place until the next one.
    m_outcome = new QLabel(this);
    m_outcome->setObjectName("statusOutcome");
    m_outcome->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_outcome->setVisible(false);
    row->addWidget(m_status, 0, 0);
    row->addWidget(m_progress, 0, 1);
    row->addWidget(m_outcome, 0, 1);
    row->setColumnStretch(0, 1);
    row->setColumnStretch(1, 2);
}

void StatusLine::SetText(std::string_view caption) {
    m_status->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

void StatusLine::SetTextVisible(bool visible) {
    m_status->setVisible(visible);
}

bool StatusLine::TextVisible() const {
    return !m_status->isHidden();
}

void StatusLine::SetProgress(int value) {
    m_progress->setValue(value);
}

void StatusLine::SetProgressVisible(bool visible) {
    m_progress->setVisible(visible);
    m_outcome->setVisible(!visible && m_lastOutcome != nullptr);
}

void StatusLine::ShowOutcome(const Bilingual* outcome) {
    m_lastOutcome = outcome;
    m_outcomeTime = QTime::currentTime();
    RewordOutcome();
    m_outcome->setVisible(outcome != nullptr && m_progress->isHidden());
}

void StatusLine::RewordOutcome() {
    if (m_lastOutcome == nullptr) {
        m_outcome->clear();
        return;
    }
    const std::string_view text = m_lastOutcome->in(m_document.language());
    m_outcome->setText(m_outcomeTime.toString(kOutcomeTimeFormat) + "  " +
                       QString::fromUtf8(text.data(), qsizetype(text.size())));
}

}  // namespace m742
