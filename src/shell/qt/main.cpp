// m742: the M-742 programming tool's window.
#include <QApplication>

#include "shell/qt/main_window.h"
#include "texts/language_tables.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(m742::kApplicationTitle);
    m742::Form1 window;
    window.show();
    return QApplication::exec();
}
