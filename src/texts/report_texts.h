// The printed report's own words, in both languages: the title, the setting labels that are
// not the panel's, the tables' titles and headings (laid out as whole lines).
#pragma once

#include "radio_data/status.h"

namespace m742 {

inline constexpr Bilingual kReportTitleSuffix{"-编程数据", "-Programming Data"};

// The labels of three settings, which differ from the panel's: "Monitor" for PTTID,
// "LauchTime", "Frequency Band" for the priority channel.
inline constexpr Bilingual kReportPttIdLabel{"监听功能", "Monitor"};
inline constexpr Bilingual kReportTimeoutLabel{"发射定时", "LauchTime"};
inline constexpr Bilingual kReportPriorityLabel{"频带", "Frequency Band"};

// The table title is the tab's caption followed by these words.
inline constexpr Bilingual kReportTableTitleSuffix{"数据:", " Data:"};

inline constexpr Bilingual kReportMemoryHeading{
    "          信道  接收频率    亚音频  发射频率    亚音频  禁发  频移",
    "        Channel RXFrequency QT/DQT TXFrequency  QT/DQT Prohibit  Move"};
inline constexpr Bilingual kReportDebugHeading{"          信道  接收频率    发射频率",
                                               "          channel  TxFrequency   RxFrequency"};

// Print and the PDF file refused. No printer: the way to a report all the same.
inline constexpr Bilingual kNoPrinterText{
    "没有安装打印机。请安装打印机并设为默认打印机，然后重新打印；或者保存信道数据，"
    "用“m742-cli report --pdf REPORT.pdf FILE.dat”生成报表的 PDF 文件。",
    "No printer is installed. Install a printer, make it the default printer and print again; "
    "or save the channel plan and make a PDF of the report with "
    "\"m742-cli report --pdf REPORT.pdf FILE.dat\"."};
// %1 the printer's name, quoted.
inline constexpr Bilingual kPrintFailedText{
    "无法在%1上打印报表：打印机没有接受打印任务。请检查打印机是否就绪，然后重新打印。",
    "The report could not be printed on %1: the printer did not take the job. Check that the "
    "printer is ready and print again."};
inline constexpr Bilingual kPdfNotWritten{"无法完整写入 PDF（磁盘是否已满？）",
                                          "the PDF could not be written whole (is the disk full?)"};
// %1 the file, quoted, %2 the reason; then whether the file was there before.
inline constexpr Bilingual kReportNotSavedText{"无法将报表保存为%1：%2。",
                                               "Cannot save the report as %1: %2."};
inline constexpr Bilingual kReportFileUnchangedText{"文件未被改动。", " The file was not changed."};
inline constexpr Bilingual kReportNoFileWrittenText{"没有写入任何文件。", " No file was written."};

}  // namespace m742
