// The texts of backups and of the verify after a write: the two menu items, the "Open backup"
// dialog, the warnings and the verify's report, in both languages.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "radio_data/status.h"
#include "radio_data/text_codes.h"
#include "texts/language_tables.h"

namespace m742 {

// The menu items "Open backup…" (mnuOpenBackup) and "Verify after write" (mnuVerify) of the
// main window, applied with the other tables.
const std::vector<TextRow>& BackupMenuTexts();

// The "Open backup" dialog.
inline constexpr Bilingual kBackupDialogTitle{"打开备份", "Open backup"};
inline constexpr Bilingual kBackupDateHeading{"日期", "Date"};
inline constexpr Bilingual kBackupTimeHeading{"时间", "Time"};
inline constexpr Bilingual kBackupKindHeading{"类型", "Kind"};
inline constexpr Bilingual kBackupChannelsHeading{"前几个信道（接收频率）",
                                                  "First channels (RX frequency)"};
inline constexpr Bilingual kBackupKindRead{"读频", "read"};
inline constexpr Bilingual kBackupKindBeforeWrite{"写频前", "before write"};
inline constexpr Bilingual kBackupUnreadable{"（无法读取）", "(unreadable)"};
inline constexpr Bilingual kBackupNoChannels{"（无信道）", "(no channels)"};
inline constexpr Bilingual kBackupsKeptIn{"备份保存在：%1", "Backups are kept in: %1"};
inline constexpr Bilingual kNoBackupsYet{"还没有备份。每次读频和写频时都会保留一份备份。",
                                         "There are no backups yet. Every read and every write "
                                         "keeps one."};
inline constexpr Bilingual kOkButton{"确定", "OK"};
inline constexpr Bilingual kCancelButton{"取消", "Cancel"};

// A copy that could not be kept: %1 the folder, %2 the reason.
inline constexpr Bilingual kReadBackupNotKept{
    "读频成功，但无法在“%1”中保留备份：%2。读到的数据已在编辑器中。",
    "The radio was read, but the backup copy could not be kept in \"%1\": %2. The image read "
    "is in the editor."};
inline constexpr Bilingual kWriteBackupNotKept{
    "无法在“%1”中保留写频前的备份：%2。",
    "The copy of the plan about to be written could not be kept in \"%1\": %2."};

// The verify after a write.
inline constexpr Bilingual kVerifyPassed{"写频成功，校验无误！",
                                         "Write frequency success, verified!"};
inline constexpr Bilingual kVerifyFailedStatus{"校验发现不同！", "Verify found differences!"};
// %1 the number of differences; the differences follow, one a line.
inline constexpr Bilingual kVerifyDifferences{
    "写入后读回的数据与写入的不同（%1 处）：",
    "The radio read back differs from the plan written (%1):"};
// After the first differences: %1 how many more.
inline constexpr Bilingual kMoreDifferences{"……还有 %1 处", "… and %1 more"};
inline constexpr Bilingual kVerifyNotDone{"已写频，但未能读回校验。",
                                          "The plan was written, but it could not be read back "
                                          "to verify it."};

// One difference: %1 channel number, %2 column heading, %3 in the plan, %4 in the radio.
inline constexpr Bilingual kDifferenceChannel{"信道 %1：%2 写入的是 %3，对讲机中是 %4",
                                              "Channel %1: %2 %3 in the plan, %4 in the radio"};
inline constexpr Bilingual kDifferenceDebugChannel{
    "调试信道 %1：%2 写入的是 %3，对讲机中是 %4",
    "Debug channel %1: %2 %3 in the plan, %4 in the radio"};
// %1 the setting, %2 in the plan, %3 in the radio.
inline constexpr Bilingual kDifferenceSetting{"%1：写入的是 %2，对讲机中是 %3",
                                              "%1: %2 in the plan, %3 in the radio"};
// %1 the address ("3CDh"), %2 and %3 the bytes.
inline constexpr Bilingual kDifferenceAddress{"地址 %1：写入的是 %2，对讲机中是 %3",
                                              "Address %1: %2 in the plan, %3 in the radio"};
// The grid's two tone columns share one Chinese heading; a difference names which one.
inline constexpr Bilingual kDecodeToneCaption{"接收亚音频", "QT/DQT Dec"};
inline constexpr Bilingual kEncodeToneCaption{"发射亚音频", "QT/DQT Enc"};
inline constexpr Bilingual kPasswordCaption{"口令", "Password"};
inline constexpr Bilingual kAniCaption{"ANI", "ANI"};
inline constexpr Bilingual kEmptyValue{"空", "empty"};

// Added after the communication error when a write stopped after blocks had gone out.
inline constexpr Bilingual kPartlyWrittenNote{
    "写频没有完成：对讲机中可能是部分写入的数据，请重新写频。",
    "The write did not finish: the radio may now hold a partly written plan. Please write it "
    "again."};

}  // namespace m742
