// The four dialogs of the main window: what they show at start-up and after a switch of
// language, OK, Cancel and the close box of each, their effect on the encoded image, the power
// lock's gestures against a clock the test sets, and the About box.
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWindow>
#include <QtTest>

#include "radio_data/codec.h"
#include "radio_data/data_file.h"
#include "shell/qt/dialogs.h"
#include "test_support.h"
#include "texts/language_tables.h"
#include "texts/store_refusal.h"

using namespace m742;
using namespace m742::test;

namespace {

// A clock the test moves by hand: seconds since midnight.
struct FakeClock {
    double now = 36000;
};

QStringList ListTexts(QDialog& dialog, std::initializer_list<const char*> lists) {
    QStringList texts;
    for (const char* name : lists) {
        texts << Child<QComboBox>(dialog, name).currentText();
    }
    return texts;
}

void Click(QDialog& dialog, const char* button) {
    QTest::mouseClick(&Child<QPushButton>(dialog, button), Qt::LeftButton);
}

// Ends the dialog by a button, by Escape ("Escape") or by its close box ("").
void Dismiss(QDialog& dialog, const QString& how) {
    if (how.isEmpty()) {
        dialog.close();
    } else if (how == "Escape") {
        QTest::keyClick(&dialog, Qt::Key_Escape);
    } else {
        Click(dialog, qPrintable(how));
    }
}

// The lists and labels of `area` narrower than their texts: a list is measured as a fresh one
// with the same items, as at start-up.
QStringList CutTexts(const QWidget& area) {
    QStringList cut;
    for (const QWidget* control : area.findChildren<QWidget*>()) {
        int needed = 0;
        if (const auto* list = qobject_cast<const QComboBox*>(control)) {
            QComboBox fresh;
            for (int i = 0; i < list->count(); ++i) {
                fresh.addItem(list->itemText(i));
            }
            needed = fresh.sizeHint().width();
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            needed = label->sizeHint().width();
        }
        if (control->isVisible() && control->width() < needed) {
            cut << control->objectName();
        }
    }
    return cut;
}

// Opens each dialog from its menu item and closes it again: the sizes they opened at.
QList<QSize> OpenEachDialog(MainWindow& form) {
    QList<QSize> sizes;
    for (const char* item : {"mnuSideFunction", "mnuDTMF", "mnuDebug", "mnuabout"}) {
        Child<QAction>(form, item).trigger();
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !QTest::qWaitForWindowExposed(dialog)) {
            qFatal("%s shows no dialog", item);
        }
        sizes << dialog->size();
        dialog->hide();
    }
    return sizes;
}

void ClickLabel(QDialog& dialog, const char* label) {
    QTest::mouseClick(&Child<QLabel>(dialog, label), Qt::LeftButton);
}

// The image byte a setting lands in, as a write would send it.
std::uint8_t ImageByte(const EditorState& editor, int address) {
    return ImageOf(editor)[static_cast<std::size_t>(address)];
}

}  // namespace

class DialogTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextRow_data();
    void everyTextRow();
    void startup_data();
    void startup();
    void sideKeys_data();
    void sideKeys();
    void dtmf_data();
    void dtmf();
    void powerLevels_data();
    void powerLevels();
    void unlockGesture_data();
    void unlockGesture();
    void powerLockButton_data();
    void powerLockButton();
    void decodedImageReachesDialogs();
    void languageSwitch();
    void about();
    void makerLine_data();
    void makerLine();
    void ownedByMainWindow_data();
    void ownedByMainWindow();
    void languageSwitchFitsTexts_data();
    void languageSwitchFitsTexts();
    void printWithoutPrinter();
    void helpOpensTheGuide();
    void helpMessages_data();
    void helpMessages();
};

void DialogTest::everyTextRow_data() {
    QTest::addColumn<int>("flag");
    QTest::newRow("Chinese") << 0;
    QTest::newRow("English") << 1;
}

// Every row of the dialogs' tables reaches a control of its window.
void DialogTest::everyTextRow() {
    QFETCH(int, flag);
    Harness harness(QByteArray("\x00\x00", 2) + char(flag));
    MainWindow& form = harness.mainWindow();
    const Lang lang = LanguageOf(std::int16_t(flag));
    for (const TextRow& row : DialogTexts()) {
        QDialog* window = nullptr;
        for (QDialog* dialog : std::initializer_list<QDialog*>{
                 &form.dialogs().sideKeyDialog(), &form.dialogs().dtmfDialog(),
                 &form.dialogs().powerDialog(), &form.dialogs().aboutDialog()}) {
            if (dialog->objectName().toStdString() == row.window) {
                window = dialog;
            }
        }
        QVERIFY2(window != nullptr, row.window.c_str());
        const QString expected = QString::fromStdString(std::string(row.in(lang)));
        const QString name = QString::fromStdString(row.control);
        QString shown;
        if (row.property == TextProperty::kWindowTitle) {
            shown = window->windowTitle();
        } else if (row.property == TextProperty::kItem) {
            shown = Child<QComboBox>(*window, name).itemText(row.index);
        } else if (auto* group = window->findChild<QGroupBox*>(name)) {
            shown = group->title();
        } else if (auto* label = window->findChild<QLabel*>(name)) {
            shown = label->text();
        } else {
            shown = Child<QPushButton>(*window, name).text();
        }
        QVERIFY2(shown == expected,
                 qPrintable(QString("%1.%2 shows \"%3\", expected \"%4\"")
                                .arg(window->objectName(), name, shown, expected)));
    }
}

void DialogTest::startup_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<QStringList>("sideKeys");
    QTest::addColumn<QStringList>("captions");  // Form5, Form2, Form3, frmAbout
    QTest::newRow("English") << 1
                             << QStringList{"Surveillance", "Voice operated switch",
                                            "hight/Low Power", "Scan Switch"}
                             << QStringList{"Keys Set", "DTMF", "Power", "Help"};
    QTest::newRow("Chinese") << 0 << QStringList{"监听", "声控 开/关", "高/低 功率", "扫描 开/关"}
                             << QStringList{"键设定", "DTMF", "Power", "Help"};
}

void DialogTest::startup() {
    QFETCH(int, flag);
    QFETCH(QStringList, sideKeys);
    QFETCH(QStringList, captions);
    Harness harness(QByteArray("\x00\x00", 2) + char(flag));
    MainWindow& form = harness.mainWindow();
    QDialog* dialogs[] = {&form.dialogs().sideKeyDialog(), &form.dialogs().dtmfDialog(),
                          &form.dialogs().powerDialog(), &form.dialogs().aboutDialog()};
    QStringList shown;
    for (QDialog* dialog : dialogs) {
        QVERIFY(dialog->isHidden());
        shown << dialog->windowTitle();
    }
    QCOMPARE(shown, captions);
    QCOMPARE(ListTexts(form.dialogs().sideKeyDialog(), {"Combo1", "Combo2", "Combo3", "Combo4"}),
             sideKeys);
    QCOMPARE(ListTexts(form.dialogs().dtmfDialog(), {"Combo1", "Combo2", "Combo3"}),
             (QStringList{"50ms", "75ms", "75ms"}));
    QCOMPARE(Child<QComboBox>(form.dialogs().dtmfDialog(), "Combo1").count(), 90);
    QCOMPARE(Child<QComboBox>(form.dialogs().dtmfDialog(), "Combo3").count(), 256);
    QDialog& power = form.dialogs().powerDialog();
    QCOMPARE(Child<QSlider>(power, "Slider1").value(), 92);
    QCOMPARE(Child<QSlider>(power, "Slider3").value(), 208);
    QCOMPARE(Child<QLabel>(power, "Lblpower1").text(), QString("92"));
    QCOMPARE(Child<QLabel>(power, "Lblpower3").text(), QString("208"));
    QVERIFY(!Child<QSlider>(power, "Slider1").isEnabled());
    QVERIFY(!Child<QSlider>(power, "Slider3").isEnabled());
    QVERIFY(Child<QAction>(form, "Toolbar1_PowerLock").isVisible() == false);
    QVERIFY(!form.radio().PowerUnlocked());

    // The menu items show them.
    for (const char* item : {"mnuSideFunction", "mnuDTMF", "mnuDebug", "mnuabout"}) {
        Child<QAction>(form, item).trigger();
    }
    for (QDialog* dialog : dialogs) {
        QVERIFY2(dialog->isVisible(), qPrintable(dialog->objectName()));
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        dialog->hide();
    }
}

void DialogTest::sideKeys_data() {
    QTest::addColumn<QString>("button");  // "" for the close box
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("shown");
    QTest::newRow("OK") << "Command1" << 5 << 5;
    QTest::newRow("Cancel") << "Command2" << 1 << 1;
    QTest::newRow("close box") << "" << 1 << 5;  // the change stays in view, not in the radio
    QTest::newRow("Escape, as Cancel") << "Escape" << 1 << 1;
}

void DialogTest::sideKeys() {
    QFETCH(QString, button);
    QFETCH(int, setting);
    QFETCH(int, shown);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.dialogs().ShowSideKeyDialog();
    QDialog& dialog = form.dialogs().sideKeyDialog();
    Child<QComboBox>(dialog, "Combo1").setCurrentIndex(5);  // "Off Net"
    QCOMPARE(form.editor().sideKeys.pf1Short, std::int16_t(1));
    Dismiss(dialog, button);
    QVERIFY(dialog.isHidden());
    QCOMPARE(int(form.editor().sideKeys.pf1Short), setting);
    QCOMPARE(Child<QComboBox>(dialog, "Combo1").currentIndex(), shown);
    QCOMPARE(ImageByte(form.editor(), 0x3C5) >> 4, setting);  // PF1 short press, high nibble
    QCOMPARE(ImageByte(form.editor(), 0x3C5) & 0x0F, 7);      // PF1 long press stays
}

void DialogTest::dtmf_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("setting");
    QTest::newRow("OK") << "Command1" << 255;
    QTest::newRow("Cancel") << "Command2" << 2;
    QTest::newRow("close box, as Cancel") << "" << 2;
    QTest::newRow("Escape, as Cancel") << "Escape" << 2;
}

void DialogTest::dtmf() {
    QFETCH(QString, button);
    QFETCH(int, setting);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.dialogs().ShowDtmfDialog();
    QDialog& dialog = form.dialogs().dtmfDialog();
    auto& interval = Child<QComboBox>(dialog, "Combo2");
    interval.setCurrentIndex(interval.count() - 1);
    QCOMPARE(interval.currentText(), QString("6400ms"));
    Dismiss(dialog, button);
    QVERIFY(dialog.isHidden());
    QCOMPARE(int(form.editor().dtmf.digitInterval), setting);
    QCOMPARE(interval.currentIndex(), setting);
    QCOMPARE(int(ImageByte(form.editor(), 0x3CA)), setting);
}

void DialogTest::powerLevels_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("OK stores") << "Command1";
    QTest::newRow("close box stores nothing") << "";
    QTest::newRow("Escape, as the close box") << "Escape";
}

void DialogTest::powerLevels() {
    QFETCH(QString, button);
    const bool ok = button == "Command1";
    FakeClock clock;
    Harness harness(EnglishPreferences(), [&clock] { return clock.now; });
    MainWindow& form = harness.mainWindow();
    form.dialogs().ShowPowerDialog();
    QDialog& dialog = form.dialogs().powerDialog();
    ClickLabel(dialog, "Label8");
    clock.now += 2;
    ClickLabel(dialog, "Label7");
    auto& low = Child<QSlider>(dialog, "Slider1");
    QVERIFY(low.isEnabled());
    low.setFocus();
    QTest::keyClick(&low, Qt::Key_PageUp);  // a large step: 5
    QCOMPARE(low.value(), 97);
    QCOMPARE(Child<QLabel>(dialog, "Lblpower1").text(), QString("97"));
    Dismiss(dialog, button);
    QVERIFY(dialog.isHidden());
    QCOMPARE(int(form.editor().powerLevels.low), ok ? 97 : 92);
    QCOMPARE(int(ImageByte(form.editor(), 0x3F8)), ok ? 97 : 92);
    // The next opening shows the slider where it was left.
    form.dialogs().ShowPowerDialog();
    QCOMPARE(low.value(), 97);
}

void DialogTest::unlockGesture_data() {
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<double>>("delays");  // seconds before each click
    QTest::addColumn<bool>("unlocked");
    QTest::newRow("low then high")
        << QStringList{"Label8", "Label7"} << QList<double>{0, 4.5} << true;
    QTest::newRow("high then low")
        << QStringList{"Label7", "Label8"} << QList<double>{0, 5} << true;
    QTest::newRow("six seconds apart")
        << QStringList{"Label8", "Label7"} << QList<double>{0, 6} << false;
    QTest::newRow("the same label twice")
        << QStringList{"Label8", "Label8"} << QList<double>{0, 1} << false;
    QTest::newRow("the low label is not part of it")
        << QStringList{"Label3", "Label6"} << QList<double>{0, 1} << false;
}

void DialogTest::unlockGesture() {
    QFETCH(QStringList, labels);
    QFETCH(QList<double>, delays);
    QFETCH(bool, unlocked);
    FakeClock clock;
    Harness harness(EnglishPreferences(), [&clock] { return clock.now; });
    MainWindow& form = harness.mainWindow();
    form.dialogs().ShowPowerDialog();
    for (qsizetype i = 0; i < labels.size(); ++i) {
        clock.now += delays[i];
        ClickLabel(form.dialogs().powerDialog(), qPrintable(labels[i]));
    }
    QCOMPARE(form.radio().PowerUnlocked(), unlocked);
    QCOMPARE(Child<QSlider>(form.dialogs().powerDialog(), "Slider1").isEnabled(), unlocked);
    QCOMPARE(Child<QSlider>(form.dialogs().powerDialog(), "Slider3").isEnabled(), unlocked);
    QCOMPARE(!Child<QAction>(form, "Toolbar1_PowerLock").isVisible(), !unlocked);
}

void DialogTest::powerLockButton_data() {
    QTest::addColumn<double>("apart");
    QTest::addColumn<bool>("locked");
    QTest::newRow("within a second") << 0.6 << true;
    QTest::newRow("two seconds apart") << 2.0 << false;
}

void DialogTest::powerLockButton() {
    QFETCH(double, apart);
    QFETCH(bool, locked);
    FakeClock clock;
    Harness harness(EnglishPreferences(), [&clock] { return clock.now; });
    MainWindow& form = harness.mainWindow();
    ClickLabel(form.dialogs().powerDialog(), "Label8");
    ClickLabel(form.dialogs().powerDialog(), "Label7");
    QAction& button = Child<QAction>(form, "Toolbar1_PowerLock");
    QVERIFY(button.isVisible());

    clock.now += 60;
    button.trigger();
    clock.now += apart;
    button.trigger();
    QCOMPARE(form.radio().PowerUnlocked(), !locked);
    QCOMPARE(button.isVisible(), !locked);
    QCOMPARE(Child<QSlider>(form.dialogs().powerDialog(), "Slider1").isEnabled(), !locked);
}

void DialogTest::decodedImageReachesDialogs() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    EditorState plan = form.editor();
    plan.sideKeys = {5, 6, 0, 3};
    plan.dtmf = {89, 100, 255};
    plan.powerLevels = {1, 250};
    const auto image = EncodeImage(plan, Lang::English);
    QVERIFY(image.ok());
    form.radio().ImageRead(image.value());
    QCOMPARE(ListTexts(form.dialogs().sideKeyDialog(), {"Combo1", "Combo2", "Combo3", "Combo4"}),
             (QStringList{"Off Net", "Inverted Frequency", "OFF", "Priority Scan"}));
    QCOMPARE(ListTexts(form.dialogs().dtmfDialog(), {"Combo1", "Combo2", "Combo3"}),
             (QStringList{"4500ms", "2525ms", "6400ms"}));
    // The levels move even while the sliders are locked.
    QCOMPARE(Child<QSlider>(form.dialogs().powerDialog(), "Slider1").value(), 1);
    QCOMPARE(Child<QLabel>(form.dialogs().powerDialog(), "Lblpower3").text(), QString("250"));
    QVERIFY(!Child<QSlider>(form.dialogs().powerDialog(), "Slider1").isEnabled());
}

void DialogTest::languageSwitch() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    Child<QComboBox>(form.dialogs().sideKeyDialog(), "Combo2").setCurrentIndex(6);
    form.ChooseChinese();
    QDialog& keys = form.dialogs().sideKeyDialog();
    QCOMPARE(keys.windowTitle(), QString("键设定"));
    QCOMPARE(Child<QLabel>(keys, "Label2").text(), QString("侧键1长按:"));
    QCOMPARE(Child<QComboBox>(keys, "Combo2").currentText(), QString("倒频"));  // still picked
    QCOMPARE(Child<QPushButton>(form.dialogs().dtmfDialog(), "Command2").text(), QString("取消"));
    QCOMPARE(Child<QGroupBox>(form.dialogs().powerDialog(), "Frame2").title(),
             QString("发射高功率"));
    QCOMPARE(Child<QLabel>(form.dialogs().aboutDialog(), "Label2").text(), QString("发布：2012.4"));
    form.ChooseEnglish();
    QCOMPARE(Child<QGroupBox>(form.dialogs().powerDialog(), "Frame2").title(),
             QString("TX-Hight Power"));
    QCOMPARE(Child<QLabel>(form.dialogs().powerDialog(), "Label7").text(), QString("Hight"));
    QCOMPARE(Child<QLabel>(form.dialogs().dtmfDialog(), "Label1").text(),
             QString("first digital delay time"));
    QCOMPARE(Child<QLabel>(form.dialogs().aboutDialog(), "Label2").text(),
             QString("Issue：2012.4"));
}

void DialogTest::about() {
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    QDialog& about = form.dialogs().aboutDialog();
    QCOMPARE(Child<QLabel>(about, "lblTitle").text(), QString("M-742 Radio Software"));
    QCOMPARE(Child<QLabel>(about, "lblVersion").text(), QString("English"));
    QCOMPARE(Child<QPushButton>(about, "cmdOK").text(), QString("OK"));

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    static_cast<AboutDialog&>(about).OpenMakerAddress();
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(AboutDialog::kMakerAddress)});

    form.dialogs().ShowAboutDialog();
    Click(about, "cmdOK");
    QVERIFY(about.isHidden());
}

void DialogTest::makerLine_data() {
    QTest::addColumn<double>("across");  // where the click lands, as a share of the line's width
    QTest::newRow("the maker's name") << 0.02;
    QTest::newRow("the far end") << 0.98;
}

void DialogTest::makerLine() {
    QFETCH(double, across);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.dialogs().ShowAboutDialog();
    QLabel& line = Child<QLabel>(form.dialogs().aboutDialog(), "lblDescription");
    QCOMPARE(line.cursor().shape(), Qt::PointingHandCursor);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QTest::mouseClick(&line, Qt::LeftButton, {},
                      QPoint(int(line.width() * across), line.height() / 2));
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.opened, QList<QUrl>{QUrl(AboutDialog::kMakerAddress)});
}

void DialogTest::ownedByMainWindow_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("Form5") << "mnuSideFunction";
    QTest::newRow("Form2") << "mnuDTMF";
    QTest::newRow("Form3") << "mnuDebug";
    QTest::newRow("frmAbout") << "mnuabout";
}

void DialogTest::ownedByMainWindow() {
    QFETCH(QString, item);
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    form.show();
    Child<QAction>(form, item).trigger();
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog != nullptr && dialog->objectName() == QTest::currentDataTag());
    QCOMPARE(dialog->parentWidget(), &form);
    QCOMPARE(dialog->windowHandle()->transientParent(), form.windowHandle());
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(dialog->windowIcon().cacheKey(), form.windowIcon().cacheKey());
}

void DialogTest::languageSwitchFitsTexts_data() {
    QTest::addColumn<int>("flag");  // the language at start-up
    QTest::newRow("Chinese to English") << 0;
    QTest::newRow("English to Chinese") << 1;
}

void DialogTest::languageSwitchFitsTexts() {
    QFETCH(int, flag);
    Harness harness(QByteArray("\x00\x00", 2) + char(flag));
    MainWindow& form = harness.mainWindow();
    form.show();
    OpenEachDialog(form);  // every box is measured in the first language
    flag == 0 ? form.ChooseEnglish() : form.ChooseChinese();
    QStringList cut;
    const auto nothingCut = [&] {  // once the layouts have taken the new texts
        cut =
            CutTexts(Child<QGroupBox>(form, "Frame1")) + CutTexts(Child<QGroupBox>(form, "Frame2"));
        return cut.isEmpty();
    };
    QTRY_VERIFY2(nothingCut(), qPrintable(cut.join(", ")));
    // The dialogs open as they do when the program starts in the new language.
    Harness fresh(QByteArray("\x00\x00", 2) + char(1 - flag));
    QCOMPARE(OpenEachDialog(form), OpenEachDialog(fresh.mainWindow()));
}

void DialogTest::printWithoutPrinter() {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        QSKIP("this machine has a printer; the report would really be printed");
    }
    Harness harness(EnglishPreferences());
    MainWindow& form = harness.mainWindow();
    harness.messages().Answer(3);  // neither the preview nor a PDF file
    Child<QAction>(form, "mnuprint").trigger();
    QCOMPARE(harness.messages().all().size(), 1);
    QVERIFY2(harness.messages().texts().front().contains("printer"),
             qPrintable(harness.messages().texts().front()));
}

void DialogTest::helpOpensTheGuide() {
    Harness harness(EnglishPreferences());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    harness.mainWindow().OpenHelp();
    QDesktopServices::unsetUrlHandler("file");
    // The build puts the guide beside the program.
    QVERIFY2(harness.messages().all().isEmpty(), qPrintable(harness.messages().texts().join("")));
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(QFileInfo(catcher.opened.front().toLocalFile()).fileName(), QString("M-742.html"));
    QVERIFY(QFileInfo::exists(catcher.opened.front().toLocalFile()));
}

void DialogTest::helpMessages_data() {
    QTest::addColumn<int>("flag");
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<QString>("program");  // the program's folder in the test's folder
    QTest::addColumn<QString>("named");    // the help file the message names
    QTest::addColumn<QString>("message");  // %1: the help file
    QTest::newRow("missing beside a build") << 1 << false << "build/bin"
                                            << "build/bin/M-742.html"
                                            << "The help file %1 was not found.";
    // An installed program looks in share/doc/m742, and says so.
    QTest::newRow("missing where installed") << 0 << false << "usr/bin"
                                             << "usr/share/doc/m742/M-742.zh.html"
                                             << "找不到帮助文件 %1。";
    QTest::newRow("nothing opens it") << 0 << true << "build/bin"
                                      << "build/bin/M-742.zh.html"
                                      << "没有能打开帮助文件 %1 的程序。";
}

void DialogTest::helpMessages() {
    QFETCH(int, flag);
    QFETCH(bool, fileThere);
    QFETCH(QString, program);
    QFETCH(QString, named);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath(program));
    QFile cache(folder.filePath("build/CMakeCache.txt"));
    QVERIFY(QDir(folder.path()).mkpath("build") && cache.open(QIODevice::WriteOnly));
    const QString help = folder.filePath(named);
    if (fileThere) {
        QFile file(help);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Harness harness(QByteArray("\x00\x00", 2) + char(flag), {},
                    folder.filePath(program).toStdString());
    // A handler that cannot take the address: a desktop where nothing opens the file.
    UrlCatcher nothing;
    QDesktopServices::setUrlHandler("file", &nothing, "noSuchSlot");
    if (fileThere) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such method"));
    }
    harness.mainWindow().OpenHelp();
    QDesktopServices::unsetUrlHandler("file");
    const QString path = fileThere ? QFileInfo(help).canonicalFilePath() : help;
    QCOMPARE(harness.messages().texts(), QStringList{message.arg(path)});
    QCOMPARE(harness.messages().all().front().style, 48);
}

namespace m742::test {

int RunDialogTests(int argc, char** argv, const QString& onlyClass) {
    DialogTest dialogs;
    return RunTestClass(dialogs, argc, argv, onlyClass);
}

}  // namespace m742::test

#include "dialogs_test.moc"
