// What an editing box lets in. Each typed character goes through a key rule, which may drop it
// or put another in its place ("d" becomes "D"); text that arrives any other way (pasted with
// the keyboard or the mouse, dropped, brought back by undo) goes through a text rule before
// the box keeps it. Enter runs its own action and never reaches the box.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

namespace m742 {

class EntryFilter : public QObject {
public:
    // The character a typed key puts into `box` (Backspace as code 8), or nothing to drop it.
    using KeyRule = std::function<std::optional<char>(int key, const QLineEdit& box)>;
    // The part of `inserted` the box keeps, when `rest` is the text around it.
    using TextRule = std::function<QString(const QString& rest, const QString& inserted)>;

    // `keys` is the widget that receives the key presses: the box itself, or the combo box
    // whose edit field it is.
    EntryFilter(QWidget* keys, QLineEdit* box, KeyRule keyRule, TextRule textRule,
                std::function<void()> enter);

    // The rules of a frequency box: Text1 of the memory grid, or a box of the debug panel
    // (`debugBox`), which also takes a single point.
    static KeyRule FrequencyKeys(bool debugBox);
    static TextRule FrequencyText(bool debugBox);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TextEdited(const QString& text);

    QLineEdit* m_box;
    KeyRule m_keyRule;
    TextRule m_textRule;
    std::function<void()> m_enter;
    QString m_shown;  // the box's text before the edit being reported
    bool m_typing = false;
};

}  // namespace m742
