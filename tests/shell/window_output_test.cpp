// What the window puts out in the interface language: the report as PDF, in the print preview
// and on the printer, Qt's own texts and file dialogs, and the user's guide.
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QtTest>

#include "channel_editing/qt/grid_fit.h"
#include "shell/qt/window_placement.h"
#include "test_support.h"

using namespace m742;
using namespace m742::test;

namespace {

// The text of a PDF as pdftotext lays it out (package poppler-utils).
QString PdfText(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        return "pdftotext failed: " + QString::fromUtf8(pdftotext.readAllStandardError());
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// What a print preview showed: its caption and its number of pages. The preview is closed as
// soon as it has laid the pages out. The watch goes with `owner`.
struct PreviewSeen {
    int shown = 0;
    QString title;
    int pages = 0;
};

std::shared_ptr<PreviewSeen> WatchForPreview(QObject& owner) {
    auto seen = std::make_shared<PreviewSeen>();
    auto* timer = new QTimer(&owner);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, timer, [seen, timer] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview == nullptr) {
            return;
        }
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        ++seen->shown;
        seen->title = preview->windowTitle();
        seen->pages = widget != nullptr ? widget->pageCount() : -1;
        preview->reject();
        timer->deleteLater();
    });
    timer->start();
    QTimer::singleShot(10000, timer, &QObject::deleteLater);
    return seen;
}

}  // namespace

class ReportOutputTest : public QObject {
    Q_OBJECT

private slots:
    void exportPdf_data();
    void exportPdf();
    void exportPdfCancelledOrRefused_data();
    void exportPdfCancelledOrRefused();
    void printPreview_data();
    void printPreview();
    void printWithoutPrinterOffersBoth_data();
    void printWithoutPrinterOffersBoth();
};

void ReportOutputTest::exportPdf_data() {
    QTest::addColumn<QByteArray>("preferences");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("title");
    QTest::newRow("English memory") << EnglishPreferences() << 0 << "report.pdf"
                                    << "report.pdf"
                                    << "Memory Channel Data:";
    QTest::newRow("English debug") << EnglishPreferences() << 1 << "report.pdf"
                                   << "report.pdf"
                                   << "Debug Channel Data:";
    QTest::newRow("Chinese memory") << QByteArray(3, '\0') << 0 << "报表.pdf"
                                    << "报表.pdf"
                                    << "记忆信道数据:";
    QTest::newRow("Chinese debug") << QByteArray(3, '\0') << 1 << "report.pdf"
                                   << "report.pdf"
                                   << "调试信道数据:";
    QTest::newRow("no suffix gets .pdf") << EnglishPreferences() << 0 << "report"
                                         << "report.pdf"
                                         << "Memory Channel Data:";
}

// Export PDF writes the report of the selected tab in the interface language.
void ReportOutputTest::exportPdf() {
    QFETCH(QByteArray, preferences);
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(QString, title);
    Harness harness(preferences);
    MainWindow& form = harness.mainWindow();
    Child<QTabBar>(form, "TabStrip1").setCurrentIndex(tab);
    harness.chooser().answers = {harness.folder().filePath(name)};
    Child<QAction>(form, "mnuExportPdf").trigger();
    QCOMPARE(harness.chooser().pdfCalls, 1);
    QCOMPARE(harness.messages().texts(), QStringList());
    const QString pdf = harness.folder().filePath(expected);
    QVERIFY2(QFile::exists(pdf), qPrintable(pdf));
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains("M-742-"), qPrintable(text));
    QVERIFY2(text.contains(title), qPrintable(text));
    // Nothing else is left beside it: the PDF was written whole, then renamed.
    QCOMPARE(QDir(harness.folder().filePath(".")).entryList({"*.pdf*"}, QDir::Files).size(), 1);
}

void ReportOutputTest::exportPdfCancelledOrRefused_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("messages");
    QTest::newRow("cancelled") << QString() << 0;
    QTest::newRow("folder missing") << "missing/report.pdf" << 1;
}

void ReportOutputTest::exportPdfCancelledOrRefused() {
    QFETCH(QString, answer);
    QFETCH(int, messages);
    Harness harness(EnglishPreferences());
    const QString path = answer.isEmpty() ? QString() : harness.folder().filePath(answer);
    harness.chooser().answers = {path};
    harness.mainWindow().reports().ExportPdf();
    QCOMPARE(harness.messages().all().size(), messages);
    if (messages > 0) {
        const RecordedMessage& message = harness.messages().all().front();
        QCOMPARE(message.style, int(kStyleError));
        QVERIFY2(message.text.contains(path), qPrintable(message.text));
    }
    QVERIFY(!QFile::exists(harness.folder().filePath("missing")));
}

void ReportOutputTest::printPreview_data() {
    QTest::addColumn<QByteArray>("preferences");
    QTest::addColumn<QString>("title");
    QTest::newRow("English") << EnglishPreferences() << "Print Preview";
    QTest::newRow("Chinese") << QByteArray(3, '\0') << "打印预览";
}

// The preview shows the report's page under a caption in the interface language.
void ReportOutputTest::printPreview() {
    QFETCH(QByteArray, preferences);
    QFETCH(QString, title);
    Harness harness(preferences);
    const auto seen = WatchForPreview(harness.mainWindow());
    Child<QAction>(harness.mainWindow(), "mnuPrintPreview").trigger();
    QCOMPARE(seen->shown, 1);
    QCOMPARE(seen->title, title);
    QVERIFY(seen->pages >= 1);
    QVERIFY(harness.messages().all().isEmpty());
}

void ReportOutputTest::printWithoutPrinterOffersBoth_data() {
    QTest::addColumn<QByteArray>("preferences");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("previews");
    QTest::addColumn<int>("pdfs");
    const QStringList english{"Print Preview…", "Export PDF…", "Cancel"};
    const QStringList chinese{"打印预览…", "导出PDF…", "取消"};
    QTest::newRow("preview") << EnglishPreferences() << 1 << english << 1 << 0;
    QTest::newRow("PDF") << EnglishPreferences() << 2 << english << 0 << 1;
    QTest::newRow("cancel") << EnglishPreferences() << 3 << english << 0 << 0;
    QTest::newRow("Chinese PDF") << QByteArray(3, '\0') << 2 << chinese << 0 << 1;
}

// With no printer, Print says so and offers the preview and the PDF file instead.
void ReportOutputTest::printWithoutPrinterOffersBoth() {
    QFETCH(QByteArray, preferences);
    QFETCH(int, answer);
    QFETCH(QStringList, captions);
    QFETCH(int, previews);
    QFETCH(int, pdfs);
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("a printer is installed here");
    }
    Harness harness(preferences);
    harness.messages().Answer(answer);
    harness.chooser().answers = {harness.folder().filePath("report.pdf")};
    const auto seen = WatchForPreview(harness.mainWindow());
    Child<QAction>(harness.mainWindow(), "mnuprint").trigger();
    QCOMPARE(harness.messages().all().size(), 1);
    const RecordedMessage& message = harness.messages().all().front();
    QCOMPARE(message.captions, captions);
    QVERIFY2(message.text.contains(preferences == EnglishPreferences() ? "No printer"
                                                                       : "没有安装打印机"),
             qPrintable(message.text));
    QCOMPARE(seen->shown, previews);
    QCOMPARE(harness.chooser().pdfCalls, pdfs);
    QCOMPARE(QFile::exists(harness.folder().filePath("report.pdf")), pdfs == 1);
}

class InterfaceLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void qtTextsFollowLanguage_data();
    void qtTextsFollowLanguage();
    void helpOfTheLanguage_data();
    void helpOfTheLanguage();
    void fileDialogFollowsLanguage_data();
    void fileDialogFollowsLanguage();
};

namespace {

// Some of Qt's own texts, as the file dialogs and the button boxes show them.
QStringList QtTexts() {
    return {QCoreApplication::translate("QFileDialog", "Look in:"),
            QCoreApplication::translate("QFileDialog", "File &name:"),
            QCoreApplication::translate("QPlatformTheme", "Cancel"),
            QCoreApplication::translate("QPrintPreviewDialog", "Print Preview")};
}

const QStringList kQtEnglish{"Look in:", "File &name:", "Cancel", "Print Preview"};

}  // namespace

void InterfaceLanguageTest::qtTextsFollowLanguage_data() {
    QTest::addColumn<QByteArray>("preferences");
    QTest::addColumn<bool>("switchLanguage");
    QTest::addColumn<bool>("chinese");
    QTest::newRow("starts Chinese") << QByteArray(3, '\0') << false << true;
    QTest::newRow("starts English") << EnglishPreferences() << false << false;
    QTest::newRow("Chinese to English") << QByteArray(3, '\0') << true << false;
    QTest::newRow("English to Chinese") << EnglishPreferences() << true << true;
    // Flag 2 reads English, and the language menu leaves it so.
    QTest::newRow("flag 2") << QByteArray("\x00\x00\x02", 3) << true << false;
}

// Qt's texts are Chinese exactly while the interface is, and English again once the window has
// gone.
void InterfaceLanguageTest::qtTextsFollowLanguage() {
    QFETCH(QByteArray, preferences);
    QFETCH(bool, switchLanguage);
    QFETCH(bool, chinese);
    QCOMPARE(QtTexts(), kQtEnglish);
    {
        Harness harness(preferences);
        if (switchLanguage) {
            harness.mainWindow().ChooseChinese();
            harness.mainWindow().ChooseEnglish();
            if (preferences == EnglishPreferences()) {
                harness.mainWindow().ChooseChinese();
            }
        }
        const QStringList texts = QtTexts();
        if (chinese) {
            for (qsizetype i = 0; i < texts.size(); ++i) {
                QVERIFY2(texts[i] != kQtEnglish[i], qPrintable(texts[i]));
            }
            QCOMPARE(texts[2], QString("取消"));
        } else {
            QCOMPARE(texts, kQtEnglish);
        }
    }
    QCOMPARE(QtTexts(), kQtEnglish);
}

void InterfaceLanguageTest::fileDialogFollowsLanguage_data() {
    QTest::addColumn<QByteArray>("preferences");
    QTest::addColumn<bool>("switchLanguage");
    QTest::addColumn<QString>("folderType");
    QTest::addColumn<QLocale>("locale");
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("Chinese") << QByteArray(3, '\0') << false << "文件夹" << chinese;
    QTest::newRow("switched to English") << QByteArray(3, '\0') << true << "Folder" << english;
    QTest::newRow("switched to Chinese") << EnglishPreferences() << true << "文件夹" << chinese;
}

// The file dialog's list gives a folder's type, a file's size and its date in the interface
// language, whatever the system's locale.
void InterfaceLanguageTest::fileDialogFollowsLanguage() {
    QFETCH(QByteArray, preferences);
    QFETCH(bool, switchLanguage);
    QFETCH(QString, folderType);
    QFETCH(QLocale, locale);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("plans"));
    QFile list(folder.filePath("channels.csv"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(QByteArray(1500, 'x'));
    list.flush();  // before the date: a later write would change it
    const QDateTime stamp(QDate(2024, 3, 5), QTime(14, 7));
    QVERIFY(list.setFileTime(stamp, QFileDevice::FileModificationTime));
    list.close();

    Harness harness(preferences);
    if (switchLanguage) {
        preferences == EnglishPreferences() ? harness.mainWindow().ChooseChinese()
                                            : harness.mainWindow().ChooseEnglish();
    }
    QStringList shown;  // the folder's type, the file's size and date
    QTimer::singleShot(0, [&shown, &folder] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* view = dialog != nullptr ? dialog->findChild<QTreeView*>("treeView") : nullptr;
        if (view == nullptr) {
            return;
        }
        dialog->setDirectory(folder.path());
        const auto row = [view](const QString& name) {
            for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r) {
                if (view->model()->index(r, 0, view->rootIndex()).data().toString() == name) {
                    return r;
                }
            }
            return -1;
        };
        const auto cell = [view](int r, int column) {
            return view->model()->index(r, column, view->rootIndex()).data().toString();
        };
        // The list fills in a file's details a moment after its name.
        static_cast<void>(QTest::qWaitFor(
            [&] {
                return row("plans") >= 0 && row("channels.csv") >= 0 &&
                       !cell(row("plans"), 2).isEmpty() && !cell(row("channels.csv"), 3).isEmpty();
            },
            5000));
        shown << cell(row("plans"), 2) << cell(row("channels.csv"), 1)
              << cell(row("channels.csv"), 3);
        dialog->reject();
    });
    QCOMPARE(harness.mainWindow().planFiles().chooseCsv(false), QString());
    QCOMPARE(shown, (QStringList{folderType, locale.formattedDataSize(1500),
                                 locale.toString(stamp, QLocale::ShortFormat)}));
}

void InterfaceLanguageTest::helpOfTheLanguage_data() {
    QTest::addColumn<QByteArray>("preferences");
    QTest::addColumn<bool>("switchLanguage");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("heading");
    QTest::newRow("English") << EnglishPreferences() << false << "M-742.html"
                             << "The program";
    QTest::newRow("Chinese") << QByteArray(3, '\0') << false << "M-742.zh.html"
                             << "编辑信道";
    QTest::newRow("switched to Chinese") << EnglishPreferences() << true << "M-742.zh.html"
                                         << "编辑信道";
    QTest::newRow("switched to English") << QByteArray(3, '\0') << true << "M-742.html"
                                         << "Editing channels";
}

// F1 opens the guide the build wrote for the interface language.
void InterfaceLanguageTest::helpOfTheLanguage() {
    QFETCH(QByteArray, preferences);
    QFETCH(bool, switchLanguage);
    QFETCH(QString, file);
    QFETCH(QString, heading);
    Harness harness(preferences);
    if (switchLanguage) {
        harness.mainWindow().ChooseChinese();
        harness.mainWindow().ChooseEnglish();
        harness.mainWindow().ChooseChinese();
        if (file == "M-742.html") {
            harness.mainWindow().ChooseEnglish();
        }
    }
    UrlCatcher taker;
    QDesktopServices::setUrlHandler("file", &taker, "open");
    QTest::keyClick(&harness.mainWindow(), Qt::Key_F1);
    harness.mainWindow().OpenHelp();
    QDesktopServices::unsetUrlHandler("file");
    QVERIFY2(harness.messages().all().isEmpty(), qPrintable(harness.messages().texts().join("")));
    QVERIFY(!taker.opened.isEmpty());
    const QString path = taker.opened.back().toLocalFile();
    QCOMPARE(QFileInfo(path).fileName(), file);
    QFile page(path);
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(page.readAll()).contains(heading));
}

namespace m742::test {

int RunWindowOutputTests(int argc, char** argv, const QString& onlyClass) {
    ReportOutputTest report;
    InterfaceLanguageTest language;
    return RunTestClass(report, argc, argv, onlyClass) |
           RunTestClass(language, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "window_output_test.moc"
