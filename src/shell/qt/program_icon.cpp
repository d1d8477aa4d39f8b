#include "shell/qt/program_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace m742 {

namespace {

// The drawing of packaging/m742.svg, in its 128 x 128 coordinates.
void DrawRadio(QPainter& p) {
    const QColor dark(0x23, 0x27, 0x2c);
    const QColor edge(0x1b, 0x1e, 0x22);
    p.setPen(Qt::NoPen);
    // antenna and knob
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(42, 6, 9, 34), 4.5, 4.5);
    p.drawRoundedRect(QRectF(68, 20, 14, 14), 3, 3);
    p.setBrush(QColor(0x6b, 0x73, 0x7d));
    p.drawRoundedRect(QRectF(70, 22, 10, 3), 1.5, 1.5);
    // body
    QLinearGradient body(32, 0, 96, 0);
    body.setColorAt(0, QColor(0x3a, 0x40, 0x48));
    body.setColorAt(0.5, QColor(0x55, 0x5d, 0x68));
    body.setColorAt(1, QColor(0x2b, 0x30, 0x36));
    p.setPen(QPen(edge, 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(32, 32, 64, 90), 10, 10);
    // side key
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    p.drawRoundedRect(QRectF(27, 52, 6, 20), 2, 2);
    // speaker grille
    p.setPen(QPen(QColor(0x20, 0x24, 0x2a), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (const int y : {42, 48, 54}) {
        p.drawLine(QPointF(44, y), QPointF(76, y));
    }
    // display with a frequency
    QLinearGradient screen(0, 61, 0, 81);
    screen.setColorAt(0, QColor(0xc9, 0xf2, 0xa8));
    screen.setColorAt(1, QColor(0x8f, 0xd4, 0x6a));
    p.setPen(QPen(edge, 1.5));
    p.setBrush(screen);
    p.drawRoundedRect(QRectF(41, 61, 46, 20), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2c, 0x4a, 0x1c));
    for (const int x : {45, 52, 59, 70, 77}) {
        p.drawRoundedRect(QRectF(x, 66, 5, 10), 1, 1);
    }
    p.drawRect(QRectF(66, 74, 2, 2));
    // keypad
    p.setBrush(QColor(0xc7, 0xcc, 0xd3));
    for (const double y : {88.0, 99.0, 110.0}) {
        for (const double x : {43.0, 58.5, 74.0}) {
            p.drawRoundedRect(QRectF(x, y, 11, 7), 2, 2);
        }
    }
    // the transmit lamp
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(0xe0, 0x41, 0x2f));
    p.drawEllipse(QPointF(85, 45), 3.5, 3.5);
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 128.0, size / 128.0);
        DrawRadio(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace m742
