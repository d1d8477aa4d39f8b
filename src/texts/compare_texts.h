// The texts of the comparison of two plans: "m742-cli diff" and the window's "Compare with
// File…" (its menu item, its dialog and the list of differences), in both languages.
#pragma once

#include <vector>

#include "radio_data/status.h"
#include "texts/language_tables.h"

namespace m742 {

// The menu item "Compare with File…" (mnuCompare) of the main window.
const std::vector<TextRow>& CompareMenuTexts();

// The sections of the list that have no caption in the window.
inline constexpr Bilingual kDialogSettingsTitle{"对话框设置", "Dialog settings"};
inline constexpr Bilingual kPasswordAniTitle{"口令和 ANI", "Password and ANI"};
inline constexpr Bilingual kOtherBytesTitle{"其他字节", "Other bytes"};

// The list's column headings; the channel column takes the grid's heading.
inline constexpr Bilingual kItemHeading{"项目", "Item"};
// A memory channel in use in one plan and empty in the other is one line.
inline constexpr Bilingual kWholeChannel{"整个信道", "Whole channel"};
// Bytes that belong to no setting: %1 the first, %2 the last offset or address ("3C0h").
inline constexpr Bilingual kHeaderBytes{"文件头 %1–%2", "File header %1–%2"};
inline constexpr Bilingual kImageBytes{"地址 %1–%2", "Address %1–%2"};
inline constexpr Bilingual kHeaderByte{"文件头 %1", "File header %1"};
inline constexpr Bilingual kImageByte{"地址 %1", "Address %1"};

// "m742-cli diff": the two files' names, and the verdict when nothing differs.
inline constexpr Bilingual kFilesEqual{"两个文件相同。", "The files are the same."};

// The window's dialog. %1 the file's name.
inline constexpr Bilingual kCompareDialogTitle{"与文件比较", "Compare with File"};
inline constexpr Bilingual kEditorHeading{"编辑器", "Editor"};
inline constexpr Bilingual kFileHeading{"文件", "File"};
inline constexpr Bilingual kCompareSummary{"编辑器与“%1”有 %2 处不同：",
                                           "The editor and \"%1\" differ in %2 places:"};
inline constexpr Bilingual kCompareEqual{"编辑器与“%1”相同。",
                                         "The editor holds the same plan as \"%1\"."};
inline constexpr Bilingual kOtherBytesNote{
    "“其他字节”是文件中与保存编辑器时写入的内容不同、但编辑器不保存的字节：文件头、程序不使用的字节"
    "。",
    "\"Other bytes\" are bytes of the file that saving the editor would write differently and "
    "that the editor does not hold: the file header and bytes the program does not use."};
inline constexpr Bilingual kCopyButton{"复制", "Copy"};
inline constexpr Bilingual kCloseButton{"关闭", "Close"};

}  // namespace m742
