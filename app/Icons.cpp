// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace quirn {
namespace {

const QColor kInk(40, 40, 40);

void DrawOpen(QPainter& p) {
    // An open folder.
    p.setBrush(QColor(230, 190, 80));
    p.drawPolygon(QPolygon({{1, 3}, {5, 3}, {6, 4}, {12, 4}, {12, 13}, {1, 13}}));
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygon({{3, 7}, {15, 7}, {12, 13}, {1, 13}}));
}

void DrawSave(QPainter& p) {
    // A diskette.
    p.setBrush(QColor(60, 90, 160));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(4, 9, 7, 5);
}

void DrawPrinter(QPainter& p) {
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(1, 6, 13, 5);
    p.setBrush(Qt::white);
    p.drawRect(4, 9, 7, 5);
}

void DrawPreview(QPainter& p) {
    // A page under a magnifying glass.
    p.setBrush(Qt::white);
    p.drawRect(1, 0, 9, 13);
    p.setBrush(QColor(180, 220, 250));
    p.drawEllipse(6, 5, 6, 6);
    p.setPen(QPen(kInk, 2));
    p.drawLine(11, 10, 14, 13);
}

void DrawRuler(QPainter& p) {
    p.setBrush(QColor(250, 230, 150));
    p.drawRect(0, 4, 15, 6);
    for (int x = 2; x < 15; x += 2) p.drawLine(x, 4, x, x % 4 == 0 ? 8 : 6);
}

// A curved arrow turning back to the left (undo) or, mirrored, on to the right (redo).
void DrawTurnArrow(QPainter& p, bool mirrored) {
    p.save();
    if (mirrored) p.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 90, 170), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath bend;
    bend.moveTo(4, 6);
    bend.lineTo(9, 6);
    bend.cubicTo(15, 6, 15, 13, 9, 13);
    bend.lineTo(6, 13);
    p.drawPath(bend);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 170));
    p.drawPolygon(QPolygonF({QPointF(0.5, 6), QPointF(5.5, 1.5), QPointF(5.5, 10.5)}));
    p.restore();
}

void DrawGrid(QPainter& p) {
    // Squared paper: pale lines every 3 pixels, a stronger one through the middle each way.
    p.setBrush(Qt::white);
    p.drawRect(0, 0, 15, 14);
    p.setPen(QColor(150, 200, 250));
    for (int at = 3; at < 15; at += 3) {
        p.drawLine(at, 1, at, 13);
        p.drawLine(1, at, 14, at);
    }
    p.setPen(QColor(30, 110, 220));
    p.drawLine(6, 1, 6, 13);
    p.drawLine(1, 6, 14, 6);
}

void DrawAbout(QPainter& p) {
    p.setBrush(QColor(60, 120, 200));
    p.drawEllipse(0, 0, 15, 14);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 15), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QIcon ToolbarIcon(Command command) {
    QPixmap pixmap(kButtonWidth, kButtonHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(kInk);
    switch (command) {
        case Command::Open:
            DrawOpen(p);
            break;
        case Command::Save:
            DrawSave(p);
            break;
        case Command::Print:
            DrawPrinter(p);
            break;
        case Command::PrintPreview:
            DrawPreview(p);
            break;
        case Command::RealScreenSize:
            DrawRuler(p);
            break;
        case Command::About:
            DrawAbout(p);
            break;
        case Command::Grid:
            DrawGrid(p);
            break;
        case Command::Undo:
        case Command::Redo:
            DrawTurnArrow(p, command == Command::Redo);
            break;
        default:
            return {};
    }
    p.end();
    return QIcon(pixmap);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(250, 250, 245));
        QPainterPath plate;
        plate.moveTo(4, 60);
        plate.lineTo(4, 16);
        plate.lineTo(14, 4);
        plate.lineTo(50, 4);
        plate.lineTo(60, 16);
        plate.lineTo(60, 60);
        plate.closeSubpath();
        p.drawPath(plate);
        // Graduation along an arc around the pointer axis at (32, 54).
        const QPointF axis(32, 54);
        for (int i = 0; i <= 10; ++i) {
            const double angle = (135.0 - 9.0 * i) * 3.14159265358979 / 180.0;
            const double inner = i % 5 == 0 ? 30.0 : 34.0;
            const QPointF dir(std::cos(angle), -std::sin(angle));
            p.drawLine(axis + dir * inner, axis + dir * 40.0);
        }
        p.setPen(QPen(QColor(200, 40, 40), 3));
        p.drawLine(axis, axis + QPointF(14, -30));
        p.setBrush(kInk);
        p.setPen(Qt::NoPen);
        p.drawEllipse(axis, 3, 3);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace quirn
