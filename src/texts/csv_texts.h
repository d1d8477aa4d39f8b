// The texts of CHIRP CSV channel lists: the File menu's two items, their file dialogs, and what
// an import or export reports, in both languages.
#pragma once

#include "radio_data/status.h"

namespace m742 {

// The File menu's items and the file dialogs' captions and filter.
inline constexpr Bilingual kImportChannelsText{"导入信道…", "Import Channels…"};
inline constexpr Bilingual kExportChannelsText{"导出信道…", "Export Channels…"};
inline constexpr Bilingual kImportChannelsTitle{"导入信道（CHIRP CSV）",
                                                "Import Channels (CHIRP CSV)"};
inline constexpr Bilingual kExportChannelsTitle{"导出信道（CHIRP CSV）",
                                                "Export Channels (CHIRP CSV)"};
inline constexpr Bilingual kCsvFilterText{"CHIRP CSV 文件 (*.csv);;所有文件 (*)",
                                          "CHIRP CSV files (*.csv);;All files (*)"};

// A file that is no CHIRP channel list: %1 the file.
inline constexpr Bilingual kNotChirpCsv{
    "%1不是 CHIRP CSV 文件：没有含 Location 和 Frequency 列的标题行。",
    "%1 is not a CHIRP CSV file: it has no header line with the columns Location and "
    "Frequency."};
// %1 the file, %2 the line where the field starts.
inline constexpr Bilingual kUnclosedQuote{"%1不是 CHIRP CSV 文件：第 %2 行的引号没有闭合。",
                                          "%1 is not a CHIRP CSV file: the quoted field on "
                                          "line %2 is never closed."};
// %1 the file, %2 its size limit in bytes.
inline constexpr Bilingual kCsvTooLarge{"%1太大，不是信道表（超过 %2 个字节）。",
                                        "%1 is too large for a channel list (more than %2 "
                                        "bytes)."};

// After the first row notes: %1 how many more rows have one.
inline constexpr Bilingual kMoreRowNotes{"……另有 %1 行", "… and %1 more rows"};
// One row of an import: %1 the line, %2 the Location as written, %3 what became of it.
inline constexpr Bilingual kCsvRowLine{"第 %1 行（Location %2）：%3", "Line %1 (Location %2): %3"};
// What a row's fields were refused for. %1 is the column, %2 the value as written.
inline constexpr Bilingual kNotAChannel{"Location 只能是 1 到 16", "Location must be 1 to 16"};
inline constexpr Bilingual kChannelTwice{"信道 %1 已在第 %2 行给出",
                                         "channel %1 was already given on line %2"};
// Before the band message of an offset: %1 the TX frequency it gives, in MHz.
inline constexpr Bilingual kComputedTx{"发射频率 %1 MHz：", "TX %1 MHz: "};
inline constexpr Bilingual kFieldProblem{"%1“%2”：%3", "%1 \"%2\": %3"};
inline constexpr Bilingual kNotANumber{"不是数值", "not a number"};
inline constexpr Bilingual kNotInToneList{"不在亚音频表中", "not in the radio's tone list"};
inline constexpr Bilingual kNeedsValue{"该亚音模式需要此值", "the tone mode needs this value"};
inline constexpr Bilingual kCannotHold{"对讲机无法保存", "the radio cannot hold it"};
inline constexpr Bilingual kUnknownValue{"无法识别", "not a value of this column"};
// A frequency the rules moved onto the channel raster: %1 the column, %2 as written, %3 as
// stored.
inline constexpr Bilingual kFrequencySnapped{"%1 %2 MHz 按信道步进存为 %3",
                                             "%1 %2 MHz is stored as %3 on the channel raster"};

// The summary of an import: %1 channels imported, %2 rows skipped (English counts in words that
// take their plural: "1 channel", "2 channels").
inline constexpr Bilingual kImportSummary{"已导入 %1 个信道，跳过 %2 行。",
                                          "Imported %1, skipped %2."};
inline constexpr Bilingual kSkippedHeading{"跳过的行：", "Rows skipped:"};
inline constexpr Bilingual kAdjustedHeading{"已调整：", "Adjusted:"};

// A channel an export leaves out: %1 the channel, %2 the column, %3 the cell.
inline constexpr Bilingual kNotExported{"信道 %1：%2“%3”无法写入 CHIRP CSV，该信道未导出。",
                                        "Channel %1: %2 \"%3\" cannot be written to a CHIRP "
                                        "CSV file; the channel was left out."};

}  // namespace m742
