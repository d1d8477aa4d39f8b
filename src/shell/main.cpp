// m742: the M-742 programming tool's window.
#include <QApplication>

#include "shell/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("M-742");
    m742::Form1 window;
    window.show();
    return QApplication::exec();
}
