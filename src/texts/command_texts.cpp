#include "texts/command_texts.h"

namespace m742 {

std::string ProgramHelpText(std::string_view version, Lang lang) {
    const std::string v(version);
    if (lang == Lang::English) {
        return "m742 " + v +
               " - programming tool for the M-742 UHF hand-held radio\n"
               "\n"
               "Usage: m742 [FILE.DAT]\n"
               "  or:  m742 --version\n"
               "  or:  m742 --help\n"
               "\n"
               "  FILE.DAT    open this data file at start, as File > Open does\n"
               "\n"
               "Options:\n"
               "  --version   print the version and end\n"
               "  -h, --help  print this text and end\n";
    }
    return "m742 " + v +
           " - M-742 对讲机编程软件\n"
           "\n"
           "用法: m742 [文件.DAT]\n"
           "  或:  m742 --version\n"
           "  或:  m742 --help\n"
           "\n"
           "  文件.DAT    启动时打开此数据文件，与“文件 > 打开”相同\n"
           "\n"
           "选项:\n"
           "  --version   显示版本后退出\n"
           "  -h, --help  显示本说明后退出\n";
}

std::string UnknownOptionText(std::string_view option, Lang lang) {
    const std::string o(option);
    return lang == Lang::English ? "unknown option \"" + o + "\"" : "未知选项“" + o + "”";
}

}  // namespace m742
