// Every message box of the program. Callers give the classic numeric message-box style (button
// set + icon + default button) and texts already chosen for the interface language; the box is a
// QMessageBox whose buttons carry the captions of that language and whose answer is the classic
// button identifier.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "texts/message_style.h"

class QWidget;

namespace m742 {

// What a message box is asked to show, after the style has been decoded.
struct MessageRequest {
    QString text;
    QString title;  // the empty title is already replaced by "M-742"
    int style = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    std::vector<int> buttons;  // button identifiers in the order shown
    int defaultButton = 0;     // identifier of the preselected button
    QStringList captions;      // the caption of each button as shown, same order
    QStringList labels;        // the same with their access keys ("&Yes"); empty: none
    int escapeButton = 0;      // the answer of Escape and the close box; 0: only a button answers
};

using MessageResponder = std::function<int(const MessageRequest&)>;

// Shows a modal message box owned by `owner` and returns the identifier of the pressed button.
// `style` is the classic message-box style number: button set (0 OK, 1 OK/Cancel,
// 3 Yes/No/Cancel, 4 Yes/No; any other shows OK alone) + icon (16 stop, 32 question,
// 48 exclamation, 64 information) + default button (0 first, 256 second, 512 third). Text and
// title are UTF-8. LanguageFlag 0, 1 and 2 choose the button captions; any other flag keeps
// Qt's own.
int ShowMessage(QWidget* owner, std::int16_t languageFlag, std::string_view text, int style,
                std::string_view title);

// A box whose buttons are the `choices` (captions already in the interface language), the last
// one answering Escape and the close box: returns the number of the choice, 1 for the first.
// Goes to the responder like every other box, with the style kStyleChoice.
inline constexpr int kStyleChoice = -1;
int ShowChoice(QWidget* owner, std::string_view text, std::string_view title,
               QMessageBox::Icon icon, const QStringList& choices);

// Shows the box `request` describes (or hands it to the responder) and returns the identifier
// of the pressed button.
int Present(QWidget* owner, const MessageRequest& request);

// Decodes a style into the box ShowMessage shows.
MessageRequest DescribeMessage(std::int16_t languageFlag, std::string_view text, int style,
                               std::string_view title);

// While set, ShowMessage shows nothing: it hands the request to the responder and returns its
// answer, so that nothing ever waits for a person (tests, scripted runs). The responder may
// replace itself while it answers. Returns the previous responder.
MessageResponder SetMessageResponder(MessageResponder responder);

}  // namespace m742
