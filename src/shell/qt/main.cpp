// m742: the M-742 programming tool's window.
//   m742 [FILE.DAT] | m742 --version | m742 --help
#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "shell/process_text.h"
#include "shell/program_arguments.h"
#include "shell/qt/main_window.h"
#include "shell/qt/plan_file_controller.h"
#include "shell/qt/radio_controller.h"
#include "texts/command_texts.h"
#include "texts/language_tables.h"
#include "version.h"

namespace {

m742::Lang TerminalLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return m742::LanguageOfLocale(value);
        }
    }
    return m742::Lang::English;
}

m742::ProgramArguments Parse(const std::vector<std::string>& args, m742::Lang lang) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    return m742::ParseProgramArguments(views, lang);
}

}  // namespace

int main(int argc, char** argv) {
    using Action = m742::ProgramArguments::Action;
    const m742::Lang lang = TerminalLanguage();
    // The whole command line is read before Qt looks for a display: version, help and a usage
    // error need none. Qt's own options are left for QApplication to take.
    m742::UseUtf8Streams();
    const m742::ProgramArguments parsed = Parse(m742::Utf8Arguments(argc, argv), lang);
    if (parsed.action == Action::kVersion) {
        std::cout << "m742 " << m742::kProgramVersion << "\n";
        return 0;
    }
    if (parsed.action == Action::kHelp) {
        std::cout << m742::ProgramHelpText(m742::kProgramVersion, lang);
        return 0;
    }
    if (parsed.action == Action::kUsageError) {
        std::cerr << "m742: " << parsed.error << m742::kSeeHelpText.in(lang) << "\n";
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(m742::kApplicationTitle);
    QApplication::setApplicationVersion(m742::kProgramVersion);
    m742::MainWindow window;
    window.show();
    if (!parsed.file.empty()) {
#ifdef _WIN32
        window.planFiles().OpenFile(
            QString::fromStdString(parsed.file));  // UTF-8, as the arguments are
#else
        window.planFiles().OpenFile(QFile::decodeName(parsed.file.c_str()));
#endif
    }
    return QApplication::exec();
}
