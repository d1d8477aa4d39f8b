#include "channel_editing/qt/entry_validator.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "channel_editing/key_filters.h"

namespace m742 {

EntryValidator::EntryValidator(QWidget* keys, QLineEdit* box, KeyRule keyRule, TextRule textRule,
                               std::function<void()> enter)
    : QValidator(box),
      m_box(box),
      m_keyRule(std::move(keyRule)),
      m_textRule(std::move(textRule)),
      m_enter(std::move(enter)),
      m_accepted(box->text()) {
    keys->installEventFilter(this);
    box->setValidator(this);
}

void EntryValidator::SetText(const QString& text) {
    m_accepted = text;
    m_box->setText(text);
}

bool EntryValidator::eventFilter(QObject* watched, QEvent* event) {
    // A key press reaches the box right after this, and the box checks the character it puts
    // in before the next event arrives: any other event ends the key's turn.
    m_typed = 0;
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        m_enter();
        return true;
    }
    // Shortcuts (paste, undo) bring in text the text rule checks; keys that put no character in
    // (arrows, Backspace, Delete, Escape, Tab) are the box's own.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
        key->text().isEmpty()) {
        return QObject::eventFilter(watched, event);
    }
    const int code = key->text().at(0).unicode();
    if (key->text().size() == 1 && code >= 0x20 && code != 0x7f) {
        m_typed = code;
    }
    return QObject::eventFilter(watched, event);
}

QValidator::State EntryValidator::validate(QString& input, int& pos) const {
    const int typed = m_typed;
    m_typed = 0;
    const QString& before = m_accepted;
    // A typed character lands before the cursor, in place of what was selected.
    if (typed != 0 && pos >= 1 && pos <= input.size() && input.size() - 1 <= before.size()) {
        const auto selected = static_cast<std::size_t>(before.size() - (input.size() - 1));
        const std::optional<char> passed = m_keyRule(typed, before.toStdString(), selected);
        if (!passed) {
            return Invalid;  // the box is left as it was, its selection too
        }
        input[pos - 1] = QChar(*passed);
        m_accepted = input;
        return Acceptable;
    }
    // Anything else replaced the middle of the old text: what is new lies between the longest
    // common start and the longest common end.
    qsizetype head = 0;
    while (head < before.size() && head < input.size() && before[head] == input[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < input.size() - head &&
           before[before.size() - 1 - tail] == input[input.size() - 1 - tail]) {
        ++tail;
    }
    const QString inserted = input.mid(head, input.size() - head - tail);
    if (!inserted.isEmpty()) {
        const QString kept = QString::fromStdString(m_textRule(
            (input.left(head) + input.right(tail)).toStdString(), inserted.toStdString()));
        if (kept != inserted) {
            input = input.left(head) + kept + input.right(tail);
            pos = int(head + kept.size());
        }
    }
    m_accepted = input;
    return Acceptable;
}

EntryValidator::KeyRule EntryValidator::FrequencyKeys(bool debugBox) {
    return
        [debugBox](int key, const std::string& text, std::size_t selected) -> std::optional<char> {
            const bool passes = debugBox ? DebugFrequencyKeyPasses(key, text, selected)
                                         : FrequencyBoxKeyPasses(key, text, selected);
            return passes ? std::optional<char>(static_cast<char>(key)) : std::nullopt;
        };
}

EntryValidator::TextRule EntryValidator::FrequencyText(bool debugBox) {
    return [debugBox](const std::string& rest, const std::string& inserted) {
        return PastedFrequency(rest, inserted, debugBox);
    };
}

}  // namespace m742
