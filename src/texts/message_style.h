// The message box's numbers, as the classic message box knows them: a style is a button set, an
// icon and a default button added together; the answer is the identifier of the button pressed.
// Standard C++ only, so that the core can ask for a message without knowing the box.
#pragma once

namespace m742 {

// Button sets.
inline constexpr int kButtonsOk = 0;
inline constexpr int kButtonsOkCancel = 1;
inline constexpr int kButtonsYesNoCancel = 3;
inline constexpr int kButtonsYesNo = 4;

// Icons.
inline constexpr int kIconStop = 16;
inline constexpr int kIconQuestion = 32;
inline constexpr int kIconExclamation = 48;
inline constexpr int kIconInformation = 64;

// The second button as the default (the first is the default when none is added).
inline constexpr int kDefaultSecond = 256;

// The styles the program asks for.
inline constexpr int kStylePlain = kButtonsOk;                                 // 0
inline constexpr int kStyleError = kButtonsOk + kIconStop;                     // 16
inline constexpr int kStyleQuestion = kButtonsYesNo + kIconQuestion;           // 36
inline constexpr int kStyleWarning = kButtonsOk + kIconExclamation;            // 48
inline constexpr int kStyleNotice = kButtonsOk + kIconInformation;             // 64
inline constexpr int kStyleYesNoCancel = kButtonsYesNoCancel + kIconQuestion;  // 35
inline constexpr int kStyleConfirm =  // 305: OK/Cancel with Cancel preselected
    kButtonsOkCancel + kIconExclamation + kDefaultSecond;

// Answers: the identifier of the pressed button, as the classic message box numbers them.
inline constexpr int kMessageOk = 1;
inline constexpr int kMessageCancel = 2;
inline constexpr int kMessageYes = 6;
inline constexpr int kMessageNo = 7;

}  // namespace m742
