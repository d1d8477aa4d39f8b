#include "texts/command_texts.h"

namespace m742 {

std::string ProgramHelpText(std::string_view version, Lang lang) {
    const std::string v(version);
    if (lang == Lang::English) {
        return "m742 " + v +
               " - programming tool for the M-742 UHF hand-held radio\n"
               "\n"
               "usage: m742 [FILE.DAT]\n"
               "       m742 --version\n"
               "       m742 --help\n"
               "\n"
               "  FILE.DAT   open this data file at start, as File > Open does\n"
               "  --version  print the version and end\n"
               "  --help     print this text and end\n";
    }
    return "m742 " + v +
           " - M-742 对讲机编程软件\n"
           "\n"
           "用法: m742 [文件.DAT]\n"
           "      m742 --version\n"
           "      m742 --help\n"
           "\n"
           "  文件.DAT   启动时打开此数据文件，与“文件 > 打开”相同\n"
           "  --version  显示版本后退出\n"
           "  --help     显示本说明后退出\n";
}

std::string UnknownOptionText(std::string_view option, Lang lang) {
    const std::string o(option);
    return lang == Lang::English ? "unknown option \"" + o + "\"" : "未知选项“" + o + "”";
}

Bilingual TooManyFilesText() {
    return {"只能打开一个数据文件", "only one data file can be opened"};
}

Bilingual SeeHelpText() {
    return {"（见 m742 --help）", " (see m742 --help)"};
}

Bilingual NoPrinterChoiceText() {
    return {"没有安装打印机。可以在打印预览中查看报表，或将报表导出为 PDF 文件。",
            "No printer is installed. You can look at the report in the print preview, or "
            "export it as a PDF file."};
}

Bilingual PrintPreviewButtonText() {
    return {"打印预览…", "Print Preview…"};
}

Bilingual ExportPdfButtonText() {
    return {"导出PDF…", "Export PDF…"};
}

Bilingual CancelButtonText() {
    return {"取消", "Cancel"};
}

Bilingual ExportPdfTitleText() {
    return {"导出PDF", "Export PDF"};
}

Bilingual PdfFilterText() {
    return {"PDF 文件 (*.pdf)", "PDF files (*.pdf)"};
}

}  // namespace m742
