// What the window shows of the plan: its size at start and when it grows or shrinks, the place
// it is given back at the next start, and the data file named on the command line.
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

QTableView& Grid(MainWindow& form, const char* name) {
    return Child<QTableView>(form, name);
}

// The grid shows every row and column whole, without a scroll bar.
QString WholePlanShown(QTableView& grid) {
    const int rows = grid.model()->rowCount();
    const int columns = grid.model()->columnCount();
    if (grid.horizontalScrollBar()->isVisible() || grid.verticalScrollBar()->isVisible()) {
        return grid.objectName() + " has a scroll bar";
    }
    const int bottom = grid.rowViewportPosition(rows - 1) + grid.rowHeight(rows - 1);
    const int right = grid.columnViewportPosition(columns - 1) + grid.columnWidth(columns - 1);
    if (bottom > grid.viewport()->height() || right > grid.viewport()->width()) {
        return QString("%1: the cells end at %2x%3 in a viewport of %4x%5")
            .arg(grid.objectName())
            .arg(right)
            .arg(bottom)
            .arg(grid.viewport()->width())
            .arg(grid.viewport()->height());
    }
    return {};
}

QList<int> ColumnWidths(const QTableView& grid) {
    QList<int> widths;
    for (int column = 0; column < grid.model()->columnCount(); ++column) {
        widths << grid.columnWidth(column);
    }
    return widths;
}

void ShowAt(MainWindow& form, QSize size) {
    form.resize(size);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
}

}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void shareOf_data();
    void shareOf();
    void fitToScreen_data();
    void fitToScreen();
    void fullPlanShownWhole_data();
    void fullPlanShownWhole();
    void growingSpreadsOverFrequencyAndToneColumns_data();
    void growingSpreadsOverFrequencyAndToneColumns();
    void shrinkingScrolls();
    void columnWidenedByHandKept();
    void settingsPanelGrowsEvenly();
    void languageSwitchShowsWholePlan_data();
    void languageSwitchShowsWholePlan();
    void headingsShownWhole_data();
    void headingsShownWhole();
    void placementRemembered_data();
    void placementRemembered();
    void fileAtStartAsOpen_data();
    void fileAtStartAsOpen();
};

void WindowPlacementTest::shareOf_data() {
    QTest::addColumn<int>("extra");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("shares");
    QTest::newRow("even") << 8 << 4 << QList<int>{2, 2, 2, 2};
    QTest::newRow("remainder to the first") << 10 << 4 << QList<int>{3, 3, 2, 2};
    QTest::newRow("less than one each") << 3 << 4 << QList<int>{1, 1, 1, 0};
    QTest::newRow("nothing to share") << 0 << 4 << QList<int>{0, 0, 0, 0};
    QTest::newRow("too small: nobody shrinks") << -5 << 2 << QList<int>{0, 0};
    QTest::newRow("sixteen rows") << 37 << 16
                                  << QList<int>{3, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
}

void WindowPlacementTest::shareOf() {
    QFETCH(int, extra);
    QFETCH(int, count);
    QFETCH(QList<int>, shares);
    QList<int> actual;
    for (int i = 0; i < count; ++i) {
        actual << ShareOf(extra, count, i);
    }
    QCOMPARE(actual, shares);
}

void WindowPlacementTest::fitToScreen_data() {
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QSize>("available");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("room enough") << QSize(930, 700) << QSize(1366, 768) << QSize(930, 700);
    QTest::newRow("too tall") << QSize(930, 760) << QSize(1366, 768) << QSize(930, 732);
    QTest::newRow("small screen") << QSize(930, 700) << QSize(1024, 600) << QSize(930, 564);
    QTest::newRow("narrow screen") << QSize(930, 700) << QSize(800, 600) << QSize(792, 564);
}

void WindowPlacementTest::fitToScreen() {
    QFETCH(QSize, wanted);
    QFETCH(QSize, available);
    QFETCH(QSize, fitted);
    QCOMPARE(FitToScreen(wanted, available, QSize(8, 36)), fitted);
}

void WindowPlacementTest::fullPlanShownWhole_data() {
    QTest::addColumn<QByteArray>("preferences");
    QTest::newRow("Chinese") << QByteArray("\x00\x00\x00", 3);
    QTest::newRow("English") << EnglishPreferences();
}

// At the size it asks for, the window shows both grids whole and the debug panel beside them.
void WindowPlacementTest::fullPlanShownWhole() {
    QFETCH(QByteArray, preferences);
    Harness harness(preferences);
    MainWindow& form = harness.mainWindow();
    const QSize full = FullPlanSize(form);
    ShowAt(form, full);
    QCOMPARE(form.size(), full);
    QString problem = WholePlanShown(Grid(form, "mfgrid1"));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    auto& tabs = Child<QTabBar>(form, "TabStrip1");
    tabs.setCurrentIndex(1);
    QApplication::processEvents();
    problem = WholePlanShown(Grid(form, "mfgrid2"));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QVERIFY(Child<QComboBox>(form, "combochannel2").isVisible());
    // And it fits a 1366x768 screen with its frame.
    QVERIFY2(full.width() <= 1366 - 8 && full.height() <= 768 - 36,
             qPrintable(QString("%1x%2").arg(full.width()).arg(full.height())));
}

void WindowPlacementTest::growingSpreadsOverFrequencyAndToneColumns_data() {
    QTest::addColumn<int>("wider");
    QTest::addColumn<int>("taller");
    QTest::newRow("wider") << 200 << 0;
    QTest::newRow("taller") << 0 << 150;
    QTest::newRow("both, odd amounts") << 123 << 77;
}

void WindowPlacementTest::growingSpreadsOverFrequencyAndToneColumns() {
    QFETCH(int, wider);
    QFETCH(int, taller);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    QTableView& grid = Grid(form, "mfgrid1");
    const QSize full = FullPlanSize(form);
    ShowAt(form, full);
    const QList<int> before = ColumnWidths(grid);
    const int rowHeight = grid.rowHeight(0);

    ShowAt(form, full + QSize(wider, taller));
    const QList<int> after = ColumnWidths(grid);
    QString problem = WholePlanShown(grid);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // Channel number and the four lists keep their widths; the frequencies and tones share.
    for (const int column : {0, 5, 6, 7, 8}) {
        QCOMPARE(after[column], before[column]);
    }
    int grown = 0;
    for (const int column : {1, 2, 3, 4}) {
        QVERIFY(after[column] >= before[column]);
        grown += after[column] - before[column];
        QVERIFY(std::abs((after[column] - before[column]) - (after[1] - before[1])) <= 1);
    }
    // The cells reach the right edge and the bottom: no empty band.
    const int right = grid.columnViewportPosition(8) + grid.columnWidth(8);
    QCOMPARE(right, grid.viewport()->width());
    const int bottom = grid.rowViewportPosition(15) + grid.rowHeight(15);
    QCOMPARE(bottom, grid.viewport()->height());
    QVERIFY(wider == 0 || grown > 0);
    QVERIFY(taller == 0 || grid.rowHeight(15) > rowHeight);
    // The fixed channel numbers stand in the same rows as the cells beside them.
    auto& numbers = Child<QTableView>(grid, "channelNumbers");
    for (const int row : {0, 7, 15}) {
        QCOMPARE(numbers.rowViewportPosition(row), grid.rowViewportPosition(row));
        QCOMPARE(numbers.rowHeight(row), grid.rowHeight(row));
    }
}

// Smaller than the plan, the columns and rows keep their sizes and the grid scrolls to them.
void WindowPlacementTest::shrinkingScrolls() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    QTableView& grid = Grid(form, "mfgrid1");
    const QSize full = FullPlanSize(form);
    ShowAt(form, full);
    const QList<int> before = ColumnWidths(grid);
    const int rowHeight = grid.rowHeight(0);
    ShowAt(form, full - QSize(150, 120));
    QCOMPARE(ColumnWidths(grid), before);
    QCOMPARE(grid.rowHeight(15), rowHeight);
    QVERIFY(grid.horizontalScrollBar()->isVisible());
    QVERIFY(grid.verticalScrollBar()->isVisible());
    grid.scrollTo(grid.model()->index(15, 8));
    const QRect last = grid.visualRect(grid.model()->index(15, 8));
    QVERIFY(grid.viewport()->rect().contains(last));
}

// A column given a width of its own keeps it; the growing still goes to the frequencies and
// tones.
void WindowPlacementTest::columnWidenedByHandKept() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    QTableView& grid = Grid(form, "mfgrid1");
    const QSize full = FullPlanSize(form);
    ShowAt(form, full);
    const int rx = grid.columnWidth(1);
    grid.horizontalHeader()->resizeSection(6, 140);
    ShowAt(form, full + QSize(260, 0));
    QCOMPARE(grid.columnWidth(6), 140);
    QVERIFY(grid.columnWidth(1) > rx);
    ShowAt(form, full);
    QCOMPARE(grid.columnWidth(6), 140);
}

void WindowPlacementTest::languageSwitchShowsWholePlan_data() {
    QTest::addColumn<int>("from");  // LanguageFlag
    QTest::newRow("Chinese to English") << 0;
    QTest::newRow("English to Chinese") << 1;
}

// After a switch the window shows the whole plan, as a start in the new language would.
void WindowPlacementTest::languageSwitchShowsWholePlan() {
    QFETCH(int, from);
    Harness fresh(QByteArray("\x00\x00", 2) + char(1 - from));
    const QSize wanted = FullPlanSize(fresh.mainWindow());
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (wanted.width() + 8 > room.width() || wanted.height() + 36 > room.height()) {
        QSKIP("the screen is too small for the whole plan (ctest gives this test 1366x768)");
    }
    Harness harness(QByteArray("\x00\x00", 2) + char(from));
    MainWindow& form = harness.mainWindow();
    ShowAt(form, FullPlanSize(form));
    from == 0 ? form.ChooseEnglish() : form.ChooseChinese();
    QApplication::processEvents();
    qWarning() << "DBG after" << FullPlanSize(form) << form.sizeHint()
               << fresh.mainWindow().sizeHint() << form.centralWidget()->sizeHint()
               << fresh.mainWindow().centralWidget()->sizeHint();
    for (auto* w : {"Frame1", "Frame2", "mfgrid1", "Picture1"})
        qWarning() << w << Child<QWidget>(form, w).sizeHint()
                   << Child<QWidget>(fresh.mainWindow(), w).sizeHint();
    QVERIFY2(form.width() >= wanted.width() && form.height() >= wanted.height(),
             qPrintable(QString("%1x%2, a fresh start is %3x%4")
                            .arg(form.width())
                            .arg(form.height())
                            .arg(wanted.width())
                            .arg(wanted.height())));
    QString problem = WholePlanShown(Grid(form, "mfgrid1"));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    Child<QTabBar>(form, "TabStrip1").setCurrentIndex(1);
    QApplication::processEvents();
    problem = WholePlanShown(Grid(form, "mfgrid2"));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void WindowPlacementTest::headingsShownWhole_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("pointSize");  // the font's; 0: the usual one
    QTest::newRow("English") << 1 << 0;
    QTest::newRow("Chinese") << 0 << 0;
    QTest::newRow("English, twice as large") << 1 << 2 * QApplication::font().pointSize();
}

// Every heading has room for its text in bold, as the current column's is drawn, in both
// languages and whatever the font's size.
void WindowPlacementTest::headingsShownWhole() {
    QFETCH(int, flag);
    QFETCH(int, pointSize);
    const QFont usual = QApplication::font();
    if (pointSize > 0) {
        QFont large = usual;
        large.setPointSize(pointSize);
        QApplication::setFont(large);
    }
    Harness harness(QByteArray("\x00\x00", 2) + char(1 - flag));
    MainWindow& form = harness.mainWindow();
    flag == 1 ? form.ChooseEnglish() : form.ChooseChinese();
    QApplication::setFont(usual);
    for (const char* name : {"mfgrid1", "mfgrid2"}) {
        QTableView& grid = Grid(form, name);
        QFont bold = grid.horizontalHeader()->font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        for (int column = 0; column < grid.model()->columnCount(); ++column) {
            const QString heading = grid.model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(
                grid.columnWidth(column) > metrics.horizontalAdvance(heading),
                qPrintable(QString("%1 is %2 wide").arg(heading).arg(grid.columnWidth(column))));
        }
    }
}

// A wider window widens the lists of all three columns of the settings panel, not the last.
void WindowPlacementTest::settingsPanelGrowsEvenly() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    const QSize full = FullPlanSize(form);
    ShowAt(form, full);
    const int lists[] = {Child<QComboBox>(form, "Combo2").width(),
                         Child<QComboBox>(form, "Combo4").width(),
                         Child<QComboBox>(form, "Combo6").width()};
    ShowAt(form, full + QSize(300, 0));
    const int grown[] = {Child<QComboBox>(form, "Combo2").width() - lists[0],
                         Child<QComboBox>(form, "Combo4").width() - lists[1],
                         Child<QComboBox>(form, "Combo6").width() - lists[2]};
    for (const int g : grown) {
        QVERIFY2(
            g >= 50,
            qPrintable(QString("grew by %1, %2, %3").arg(grown[0]).arg(grown[1]).arg(grown[2])));
    }
}

void WindowPlacementTest::placementRemembered_data() {
    QTest::addColumn<bool>("maximised");
    QTest::newRow("normal") << false;
    QTest::newRow("maximised") << true;
}

// The size, place and maximised state come back at the next start from the settings file the
// window was given, and "parameter" stays its 4 bytes.
void WindowPlacementTest::placementRemembered() {
    QFETCH(bool, maximised);
    PreferencesFolder folder(EnglishPreferences());
    const QString placement = folder.filePath("window.ini");
    const auto options = [&folder, &placement] {
        StartupOptions options;
        options.preferences = folder.path();
        options.backupFolder = folder.filePath("backups").toStdString();
        options.settingsFile = placement.toStdString();
        return options;
    };
    QRect normal;
    {
        MainWindow form(options());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.setGeometry(QRect(40, 30, 700, 500));
        QApplication::processEvents();
        normal = form.geometry();
        if (maximised) {
            form.showMaximized();
            QApplication::processEvents();
        }
    }
    QVERIFY(QFile::exists(placement));
    QCOMPARE(folder.read().size(), 4);
    MainWindow again(options());
    QCOMPARE(again.isMaximized() || (again.windowState() & Qt::WindowMaximized) != 0, maximised);
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    if (!maximised) {
        QCOMPARE(again.geometry(), normal);
    } else {
        QCOMPARE(again.normalGeometry().size(), normal.size());
    }
}

void WindowPlacementTest::fileAtStartAsOpen_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("header");
    QTest::addColumn<int>("answer");  // to the question for a file that is no data file
    QTest::addColumn<bool>("opens");
    QTest::newRow("a data file") << 1074 << true << 0 << true;
    QTest::newRow("no header: opened anyway") << 1074 << false << kMessageYes << true;
    QTest::newRow("no header: not opened") << 1074 << false << kMessageNo << false;
    QTest::newRow("too short") << 100 << false << 0 << false;
    QTest::newRow("missing") << -1 << false << 0 << false;
}

// The file named on the command line opens as Open opens it, with the same messages; a file
// that is no data file is opened only when the user says so.
void WindowPlacementTest::fileAtStartAsOpen() {
    QFETCH(int, size);
    QFETCH(bool, header);
    QFETCH(int, answer);
    QFETCH(bool, opens);
    // One after the other: each harness answers the messages while it is the newest.
    Harness viaOpen(EnglishPreferences());
    const QString path = viaOpen.folder().filePath("plan.DAT");
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray content(size, '\xff');
        if (header) {
            content.replace(0, 16, QByteArray("ZMR47C\xff\xff\xff\xffV0100\xff", 16));
        }
        file.write(content);
    }
    viaOpen.chooser().answers = {path};
    if (answer != 0) {
        viaOpen.messages().Answer(answer);
    }
    viaOpen.mainWindow().planFiles().OpenPlan();
    const QStringList messages = viaOpen.messages().texts();
    QCOMPARE(messages.size(), size == 1074 && header ? 0 : 1);
    if (size == 1074 && !header) {
        QVERIFY2(
            messages.front().endsWith("does not look like an M-742 data file. Open it anyway?"),
            qPrintable(messages.front()));
        QCOMPARE(viaOpen.messages().all().front().style, kStyleQuestion + kDefaultSecond);
    }

    Harness atStart(EnglishPreferences());
    if (answer != 0) {
        atStart.messages().Answer(answer);
    }
    atStart.mainWindow().planFiles().OpenFile(path);
    QCOMPARE(atStart.messages().texts(), messages);
    QCOMPARE(atStart.mainWindow().windowTitle(), viaOpen.mainWindow().windowTitle());
    QCOMPARE(atStart.mainWindow().windowTitle().contains(QFileInfo(path).absoluteFilePath()),
             opens);
    const QString difference =
        FirstDifference(viaOpen.mainWindow().editor(), atStart.mainWindow().editor());
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    QVERIFY(atStart.chooser().calls.isEmpty());
}

namespace m742::test {

int RunWindowViewTests(int argc, char** argv, const QString& onlyClass) {
    WindowPlacementTest placement;
    return RunTestClass(placement, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "window_view_test.moc"
