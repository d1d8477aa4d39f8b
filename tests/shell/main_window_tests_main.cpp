// Runs every test class of the main window in one offscreen application. A first argument
// naming a class ("RadioTest") runs that class alone; the other arguments go to QtTest, so
// "main_window_tests RadioTest readFromRadio" runs one function. "--list-classes" prints the
// name of every class, one a line, and runs none: the build checks that each has its ctest entry.
#include <QApplication>
#include <QStandardPaths>
#include <QString>

namespace m742::test {
int RunMainWindowTests(int argc, char** argv, const QString& onlyClass);
int RunMainWindowCommandTests(int argc, char** argv, const QString& onlyClass);
int RunMainWindowFileTests(int argc, char** argv, const QString& onlyClass);
int RunMainWindowRadioTests(int argc, char** argv, const QString& onlyClass);
int RunMainWindowOutcomeTests(int argc, char** argv, const QString& onlyClass);
int RunMainWindowBackupTests(int argc, char** argv, const QString& onlyClass);
int RunMainWindowCompareTests(int argc, char** argv, const QString& onlyClass);
int RunChannelGridTests(int argc, char** argv, const QString& onlyClass);
int RunDialogTests(int argc, char** argv, const QString& onlyClass);
int RunUndoTests(int argc, char** argv, const QString& onlyClass);
int RunChannelOperationTests(int argc, char** argv, const QString& onlyClass);
int RunWindowViewTests(int argc, char** argv, const QString& onlyClass);
int RunWindowOutputTests(int argc, char** argv, const QString& onlyClass);
int RunChannelListTests(int argc, char** argv, const QString& onlyClass);
int TestClassesRun();
void ListTestClasses();
}  // namespace m742::test

int main(int argc, char** argv) {
    // Also when the binary is run by hand, outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // What Qt keeps for itself (the file dialog's history and view) stays out of the user's
    // own configuration.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    const bool listing = argc == 2 && qstrcmp(argv[1], "--list-classes") == 0;
    QString onlyClass;
    if (listing) {
        m742::test::ListTestClasses();
    } else if (argc > 1 && QString(argv[1]).endsWith("Test")) {
        onlyClass = argv[1];
        argv[1] = argv[0];  // QtTest takes the first argument for the program's name
        --argc;
        ++argv;
    }
    int status = m742::test::RunMainWindowTests(argc, argv, onlyClass);
    status |= m742::test::RunMainWindowCommandTests(argc, argv, onlyClass);
    status |= m742::test::RunMainWindowFileTests(argc, argv, onlyClass);
    status |= m742::test::RunMainWindowRadioTests(argc, argv, onlyClass);
    status |= m742::test::RunMainWindowOutcomeTests(argc, argv, onlyClass);
    status |= m742::test::RunMainWindowBackupTests(argc, argv, onlyClass);
    status |= m742::test::RunMainWindowCompareTests(argc, argv, onlyClass);
    status |= m742::test::RunChannelGridTests(argc, argv, onlyClass);
    status |= m742::test::RunDialogTests(argc, argv, onlyClass);
    status |= m742::test::RunUndoTests(argc, argv, onlyClass);
    status |= m742::test::RunChannelOperationTests(argc, argv, onlyClass);
    status |= m742::test::RunWindowViewTests(argc, argv, onlyClass);
    status |= m742::test::RunWindowOutputTests(argc, argv, onlyClass);
    status |= m742::test::RunChannelListTests(argc, argv, onlyClass);
    if (listing) {
        return status;
    }
    if (m742::test::TestClassesRun() == 0) {
        qCritical("main_window_tests: no test class named %s", qPrintable(onlyClass));
        return 1;
    }
    return status;
}
