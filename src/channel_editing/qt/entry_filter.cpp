#include "channel_editing/qt/entry_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "channel_editing/key_filters.h"

namespace m742 {

EntryFilter::EntryFilter(QWidget* keys, QLineEdit* box, KeyRule keyRule, TextRule textRule,
                         std::function<void()> enter)
    : QObject(box),
      m_box(box),
      m_keyRule(std::move(keyRule)),
      m_textRule(std::move(textRule)),
      m_enter(std::move(enter)),
      m_shown(box->text()) {
    keys->installEventFilter(this);
    // A line edit reports textEdited before textChanged, so m_shown still holds the text the
    // edit started from when TextEdited looks at it. The box is read rather than the signal's
    // text: after TextEdited has cut an edit down, the line edit still reports the uncut text,
    // and the next paste must be measured against what the box really holds.
    connect(box, &QLineEdit::textEdited, this, &EntryFilter::TextEdited);
    connect(box, &QLineEdit::textChanged, this, [this] { m_shown = m_box->text(); });
}

bool EntryFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        m_enter();
        return true;
    }
    // Shortcuts (copy, paste, select all, undo) keep working; what they bring in is checked
    // in TextEdited.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    int code = 0;
    if (key->key() == Qt::Key_Backspace) {
        code = kBackspaceKey;
    } else if (!key->text().isEmpty()) {
        code = key->text().at(0).unicode();
    }
    // Keys that put no character in (arrows, Home, Delete, Escape, Tab) are the box's own.
    if (code != kBackspaceKey && (code < 0x20 || code == 0x7f)) {
        return false;
    }
    const std::optional<char> passed = m_keyRule(code, *m_box);
    if (passed) {
        m_typing = true;
        if (*passed == kBackspaceKey) {
            m_box->backspace();
        } else {
            m_box->insert(QString(QChar(*passed)));
        }
        m_typing = false;
    }
    return true;
}

EntryFilter::KeyRule EntryFilter::FrequencyKeys(bool debugBox) {
    return [debugBox](int key, const QLineEdit& box) -> std::optional<char> {
        const std::string text = box.text().toStdString();
        const auto selected = static_cast<std::size_t>(box.selectedText().size());
        const bool passes = debugBox ? DebugFrequencyKeyPasses(key, text, selected)
                                     : FrequencyBoxKeyPasses(key, text, selected);
        return passes ? std::optional<char>(static_cast<char>(key)) : std::nullopt;
    };
}

EntryFilter::TextRule EntryFilter::FrequencyText(bool debugBox) {
    return [debugBox](const QString& rest, const QString& inserted) {
        return QString::fromStdString(
            PastedFrequency(rest.toStdString(), inserted.toStdString(), debugBox));
    };
}

void EntryFilter::TextEdited(const QString& text) {
    if (m_typing) {
        return;
    }
    // The edit replaced the middle of the old text: what is new lies between the longest
    // common start and the longest common end.
    const QString& before = m_shown;
    qsizetype head = 0;
    while (head < before.size() && head < text.size() && before[head] == text[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < text.size() - head &&
           before[before.size() - 1 - tail] == text[text.size() - 1 - tail]) {
        ++tail;
    }
    const QString inserted = text.mid(head, text.size() - head - tail);
    if (inserted.isEmpty()) {
        return;
    }
    const QString rest = text.left(head) + text.right(tail);
    const QString kept = m_textRule(rest, inserted);
    if (kept == inserted) {
        return;
    }
    m_box->setText(text.left(head) + kept + text.right(tail));
    m_box->setCursorPosition(int(head + kept.size()));
}

}  // namespace m742
