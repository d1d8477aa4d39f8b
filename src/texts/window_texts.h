// Texts of the main window beyond the original program's tables, in both languages: the Help
// menu's user's guide, the message boxes' access keys, the outcome of the last exchange that
// stays in view beside the blinking status, and the texts of Qt's file dialogs that Qt's own
// Chinese catalogue lacks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/status.h"
#include "texts/language_tables.h"

namespace m742 {

// The Help menu's item that opens the user's guide (mnuGuide, F1).
const std::vector<TextRow>& HelpMenuTexts();

// A message box button's caption with its access key: "&Yes" in English, "是(&Y)" in Chinese.
// OK (and Cancel in Chinese) have none: Enter and Escape answer them. `caption` is the button's
// word from the language tables; the word itself never changes.
std::string MessageButtonLabel(int buttonId, std::int16_t languageFlag, std::string_view caption);

// The outcome of the last read, write or verify, kept in view until the next one with the
// time it ended. A completed read or write, and a refused password, read as the blinking status
// does; a verify's outcomes are the verify's own (backup_texts.h).
// The File menu's own additions: the plan saved to the file it came from, the recent files.
inline constexpr Bilingual kSaveToCurrentFileText{"保存到当前文件", "Save to Current File"};
inline constexpr Bilingual kRecentFilesText{"最近的文件", "Recent Files"};
inline constexpr Bilingual kRemoveMissingFilesText{"移除不存在的文件", "Remove Missing Files"};
inline constexpr Bilingual kNoRecentFilesText{"（无）", "(none)"};

inline constexpr Bilingual kReadDone{"读频成功！", "Read frequency success!"};
inline constexpr Bilingual kWriteDone{"写频成功！", "Write frequency success!"};
inline constexpr Bilingual kPasswordRefusedOutcome{"口令不对！", "The password is invalid!"};
inline constexpr Bilingual kReadFailed{"读频失败：通信出错", "Read failed: communication error"};
inline constexpr Bilingual kWriteFailed{"写频失败：通信出错", "Write failed: communication error"};
inline constexpr Bilingual kWriteNotSent{"未写频：信道数据有误",
                                         "Nothing was written: the plan has a refused cell"};
inline constexpr Bilingual kPortNotOpenOutcome{"通信端口未打开", "The com port is not open"};
inline constexpr Bilingual kVerifyNotDoneOutcome{"已写频，未能读回校验",
                                                 "Written, but not read back to verify"};
// The time and the outcome: "14:32:05  读频成功！".
inline constexpr const char* kOutcomeTimeFormat = "HH:mm:ss";

// Texts of Qt's file dialogs that Qt's Chinese catalogue does not translate: the type of a
// folder, a drive or a link in the dialog's list. `context` and `source` are Qt's own.
struct QtTextGap {
    std::string_view context;
    std::string_view source;
    std::string_view zh;
};
const std::vector<QtTextGap>& QtTextGaps();

// The Edit menu's hidden item for testing a frequency: the designed caption, in both languages.
inline constexpr Bilingual kTestFrequencyCaption{"测试频率", "测试频率"};

// F1 without a help file (%1 the file looked for), or without a program to show it (%1 the file).
inline constexpr Bilingual kHelpFileMissingText{"找不到帮助文件 %1。",
                                                "The help file %1 was not found."};
inline constexpr Bilingual kHelpFileUnopenedText{"没有能打开帮助文件 %1 的程序。",
                                                 "No program could open the help file %1."};

// The original's questions and warnings before the channels are cleared or a file replaced.
inline constexpr Bilingual kBandChangeQuestion{
    "选用不同型号或不同频段将删除所有信道的数据，是否继续？",
    "Choose different frequencies will delete all the channel's data, do you wish to continue?"};
inline constexpr Bilingual kNewPlanWarning{"所有信道的数据将被清除！",
                                           "All the channel's data will be cleared！"};
inline constexpr Bilingual kWarningTitle{"警告", "Warmming"};
inline constexpr Bilingual kReplaceFileQuestion{"该文件已存在，是否覆盖？",
                                                "This file already exists, whether to cover?"};

}  // namespace m742
