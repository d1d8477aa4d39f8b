#include "shell/qt/message_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <utility>

#include "texts/language_tables.h"
#include "texts/window_texts.h"

namespace m742 {
namespace {

constexpr int kButtonSetMask = 0x00F;
constexpr int kIconMask = 0x0F0;
constexpr int kDefaultButtonMask = 0xF00;
constexpr int kDefaultButtonShift = 8;

MessageResponder& Responder() {
    static MessageResponder responder;
    return responder;
}

// The buttons of a style's button set, left to right. A set the program never asks for shows
// OK alone, so that every box can be answered.
std::vector<int> ButtonSet(int style) {
    switch (style & kButtonSetMask) {
        case kButtonsOkCancel:
            return {kMessageOk, kMessageCancel};
        case kButtonsYesNoCancel:
            return {kMessageYes, kMessageNo, kMessageCancel};
        case kButtonsYesNo:
            return {kMessageYes, kMessageNo};
        default:
            return {kMessageOk};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & kIconMask) {
        case kIconStop:
            return QMessageBox::Critical;
        case kIconQuestion:
            return QMessageBox::Question;
        case kIconExclamation:
            return QMessageBox::Warning;
        case kIconInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QDialogButtonBox::StandardButton StandardButtonOf(int buttonId) {
    switch (buttonId) {
        case kMessageCancel:
            return QDialogButtonBox::Cancel;
        case kMessageYes:
            return QDialogButtonBox::Yes;
        case kMessageNo:
            return QDialogButtonBox::No;
        default:
            return QDialogButtonBox::Ok;
    }
}

// The caption Qt itself gives a standard button: the platform theme's text, mnemonic included.
QString QtCaption(int buttonId) {
    const QDialogButtonBox::StandardButton standard = StandardButtonOf(buttonId);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        // No widgets without an application: the generic theme's texts.
        switch (standard) {
            case QDialogButtonBox::Cancel:
                return QStringLiteral("Cancel");
            case QDialogButtonBox::Yes:
                return QStringLiteral("&Yes");
            case QDialogButtonBox::No:
                return QStringLiteral("&No");
            default:
                return QStringLiteral("OK");
        }
    }
    const QDialogButtonBox box(standard);
    return box.button(standard)->text();
}

QString ButtonCaption(int buttonId, std::int16_t languageFlag) {
    if (const auto caption = MessageButtonCaption(buttonId, languageFlag)) {
        return QString::fromUtf8(caption->data(), static_cast<qsizetype>(caption->size()));
    }
    return QtCaption(buttonId);
}

// Escape and the close box answer Cancel, else No; a box with OK alone answers OK.
int EscapeButtonOf(const std::vector<int>& buttons) {
    for (const int id : {kMessageCancel, kMessageNo}) {
        if (std::ranges::find(buttons, id) != buttons.end()) {
            return id;
        }
    }
    return kMessageOk;
}

}  // namespace

MessageRequest DescribeMessage(std::int16_t languageFlag, std::string_view text, int style,
                               std::string_view title) {
    MessageRequest request;
    request.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    request.title = title.empty()
                        ? QString::fromLatin1(kApplicationTitle)
                        : QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
    request.style = style;
    request.icon = IconOf(style);
    request.buttons = ButtonSet(style);
    // A default beyond the last button falls back to the first, as in a classic box.
    const auto defaultIndex =
        static_cast<std::size_t>((style & kDefaultButtonMask) >> kDefaultButtonShift);
    request.defaultButton =
        request.buttons[defaultIndex < request.buttons.size() ? defaultIndex : 0];
    for (const int id : request.buttons) {
        request.captions.append(ButtonCaption(id, languageFlag));
        // Qt's own captions come with their access keys already.
        request.labels.append(MessageButtonCaption(id, languageFlag)
                                  ? QString::fromStdString(MessageButtonLabel(
                                        id, languageFlag, request.captions.back().toStdString()))
                                  : request.captions.back());
    }
    request.escapeButton = EscapeButtonOf(request.buttons);
    return request;
}

MessageResponder SetMessageResponder(MessageResponder responder) {
    return std::exchange(Responder(), std::move(responder));
}

int ShowMessage(QWidget* owner, std::int16_t languageFlag, std::string_view text, int style,
                std::string_view title) {
    return Present(owner, DescribeMessage(languageFlag, text, style, title));
}

int ShowChoice(QWidget* owner, std::string_view text, std::string_view title,
               QMessageBox::Icon icon, const QStringList& choices) {
    MessageRequest request;
    request.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    request.title = title.empty()
                        ? QString::fromLatin1(kApplicationTitle)
                        : QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size()));
    request.style = kStyleChoice;
    request.icon = icon;
    for (qsizetype i = 0; i < choices.size(); ++i) {
        request.buttons.push_back(static_cast<int>(i) + 1);
    }
    request.captions = choices;
    request.defaultButton = 1;
    request.escapeButton = static_cast<int>(choices.size());
    return Present(owner, request);
}

int Present(QWidget* owner, const MessageRequest& request) {
    // A copy: a responder that replaces itself must not be destroyed while it runs.
    if (const MessageResponder responder = Responder()) {
        return responder(request);
    }

    // On the heap: the owner may be destroyed while the box waits, and takes the box with it.
    QPointer<QMessageBox> box =
        new QMessageBox(request.icon, request.title, request.text, QMessageBox::NoButton, owner);
    box->setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> pushButtons;
    for (std::size_t i = 0; i < request.buttons.size(); ++i) {
        // One role for all: the button box orders roles by platform convention, and the
        // classic order (OK before Cancel, Abort Retry Ignore) is part of what was asked.
        const auto at = static_cast<qsizetype>(i);
        QPushButton* button =
            box->addButton(at < request.labels.size() ? request.labels[at] : request.captions[at],
                           QMessageBox::ActionRole);
        pushButtons.push_back(button);
        if (request.buttons[i] == request.defaultButton) {
            box->setDefaultButton(button);
        }
        if (request.buttons[i] == request.escapeButton) {
            box->setEscapeButton(button);
        }
    }
    box->exec();

    int answer = request.escapeButton;
    if (box) {
        const auto clicked = std::ranges::find(pushButtons, box->clickedButton());
        if (clicked != pushButtons.end()) {
            answer = request.buttons[static_cast<std::size_t>(clicked - pushButtons.begin())];
        }
        delete box;
    }
    return answer;
}

}  // namespace m742
