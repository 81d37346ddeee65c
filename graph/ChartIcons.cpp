// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph/ChartIcons.h"
#include <QPainter>
#include <QPixmap>

namespace kotsu {

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

void ratio(QPainter& p) {
    p.fillRect(5, 2, 6, 4, QColor(255, 128, 128));
    p.fillRect(5, 6, 6, 4, QColor(128, 255, 128));
    p.fillRect(5, 10, 6, 4, QColor(128, 128, 255));
    p.drawRect(5, 2, 6, 12);
}

void bars(QPainter& p, const QColor& colour) {
    const int lengths[] = {10, 6, 12};
    for (int i = 0; i < 3; ++i) {
        p.fillRect(2, 2 + 4 * i, lengths[i], 3, colour);
        p.drawRect(2, 2 + 4 * i, lengths[i], 3);
    }
}

void yearTrend(QPainter& p) {
    p.fillRect(3, 8, 3, 6, QColor(192, 192, 255));
    p.fillRect(10, 6, 3, 8, QColor(192, 192, 255));
    p.setPen(blue);
    p.drawPolyline(QPolygon({{1, 6}, {5, 3}, {9, 5}, {14, 2}}));
    p.setPen(red);
    p.drawPolyline(QPolygon({{1, 11}, {5, 9}, {9, 12}, {14, 8}}));
}

void categoryTrend(QPainter& p) {
    const QColor colours[] = {red, QColor(0, 160, 0), blue};
    for (int i = 0; i < 3; ++i) {
        p.setPen(colours[i]);
        p.drawPolyline(
            QPolygon({{1, 12 - 3 * i}, {5, 8 - 3 * i + 2}, {9, 11 - 3 * i}, {14, 6 - i}}));
    }
}

} // namespace

QIcon chartIcon(int kind) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(64, 64, 64));
    switch (kind) {
    case 1:
        ratio(p);
        break;
    case 2:
        bars(p, blue);
        break;
    case 3:
        bars(p, red);
        break;
    case 4:
        yearTrend(p);
        break;
    default:
        categoryTrend(p);
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace kotsu
