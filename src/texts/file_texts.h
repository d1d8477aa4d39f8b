// What the program says about the files a user gives it, in both languages.
#pragma once

#include "radio_data/status.h"

namespace m742 {

// Why a file cannot be replaced.
inline constexpr Bilingual kNotRegularFileText{"不是普通文件", "not a regular file"};
inline constexpr Bilingual kReadOnlyFileText{"文件是只读的", "the file is read-only"};

// %1 the file (quoted); %2 the system's reason.
inline constexpr Bilingual kFileMissingText{"无法打开%1：文件不存在。",
                                            "Cannot open %1: the file does not exist."};
inline constexpr Bilingual kFileUnreadableText{"无法读取%1：%2。", "Cannot read %1: %2."};
inline constexpr Bilingual kFileUnwritableText{"无法保存%1：%2。文件未被改动。",
                                               "Cannot save %1: %2. The file was not changed."};
// %1 the file, %2 its size limit in bytes.
inline constexpr Bilingual kPlanTooLarge{"%1太大，不是信道计划（超过 %2 个字节）。",
                                         "%1 is too large for a channel plan (more than %2 "
                                         "bytes)."};

// A file given where a data file belongs. %1 the file; %2 its size in bytes.
inline constexpr Bilingual kDataFileTooShort{
    "%1不是 M-742 数据文件：它只有 %2 个字节，数据文件应有 1074 个字节。",
    "%1 is not an M-742 data file: it holds %2 bytes, a data file holds 1074."};
inline constexpr Bilingual kDataFileWrongSize{
    "%1不是 M-742 数据文件：它有 %2 个字节，数据文件应有 1074 个字节。",
    "%1 is not an M-742 data file: it holds %2 bytes, a data file holds 1074."};
inline constexpr Bilingual kDataFileNoHeader{
    "%1不是 M-742 数据文件：它不以数据文件的文件头“ZMR47C…V0100”开始。",
    "%1 is not an M-742 data file: it does not start with a data file's header "
    "\"ZMR47C…V0100\"."};
inline constexpr Bilingual kDataFileEmpty{"%1不是 M-742 数据文件：它是空的。",
                                          "%1 is not an M-742 data file: it is empty."};
inline constexpr Bilingual kDataFileIsJson{
    "%1不是 M-742 数据文件：它看来是 JSON 文件。若它是“m742-cli dump --json”打印的信道计划，"
    "“m742-cli encode”可把它存为数据文件。",
    "%1 is not an M-742 data file: it looks like a JSON file. If it is a channel plan as "
    "\"m742-cli dump --json\" prints it, \"m742-cli encode\" saves it as a data file."};
inline constexpr Bilingual kDataFileIsCsv{
    "%1不是 M-742 数据文件：它看来是 CHIRP CSV 信道表，可用“文件”→“导入信道…”或"
    "“m742-cli import-csv”读入。",
    "%1 is not an M-742 data file: it looks like a CHIRP CSV channel list, which File → "
    "\"Import Channels…\" and \"m742-cli import-csv\" read."};
inline constexpr Bilingual kDataFileIsPdf{"%1不是 M-742 数据文件：它看来是 PDF 文档。",
                                          "%1 is not an M-742 data file: it looks like a PDF "
                                          "document."};
inline constexpr Bilingual kDataFileIsText{"%1不是 M-742 数据文件：它看来是文本文件。",
                                           "%1 is not an M-742 data file: it looks like a text "
                                           "file."};
// The window's question before it opens such a file anyway. %1 the file.
inline constexpr Bilingual kOpenAnyway{"%1看来不是 M-742 数据文件。仍要打开吗？",
                                       "%1 does not look like an M-742 data file. Open it "
                                       "anyway?"};
// The reason a data file is not replaced by a file of another kind.
inline constexpr Bilingual kWouldReplaceDataFile{"它是 M-742 数据文件，不能用别的文件替换它",
                                                 "it is an M-742 data file, which this would "
                                                 "replace with a file of another kind"};

}  // namespace m742
