// m742-cli report [--tab memory|debug] [--pdf OUT.pdf] FILE.dat: the printed report of a data
// file as text, or as the printed pages in a PDF file.

#include <algorithm>
#include <string>
#include <vector>

#include <QByteArray>
#include <QFontInfo>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include "channel_editing/channel_plan.h"
#include "cli/commands.h"
#include "printing/qt/print_report.h"
#include "radio_data/data_file.h"
#include "radio_data/file_names.h"
#include "radio_data/text_codes.h"
#include "texts/command_texts.h"
#include "texts/report.h"

namespace m742::cli {

namespace {

constexpr Option kTabOption{"--tab", "memory|debug",
                            "the channel table to print: memory (default) or debug channels"};
constexpr Option kPdfOption{"--pdf", "OUT.pdf",
                            "print the report into the PDF file OUT.pdf instead of as text"};
constexpr Option kOptions[] = {kTabOption, kPdfOption};
constexpr std::string_view kOperands[] = {"FILE.dat"};

// Qt's notes on its own set-up (such as "XDG_RUNTIME_DIR not set" on a headless machine) mean
// nothing to the user of the command, and a failure comes back as a status anyway; only
// Qt's critical and fatal messages reach stderr.
void QtMessage(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        PrintError(message.toStdString());
    }
}

// Printing needs Qt's fonts and painting, hence an application object, which the text report
// does without. It shows no window, so it takes Qt's offscreen platform: that works on a
// machine without a display, and does not abort when DISPLAY names a display that cannot be
// reached (ssh with a stale forwarding). QT_QPA_PLATFORM still chooses another.
int RenderPdf(const std::vector<std::string>& lines, const std::string& out, Lang lang) {
    qInstallMessageHandler(QtMessage);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    }
#endif
    // QGuiApplication keeps references to both for its whole life.
    static int argc = 1;
    static char name[] = "m742-cli";
    static char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    // Qt prints in another font without a word; in it the Chinese columns may not line up.
    if (const QString family = QFontInfo(ReportFont()).family();
        std::none_of(std::begin(kReportFontFamilies), std::end(kReportFontFamilies),
                     [&family](const char* wanted) { return family == wanted; })) {
#ifdef _WIN32
        PrintError(FillText(kReportFontMissingText.in(lang), {family.toStdString()}));
#else
        PrintError(std::string("the font ") + kReportFontFamily +
                   " is not installed (package fonts-wqy-zenhei); the report uses " +
                   family.toStdString() + " instead");
#endif
    }
    const Status rendered = RenderReportPdf(lines, FilePath(out));
    return rendered.ok() ? kDone : ReportStatus(rendered, lang);
}

int RunReport(const Invocation& invocation) {
    ReportTab tab = ReportTab::kMemory;
    if (const auto option = invocation.options.find(kTabOption.name);
        option != invocation.options.end()) {
        if (option->second == "debug") {
            tab = ReportTab::kDebug;
        } else if (option->second != "memory") {
            PrintError("report: --tab takes memory or debug, not \"" + option->second +
                       "\" (see m742-cli report --help)");
            return kFailed;
        }
    }
    // As in "dump": "Open" decodes into the start-up editor, in the language of the report, so
    // that the tone cells hold the Off word the report looks for.
    EditorState editor = StartupEditor();
    const Status opened = OpenDataFile(FilePath(invocation.operands[0]), editor);
    if (!opened.ok()) {
        return ReportStatus(opened, invocation.lang);
    }
    const std::vector<std::string> lines = ComposeReport(editor, tab, invocation.lang);
    if (const auto pdf = invocation.options.find(kPdfOption.name);
        pdf != invocation.options.end()) {
        return RenderPdf(lines, pdf->second, invocation.lang);
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    return PrintOutput(text);
}

}  // namespace

const Command kReportCommand{
    "report",
    "print a data file as the program's printed report, as plain text or into a PDF",
    kOptions,
    kOperands,
    "Opens FILE.dat as the program's \"Open\" does and prints the report that \"Print\"\n"
    "sends to the printer: the maker and title, seven function settings and one channel\n"
    "table, the memory channels or, with --tab debug, the debug channels. Texts follow\n"
    "--lang. The columns line up as on paper: count a Chinese character two columns wide.\n"
    "Lines end with a line feed only; the printer's copy ends them with CR LF.\n"
    "\n"
    "With --pdf the report is printed into OUT.pdf instead, page by page as the program's\n"
    "printer gets it, in the font WenQuanYi Zen Hei Mono 12 pt (package fonts-wqy-zenhei),\n"
    "and nothing is written to standard output. An existing OUT.pdf is replaced whole; a\n"
    "failure leaves it unchanged and creates no file. No display is needed: the PDF is\n"
    "drawn on Qt's offscreen platform unless QT_QPA_PLATFORM names another.\n"
    "\n"
    "Exit status: 0 done; 2 FILE.dat could not be opened, OUT.pdf could not be written or\n"
    "bad usage.\n",
    RunReport,
};

}  // namespace m742::cli
