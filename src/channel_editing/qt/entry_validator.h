// What an editing box lets in, as the box's validator. A character typed into the box goes
// through a key rule, which may drop it or put another in its place ("d" becomes "D"); text
// that arrives any other way (pasted with the keyboard or the mouse, dropped, brought back by
// undo) goes through a text rule, which keeps part of it. Enter runs its own action and never
// reaches the box.
#pragma once

#include <QString>
#include <QValidator>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QWidget;

namespace m742 {

class EntryValidator : public QValidator {
public:
    // The character typed key `key` puts into a box holding `text` with `selected` characters
    // selected, or nothing to drop the key.
    using KeyRule =
        std::function<std::optional<char>(int key, const std::string& text, std::size_t selected)>;
    // The part of `inserted` the box keeps, when `rest` is the text around it.
    using TextRule =
        std::function<std::string(const std::string& rest, const std::string& inserted)>;

    // Becomes `box`'s validator. `keys` is the widget that receives the key presses: the box
    // itself, or the combo box whose edit field it is.
    EntryValidator(QWidget* keys, QLineEdit* box, KeyRule keyRule, TextRule textRule,
                   std::function<void()> enter);

    // The rules of a frequency box: Text1 of the memory grid, or a box of the debug panel
    // (`debugBox`), which also takes a single point.
    static KeyRule FrequencyKeys(bool debugBox);
    static TextRule FrequencyText(bool debugBox);

    // Puts `text` into the box as the program's own, which no rule checks.
    void SetText(const QString& text);

    State validate(QString& input, int& pos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_box;
    KeyRule m_keyRule;
    TextRule m_textRule;
    std::function<void()> m_enter;
    mutable QString m_accepted;  // the box's text as the rules last let it
    mutable int m_typed = 0;     // the character of the key press being handled, 0 none
};

}  // namespace m742
