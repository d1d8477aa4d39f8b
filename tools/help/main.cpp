// Writes a help file: a user's guide in Markdown (docs/guide-en.md, docs/guide-zh.md) as one
// self-contained HTML page.
//   m742-helpgen --title TITLE [--omit HEADING]... [--beside NAME]... [--depfile FILE]
//                GUIDE.md OUTPUT.html
// --beside names a file the build puts beside the page (cli.md): links to it stay links. The
// depfile names the guide and every image taken into the page, for the build to know when the
// page is out of date.
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "help_page.h"

namespace {

QtMessageHandler g_qtHandler = nullptr;

// The platform's start-up notes (a missing runtime folder and the like) say nothing about the
// page; errors still come through.
void QuietStartUp(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        g_qtHandler(type, context, message);
    }
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
}

// A make-style rule; spaces in paths are escaped.
QByteArray DepfileRule(const QString& target, const QStringList& prerequisites) {
    const auto escaped = [](QString path) { return path.replace(u' ', QStringLiteral("\\ ")); };
    QString rule = escaped(target) + u':';
    for (const QString& path : prerequisites) {
        rule += QStringLiteral(" \\\n  ") + escaped(path);
    }
    return (rule + u'\n').toUtf8();
}

}  // namespace

int main(int argc, char** argv) {
    // A build tool: it never shows a window, and must run where there is no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtHandler = qInstallMessageHandler(QuietStartUp);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(g_qtHandler);

    QCommandLineParser parser;
    parser.setApplicationDescription("Writes the user guide as one self-contained HTML page.");
    parser.addHelpOption();
    const QCommandLineOption title("title", "The page's title and heading.", "TITLE");
    const QCommandLineOption omit("omit", "Leave out the section(s) whose heading begins so.",
                                  "HEADING");
    const QCommandLineOption beside("beside", "A file beside the page; links to it stay.", "NAME");
    const QCommandLineOption depfile("depfile", "Also write the page's dependencies.", "FILE");
    parser.addOptions({title, omit, beside, depfile});
    parser.addPositionalArgument("guide", "The guide in Markdown (docs/guide-en.md).");
    parser.addPositionalArgument("output", "The HTML page to write.");
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2 || !parser.isSet(title)) {
        std::fputs(
            "usage: m742-helpgen --title TITLE [--omit HEADING]... [--beside NAME]... "
            "[--depfile FILE] GUIDE.md OUTPUT.html\n",
            stderr);
        return 2;
    }

    try {
        const QString guidePath = QFileInfo(files[0]).absoluteFilePath();
        const QString outputPath = QFileInfo(files[1]).absoluteFilePath();
        const QString guide = QString::fromUtf8(ReadAll(guidePath));
        const QString markdown = m742::help::WithTitle(
            m742::help::UserSections(guide, parser.values(omit)), parser.value(title));
        const m742::help::HelpPage page =
            m742::help::MakeHelpPage(markdown, parser.value(title),
                                     QFileInfo(guidePath).absoluteDir(), parser.values(beside));
        WriteAll(outputPath, page.html.toUtf8());
        if (parser.isSet(depfile)) {
            WriteAll(parser.value(depfile),
                     DepfileRule(outputPath, QStringList{guidePath} + page.embeddedFiles));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "m742-helpgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
